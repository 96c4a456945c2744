#include "engine/ResponseButton.h"

#include "platform/GameController.h"

namespace tavo::engine {

void ResponseButton::keyDown(bool ctrlHeld) {
    pressed_ = ctrlHeld;
    if (ctrlHeld) {
        latched_ = true;
    }
}

void ResponseButton::keyUp() {
    pressed_ = false;
}

bool ResponseButton::takeLatchedPress() {
    const bool latched = latched_;
    latched_ = false;
    return latched;
}

void ResponseButton::reset() {
    pressed_ = false;
    latched_ = false;
}

bool PollResponseButton(ResponseSource source, platform::GameController* controller,
                        ResponseButton& button, ResponseWindow& window, bool& PressedInPulse) {
    // Taken with either source, so a CTRL press made during a joystick run
    // cannot surface in a later CTRL run.
    const bool latched = button.takeLatchedPress();
    bool down = false;
    if (source == ResponseSource::Joystick) {
        // A fresh block per query: a failed query must not leave an old
        // button mask behind to be read as pressed.
        platform::JoystickState block;
        const bool read = controller != nullptr && controller->query(block);
        button.setPressed(read && block.buttons != 0);
        // A press that began and ended since the last poll counts too, as
        // the keyboard's latch does; the state stays what the button is now.
        down = button.pressed() || (read && block.pressedSince != 0);
    } else {
        down = button.pressed() || latched;
    }
    window.showResponse(down);
    if (down) {
        PressedInPulse = true;
    }
    return down;
}

void DropLatchedPresses(ResponseSource source, platform::GameController* controller,
                        ResponseButton& button) {
    button.takeLatchedPress();
    if (source == ResponseSource::Joystick && controller != nullptr) {
        platform::JoystickState ignored;
        controller->query(ignored);
    }
}

} // namespace tavo::engine
