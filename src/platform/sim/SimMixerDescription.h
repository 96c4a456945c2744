#pragma once

#include "platform/Mixer.h"
#include "platform/sim/SimLevelLaw.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavo::platform {

// What a simulated mixer device is made of. Written as JSON (see
// docs/mixer-device-json.md); the built-in card is such a text too.

struct SimMixerControlDescription {
    MixerControl control;
    // Channel-major, line channels x max(items, 1) values.
    std::vector<std::uint32_t> values;
    MixerResult getResult = MixerResult::Ok;
    MixerResult setResult = MixerResult::Ok;
    // What the control does to the level the listener hears.
    SimLevelLaw law;
};

struct SimMixerLineDescription {
    MixerLine line;
    std::vector<SimMixerControlDescription> controls;
    MixerResult lineResult = MixerResult::Ok;     // answer when the line is read
    MixerResult controlsResult = MixerResult::Ok; // answer when its controls are read
};

struct SimMixerDestinationDescription {
    SimMixerLineDescription line;
    std::vector<SimMixerLineDescription> sources;
};

struct SimMixerDeviceDescription {
    MixerCaps caps;
    MixerResult capsResult = MixerResult::Ok;
    MixerResult openResult = MixerResult::Ok;
    std::vector<SimMixerDestinationDescription> destinations;
};

// Parses a description: either one device object or {"devices": [...]}.
// On failure returns nothing and sets `error` to a text naming the place.
std::optional<std::vector<SimMixerDeviceDescription>> parseSimMixerDevices(const std::string& json,
                                                                           std::string& error);

// The JSON text of the built-in card: a typical consumer sound card.
const char* builtInSimMixerJson();
// The built-in card, parsed.
std::vector<SimMixerDeviceDescription> builtInSimMixerDevices();

} // namespace tavo::platform
