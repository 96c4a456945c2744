#pragma once

namespace tavo::platform {
class GameController;
}

namespace tavo::engine {

struct AppState;

// Where the listener's button comes from: any button of the first game
// controller, or the CTRL key. Read from the settings once when a run starts
// and kept for the whole run, so changing the setting meanwhile cannot make
// a poll switch sources halfway.
enum class ResponseSource { Joystick, Ctrl };

inline ResponseSource responseSourceFrom(bool joystickChosen) {
    return joystickChosen ? ResponseSource::Joystick : ResponseSource::Ctrl;
}

// The keyboard half of the response button, written by the test window's key
// handlers whatever the source: a key going down sets ResponsePressed exactly
// when Ctrl is held, any key coming up clears it.
//
// The latch: a CTRL press that begins and ends between two polls would
// otherwise never be seen, because the poll only looks at ResponsePressed at
// the moment it runs (every 50 ms or so). So every key-down that sets the flag
// also latches a press, and the next poll takes the latch and counts the
// button as down for that poll, even when the key is already up again.
// Taking the latch empties it, so one tap counts for one poll only, and the
// flag itself is never kept up by the latch: the wait for release still ends
// as soon as the key is up.
//
// A tap belongs to the pulse it was made in: the test procedure empties the
// latch (ResponseWindow::takeLatchedPress, result ignored) when a pulse
// starts and when the wait for release ends, so a tap after the last poll of
// one pulse or frequency is not counted for the next.
class ResponseKeys {
public:
    explicit ResponseKeys(AppState& state) : state_(state) {}

    void keyDown(bool ctrlHeld);
    void keyUp();
    // The press latched since the last call; empties the latch.
    bool takeLatchedPress();

private:
    AppState& state_;
    bool latched_ = false;
};

// What the poll needs from the test window.
class ResponseWindow {
public:
    virtual ~ResponseWindow() = default;
    // The keyboard's latched press (see ResponseKeys).
    virtual bool takeLatchedPress() = 0;
    // The red indicator: shown while the button is down.
    virtual void showResponse(bool down) = 0;
};

// One look at the response button, from the waits of the test procedure.
// With the joystick source ResponsePressed becomes "any controller button
// down", and the button counts as down also when one went down and up again
// since the last query; a failed query (no controller, or it was unplugged)
// counts as all buttons up, as does a missing controller. With the CTRL
// source the button is down when ResponsePressed is set or a press was
// latched since the last poll. The indicator shows the result and PressedInPulse is set when it is
// down (never cleared here). Returns whether the button counted as down.
bool PollResponseButton(ResponseSource source, platform::GameController* controller,
                        AppState& state, ResponseWindow& window, bool& PressedInPulse);

// Drops the presses latched since the last poll, the keyboard's and (with
// the joystick source) the controller's: a tap belongs to the pulse it was
// made in.
void DropLatchedPresses(ResponseSource source, platform::GameController* controller,
                        ResponseWindow& window);

// Start of a run: the button counts as up and an old latched press is dropped.
void ResetResponseButton(AppState& state, ResponseWindow& window);

} // namespace tavo::engine
