// The calibration information dialog: start-up load, its two modes, OK,
// Cancel and closing.

#include "FailingOutput.h"
#include "engine/AppState.h"
#include "platform/sim/SimMessages.h"
#include "storage/CalibrationFile.h"
#include "storage/SettingsTable.h"
#include "storage/TfrmCalibrationInfo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::storage;

namespace {

CalibrationFileContents calibration(const QString& person, int wave) {
    CalibrationFileContents contents;
    contents.person = person;
    contents.headphones = QStringLiteral("HDA 300");
    contents.soundcard = QStringLiteral("Onboard");
    contents.comment = QStringLiteral("Kommentar");
    contents.date = QStringLiteral("01.12.2026");
    contents.time = QStringLiteral("08:00:00");
    for (auto& ear : contents.points) {
        for (auto& point : ear) {
            point.WaveSteps = wave;
        }
    }
    return contents;
}

} // namespace

class CalibrationInfo : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    std::unique_ptr<TfrmCalibrationInfo> create() {
        CalibrationInfoContext context(state, messages, &mainWindow);
        context.settings = &settings;
        context.soundCardName = [] {
            return QStringLiteral("HDA Intel PCH");
        };
        context.chooseSaveFile = [this] {
            ++saveDialogs;
            return saveAs;
        };
        context.fileOutput = output;
        return std::make_unique<TfrmCalibrationInfo>(context);
    }
    // A calibration by ear has just been finished.
    void finishCalibrationByEar() {
        state.NewCalibrationPending = true;
        state.NewCalibrationDate = QStringLiteral("07.12.2026");
        state.NewCalibrationTime = QStringLiteral("10:11:12");
        for (auto& ear : state.NewCalibration) {
            for (auto& point : ear) {
                point.MasterSteps = 77;
            }
        }
    }

    QTemporaryDir dir;
    engine::AppState state;
    platform::SimMessages messages;
    QWidget mainWindow;
    storage::Settings settings = storage::designSettings();
    QString saveAs;
    int saveDialogs = 0;
    FileOutputFactory output;
};

TEST_F(CalibrationInfo, CommandLineFileWinsOverTheSettings) {
    const QString named = file(QStringLiteral("Kopfhörer A.vkk"),
                               encodeCalibrationFile(calibration(QStringLiteral("Anna"), 11)));
    settings.reloadCalibration = true;
    settings.calibrationFileName =
        file(QStringLiteral("default.vkk"),
             encodeCalibrationFile(calibration(QStringLiteral("Bert"), 22)));
    state.CommandLineFile = named + QLatin1Char(' ');
    const auto dialog = create();
    EXPECT_TRUE(state.CalibrationLoaded);
    EXPECT_EQ(state.Calibration[0][1].WaveSteps, 11);
    EXPECT_EQ(dialog->Person->text(), QStringLiteral("Anna"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(CalibrationInfo, OtherwiseTheSettingsDecide) {
    settings.calibrationFileName =
        file(QStringLiteral("default.vkk"),
             encodeCalibrationFile(calibration(QStringLiteral("Bert"), 22)));
    const QString upper = file(QStringLiteral("A.VKK"),
                               encodeCalibrationFile(calibration(QStringLiteral("Anna"), 11)));
    // The extension is compared exactly: ".VKK" is not a calibration file.
    state.CommandLineFile = upper + QLatin1Char(' ');
    create();
    EXPECT_FALSE(state.CalibrationLoaded);

    settings.reloadCalibration = true;
    const auto dialog = create();
    EXPECT_TRUE(state.CalibrationLoaded);
    EXPECT_EQ(state.Calibration[1][11].WaveSteps, 22);
    EXPECT_EQ(dialog->Headphones->text(), QStringLiteral("HDA 300"));
    EXPECT_EQ(state.CalibrationDate, QStringLiteral("01.12.2026"));
}

TEST_F(CalibrationInfo, AFailedStartUpLoadIsReportedAndChangesNothing) {
    settings.reloadCalibration = true;
    settings.calibrationFileName = QStringLiteral("Keine Datei ausgewählt");
    const auto dialog = create();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("kann nicht geöffnet werden")));
    EXPECT_FALSE(state.CalibrationLoaded);

    // A test file or a damaged calibration file is refused.
    ASSERT_TRUE(dialog->ReadCal(
        file(QStringLiteral("good.vkk"), encodeCalibrationFile(calibration("Anna", 5)))));
    const QByteArray good = encodeCalibrationFile(calibration(QStringLiteral("Bert"), 9));
    QByteArray bigCount = good;
    bigCount.replace(22, 4, QByteArray("\x02\x01\0\0", 4)); // 258
    for (const QByteArray& bytes :
         {QByteArray("\x10VorlandtTestFile", 17) + QByteArray(5000, '\0'), good.left(21),
          good.left(300), good.left(good.size() - 1), bigCount}) {
        messages.clear();
        EXPECT_FALSE(dialog->ReadCal(file(QStringLiteral("bad.vkk"), bytes)));
        EXPECT_EQ(messages.texts(), QStringList{kCalibrationFormatMessage});
        EXPECT_EQ(state.Calibration[0][1].WaveSteps, 5);
        EXPECT_EQ(dialog->Person->text(), QStringLiteral("Anna"));
    }
}

TEST_F(CalibrationInfo, InformationModeShowsTheLoadedCalibrationReadOnly) {
    const auto dialog = create();
    ASSERT_TRUE(dialog->ReadCal(file(
        QStringLiteral("c.vkk"), encodeCalibrationFile(calibration(QStringLiteral("Anna"), 5)))));
    dialog->show();
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_FALSE(dialog->Person->isEnabled());
    EXPECT_FALSE(dialog->Headphones->isEnabled());
    EXPECT_FALSE(dialog->Comment->isEnabled());
    EXPECT_FALSE(dialog->Soundcard->isEnabled());
    EXPECT_FALSE(dialog->Cancel->isVisible());
    EXPECT_EQ(dialog->Soundcard->text(), QStringLiteral("Onboard"));
    EXPECT_EQ(dialog->DateStamp->text(),
              QStringLiteral("Calibration finished on 01.12.2026 at 08:00:00"));
    // Escape does nothing without the Cancel button.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());

    dialog->OKSave->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(saveDialogs, 0);
}

TEST_F(CalibrationInfo, NewCalibrationIsAppliedAndSavedOnOk) {
    const auto dialog = create();
    finishCalibrationByEar();
    dialog->Comment->setText(QStringLiteral("Calibration by Ear"));
    dialog->show();
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(dialog->Person->isEnabled());
    EXPECT_TRUE(dialog->Comment->isEnabled());
    EXPECT_FALSE(dialog->Soundcard->isEnabled());
    EXPECT_TRUE(dialog->Cancel->isVisible());
    EXPECT_EQ(dialog->Soundcard->text(), QStringLiteral("HDA Intel PCH"));
    EXPECT_EQ(dialog->DateStamp->text(),
              QStringLiteral("Calibration finished on 07.12.2026 at 10:11:12"));

    dialog->Person->setText(QStringLiteral("Jörg"));
    saveAs = dir.filePath(QStringLiteral("neu.vkk"));
    dialog->OKSave->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_TRUE(state.CalibrationLoaded);
    EXPECT_EQ(state.Calibration[1][11].MasterSteps, 77);
    EXPECT_EQ(state.CalibrationDate, QStringLiteral("07.12.2026"));

    const auto saved = decodeCalibrationFile(testsupport::contentsOf(saveAs));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.value->person, QStringLiteral("Jörg"));
    EXPECT_EQ(saved.value->soundcard, QStringLiteral("HDA Intel PCH"));
    EXPECT_EQ(saved.value->comment, QStringLiteral("Calibration by Ear"));
    EXPECT_EQ(saved.value->time, QStringLiteral("10:11:12"));
    EXPECT_EQ(saved.value->points[0][0].MasterSteps, 77);
}

