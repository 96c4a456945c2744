// The SDL2 game controller backend against SDL's virtual joystick, and its
// presses seen by the test procedure's wait for a pulse.

#include "engine/AppState.h"
#include "engine/Playback.h"
#include "engine/ResponseButton.h"
#include "platform/qt/QtEventPump.h"
#include "platform/sdl/SdlGameController.h"
#include "platform/sim/SimWaveOutput.h"

#include <SDL.h>

#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

using tavo::platform::JoystickState;
using tavo::platform::SdlGameController;

TEST(SdlGameController, NoControllerIsAFailedQuery) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlGameController controller;
    JoystickState state{1, 2, 3, 4};
    EXPECT_FALSE(controller.query(state));
    EXPECT_EQ(state.buttons, 4u); // left as it was
    EXPECT_EQ(state.x, 1u);
}

TEST(SdlGameController, ReadsButtonsAndAxesOfTheFirstController) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 3, 8, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* device = SDL_JoystickOpen(index);
    ASSERT_NE(device, nullptr);

    SdlGameController controller;
    JoystickState state;
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons, 0u);

    SDL_JoystickSetVirtualButton(device, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(device, 5, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(device, 0, -32768);
    SDL_JoystickSetVirtualAxis(device, 1, 32767);
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons, (1u << 0) | (1u << 5));
    EXPECT_EQ(state.x, 0u);
    EXPECT_EQ(state.y, 65535u);
    EXPECT_EQ(state.z, 32768u);

    SDL_JoystickSetVirtualButton(device, 0, SDL_RELEASED);
    SDL_JoystickSetVirtualButton(device, 5, SDL_RELEASED);
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons, 0u);

    // Unplugged: the query fails instead of reporting stale buttons.
    SDL_JoystickSetVirtualButton(device, 2, SDL_PRESSED);
    SDL_JoystickClose(device);
    SDL_JoystickDetachVirtual(index);
    JoystickState after{7, 7, 7, 7};
    EXPECT_FALSE(controller.query(after));
    EXPECT_EQ(after.buttons, 7u);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

namespace {

// A virtual controller of three axes and eight buttons, opened as the first.
struct VirtualController {
    VirtualController() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        started = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
        index = started ? SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 3, 8, 0) : -1;
        device = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    }
    ~VirtualController() {
        if (device != nullptr) {
            SDL_JoystickClose(device);
        }
        if (index >= 0) {
            SDL_JoystickDetachVirtual(index);
        }
        if (started) {
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        }
    }
    // Sets a button as the device would and lets SDL see it at once.
    void set(int button, bool down) {
        SDL_JoystickSetVirtualButton(device, button, down ? SDL_PRESSED : SDL_RELEASED);
        SDL_JoystickUpdate();
    }
    bool started = false;
    int index = -1;
    SDL_Joystick* device = nullptr;
};

struct QuietWindow final : tavo::engine::ResponseWindow {
    void showResponse(bool down) override { shown = down; }
    bool shown = false;
};

} // namespace

TEST(SdlGameController, APressBetweenTwoQueriesIsReportedOnce) {
    VirtualController pad;
    ASSERT_NE(pad.device, nullptr) << SDL_GetError();
    SdlGameController controller;
    JoystickState state;
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.pressedSince, 0u);

    pad.set(3, true);
    pad.set(3, false);
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons, 0u);
    EXPECT_EQ(state.pressedSince, 1u << 3);
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.pressedSince, 0u) << "a press counts for one query only";

    // Held across queries: down in each, as the state says, and pressed
    // only in the first.
    pad.set(1, true);
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons, 1u << 1);
    EXPECT_EQ(state.pressedSince, 1u << 1);
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons, 1u << 1);
    EXPECT_EQ(state.pressedSince, 0u);
    pad.set(1, false);
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons | state.pressedSince, 0u);
}

// The test procedure's wait for a pulse, polling the controller, sees every
// 20 ms press made during the pulse, also one that falls wholly between two
// polls; a pulse without a press stays unanswered.
TEST(ControllerLatch, ShortPressesDuringPulsesAreAlwaysSeen) {
    using namespace tavo;
    VirtualController pad;
    ASSERT_NE(pad.device, nullptr) << SDL_GetError();
    platform::QtEventPump pump;
    platform::SimWaveOutput wave(pump);
    engine::ToneOutput tone(wave, pump);
    ASSERT_EQ(tone.openForRun(0), platform::WaveResult::Ok);
    SdlGameController controller;
    QuietWindow window;
    engine::ResponseButton button;
    const engine::ToneBuffer pulse(static_cast<std::size_t>(0.3 * 44100) * 4, 0);

    int betweenPolls = 0;
    for (int i = 0; i <= 10; ++i) {
        const bool tap = i < 10;
        // Spread over the pulse, against the 50 ms rhythm of the polls.
        const int at = 20 + i * 23;
        bool downAtPoll = false;
        if (tap) {
            QTimer::singleShot(at, [&pad] { pad.set(0, true); });
            QTimer::singleShot(at + 20, [&pad] { pad.set(0, false); });
        }
        bool pressedInPulse = false;
        engine::DropLatchedPresses(engine::ResponseSource::Joystick, &controller, button);
        ASSERT_EQ(tone.startPulse(pulse), platform::WaveResult::Ok);
        ASSERT_EQ(tone.waitForPulse([&] {
            engine::PollResponseButton(engine::ResponseSource::Joystick, &controller, button,
                                       window, pressedInPulse);
            downAtPoll = downAtPoll || button.pressed();
        }),
                  engine::BufferWait::Done);
        tone.releasePulse();
        EXPECT_EQ(pressedInPulse, tap) << "pulse " << i << ", press at " << at << " ms";
        EXPECT_FALSE(button.pressed()) << "released by the end of the pulse";
        betweenPolls += tap && !downAtPoll ? 1 : 0;
    }
    tone.closeRun();
    // Most presses fall between two polls; without the latch they were lost.
    std::printf("%d of 10 presses fell between two polls\n", betweenPolls);
}
