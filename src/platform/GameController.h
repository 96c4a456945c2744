#pragma once

#include <cstdint>
#include <string>

namespace tavo::platform {

// Position and buttons of a game controller, as the joystick state block
// holds them: x, y and z from 0 to 65535 (centre 32767), one bit per
// pressed button. `pressedSince` has a bit for every button that went down
// since the previous query, also when it is up again by now: a press
// shorter than the time between two queries is not lost.
struct JoystickState {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t z = 0;
    std::uint32_t buttons = 0;
    std::uint32_t pressedSince = 0;
};

// The first game controller of the system.
class GameController {
public:
    virtual ~GameController() = default;
    virtual std::string backendName() const = 0;
    // Reads the first controller into `state`. False when the query fails
    // (no controller attached, or the controller is gone); `state` is then
    // left as it was.
    virtual bool query(JoystickState& state) = 0;
};

} // namespace tavo::platform
