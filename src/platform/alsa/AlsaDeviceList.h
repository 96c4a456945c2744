#pragma once

#include "platform/WaveOutput.h"

#include <string>
#include <vector>

namespace tavo::platform::alsa {

struct PlaybackDevice {
    std::string pcmName; // what snd_pcm_open() is given
    WaveOutCaps caps;
};

// The playback devices a user can choose: ALSA's `default` first (it reaches
// PulseAudio or PipeWire where one runs), then the sound server's own
// device, then every playback device of every sound card. Configuration
// entries that play nowhere (`null`, rate converters, a `default` or a
// server device that cannot be opened) are left out, so a machine with
// neither a sound card nor a sound server gets an empty list.
// A device that goes through a sound server which does not answer (stopped)
// is left out and named in `unreachable`, after waiting for it at most a
// couple of seconds (platform::ServerCalls).
std::vector<PlaybackDevice> listPlaybackDevices(std::vector<std::string>* unreachable = nullptr);

// The ALSA library version as a driver version word (major << 8 | minor).
std::uint32_t alsaVersionWord();

} // namespace tavo::platform::alsa
