#pragma once

#include <cstdint>
#include <vector>

namespace tavo::engine {

// A memory stream of 16-bit stereo PCM frames (left sample first, each
// little-endian).
using ToneBuffer = std::vector<std::uint8_t>;

inline constexpr int kSampleRate = 44100;
inline constexpr int kBytesPerFrame = 4;

// Which channels carry a tone: a gain of 1 plays it, 0 leaves the channel
// silent (the ear under test is 1, the other 0).
struct ChannelGains {
    std::int32_t left = 0;
    std::int32_t right = 0;

    static ChannelGains forEar(int ear) { return {ear == 0 ? 1 : 0, ear == 1 ? 1 : 0}; }
    friend bool operator==(const ChannelGains&, const ChannelGains&) = default;
};

// The second run's offset with "Praxisabweichung": its tones play this much
// louder at the same shown level.
inline constexpr double kSecondRunOffsetDb = 5.0;

// Appends one tone pulse and its trailing silence to `stream`:
// truncate(pulse * 44100) tone frames with a raised-sine onset and offset
// over the first and last quarter, then truncate(gap * 44100) silent frames.
// The level is in dB relative to digital full scale (0 dB = peak 32767),
// plus `levelOffset` (the second run's kSecondRunOffsetDb, else 0). The tone
// goes to the channels whose gain is 1.
//
// Samples beyond the 16-bit range are saturated, never wrapped: a wrapped
// sample turns an over-range tone into loud broadband noise.
void CreateSound(ChannelGains gains, double levelOffset, std::int32_t frequency, ToneBuffer& stream,
                 double level, double pulse, double gap);

// The same pulse at exactly `level`, on the channels whose gain is 1: what
// CreateSound plays without the second run's offset. The calibration
// dialogs' tones use it, so that a test's offset left on never makes a
// calibration louder.
void synthesizePulse(std::int32_t frequency, ToneBuffer& stream, double level, double pulse,
                     double gap, std::int32_t leftGain, std::int32_t rightGain);

// The 16-bit sample value before the channel gains are applied, for frame q
// of a pulse of n frames (exposed for tests and tools).
std::int16_t toneSample(std::int64_t q, std::int64_t n, double omega, double amplitude);

// truncate(seconds * 44100), 0 for negative or non-numeric durations and
// at most one hour.
std::int64_t framesFor(double seconds);

} // namespace tavo::engine
