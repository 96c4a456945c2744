#include "platform/PlaybackVolume.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavo::platform {

void PlaybackVolume::set(std::uint32_t left, std::uint32_t right) {
    packed_.store(pack(std::min(left, kMaximum), std::min(right, kMaximum)));
}

PlaybackVolume::Levels PlaybackVolume::get() const {
    const std::uint32_t packed = packed_.load();
    return {packed & 0xFFFFu, packed >> 16};
}

double PlaybackVolume::decibelsOf(std::uint32_t value) {
    if (value == 0) {
        return -std::numeric_limits<double>::infinity();
    }
    return -static_cast<double>(kMaximum - std::min(value, kMaximum)) / kValuesPerDb;
}

double PlaybackVolume::gainOf(std::uint32_t value) {
    if (value == 0) {
        return 0.0;
    }
    // pow(10, 0) is exactly 1: unity stays bit-exact.
    return std::pow(10.0, decibelsOf(value) / 20.0);
}

namespace {

std::int16_t sampleAt(const std::uint8_t* in) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(in[0] | in[1] << 8));
}

} // namespace

void scaleFrames(const std::uint8_t* in, std::size_t frames, StereoGain gain, float* out) {
    // s * gain / 32768 rather than s * (gain / 32768): the same number, as
    // dividing by a power of two is exact, and at unity obviously s / 32768.
    const float left = static_cast<float>(gain.left);
    const float right = static_cast<float>(gain.right);
    for (std::size_t i = 0; i < frames; ++i, in += 4, out += 2) {
        out[0] = static_cast<float>(sampleAt(in)) * left / 32768.0f;
        out[1] = static_cast<float>(sampleAt(in + 2)) * right / 32768.0f;
    }
}

void scaleFrames(const std::uint8_t* in, std::size_t frames, StereoGain gain, std::int16_t* out) {
    auto scaled = [](std::int16_t s, double g) {
        const double v = std::round(static_cast<double>(s) * g);
        return static_cast<std::int16_t>(std::clamp(v, -32768.0, 32767.0));
    };
    for (std::size_t i = 0; i < frames; ++i, in += 4, out += 2) {
        out[0] = scaled(sampleAt(in), gain.left);
        out[1] = scaled(sampleAt(in + 2), gain.right);
    }
}

} // namespace tavo::platform
