#include "platform/sdl/SdlGameController.h"

#include <SDL.h>

namespace tavo::platform {

namespace {
std::uint32_t axisPosition(SDL_Joystick* joystick, int axis) {
    if (axis >= SDL_JoystickNumAxes(joystick)) {
        return 32767;
    }
    // -32768..32767 -> 0..65535
    return static_cast<std::uint32_t>(SDL_JoystickGetAxis(joystick, axis) + 32768);
}
} // namespace

SdlGameController::SdlGameController() = default;

std::uint32_t SdlGameController::takeButtonPresses() {
    if (joystick_ == nullptr) {
        return 0;
    }
    const SDL_JoystickID mine = SDL_JoystickInstanceID(joystick_);
    std::uint32_t pressed = 0;
    SDL_Event events[32];
    for (;;) {
        const int count =
            SDL_PeepEvents(events, 32, SDL_GETEVENT, SDL_JOYBUTTONDOWN, SDL_JOYBUTTONDOWN);
        for (int i = 0; i < count; ++i) {
            if (events[i].jbutton.which == mine && events[i].jbutton.button < 32) {
                pressed |= 1u << events[i].jbutton.button;
            }
        }
        if (count < 32) {
            return pressed;
        }
    }
}

SdlGameController::~SdlGameController() {
    if (joystick_ != nullptr) {
        SDL_JoystickClose(joystick_);
    }
    if (started_) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_EVENTS);
    }
}

bool SdlGameController::query(JoystickState& state) {
    if (!started_) {
        if (startFailed_) {
            return false;
        }
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_EVENTS) != 0) {
            startFailed_ = true;
            return false;
        }
        // Button events are what the presses between two queries are read from.
        SDL_JoystickEventState(SDL_ENABLE);
        started_ = true;
    }
    SDL_PumpEvents(); // notices controllers plugged in or out, reads the buttons
    // The presses since the last query, from the queue's button events: a
    // press and release between two queries leaves no trace in the state.
    const std::uint32_t pressedSince = takeButtonPresses();
    // Nobody else reads SDL's event queue; keep it from filling up.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SDL_JoystickUpdate();
    if (joystick_ != nullptr && SDL_JoystickGetAttached(joystick_) == SDL_FALSE) {
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }
    if (joystick_ == nullptr) {
        if (SDL_NumJoysticks() < 1 || (joystick_ = SDL_JoystickOpen(0)) == nullptr) {
            return false;
        }
        SDL_JoystickUpdate();
    }
    JoystickState read;
    read.x = axisPosition(joystick_, 0);
    read.y = axisPosition(joystick_, 1);
    read.z = axisPosition(joystick_, 2);
    const int buttons = SDL_JoystickNumButtons(joystick_);
    for (int button = 0; button < buttons && button < 32; ++button) {
        if (SDL_JoystickGetButton(joystick_, button) != 0) {
            read.buttons |= 1u << button;
        }
    }
    read.pressedSince = pressedSince;
    state = read;
    return true;
}

} // namespace tavo::platform
