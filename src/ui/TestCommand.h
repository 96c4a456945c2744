#pragma once

#include "engine/ListenerDescription.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

namespace tavo::engine {
struct AppState;
class PulseObserver;
class SimulatedListener;
class TestHost;
class TestWindowView;
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

// The New Test command: the hearing test on a test window and a host (the
// program's TfrmTest and main window, or plain ones in a tool), played
// through the mixer layer and the endpoint volume. No widget: `tavo
// simulate` runs it without any window.
class TestCommand final {
public:
    TestCommand(engine::AppState& state, const storage::Settings& settings,
                platform::Platform& platform, hardware::MIXER_e& mixer,
                platform::EndpointVolume* endpoint, engine::TestWindowView& window,
                engine::TestHost& host);
    ~TestCommand();
    TestCommand(const TestCommand&) = delete;
    TestCommand& operator=(const TestCommand&) = delete;

    // NewTest1Click.
    void run();
    bool running() const;
    // The program is closing: the test stops after the current pulse,
    // without further messages.
    void requestQuit();

    engine::TrackingTest& procedure() { return *test_; }
    // A simulated listener who presses the response button (the first game
    // controller's button and the CTRL key) and an examiner who presses the
    // test window's button (`pressWindowButton`) as the description says. A
    // listener described by hearing level hears the simulated sound card;
    // `seed` makes a more human listener's answers reproducible.
    void attachListener(engine::ListenerDescription description,
                        std::function<void()> pressWindowButton, std::uint64_t seed = 1);
    void addObserver(engine::PulseObserver* observer);
    void removeObserver(engine::PulseObserver* observer);

private:
    platform::Platform& platform_;
    std::unique_ptr<hardware::MixerTestSoundCard> soundCard_;
    std::unique_ptr<engine::TrackingTest> test_;
    std::unique_ptr<platform::SimSoundChain> sound_;
    std::unique_ptr<engine::SimulatedListener> listener_;
    // The listener's later presses on the real clock die with the command.
    QObject timers_;
};

} // namespace tavo::ui
