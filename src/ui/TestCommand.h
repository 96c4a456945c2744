#pragma once

#include "engine/ListenerDescription.h"
#include "engine/TestServices.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tavo::engine {
struct AppState;
class PulseObserver;
class SimulatedListener;
class TfrmTest;
class TrackingTest;
} // namespace tavo::engine
namespace tavo::storage {
struct Settings;
}
namespace tavo::hardware {
class MIXER_e;
class MixerTestSoundCard;
} // namespace tavo::hardware
namespace tavo::platform {
struct Platform;
class EndpointVolume;
class SimSoundChain;
} // namespace tavo::platform

namespace tavo::ui {

// What the New Test command needs of the main window.
struct TestCommandHost {
    std::function<void()> repaintAudiogram;
    std::function<void()> CalcAVP;
    std::function<void(bool enabled)> setMainWindowEnabled;
    // Refuses (false) or allows again (true) the main window's commands.
    std::function<void(bool enabled)> setCommandsEnabled;
};

// The main window's New Test command: the hearing test built on the
// program's windows and services. While it runs, the main window's menus
// and shortcuts are refused; closing the program stops it.
class TestCommand final : public engine::TestHost {
public:
    TestCommand(engine::AppState& state, platform::Platform& platform, hardware::MIXER_e& mixer,
                platform::EndpointVolume* endpoint, engine::TfrmTest& window,
                const storage::Settings& settings, TestCommandHost host);
    ~TestCommand() override;

    // NewTest1Click.
    void run();
    bool running() const;
    // The program is closing: the test stops after the current pulse,
    // without further messages.
    void requestQuit();

    engine::TrackingTest& procedure() { return *test_; }
    // A simulated listener who presses the response button (the simulated
    // game controller and the CTRL key) and an examiner who presses the
    // test window's button as the description says. A listener described
    // by hearing level hears the simulated sound card; `seed` makes a more
    // human listener's answers reproducible.
    void attachListener(engine::ListenerDescription description, std::uint64_t seed = 1);
    void addObserver(engine::PulseObserver* observer);

    // engine::TestHost
    void repaintAudiogram() override;
    void CalcAVP() override;
    void setMainWindowEnabled(bool enabled) override;

private:
    engine::TfrmTest& window_;
    platform::Platform& platform_;
    TestCommandHost host_;
    std::unique_ptr<hardware::MixerTestSoundCard> soundCard_;
    std::unique_ptr<engine::TrackingTest> test_;
    std::unique_ptr<platform::SimSoundChain> sound_;
    std::unique_ptr<engine::SimulatedListener> listener_;
};

} // namespace tavo::ui
