#pragma once

#include "platform/GameController.h"

typedef struct _SDL_Joystick SDL_Joystick;

namespace tavo::platform {

// The first joystick through SDL2. SDL's joystick subsystem is started on
// the first query (no window or video system needed); a controller plugged
// in later is found at a later query.
class SdlGameController final : public GameController {
public:
    SdlGameController();
    ~SdlGameController() override;
    SdlGameController(const SdlGameController&) = delete;
    SdlGameController& operator=(const SdlGameController&) = delete;

    std::string backendName() const override { return "SDL2"; }
    bool query(JoystickState& state) override;

private:
    // The buttons of the open controller with a down event in SDL's queue,
    // taken out of it.
    std::uint32_t takeButtonPresses();

    bool started_ = false;
    bool startFailed_ = false;
    SDL_Joystick* joystick_ = nullptr;
};

} // namespace tavo::platform
