// The settings dialog's joystick test light driven by the real SDL2
// backend, with SDL's virtual joystick as the controller.

#include "engine/AppState.h"
#include "platform/sdl/SdlGameController.h"
#include "storage/SettingsHost.h"
#include "storage/SettingsTable.h"
#include "storage/TfrmSettings.h"
#include "support/TestPlatform.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <QTabWidget>
#include <QTest>

#include <cstdlib>

using namespace tavo;

namespace {

struct QuietHost final : storage::SettingsHost {
    void repaintAudiogram() override {}
    void repaintTestWindowGraph() override {}
    std::uint32_t audiogramAreaColour() const override { return 0x008080; }
    void setAudiogramAreaColour(std::uint32_t) override {}
    void setAudiogramGroupColour(std::uint32_t) override {}
    std::uint32_t windowColour() const override { return 0xFF00000F; }
    void setWindowColour(std::uint32_t) override {}
    bool calibrationMenuEnabled() const override { return true; }
    void setMainWindowEnabled(bool) override {}
    void restoreMainWindow() override {}
    std::optional<QString> chooseCalibrationFile(QWidget*) override { return std::nullopt; }
};

} // namespace

TEST(SettingsDialogWithSdl, TheLightFollowsAVirtualJoysticksButtons) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* device = SDL_JoystickOpen(index);
    ASSERT_NE(device, nullptr);
    {
        testsupport::TestPlatform sim;
        sim.settingsFromEarlierStart();
        sim.bundle.controller = std::make_unique<platform::SdlGameController>();
        engine::AppState state;
        storage::Settings settings = storage::designSettings();
        QuietHost host;
        storage::TfrmSettings dialog(state, settings, sim.bundle, *sim.settings, host,
                                     *sim.mixerDevices);
        dialog.show();
        dialog.SettingsPages->setCurrentWidget(dialog.SoundCard);
        ASSERT_TRUE(dialog.joystickTimerActive());

        SDL_JoystickSetVirtualButton(device, 2, SDL_PRESSED);
        QTest::qWait(150);
        EXPECT_EQ(dialog.lightColour(), 0x0000FFu);
        SDL_JoystickSetVirtualButton(device, 2, SDL_RELEASED);
        QTest::qWait(150);
        EXPECT_EQ(dialog.lightColour(), 0u);
        dialog.close();
    }
    SDL_JoystickClose(device);
    SDL_JoystickDetachVirtual(index);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
