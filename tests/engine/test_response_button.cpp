// The response button's poll and its keyboard half, without a window: the
// joystick and CTRL sources, a failed controller query, the indicator, and
// the latch that keeps a short CTRL tap from slipping between two polls.

#include "engine/ResponseButton.h"
#include "platform/sim/ScriptedGameController.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tavo;
using engine::ResponseSource;

namespace {

// A test window: a record of the indicator.
struct FakeWindow final : engine::ResponseWindow {
    void showResponse(bool down) override { indicator.push_back(down); }
    std::vector<bool> indicator;
};

struct Rig {
    engine::ResponseButton button;
    FakeWindow window;
    platform::ScriptedGameController controller;
    bool pressedInPulse = false;

    bool poll(ResponseSource source) {
        return engine::PollResponseButton(source, &controller, button, window, pressedInPulse);
    }
};

} // namespace

TEST(ResponseButtonJoystick, AnyButtonCountsAndTheAxesAreRead) {
    for (int button : {0, 1, 2, 7, 31}) {
        Rig rig;
        rig.controller.press(button);
        EXPECT_TRUE(rig.poll(ResponseSource::Joystick)) << button;
        EXPECT_TRUE(rig.button.pressed()) << button;
        EXPECT_TRUE(rig.pressedInPulse) << button;
    }
    Rig rig;
    EXPECT_FALSE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.button.pressed());
    EXPECT_FALSE(rig.pressedInPulse);
    EXPECT_EQ(rig.controller.queries, 1);
}

TEST(ResponseButtonJoystick, CtrlDoesNotCount) {
    Rig rig;
    rig.button.keyDown(true);
    EXPECT_TRUE(rig.button.pressed()); // the key handlers still write the flag
    EXPECT_FALSE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.button.pressed());
    EXPECT_FALSE(rig.pressedInPulse);
    // The press is not kept for later either: a CTRL run that follows starts
    // with nothing latched.
    rig.button.keyUp();
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
    EXPECT_FALSE(rig.button.pressed());
    EXPECT_FALSE(rig.pressedInPulse);
    EXPECT_EQ(rig.window.indicator, (std::vector<bool>{true, false}));

    // No controller service at all is the same.
    rig.button.setPressed(true);
    EXPECT_FALSE(engine::PollResponseButton(ResponseSource::Joystick, nullptr, rig.button,
                                            rig.window, rig.pressedInPulse));
    EXPECT_FALSE(rig.button.pressed());
}

TEST(ResponseButtonJoystick, APressBetweenTwoPollsCountsOnceUnlessDropped) {
    Rig rig;
    rig.controller.press(2);
    rig.controller.release(2);
    // Down for this poll although the button is up again; the flag says up,
    // so a wait for release does not wait.
    EXPECT_TRUE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.button.pressed());
    EXPECT_TRUE(rig.pressedInPulse);
    rig.pressedInPulse = false;
    EXPECT_FALSE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.pressedInPulse);

    // A press before a pulse begins is dropped with the keyboard's latch.
    rig.controller.press(2);
    rig.controller.release(2);
    rig.button.keyDown(true);
    rig.button.keyUp();
    engine::DropLatchedPresses(ResponseSource::Joystick, &rig.controller, rig.button);
    EXPECT_FALSE(rig.poll(ResponseSource::Joystick));
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    EXPECT_FALSE(rig.pressedInPulse);
}

TEST(ResponseButtonCtrl, ThePollMirrorsTheKeysAndNeverAsksTheController) {
    Rig rig;
    rig.controller.press(0);
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    rig.button.keyDown(true);
    EXPECT_TRUE(rig.poll(ResponseSource::Ctrl));
    EXPECT_TRUE(rig.poll(ResponseSource::Ctrl)); // still held
    rig.button.keyUp();
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    EXPECT_EQ(rig.controller.queries, 0);
    EXPECT_TRUE(rig.pressedInPulse); // set by the polls that saw it, never cleared
}

TEST(ResponseButtonCtrl, KeysWithoutCtrlAndKeysGoingUpClear) {
    Rig rig;
    rig.button.keyDown(true);
    // Another key released while CTRL is still down clears the flag until
    // CTRL's next key-down (its auto-repeat).
    rig.button.keyUp();
    EXPECT_FALSE(rig.button.pressed());
    rig.button.keyDown(true);
    EXPECT_TRUE(rig.button.pressed());
    // A key pressed without Ctrl clears it too.
    rig.button.keyDown(false);
    EXPECT_FALSE(rig.button.pressed());
}

TEST(ResponseButtonCtrl, ATapBetweenTwoPollsIsSeenByOnePoll) {
    Rig rig;
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    rig.button.keyDown(true);
    rig.button.keyUp();
    // Already up: the wait for release must not go on...
    EXPECT_FALSE(rig.button.pressed());
    // ...but the pulse counts as heard.
    EXPECT_TRUE(rig.poll(ResponseSource::Ctrl));
    EXPECT_TRUE(rig.pressedInPulse);
    EXPECT_FALSE(rig.button.pressed());
    // One tap, one poll.
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    EXPECT_EQ(rig.window.indicator, (std::vector<bool>{false, true, false}));
}

TEST(ResponseButtonCtrl, AKeyWithoutCtrlLatchesNothingAndAResetDropsTheLatch) {
    Rig rig;
    rig.button.keyDown(false);
    rig.button.keyUp();
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));

    rig.button.keyDown(true);
    rig.button.keyUp();
    rig.button.setPressed(true);
    rig.button.reset();
    EXPECT_FALSE(rig.button.pressed());
    EXPECT_FALSE(rig.poll(ResponseSource::Ctrl));
    EXPECT_FALSE(rig.pressedInPulse);
}
