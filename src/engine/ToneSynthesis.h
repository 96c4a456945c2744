#pragma once

#include <cstdint>
#include <vector>

namespace tavo::engine {

struct AppState;

// A memory stream of 16-bit stereo PCM frames (left sample first, each
// little-endian).
using ToneBuffer = std::vector<std::uint8_t>;

inline constexpr int kSampleRate = 44100;
inline constexpr int kBytesPerFrame = 4;

// Appends one tone pulse and its trailing silence to `stream`:
// truncate(pulse * 44100) tone frames with a raised-sine onset and offset
// over the first and last quarter, then truncate(gap * 44100) silent frames.
// The level is in dB relative to digital full scale (0 dB = peak 32767);
// 5 dB are added while state.SecondRunOffset is set. The tone goes to the
// channels whose gain in the state is 1.
//
// Samples beyond the 16-bit range are saturated, never wrapped: a wrapped
// sample turns an over-range tone into loud broadband noise.
void CreateSound(const AppState& state, std::int32_t frequency, ToneBuffer& stream, double level,
                 double pulse, double gap);

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
