// The program's own playback volume: its level law, its two channels, and
// the sample conversion the wave output plays through.

#include "platform/PlaybackVolume.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using tavo::platform::PlaybackVolume;
using tavo::platform::scaleFrames;
using tavo::platform::StereoGain;

namespace {

// Every 16-bit value once on the left, the same value negated (where it
// fits) on the right, as little-endian frames.
std::vector<std::uint8_t> everySample() {
    std::vector<std::uint8_t> frames;
    for (int s = -32768; s <= 32767; ++s) {
        const int other = s == -32768 ? 32767 : -s;
        for (const int v : {s, other}) {
            const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
            frames.push_back(static_cast<std::uint8_t>(u & 0xFF));
            frames.push_back(static_cast<std::uint8_t>(u >> 8));
        }
    }
    return frames;
}

int leftOf(std::size_t frame) {
    return static_cast<int>(frame) - 32768;
}
int rightOf(std::size_t frame) {
    return leftOf(frame) == -32768 ? 32767 : -leftOf(frame);
}

} // namespace

TEST(PlaybackVolume, StepsAreAQuarterDecibelAndZeroIsSilence) {
    // Step p of 257 is -(255 - p) / 4 dB, on the amplitude.
    for (std::uint32_t p = 1; p <= 255; ++p) {
        const double expectedDb = -(255.0 - p) / 4.0;
        EXPECT_NEAR(20.0 * std::log10(PlaybackVolume::gainOf(257 * p)), expectedDb, 1e-9) << p;
        EXPECT_NEAR(PlaybackVolume::decibelsOf(257 * p), expectedDb, 1e-12) << p;
    }
    EXPECT_EQ(PlaybackVolume::gainOf(65535), 1.0);
    EXPECT_EQ(PlaybackVolume::gainOf(0), 0.0);
    EXPECT_NEAR(PlaybackVolume::gainOf(257), std::pow(10.0, -63.5 / 20.0), 1e-15);
    EXPECT_NEAR(PlaybackVolume::decibelsOf(1), -65534.0 / 1028.0, 1e-12);
    EXPECT_TRUE(std::isinf(PlaybackVolume::decibelsOf(0)));
}

TEST(PlaybackVolume, KeepsBothChannelsApartAndCapsAtTheMaximum) {
    PlaybackVolume volume;
    EXPECT_EQ(volume.get(), (PlaybackVolume::Levels{65535, 65535}));
    volume.set(1, 65535);
    EXPECT_EQ(volume.get(), (PlaybackVolume::Levels{1, 65535}));
    volume.set(65535, 0);
    EXPECT_EQ(volume.get(), (PlaybackVolume::Levels{65535, 0}));
    volume.set(70000, 0xFFFFFFFFu);
    EXPECT_EQ(volume.get(), (PlaybackVolume::Levels{65535, 65535}));
    volume.set(257 * 135, 257 * 55);
    EXPECT_EQ(volume.get(), (PlaybackVolume::Levels{34695, 14135}));
}

TEST(PlaybackVolume, FloatSamplesAreExactAtUnityAndScaledPerChannel) {
    const auto in = everySample();
    const std::size_t frames = in.size() / 4;
    std::vector<float> out(frames * 2);

    scaleFrames(in.data(), frames, StereoGain{1.0, 1.0}, out.data());
    for (std::size_t i = 0; i < frames; ++i) {
        // A 16-bit sink converting back with * 32768 gets the very sample.
        ASSERT_EQ(out[2 * i], static_cast<float>(leftOf(i)) / 32768.0f) << leftOf(i);
        ASSERT_EQ(out[2 * i] * 32768.0f, static_cast<float>(leftOf(i)));
        ASSERT_EQ(out[2 * i + 1] * 32768.0f, static_cast<float>(rightOf(i)));
    }

    const auto gain = StereoGain::of({257 * 175, 0}); // -20 dB, silence
    scaleFrames(in.data(), frames, gain, out.data());
    for (std::size_t i = 0; i < frames; ++i) {
        const double exact = leftOf(i) * 0.1 / 32768.0;
        ASSERT_NEAR(out[2 * i], exact, 2.5e-7 * std::abs(exact) + 1e-12) << leftOf(i);
        ASSERT_EQ(out[2 * i + 1], 0.0f);
    }
}

TEST(PlaybackVolume, SixteenBitSamplesAreRoundedOnceToNearest) {
    const auto in = everySample();
    const std::size_t frames = in.size() / 4;
    std::vector<std::int16_t> out(frames * 2);

    scaleFrames(in.data(), frames, StereoGain{1.0, 1.0}, out.data());
    for (std::size_t i = 0; i < frames; ++i) {
        ASSERT_EQ(out[2 * i], leftOf(i));
        ASSERT_EQ(out[2 * i + 1], rightOf(i));
    }

    const auto gain = StereoGain::of({257 * 215, 257 * 55}); // -10 dB, -50 dB
    scaleFrames(in.data(), frames, gain, out.data());
    for (std::size_t i = 0; i < frames; ++i) {
        ASSERT_LE(std::abs(out[2 * i] - leftOf(i) * gain.left), 0.5) << leftOf(i);
        ASSERT_LE(std::abs(out[2 * i + 1] - rightOf(i) * gain.right), 0.5) << rightOf(i);
    }
}