TEST_F(CalibrationInfo, CancellingTheSaveDialogStillAppliesTheCalibration) {
    const auto dialog = create();
    finishCalibrationByEar();
    dialog->show();
    dialog->OKSave->click();
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_TRUE(state.CalibrationLoaded);
    EXPECT_EQ(state.Calibration[0][1].MasterSteps, 77);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(testsupport::filesIn(dir.path()), QStringList());
}

TEST_F(CalibrationInfo, AFailedSaveKeepsTheDialogOpenAndTheOldFile) {
    saveAs = file(QStringLiteral("alt.vkk"), "alt");
    output = testsupport::failingAt(testsupport::FailingOutput::Failure::Refused, 300);
    const auto dialog = create();
    finishCalibrationByEar();
    dialog->show();
    dialog->OKSave->click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.texts().first().startsWith(
        QStringLiteral("Beim Speichern ist ein Fehler aufgetreten\n")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(state.CalibrationLoaded); // applied before the save
    EXPECT_EQ(testsupport::contentsOf(saveAs), "alt");

    // A folder that does not exist.
    saveAs = dir.filePath(QStringLiteral("fehlt/neu.vkk"));
    output = {};
    const auto second = create();
    second->show();
    second->OKSave->click();
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(second->isVisible());
    EXPECT_FALSE(QFile::exists(saveAs));
}

TEST_F(CalibrationInfo, CancelKeepsThePreviousCalibration) {
    const auto dialog = create();
    ASSERT_TRUE(dialog->ReadCal(file(
        QStringLiteral("c.vkk"), encodeCalibrationFile(calibration(QStringLiteral("Anna"), 5)))));
    finishCalibrationByEar();
    dialog->show();
    QTest::keyClick(dialog.get(), Qt::Key_Escape); // the Cancel button's key
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(state.Calibration[0][1].WaveSteps, 5);
    EXPECT_EQ(state.Calibration[0][1].MasterSteps, 0);
    EXPECT_EQ(state.CalibrationDate, QStringLiteral("01.12.2026"));
    EXPECT_TRUE(state.NewCalibrationPending);
    EXPECT_EQ(saveDialogs, 0);
}

TEST_F(CalibrationInfo, ClosingReEnablesTheMainWindow) {
    const auto dialog = create();
    finishCalibrationByEar();
    dialog->show();
    EXPECT_FALSE(mainWindow.isEnabled());
    dialog->close();
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_FALSE(state.CalibrationLoaded);
}
