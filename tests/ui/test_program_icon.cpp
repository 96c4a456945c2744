// The program's icon: drawn in every size the desktop asks for, shown by
// every window, and the launcher the desktop matches the windows to.

#include "engine/AppState.h"
#include "engine/TfrmTest.h"
#include "hardware/TfrmBioCal.h"
#include "hardware/TfrmCompatibilityTest.h"
#include "storage/TfrmCalibrationInfo.h"
#include "storage/TfrmSettings.h"
#include "support/TestPlatform.h"
#include "ui/ProgramLook.h"
#include "ui/Startup.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmPassword.h"
#include "ui/TfrmSplash.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMessageBox>

using namespace tavo;

TEST(ProgramIcon, EverySizeIsDrawnNotScaled) {
    ui::installProgramIcon();
    const QIcon icon = QApplication::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int side : {16, 32, 48, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    }
    for (const QSize& size : sizes) {
        const QImage image = icon.pixmap(size).toImage();
        ASSERT_EQ(image.size(), size);
        // A rounded square: the corner stays transparent, the middle of the
        // top edge is painted.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size.width();
        EXPECT_EQ(qAlpha(image.pixel(size.width() / 2, size.height() / 8)), 255) << size.width();
    }
}

TEST(ProgramIcon, EveryWindowAndMessageShowsIt) {
    ui::installProgramIcon();
    const qint64 programIcon = QApplication::windowIcon().cacheKey();
    ASSERT_FALSE(QApplication::windowIcon().isNull());

    testsupport::TestPlatform sim;
    sim.settingsFromEarlierStart();
    engine::AppState state;
    auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
    ui::TfrmSplash splash;
    QMessageBox message(QMessageBox::Information, QStringLiteral("Hörtest"),
                        QStringLiteral("Test beendet."));
    for (const QWidget* window : std::initializer_list<const QWidget*>{
             windows->main.get(), windows->settings.get(), windows->password.get(),
             windows->test.get(), windows->calibrationInfo.get(), windows->bioCal.get(),
             windows->compatibility.get(), &splash, &message}) {
        EXPECT_EQ(window->windowIcon().cacheKey(), programIcon)
            << window->metaObject()->className();
    }
}

TEST(ProgramIcon, TheDesktopKnowsTheWindowsByTheLaunchersName) {
    ui::installProgramIcon();
    const QString launcher = qEnvironmentVariable("TAVO_SOURCE_DIR") + QStringLiteral("/dist/") +
                             QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
    QFile file(launcher);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << launcher.toStdString();
    // The launcher's icon is the one the windows show.
    const QByteArray contents = file.readAll();
    EXPECT_TRUE(contents.contains("\nIcon=" + QGuiApplication::desktopFileName().toUtf8() + "\n"));
}
