#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavo::platform {

// How a control of a simulated card changes the level of what the card
// plays, so that a simulated listener hears what the card's settings make
// of a tone. A description names it per control (docs/mixer-device-json.md):
//  - none:       the control does not change the level (0 dB);
//  - quarter-db: 0 is silent, any other value v is -(maximum - v) / (maximum
//                / 255) / 4 dB: a quarter dB per 255th of the range (the
//                program's own wave volume on a sound server);
//  - cubic:      0 is silent, otherwise 60 log10(v / maximum) dB (a sound
//                server's volume, and the system level);
//  - amplitude:  0 is silent, otherwise 20 log10(v / maximum) dB (a plain
//                amplitude factor);
//  - dB per unit: v x that many dB (an amplifier's gain: 0 is unity).
struct SimLevelLaw {
    enum class Kind { None, QuarterDb, Cubic, Amplitude, DbPerUnit };
    Kind kind = Kind::None;
    double dbPerUnit = 0.0;

    // The level change of value v in dB; nothing when v silences the card
    // (or the control's maximum is no positive number).
    std::optional<double> gainDb(std::uint32_t value, std::int32_t maximum) const;
    // "none", "quarter-db", "cubic", "amplitude" or "6 dB per unit".
    std::string name() const;
};

// A law by its name ("none", "quarter-db", "cubic", "amplitude"); nothing
// for any other text.
std::optional<SimLevelLaw> simLevelLawNamed(const std::string& name);

// The system level (endpoint volume scalar 0..1) in dB: the sound server's
// cubic law, 60 log10(scalar); nothing for 0 (silent).
std::optional<double> endpointLevelDb(double scalar);

} // namespace tavo::platform
