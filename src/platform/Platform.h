#pragma once

#include "platform/EndpointVolume.h"
#include "platform/EventPump.h"
#include "platform/GameController.h"
#include "platform/Messages.h"
#include "platform/Mixer.h"
#include "platform/PlaybackVolume.h"
#include "platform/ScreenSaver.h"
#include "platform/WaveOutput.h"

#include <memory>

namespace tavo::platform {

// The operating-system services the program uses, one object per seam.
// The composition root (the program's main, `tavo`, a test) chooses the
// backends and hands this bundle to the windows and procedures.
struct Platform {
    std::unique_ptr<EventPump> pump;
    std::unique_ptr<WaveOutput> wave;
    std::unique_ptr<Messages> messages;
    std::unique_ptr<ScreenSaver> screenSaver;
    std::unique_ptr<EndpointVolumeService> endpoint;
    std::unique_ptr<MixerService> mixer; // must outlive the mixer layer that uses it
    std::unique_ptr<GameController> controller;
    // The volume of the program's own playback, shared by the real wave
    // output and the real mixer (the wave volume of `default`). Empty with
    // simulated sound: the simulated mixer has a wave control of its own.
    std::shared_ptr<PlaybackVolume> playbackVolume;
    bool simulatedSound = false;
};

// Real backends: Qt event loop, ALSA (wave output and mixer), PulseAudio,
// D-Bus, and the message boxes given (the windows' own, `ui::QtMessages`:
// message boxes are widgets, which this layer does not link).
std::unique_ptr<Platform> makeRealPlatform(std::unique_ptr<Messages> messages);

// Simulated sound hardware (wave output, endpoint volume, mixer) on the real event
// loop, screen saver and the message boxes given: the program's `--simulate` mode.
std::unique_ptr<Platform> makeSimulatedSoundPlatform(std::unique_ptr<Messages> messages);

// Every seam simulated, on a virtual clock (SimEventPump delivering Qt's
// events), with scripted message boxes that answer OK: what tests and
// `tavo simulate` run a whole hearing test on in a moment.
std::unique_ptr<Platform> makeVirtualPlatform();

} // namespace tavo::platform
