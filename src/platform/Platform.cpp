#include "platform/Platform.h"

#include "platform/alsa/AlsaMixer.h"
#include "platform/alsa/AlsaWaveOutput.h"
#include "platform/dbus/DBusScreenSaver.h"
#include "platform/pulse/PulseEndpointVolume.h"
#include "platform/qt/QtEventPump.h"
#include "platform/sdl/SdlGameController.h"
#include "platform/sim/ScriptedGameController.h"
#include "platform/sim/SimEndpointVolume.h"
#include "platform/sim/SimEventPump.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"
#include "platform/sim/SimScreenSaver.h"
#include "platform/sim/SimWaveOutput.h"

namespace tavo::platform {

std::unique_ptr<Platform> makeRealPlatform(std::unique_ptr<Messages> messages) {
    auto platform = std::make_unique<Platform>();
    platform->playbackVolume = std::make_shared<PlaybackVolume>();
    platform->pump = std::make_unique<QtEventPump>();
    platform->wave = std::make_unique<AlsaWaveOutput>(platform->playbackVolume);
    platform->messages = std::move(messages);
    platform->screenSaver = std::make_unique<DBusScreenSaver>();
    platform->endpoint = std::make_unique<PulseEndpointVolumeService>();
    platform->mixer = std::make_unique<AlsaMixerService>(platform->playbackVolume);
    platform->controller = std::make_unique<SdlGameController>();
    return platform;
}

std::unique_ptr<Platform> makeSimulatedSoundPlatform(std::unique_ptr<Messages> messages) {
    auto platform = std::make_unique<Platform>();
    platform->pump = std::make_unique<QtEventPump>();
    auto wave = std::make_unique<SimWaveOutput>(*platform->pump);
    // A demonstration runs for hours; only what plays now matters.
    wave->keepLastBufferOnly(true);
    platform->wave = std::move(wave);
    platform->messages = std::move(messages);
    platform->screenSaver = std::make_unique<DBusScreenSaver>();
    platform->endpoint = std::make_unique<SimEndpointVolumeService>();
    platform->mixer = std::make_unique<SimMixerService>();
    platform->controller = std::make_unique<ScriptedGameController>();
    platform->simulatedSound = true;
    return platform;
}

std::unique_ptr<Platform> makeVirtualPlatform() {
    auto platform = std::make_unique<Platform>();
    platform->pump = std::make_unique<SimEventPump>(true);
    platform->wave = std::make_unique<SimWaveOutput>(*platform->pump);
    platform->messages = std::make_unique<SimMessages>();
    platform->screenSaver = std::make_unique<SimScreenSaver>();
    platform->endpoint = std::make_unique<SimEndpointVolumeService>();
    platform->mixer = std::make_unique<SimMixerService>();
    platform->controller = std::make_unique<ScriptedGameController>();
    platform->simulatedSound = true;
    return platform;
}

} // namespace tavo::platform
