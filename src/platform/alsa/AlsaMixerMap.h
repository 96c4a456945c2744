#pragma once

#include "platform/Mixer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavo::platform::alsa {

// What the mapping needs to know of one ALSA simple-mixer element. Filled
// from the card by the backend, or by hand in tests.
struct ElementInfo {
    std::string name;
    unsigned index = 0;
    bool active = true;

    bool playbackVolume = false;
    bool playbackVolumeJoined = false;
    long playbackMin = 0;
    long playbackMax = 0;
    bool playbackSwitch = false;
    bool playbackSwitchJoined = false;
    unsigned playbackChannels = 0;

    bool captureVolume = false;
    bool captureVolumeJoined = false;
    long captureMin = 0;
    long captureMax = 0;
    bool captureSwitch = false;
    bool captureSwitchJoined = false;
    unsigned captureChannels = 0;

    bool captureEnum = false; // a capture source selection
    unsigned enumItems = 0;
};

// Which side of an element a control drives.
enum class Access {
    PlaybackVolume,
    PlaybackMute, // MUTE: on = playback switch off
    CaptureVolume,
    CaptureMute,   // MUTE: on = capture switch off
    CaptureOnOff,  // ONOFF: on = capture switch on
    CaptureSelect, // MIXER: one boolean per item, the selected item on
    ProgramVolume, // the program's own playback volume (PlaybackVolume); no element
};

struct MappedControl {
    MixerControl info;
    std::size_t element = 0; // index into the element list (none for ProgramVolume)
    Access access = Access::PlaybackVolume;
    long rawMin = 0;       // raw value of the control value 0
    long rawRange = 0;     // raw maximum - raw minimum
    unsigned channels = 1; // the element's channels on this side
};

struct MappedLine {
    MixerLine info;
    std::vector<MappedControl> controls;
};

struct MappedDestination {
    MappedLine line;
    std::vector<MappedLine> sources;
};

// A card's elements as destination and source lines with their controls.
struct MixerLayout {
    std::vector<MappedDestination> destinations;

    const MappedLine* findLine(std::uint32_t lineId) const;
    const MappedControl* findControl(std::uint32_t controlId) const;
};

// Maps the elements onto lines and controls (the table is in the .cpp).
// A playback element the table does not know becomes a source of the
// speakers of component type SRC_UNDEFINED, a capture element one of the
// wave-in destination, so the listing shows every element while no slot of
// the mixer layer is filled by it. Controls present their range so that one
// step is one raw step: minimum 0, maximum = steps = raw range.
//
// With `programVolume`, a layout without a wave-output volume (no SRC_WAVEOUT
// source with a VOLUME control: a sound server's `default` has only Master
// and Capture) gets one more source of the speakers, SRC_WAVEOUT "Wave",
// whose VOLUME control is the program's own playback volume: two channels,
// 0..65535 in 255 steps (see PlaybackVolume).
MixerLayout mapElements(const std::vector<ElementInfo>& elements, bool programVolume = false);

} // namespace tavo::platform::alsa
