// The main window's two paint boxes after opening a test file named on the
// command line: they show what the painter draws with the settings
// dialog's live values, and the date line and summary figures follow.

#include "engine/Evaluation.h"
#include "storage/FileJson.h"
#include "storage/TestFile.h"
#include "storage/TfrmSettings.h"
#include "support/TestFiles.h"
#include "support/TestPlatform.h"
#include "ui/AudiogramProbes.h"
#include "ui/TfrmMain.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>

using namespace tavo;

namespace {

QImage grabbed(QWidget* box) {
    return box->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(AudiogramWindow, ShowsTheStartUpFileAsThePainterDrawsIt) {
    testsupport::TestPlatform sim;
    sim.settingsFromEarlierStart();
    const QString file = testsupport::writeRealisticTest(sim.folder);
    ASSERT_FALSE(file.isEmpty());
    engine::AppState state;
    auto windows = ui::createWindows(state, sim.bundle, sim.services(), {file});
    auto& main = *windows->main;
    ASSERT_TRUE(state.Record.ResultsValid);
    main.show();
    main.resize(1200, 700);
    QCoreApplication::processEvents();
    const QSize box = main.pbxAudiogram->size();
    ASSERT_EQ(box.width(), main.centralWidget()->width() - 8 - 40);
    ASSERT_EQ(main.pbxResults->width(), box.width());

    const QImage shown = grabbed(main.pbxAudiogram);
    const QImage table = grabbed(main.pbxResults);
    QImage audiogramImage(box, QImage::Format_RGB32);
    QImage tableImage(table.size(), QImage::Format_RGB32);
    {
        QPainter a(&audiogramImage);
        QPainter t(&tableImage);
        ui::pbxAudiogramPaint(state, windows->settingsValue, {{&a, box}, {&t, table.size()}});
    }
    EXPECT_EQ(shown, audiogramImage);
    EXPECT_EQ(table, tableImage);
    // Not merely the same nothing: the 8000 Hz column of the left ear (five
    // reversals, one short of the minimum) is hatched.
    ui::AudiogramGeometry g(box.width(), box.height());
    g.setColumns(8);
    EXPECT_TRUE(testsupport::hatched(shown, g, 0, 8, testsupport::slot(state, 2),
                                     testsupport::slot(state, 3)));
    EXPECT_FALSE(testsupport::hatched(shown, g, 0, 1, testsupport::slot(state, 2),
                                      testsupport::slot(state, 3)));

    EXPECT_EQ(main.lblDateTime->text(),
              QStringLiteral("Testdatum Test 1: 14-03-2025 Uhrzeit: 9h12 Test 2: 14-03-2025 "
                             "Uhrzeit: 9h31."));
    const auto summary = engine::CalcAVP(state);
    EXPECT_EQ(main.txtOSPL->text(), summary.ospl);
    EXPECT_EQ(main.txtAPV->text(), summary.apv);
    // Slot 3 on the audiogram box and its group box, slot 4 on the window.
    EXPECT_EQ(main.pbxAudiogram->palette().color(QPalette::Window),
              engine::toQColor(windows->settingsValue.colours[3]));
    EXPECT_EQ(main.grpGraph->palette().color(QPalette::Window),
              engine::toQColor(windows->settingsValue.colours[3]));
    EXPECT_EQ(main.centralWidget()->palette().color(QPalette::Window),
              engine::toQColor(windows->settingsValue.colours[4]));

    // A display option changed in the settings shows at the next paint.
    windows->settings->ShowReversals->setChecked(false);
    const QImage without = grabbed(main.pbxAudiogram);
    EXPECT_FALSE(testsupport::anyIn(without, without.rect(), testsupport::slot(state, 0)));
    EXPECT_TRUE(testsupport::anyIn(without, without.rect(), testsupport::slot(state, 5)));

    // New: the grid of the ticked frequencies and an empty date line.
    main.New1Click();
    main.pbxAudiogram->grab();
    EXPECT_EQ(main.lblDateTime->text(), QString());
}
