#include "ui/Startup.h"

#include "archive/ArchiveSpool.h"
#include "archive/Archivist.h"
#include "engine/AppState.h"
#include "engine/DeviceList.h"
#include "engine/ProductInfo.h"
#include "engine/TfrmTest.h"
#include "hardware/MIXER_e.h"
#include "hardware/TfrmBioCal.h"
#include "hardware/TfrmCompatibilityTest.h"
#include "hardware/VolumeKeeper.h"
#include "platform/Platform.h"
#include "platform/qt/SingleInstance.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/Registry.h"
#include "storage/TfrmCalibrationInfo.h"
#include "storage/TfrmSettings.h"
#include "ui/MixerDeviceList.h"
#include "ui/ProgramLanguage.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmPassword.h"
#include "ui/TfrmSplash.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>

namespace tavo::ui {

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() {
    // The dialogs go before the main window: it must not reach them any more.
    if (main) {
        main->attachArchivist(nullptr);
        main->attachDialogs(nullptr, nullptr);
        main->repaintTestGraph = {};
        main->attachTestWindow(nullptr, nullptr);
        main->attachCalibrationWindows(nullptr, nullptr, nullptr);
        main->setCalibrationReader({});
    }
}

void ensureSettingsStore(platform::SettingsStore& store, platform::Messages& messages) {
    if (store.exists()) {
        return;
    }
    QString error;
    if (!storage::seedSettingsStore(store, &error)) {
        messages.show(QCoreApplication::translate(
                          "Startup", "Die Einstellungen können nicht angelegt werden.\n%1")
                          .arg(error),
                      {}, platform::MessageType::Error);
    }
}

std::unique_ptr<ProgramWindows> createWindows(engine::AppState& state, platform::Platform& platform,
                                              ProgramServices services,
                                              const QStringList& parameters) {
    auto windows = std::make_unique<ProgramWindows>();
    windows->main = std::make_unique<TfrmMain>(
        MainWindowContext{state, windows->settingsValue, platform, parameters, {}});
    windows->creationOrder << QStringLiteral("TfrmMain");
    windows->settings = std::make_unique<storage::TfrmSettings>(
        state, windows->settingsValue, platform, services.settings, *windows->main,
        services.mixerDevices);
    windows->creationOrder << QStringLiteral("TfrmSettings");
    windows->password =
        std::make_unique<TfrmPassword>([settings = windows->settings.get()] { settings->show(); },
                                       [main = windows->main.get()] { main->setEnabled(true); });
    windows->main->attachDialogs(windows->settings.get(), windows->password.get());
    windows->creationOrder << QStringLiteral("TfrmPassword");
    windows->test = std::make_unique<engine::TfrmTest>(state, windows->settingsValue);
    // A colour change in the settings repaints the live graph too.
    windows->main->repaintTestGraph = [test = windows->test.get()] {
        test->GraphPaint();
    };
    windows->main->attachTestWindow(windows->test.get(), &services.mixer);
    windows->creationOrder << QStringLiteral("TfrmTest");
    // Its creation loads the start-up calibration, with the settings as
    // the settings dialog holds them.
    storage::CalibrationInfoContext calibrationInfo{state, *platform.messages, windows->main.get()};
    calibrationInfo.settings = &windows->settingsValue;
    windows->calibrationInfo = std::make_unique<storage::TfrmCalibrationInfo>(calibrationInfo);
    windows->main->setCalibrationReader(
        [info = windows->calibrationInfo.get()](const QString& fileName) {
            return info->ReadCal(fileName);
        });
    windows->creationOrder << QStringLiteral("TfrmCalibrationInfo");
    const hardware::CalibrationDialogContext calibration{
        state,
        platform,
        services.mixer,
        [main = windows->main.get()] { return main->endpointVolume(); },
        &windows->settingsValue,
        windows->main.get()};
    windows->bioCal = std::make_unique<hardware::TfrmBioCal>(
        calibration, [info = windows->calibrationInfo.get()](const QString& comment) {
            info->Comment->setText(comment);
            info->show();
        });
    windows->creationOrder << QStringLiteral("TfrmBioCal");
    windows->compatibility = std::make_unique<hardware::TfrmCompatibilityTest>(calibration);
    windows->creationOrder << QStringLiteral("TfrmCompatibilityTest");
    windows->main->attachCalibrationWindows(windows->calibrationInfo.get(), windows->bioCal.get(),
                                            windows->compatibility.get());
    // A sound server that did not answer while the devices were looked for
    // (stopped) has been waited for once; the program goes on without its
    // devices and says which.
    const QString silent = engine::serverSilentMessage(
        platform.wave != nullptr ? platform.wave->unreachableDevices() : std::vector<std::string>{},
        platform.mixer != nullptr ? platform.mixer->unreachableDevices()
                                  : std::vector<std::string>{});
    if (!silent.isEmpty()) {
        platform.messages->show(
            QCoreApplication::translate("Startup",
                                        "%1 Das Programm arbeitet ohne sie; starten Sie es neu, "
                                        "sobald der Soundserver wieder läuft.")
                .arg(silent),
            {}, platform::MessageType::Warning);
    }
    return windows;
}

void showProgramWindows(ProgramWindows& windows) {
    windows.main->showMaximized();
    // First start: the hardware settings, behind the password, in front of
    // the main window.
    if (windows.settings->firstStartPending()) {
        windows.settings->clearFirstStartPending();
        windows.main->Options1Click();
    }
}

int runProgram(QApplication& app, platform::Platform& platform, engine::AppState& state,
               const QStringList& parameters, const ProgramOptions& options) {
    {
        TfrmSplash splash;
        runSplash(splash, *platform.pump);
    }
    QApplication::setApplicationName(engine::productName());
    platform::RegFileSettingsStore settings(platform::RegFileSettingsStore::defaultPath());
    ensureSettingsStore(settings, *platform.messages);
    // Every window takes its texts as it is built: the language the
    // settings choose applies before the first.
    useLanguage(platform::chooseLanguage(options.language, storage::storedLanguage(settings),
                                         platform::languageFromEnvironment()));
    hardware::MIXER_e mixer(*platform.mixer, *platform.messages);
    MixerDeviceList mixerDevices(mixer);
    // Made before the windows and gone after them: it finishes what they
    // handed it.
    std::unique_ptr<archive::Archivist> archivist;
    if (options.archive) {
        archivist = std::make_unique<archive::Archivist>(archive::Spool::defaultPath());
    }
    auto windows = createWindows(state, platform, {settings, mixerDevices, mixer}, parameters);
    // A new calibration names the sound card of the mixer device opened last.
    windows->calibrationInfo->setSoundCardName([&mixer] { return mixer.MixerCaps.ProductName; });
    // The desktop's volumes as they are now come back when the program ends.
    hardware::VolumeKeeper volumes(mixer, windows->main->endpointVolume());
    showProgramWindows(*windows);
    windows->main->attachArchivist(archivist.get());
    if (options.instance != nullptr) {
        QObject::connect(options.instance, &platform::SingleInstance::commandLine,
                         windows->main.get(), &TfrmMain::openFromAnotherStart);
    }
    if (options.listener && windows->main->testCommand() != nullptr) {
        windows->main->attachListener(*options.listener);
        QTimer::singleShot(0, windows->main.get(),
                           [main = windows->main.get()] { main->NewTest1Click(); });
    }
    // Closing the main window ends the program, whatever dialog is open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(windows->main.get(), &TfrmMain::closed, &app, &QApplication::quit);
    const int status = app.exec();
    volumes.restore();
    return status;
}

} // namespace tavo::ui
