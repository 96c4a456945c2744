// The SDL2 game controller backend against SDL's virtual joystick.

#include "platform/sdl/SdlGameController.h"

#include <SDL.h>

#include <cstdlib>

#include <gtest/gtest.h>

using tavo::platform::JoystickState;
using tavo::platform::SdlGameController;

TEST(SdlGameController, NoControllerIsAFailedQuery) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    SdlGameController controller;
    JoystickState state{1, 2, 3, 4};
    EXPECT_FALSE(controller.query(state));
    EXPECT_EQ(state.buttons, 4u); // left as it was
    EXPECT_EQ(state.x, 1u);
}

TEST(SdlGameController, ReadsButtonsAndAxesOfTheFirstController) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 3, 8, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* device = SDL_JoystickOpen(index);
    ASSERT_NE(device, nullptr);

    SdlGameController controller;
    JoystickState state;
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons, 0u);

    SDL_JoystickSetVirtualButton(device, 0, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(device, 5, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(device, 0, -32768);
    SDL_JoystickSetVirtualAxis(device, 1, 32767);
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons, (1u << 0) | (1u << 5));
    EXPECT_EQ(state.x, 0u);
    EXPECT_EQ(state.y, 65535u);
    EXPECT_EQ(state.z, 32768u);

    SDL_JoystickSetVirtualButton(device, 0, SDL_RELEASED);
    SDL_JoystickSetVirtualButton(device, 5, SDL_RELEASED);
    ASSERT_TRUE(controller.query(state));
    EXPECT_EQ(state.buttons, 0u);

    // Unplugged: the query fails instead of reporting stale buttons.
    SDL_JoystickSetVirtualButton(device, 2, SDL_PRESSED);
    SDL_JoystickClose(device);
    SDL_JoystickDetachVirtual(index);
    JoystickState after{7, 7, 7, 7};
    EXPECT_FALSE(controller.query(after));
    EXPECT_EQ(after.buttons, 7u);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
