#pragma once

#include "engine/AppState.h"
#include "engine/ListenerDescription.h"
#include "platform/sim/SimMixerDescription.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

namespace tavo::hardware {
class MIXER_e;
}
namespace tavo::platform {
struct Platform;
class RegFileSettingsStore;
class SimEventPump;
class SimMessages;
} // namespace tavo::platform
namespace tavo::ui {
class MixerDeviceList;
struct ProgramWindows;
} // namespace tavo::ui

namespace tavo::cli {

// The program with its own windows (offscreen) on the virtual platform:
// every sound device simulated, a virtual clock, message boxes answered by
// script. The settings are a private copy, so the user's file never
// changes; without a settings file the design values are used, as after a
// first start that was done. The simulated card keeps only the buffer it
// played last.
class SimulatedProgram {
public:
    // `settingsFile` must have been checked (checkSettingsFile); `mixer`
    // replaces the built-in card's description. A copy that cannot be made
    // is a Failure.
    explicit SimulatedProgram(
        const QString& settingsFile = {},
        std::optional<std::vector<platform::SimMixerDeviceDescription>> mixer = {});
    ~SimulatedProgram();
    SimulatedProgram(const SimulatedProgram&) = delete;
    SimulatedProgram& operator=(const SimulatedProgram&) = delete;

    platform::Platform& platform() { return *platform_; }
    platform::SimMessages& messages();
    platform::SimEventPump& clock();
    ui::ProgramWindows& windows() { return *windows_; }
    engine::AppState state;

    // Loads a calibration file as the program does; a Failure if it will not.
    void loadCalibration(const QString& fileName);

private:
    QTemporaryDir folder_;
    std::unique_ptr<platform::Platform> platform_;
    std::unique_ptr<platform::RegFileSettingsStore> store_;
    std::unique_ptr<hardware::MIXER_e> mixer_;
    std::unique_ptr<ui::MixerDeviceList> mixerDevices_;
    std::unique_ptr<ui::ProgramWindows> windows_;
};

// A listener file; a Failure saying why it is no good.
engine::ListenerDescription readListener(const QString& fileName);

// A level difference as the tools print it: sign, one decimal, comma
// ("+0,4", "-12,0").
QString signedDecibels(double db);

// A mixer description file for the simulated card; a Failure naming the
// place of an error.
std::vector<platform::SimMixerDeviceDescription> readMixerDescription(const QString& fileName);

} // namespace tavo::cli
