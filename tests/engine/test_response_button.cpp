// The response button's poll and its keyboard half, without a window: the
// joystick and CTRL sources, a failed controller query, the indicator, and
// the latch that keeps a short CTRL tap from slipping between two polls.

#include "engine/AppState.h"
#include "engine/ResponseButton.h"
#include "platform/sim/ScriptedGameController.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tavo;
using engine::ResponseSource;

namespace {

// A test window: the keyboard half plus a record of the indicator.
struct FakeWindow final : engine::ResponseWindow {
    explicit FakeWindow(engine::AppState& state) : keys(state) {}
    bool takeLatchedPress() override { return keys.takeLatchedPress(); }
    void showResponse(bool down) override { indicator.push_back(down); }

    engine::ResponseKeys keys;
    std::vector<bool> indicator;
};

struct Rig {
    engine::AppState state;
    FakeWindow window{state};
    platform::ScriptedGameController controller;
    bool pressedInPulse = false;

    bool poll(ResponseSource source) {
        return engine::PollResponseButton(source, &controller, state, window, pressedInPulse);
    }
};

} // namespace

TEST(ResponseButtonJoystick, AnyButtonCountsAndTheAxesAreRead) {
    for (int button : {0, 1, 2, 7, 31}) {
        Rig rig;
        rig.controller.press(button);
        EXPECT_TRUE(rig.poll(ResponseSource::Joystick)) << button;
        EXPECT_TRUE(rig.state.ResponsePressed) << button;
        EXPECT_TRUE(rig.pressedInPulse) << button;
    }
    Rig rig;
    EXPECT_FALSE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.state.ResponsePressed);
    EXPECT_FALSE(rig.pressedInPulse);
    EXPECT_EQ(rig.controller.queries, 1);
}

TEST(ResponseButtonJoystick, CtrlDoesNotCount) {
    Rig rig;
    rig.window.keys.keyDown(true);
    EXPECT_TRUE(rig.state.ResponsePressed); // the key handlers still write the flag
    EXPECT_FALSE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.state.ResponsePressed);
    EXPECT_FALSE(rig.pressedInPulse);
    // The press is not kept for later either: a CTRL run that follows starts
    // with nothing latched.
    rig.window.keys.keyUp();
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
}

TEST(ResponseButtonJoystick, AFailedQueryCountsAsReleased) {
    Rig rig;
    rig.controller.press(3);
    EXPECT_TRUE(rig.poll(ResponseSource::Joystick));
    // Unplugged while the button was held: the old mask must not stay.
    rig.controller.attached = false;
    rig.pressedInPulse = false;
    EXPECT_FALSE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.state.ResponsePressed);
    EXPECT_FALSE(rig.pressedInPulse);
    EXPECT_EQ(rig.window.indicator, (std::vector<bool>{true, false}));

    // No controller service at all is the same.
    rig.state.ResponsePressed = true;
    EXPECT_FALSE(engine::PollResponseButton(ResponseSource::Joystick, nullptr, rig.state,
                                            rig.window, rig.pressedInPulse));
    EXPECT_FALSE(rig.state.ResponsePressed);
}

TEST(ResponseButtonJoystick, APressBetweenTwoPollsCountsOnceUnlessDropped) {
    Rig rig;
    rig.controller.press(2);
    rig.controller.release(2);
    // Down for this poll although the button is up again; the flag says up,
    // so a wait for release does not wait.
    EXPECT_TRUE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.state.ResponsePressed);
    EXPECT_TRUE(rig.pressedInPulse);
    rig.pressedInPulse = false;
    EXPECT_FALSE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.pressedInPulse);

    // A press before a pulse begins is dropped with the keyboard's latch.
    rig.controller.press(2);
    rig.controller.release(2);
    rig.window.keys.keyDown(true);
    rig.window.keys.keyUp();
    engine::DropLatchedPresses(ResponseSource::Joystick, &rig.controller, rig.window);
    EXPECT_FALSE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    EXPECT_FALSE(rig.pressedInPulse);
}

TEST(ResponseButtonCtrl, ThePollMirrorsTheKeysAndNeverAsksTheController) {
    Rig rig;
    rig.controller.press(0);
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    rig.window.keys.keyDown(true);
    EXPECT_TRUE(rig.poll(ResponseSource::Ctrl));
    EXPECT_TRUE(rig.poll(ResponseSource::Ctrl)); // still held
    rig.window.keys.keyUp();
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    EXPECT_EQ(rig.controller.queries, 0);
    EXPECT_TRUE(rig.pressedInPulse); // set by the polls that saw it, never cleared
}

TEST(ResponseButtonCtrl, KeysWithoutCtrlAndKeysGoingUpClear) {
    Rig rig;
    rig.window.keys.keyDown(true);
    // Another key released while CTRL is still down clears the flag until
    // CTRL's next key-down (its auto-repeat).
    rig.window.keys.keyUp();
    EXPECT_FALSE(rig.state.ResponsePressed);
    rig.window.keys.keyDown(true);
    EXPECT_TRUE(rig.state.ResponsePressed);
    // A key pressed without Ctrl clears it too.
    rig.window.keys.keyDown(false);
    EXPECT_FALSE(rig.state.ResponsePressed);
}

TEST(ResponseButtonCtrl, ATapBetweenTwoPollsIsSeenByOnePoll) {
    Rig rig;
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    rig.window.keys.keyDown(true);
    rig.window.keys.keyUp();
    // Already up: the wait for release must not go on...
    EXPECT_FALSE(rig.state.ResponsePressed);
    // ...but the pulse counts as heard.
    EXPECT_TRUE(rig.poll(ResponseSource::Ctrl));
    EXPECT_TRUE(rig.pressedInPulse);
    EXPECT_FALSE(rig.state.ResponsePressed);
    // One tap, one poll.
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    EXPECT_EQ(rig.window.indicator, (std::vector<bool>{false, true, false}));
}

TEST(ResponseButtonCtrl, AKeyWithoutCtrlLatchesNothingAndAResetDropsTheLatch) {
    Rig rig;
    rig.window.keys.keyDown(false);
    rig.window.keys.keyUp();
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));

    rig.window.keys.keyDown(true);
    rig.window.keys.keyUp();
    rig.state.ResponsePressed = true;
    engine::ResetResponseButton(rig.state, rig.window);
    EXPECT_FALSE(rig.state.ResponsePressed);
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    EXPECT_FALSE(rig.pressedInPulse);
}
