#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace tavo::platform {

// The volume of the program's own playback: what the wave-output volume of
// a sound card does, for a device that has none (ALSA's `default` on a
// PulseAudio or PipeWire desktop). It scales only the samples our wave
// output plays, never the server's or another program's volume.
//
// Two channel values, left and right, 0..65535, both 65535 at start.
// Level law: 0 is silence; every value v >= 1 attenuates by
// (65535 - v) / 1028 dB, i.e. 0.25 dB per 257. As a mixer control it
// offers maximum 65535 in 255 steps, so one step is 257 and step p is
// -(255 - p) * 0.25 dB: step 255 (65535) is unity, step 1 is -63.5 dB.
//
// Set and read on the GUI thread, read by the playback thread: both values
// live in one atomic word, so a reader never sees one channel's new value
// with the other's old one.
class PlaybackVolume {
public:
    static constexpr std::uint32_t kMaximum = 65535;
    static constexpr std::uint32_t kSteps = 255;
    static constexpr std::uint32_t kStepUnit = kMaximum / kSteps; // 257
    // dB per value: 0.25 dB per step of 257.
    static constexpr double kValuesPerDb = 4.0 * kStepUnit; // 1028

    struct Levels {
        std::uint32_t left = kMaximum;
        std::uint32_t right = kMaximum;
        bool operator==(const Levels&) const = default;
    };

    // Values above kMaximum count as kMaximum.
    void set(std::uint32_t left, std::uint32_t right);
    Levels get() const;

    // The amplitude factor of a value: exactly 1.0 at kMaximum, 0.0 at 0.
    static double gainOf(std::uint32_t value);
    // Its level in dB (0 at kMaximum); for 0, which is silence, -infinity.
    static double decibelsOf(std::uint32_t value);

private:
    static constexpr std::uint32_t pack(std::uint32_t left, std::uint32_t right) {
        return left | right << 16;
    }

    std::atomic<std::uint32_t> packed_{pack(kMaximum, kMaximum)};
};

// The amplitude factors of both channels at a setting.
struct StereoGain {
    double left = 1.0;
    double right = 1.0;
    static StereoGain of(const PlaybackVolume::Levels& levels) {
        return {PlaybackVolume::gainOf(levels.left), PlaybackVolume::gainOf(levels.right)};
    }
};

// Copies `frames` 16-bit little-endian stereo frames for the device at the
// given gain. As float: sample s becomes s * gain / 32768 (at unity exactly
// s / 32768, so a 16-bit sink gets back the very samples). As 16 bit: s *
// gain rounded to nearest once, clamped.
void scaleFrames(const std::uint8_t* in, std::size_t frames, StereoGain gain, float* out);
void scaleFrames(const std::uint8_t* in, std::size_t frames, StereoGain gain, std::int16_t* out);

} // namespace tavo::platform
