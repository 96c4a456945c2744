#include "engine/ToneSynthesis.h"

#include "platform/VectorState.h"

#include <cmath>
#include <numbers>

namespace tavo::engine {

namespace {
constexpr double kMaxSeconds = 3600.0;

std::uint8_t scaled(std::int64_t byte, std::int32_t gain) {
    // The product is truncated to 8 bits, as the frame is written byte by byte.
    return static_cast<std::uint8_t>((byte * gain) & 0xFF);
}
} // namespace

std::int64_t framesFor(double seconds) {
    if (!(seconds > 0.0)) {
        return 0;
    }
    if (seconds > kMaxSeconds) {
        seconds = kMaxSeconds;
    }
    return static_cast<std::int64_t>(std::trunc(seconds * kSampleRate));
}

std::int16_t toneSample(std::int64_t q, std::int64_t n, double omega, double amplitude) {
    const double t = static_cast<double>(q) / static_cast<double>(n);
    double envelope = 1.0;
    if (t < 0.25 || t > 0.75) {
        const double e =
            std::sin(2.0 * std::numbers::pi * static_cast<double>(q) / static_cast<double>(n));
        envelope = e * e;
    }
    // std::nearbyint rounds to nearest with ties to even (default rounding mode).
    const double value = std::nearbyint(std::sin(static_cast<double>(q) * omega / kSampleRate) *
                                        (32767.0 * amplitude) * envelope);
    if (std::isnan(value)) {
        return 0; // 0 x infinity at an envelope zero of an absurdly loud tone
    }
    if (value >= 32767.0) {
        return 32767;
    }
    if (value <= -32768.0) {
        return -32768;
    }
    return static_cast<std::int16_t>(value);
}

void CreateSound(ChannelGains gains, double levelOffset, std::int32_t frequency, ToneBuffer& stream,
                 double level, double pulse, double gap) {
    synthesizePulse(frequency, stream, level + levelOffset, pulse, gap, gains.left, gains.right);
}

void synthesizePulse(std::int32_t frequency, ToneBuffer& stream, double level, double pulse,
                     double gap, std::int32_t leftGain, std::int32_t rightGain) {
    const std::int64_t toneFrames = framesFor(pulse);
    const std::int64_t gapFrames = framesFor(gap);
    platform::settleVectorState();
    const double amplitude = std::pow(10.0, level / 20.0);
    const double omega = frequency * 2.0 * std::numbers::pi;

    stream.reserve(stream.size() +
                   static_cast<std::size_t>((toneFrames + gapFrames) * kBytesPerFrame));
    for (std::int64_t q = 0; q < toneFrames; ++q) {
        const std::int64_t s = toneSample(q, toneFrames, omega, amplitude);
        const std::int64_t low = s & 0xFF;
        const std::int64_t high = (s >> 8) & 0xFF;
        stream.push_back(scaled(low, leftGain));
        stream.push_back(scaled(high, leftGain));
        stream.push_back(scaled(low, rightGain));
        stream.push_back(scaled(high, rightGain));
    }
    stream.insert(stream.end(), static_cast<std::size_t>(gapFrames * kBytesPerFrame), 0);
}

} // namespace tavo::engine
