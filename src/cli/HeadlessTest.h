#pragma once

#include "engine/AppState.h"
#include "engine/PlainTestWindow.h"
#include "platform/sim/SimMixerDescription.h"
#include "storage/Settings.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tavo::hardware {
class MIXER_e;
}
namespace tavo::platform {
struct Platform;
class EndpointVolume;
class SimMessages;
} // namespace tavo::platform
namespace tavo::ui {
class TestCommand;
}

namespace tavo::cli {

// The program's New Test command without any window, on the virtual
// platform (every sound device simulated, a virtual clock, message boxes
// answered by script). Made as the program makes its windows, in the same
// order, so that the test finds the same state: the endpoint volume, the
// settings from the store (the file is only read; without one the design
// values), the mixer devices listed and the stored one opened, the
// calibration the settings load at start-up. The simulated card keeps only
// the buffer it played last.
class HeadlessTest {
public:
    // `settingsFile` must have been checked (checkSettingsFile).
    explicit HeadlessTest(
        const QString& settingsFile = {},
        std::optional<std::vector<platform::SimMixerDeviceDescription>> mixer = {});
    ~HeadlessTest();
    HeadlessTest(const HeadlessTest&) = delete;
    HeadlessTest& operator=(const HeadlessTest&) = delete;

    platform::SimMessages& messages();
    ui::TestCommand& command() { return *command_; }
    engine::PlainTestWindow& window() { return window_; }

    // Loads a calibration file as the program does; a Failure if it will not.
    void loadCalibration(const QString& fileName);

    engine::AppState state;
    storage::Settings settings = storage::designSettings();

private:
    std::unique_ptr<platform::Platform> platform_;
    std::unique_ptr<platform::EndpointVolume> endpoint_;
    std::unique_ptr<hardware::MIXER_e> mixer_;
    engine::PlainTestWindow window_{state};
    std::unique_ptr<ui::TestCommand> command_;
};

} // namespace tavo::cli
