#pragma once

#include "engine/ListenerDescription.h"
#include "platform/Language.h"
#include "storage/Settings.h"

#include <QStringList>

#include <memory>
#include <optional>

class QApplication;

namespace tavo::engine {
struct AppState;
class TfrmTest;
} // namespace tavo::engine
namespace tavo::storage {
class MixerDevices;
class TfrmSettings;
class TfrmCalibrationInfo;
} // namespace tavo::storage
namespace tavo::hardware {
class MIXER_e;
class TfrmBioCal;
class TfrmCompatibilityTest;
} // namespace tavo::hardware
namespace tavo::platform {
struct Platform;
class Messages;
class SettingsStore;
class SingleInstance;
} // namespace tavo::platform

namespace tavo::ui {

class TfrmMain;
class TfrmPassword;

// The program's windows, created once at start-up and kept to the end.
struct ProgramWindows {
    ProgramWindows();
    ~ProgramWindows();

    // The program's settings: the settings dialog shows and edits them, the
    // rest of the program reads them. Declared first, so it outlives every
    // window.
    storage::Settings settingsValue = storage::designSettings();
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<storage::TfrmSettings> settings;
    std::unique_ptr<TfrmPassword> password;
    std::unique_ptr<engine::TfrmTest> test;
    std::unique_ptr<storage::TfrmCalibrationInfo> calibrationInfo;
    std::unique_ptr<hardware::TfrmBioCal> bioCal;
    std::unique_ptr<hardware::TfrmCompatibilityTest> compatibility;
    // Class names in the order the windows were created.
    QStringList creationOrder;
};

// The program-wide services the windows are given besides the platform.
struct ProgramServices {
    platform::SettingsStore& settings;
    storage::MixerDevices& mixerDevices;
    hardware::MIXER_e& mixer;
};

// Creates the windows in their fixed order: main window, settings,
// password, real-time audiogram, calibration information, calibration by
// ear, compatibility test. Each window's creation work runs as it is
// created, so the main window's runs before the settings dialog exists.
std::unique_ptr<ProgramWindows> createWindows(engine::AppState& state, platform::Platform& platform,
                                              ProgramServices services,
                                              const QStringList& parameters);

// Shows the main window maximized; after a first start then the settings
// command (password first) in front of it.
void showProgramWindows(ProgramWindows& windows);

// Creates the settings store as an installation would when there is none
// at all. A store that cannot be created is reported; the program then
// goes on with the design values.
void ensureSettingsStore(platform::SettingsStore& store, platform::Messages& messages);

// How the program was asked to run besides its parameters.
struct ProgramOptions {
    // The demonstration: a simulated listener answers, and the New Test
    // command starts as soon as the main window is up.
    std::optional<engine::ListenerDescription> listener;
    // The one program of the user: later starts' command lines arrive here.
    platform::SingleInstance* instance = nullptr;
    // Every New Test goes into the results archive (not with a simulated
    // sound card or listener: such a test examined nobody).
    bool archive = false;
    // The language named on the command line; without it the settings'
    // choice applies, and the desktop's locale when they leave it open.
    std::optional<platform::Language> language;
};

// The whole program: splash, application title, windows, the main window
// shown maximized, the event loop until the main window closes.
int runProgram(QApplication& app, platform::Platform& platform, engine::AppState& state,
               const QStringList& parameters, const ProgramOptions& options = {});

} // namespace tavo::ui
