#include "ui/Startup.h"

#include "engine/AppState.h"
#include "engine/LiveSettings.h"
#include "engine/ProductInfo.h"
#include "engine/TfrmTest.h"
#include "hardware/TfrmBioCal.h"
#include "hardware/TfrmCompatibilityTest.h"
#include "platform/Platform.h"
#include "storage/TfrmCalibrationInfo.h"
#include "storage/TfrmSettings.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmPassword.h"
#include "ui/TfrmSplash.h"

#include <QApplication>

namespace tavo::ui {

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() = default;

std::unique_ptr<ProgramWindows> createWindows(engine::AppState& state,
                                              platform::Platform& platform,
                                              const QStringList& parameters) {
    auto windows = std::make_unique<ProgramWindows>();
    windows->main = std::make_unique<TfrmMain>(MainWindowContext{state, platform, parameters, {}});
    windows->creationOrder << QStringLiteral("TfrmMain");
    windows->settings = std::make_unique<storage::TfrmSettings>();
    windows->creationOrder << QStringLiteral("TfrmSettings");
    windows->password = std::make_unique<TfrmPassword>();
    windows->creationOrder << QStringLiteral("TfrmPassword");
    windows->test = std::make_unique<engine::TfrmTest>();
    windows->creationOrder << QStringLiteral("TfrmTest");
    // Its creation loads the start-up calibration, with the settings as
    // the settings dialog holds them (the design values while that dialog
    // offers no live view). The sound-card name comes from the mixer.
    storage::CalibrationInfoContext calibrationInfo{state, *platform.messages, windows->main.get()};
    calibrationInfo.settings = dynamic_cast<const engine::LiveSettings*>(windows->settings.get());
    windows->calibrationInfo = std::make_unique<storage::TfrmCalibrationInfo>(calibrationInfo);
    windows->main->setCalibrationReader(
        [info = windows->calibrationInfo.get()](const QString& fileName) {
            return info->ReadCal(fileName);
        });
    windows->creationOrder << QStringLiteral("TfrmCalibrationInfo");
    windows->bioCal = std::make_unique<hardware::TfrmBioCal>();
    windows->creationOrder << QStringLiteral("TfrmBioCal");
    windows->compatibility = std::make_unique<hardware::TfrmCompatibilityTest>();
    windows->creationOrder << QStringLiteral("TfrmCompatibilityTest");
    return windows;
}

int runProgram(QApplication& app, platform::Platform& platform, engine::AppState& state,
               const QStringList& parameters) {
    {
        TfrmSplash splash;
        runSplash(splash, *platform.pump);
    }
    QApplication::setApplicationName(engine::productName());
    auto windows = createWindows(state, platform, parameters);
    windows->main->showMaximized();
    // Closing the main window ends the program, whatever dialog is open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(windows->main.get(), &TfrmMain::closed, &app, &QApplication::quit);
    return app.exec();
}

} // namespace tavo::ui
