#pragma once

#include "platform/GameController.h"

namespace tavo::platform {

// A game controller whose state the test sets. Counts the queries.
class ScriptedGameController final : public GameController {
public:
    std::string backendName() const override { return "scripted"; }
    bool query(JoystickState& state) override {
        ++queries;
        if (!attached) {
            return false;
        }
        state = current;
        current.pressedSince = 0;
        return true;
    }

    void press(int button) {
        current.buttons |= 1u << button;
        current.pressedSince |= 1u << button;
    }
    void release(int button) { current.buttons &= ~(1u << button); }
    void releaseAll() { current.buttons = 0; }

    JoystickState current{32767, 32767, 32767, 0};
    bool attached = true;
    int queries = 0;
};

} // namespace tavo::platform
