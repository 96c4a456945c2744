#pragma once

namespace tavo::platform {
class GameController;
}

namespace tavo::engine {

// Where the listener's button comes from: any button of the first game
// controller, or the CTRL key. Read from the settings once when a run starts
// and kept for the whole run, so changing the setting meanwhile cannot make
// a poll switch sources halfway.
enum class ResponseSource { Joystick, Ctrl };

inline ResponseSource responseSourceFrom(bool joystickChosen) {
    return joystickChosen ? ResponseSource::Joystick : ResponseSource::Ctrl;
}

// The response button: whether it is down now, and a press latched since
// the last poll. The one place that knows; the test window feeds it with
// its key events (whatever the source), the poll with the controller.
//
// Keys: a key going down sets `pressed` exactly when Ctrl is held, any key
// coming up clears it.
//
// The latch: a CTRL press that begins and ends between two polls would
// otherwise never be seen, because the poll only looks at `pressed` at the
// moment it runs (every 50 ms or so). So every key-down that presses also
// latches a press, and the next poll takes the latch and counts the button
// as down for that poll, even when the key is already up again. Taking the
// latch empties it, so one tap counts for one poll only, and `pressed` is
// never kept up by the latch: the wait for release still ends as soon as
// the key is up.
//
// A tap belongs to the pulse it was made in: the test procedure drops the
// latch when a pulse starts and when the wait for release ends, so a tap
// after the last poll of one pulse or frequency is not counted for the next.
class ResponseButton {
public:
    void keyDown(bool ctrlHeld);
    void keyUp();
    // The controller's buttons as a poll read them.
    void setPressed(bool down) { pressed_ = down; }
    bool pressed() const { return pressed_; }
    // The press latched since the last call; empties the latch.
    bool takeLatchedPress();
    // Start of a run: up, and an old latched press dropped.
    void reset();

private:
    bool pressed_ = false;
    bool latched_ = false;
};

// What the poll shows in the test window.
class ResponseWindow {
public:
    virtual ~ResponseWindow() = default;
    // The red indicator: shown while the button is down.
    virtual void showResponse(bool down) = 0;
};

// One look at the response button, from the waits of the test procedure.
// With the joystick source the button's state becomes "any controller button
// down", and the button counts as down also when one went down and up again
// since the last query; a failed query (no controller, or it was unplugged)
// counts as all buttons up, as does a missing controller. With the CTRL
// source the button is down when it is pressed or a press was latched since
// the last poll. The indicator shows the result and PressedInPulse is set
// when it is down (never cleared here). Returns whether the button counted
// as down.
bool PollResponseButton(ResponseSource source, platform::GameController* controller,
                        ResponseButton& button, ResponseWindow& window, bool& PressedInPulse);

// Drops the presses latched since the last poll, the keyboard's and (with
// the joystick source) the controller's: a tap belongs to the pulse it was
// made in.
void DropLatchedPresses(ResponseSource source, platform::GameController* controller,
                        ResponseButton& button);

} // namespace tavo::engine
