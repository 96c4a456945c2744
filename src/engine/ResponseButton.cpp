#include "engine/ResponseButton.h"

#include "engine/AppState.h"
#include "platform/GameController.h"

namespace tavo::engine {

void ResponseKeys::keyDown(bool ctrlHeld) {
    state_.ResponsePressed = ctrlHeld;
    if (ctrlHeld) {
        latched_ = true;
    }
}

void ResponseKeys::keyUp() {
    state_.ResponsePressed = false;
}

bool ResponseKeys::takeLatchedPress() {
    const bool latched = latched_;
    latched_ = false;
    return latched;
}

bool PollResponseButton(ResponseSource source, platform::GameController* controller,
                        AppState& state, ResponseWindow& window, bool& PressedInPulse) {
    // Taken with either source, so a CTRL press made during a joystick run
    // cannot surface in a later CTRL run.
    const bool latched = window.takeLatchedPress();
    bool down = false;
    if (source == ResponseSource::Joystick) {
        // A fresh block per query: a failed query must not leave an old
        // button mask behind to be read as pressed.
        platform::JoystickState block;
        const bool read = controller != nullptr && controller->query(block);
        state.ResponsePressed = read && block.buttons != 0;
        // A press that began and ended since the last poll counts too, as
        // the keyboard's latch does; the flag stays what the button is now.
        down = state.ResponsePressed || (read && block.pressedSince != 0);
    } else {
        down = state.ResponsePressed || latched;
    }
    window.showResponse(down);
    if (down) {
        PressedInPulse = true;
    }
    return down;
}

void DropLatchedPresses(ResponseSource source, platform::GameController* controller,
                        ResponseWindow& window) {
    window.takeLatchedPress();
    if (source == ResponseSource::Joystick && controller != nullptr) {
        platform::JoystickState ignored;
        controller->query(ignored);
    }
}

void ResetResponseButton(AppState& state, ResponseWindow& window) {
    state.ResponsePressed = false;
    window.takeLatchedPress();
}

} // namespace tavo::engine
