// Tone pulses as the test plays them: frame counts, envelope, channels,
// level law and the saturation of over-range samples.

#include "engine/AppState.h"
#include "engine/ToneSynthesis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace tavo::engine;

namespace {

struct Frame {
    std::int16_t left;
    std::int16_t right;
};

Frame frameAt(const ToneBuffer& buffer, std::size_t index) {
    const auto* p = buffer.data() + index * 4;
    const auto sample = [](const std::uint8_t* bytes) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
    };
    return {sample(p), sample(p + 2)};
}

// The ear and the level offset of a run.
struct Ear {
    ChannelGains channels;
    double offset = 0.0;
};

Ear leftEar() {
    return {{1, 0}};
}

Ear rightEar() {
    return {{0, 1}};
}

ToneBuffer pulse(const Ear& ear, double level, double seconds = 1.0, double gap = 1.0,
                 std::int32_t frequency = 1000) {
    ToneBuffer buffer;
    CreateSound(ear.channels, ear.offset, frequency, buffer, level, seconds, gap);
    return buffer;
}

} // namespace

TEST(ToneSynthesis, FrameCountsFollowPulseAndGap) {
    const auto buffer = pulse(leftEar(), -20.0, 1.0, 1.0);
    ASSERT_EQ(buffer.size(), 88200u * 4);
    bool toneSeen = false;
    for (std::size_t q = 0; q < 44100; ++q) {
        toneSeen = toneSeen || frameAt(buffer, q).left != 0;
    }
    EXPECT_TRUE(toneSeen);
    for (std::size_t q = 44100; q < 88200; ++q) {
        ASSERT_EQ(buffer[q * 4] | buffer[q * 4 + 1] | buffer[q * 4 + 2] | buffer[q * 4 + 3], 0)
            << "gap frame " << q;
    }

    const auto onlyGap = pulse(leftEar(), -20.0, 0.0, 1.0);
    ASSERT_EQ(onlyGap.size(), 44100u * 4);
    EXPECT_EQ(std::count(onlyGap.begin(), onlyGap.end(), 0), 44100 * 4);

    const auto noGap = pulse(leftEar(), -20.0, 0.5, 0.0);
    ASSERT_EQ(noGap.size(), 22050u * 4);
    const double omega = 1000 * 2.0 * std::numbers::pi;
    EXPECT_EQ(frameAt(noGap, 22049).left, toneSample(22049, 22050, omega, 0.1));
}

TEST(ToneSynthesis, DurationsAreTruncatedAndAppended) {
    // 0.00003 s is 1.323 frames: one frame. The stream is appended to.
    ToneBuffer buffer(8, 0xAB);
    CreateSound(leftEar().channels, 0.0, 1000, buffer, -20.0, 0.00003, 0.00003);
    EXPECT_EQ(buffer.size(), 8u + 2 * 4);
    EXPECT_EQ(buffer[0], 0xAB);
    EXPECT_EQ(framesFor(-1.0), 0);
    EXPECT_EQ(framesFor(std::nan("")), 0);
}

TEST(ToneSynthesis, EnvelopeStartsAtZeroAndIsFlatFromAQuarter) {
    const auto buffer = pulse(leftEar(), -20.0, 1.0, 0.0);
    EXPECT_EQ(frameAt(buffer, 0).left, 0);
    EXPECT_EQ(frameAt(buffer, 0).right, 0);

    // At q = N/4 the envelope is exactly 1: the sample equals the bare sine.
    const std::size_t n = 44100;
    for (std::size_t q : {n / 4, n / 2, 3 * n / 4}) {
        const double bare =
            std::nearbyint(std::sin(q * (1000 * 2.0 * std::numbers::pi) / 44100.0) * 3276.7);
        EXPECT_EQ(frameAt(buffer, q).left, static_cast<std::int16_t>(bare)) << "q = " << q;
    }
    // Just inside the onset the envelope is below 1.
    const std::size_t q = n / 4 - 20;
    const double bare = std::sin(q * (1000 * 2.0 * std::numbers::pi) / 44100.0) * 3276.7;
    EXPECT_LT(std::abs(frameAt(buffer, q).left), std::abs(bare));
}

TEST(ToneSynthesis, OnlyTheSelectedChannelCarriesTheTone) {
    const auto left = pulse(leftEar(), -20.0, 0.2, 0.1);
    const auto right = pulse(rightEar(), -20.0, 0.2, 0.1);
    ASSERT_EQ(left.size(), right.size());
    int toneFrames = 0;
    for (std::size_t q = 0; q < left.size() / 4; ++q) {
        const auto l = frameAt(left, q);
        const auto r = frameAt(right, q);
        ASSERT_EQ(l.right, 0) << q;
        ASSERT_EQ(r.left, 0) << q;
        ASSERT_EQ(l.left, r.right) << q;
        toneFrames += l.left != 0 ? 1 : 0;
    }
    EXPECT_GT(toneFrames, 8000);
}

TEST(ToneSynthesis, LevelLawGivesTheExpectedPeak) {
    const auto buffer = pulse(leftEar(), -20.0, 1.0, 0.0);
    int peak = 0;
    for (std::size_t q = 44100 / 4; q <= 3 * 44100 / 4; ++q) {
        peak = std::max(peak, std::abs(static_cast<int>(frameAt(buffer, q).left)));
    }
    EXPECT_GE(peak, 3270);
    EXPECT_LE(peak, 3277);

    const auto fullScale = pulse(leftEar(), 0.0, 1.0, 0.0, 250);
    int fullPeak = 0;
    for (std::size_t q = 0; q < fullScale.size() / 4; ++q) {
        fullPeak = std::max(fullPeak, static_cast<int>(frameAt(fullScale, q).left));
    }
    EXPECT_EQ(fullPeak, 32767);
}

TEST(ToneSynthesis, EveryPulseIsIdentical) {
    const auto first = pulse(leftEar(), -37.5, 0.3, 0.2, 3000);
    const auto second = pulse(leftEar(), -37.5, 0.3, 0.2, 3000);
    EXPECT_EQ(first, second);
}

TEST(ToneSynthesis, SecondRunOffsetAddsFiveDecibels) {
    Ear offset = leftEar();
    offset.offset = kSecondRunOffsetDb;
    EXPECT_EQ(pulse(offset, -20.0, 0.5, 0.5), pulse(leftEar(), -15.0, 0.5, 0.5));
    EXPECT_NE(pulse(offset, -20.0, 0.5, 0.5), pulse(leftEar(), -20.0, 0.5, 0.5));
}

TEST(ToneSynthesis, OverRangeSamplesSaturateInsteadOfWrapping) {
    // +6 dB asks for about twice full scale in the flat half.
    const auto buffer = pulse(leftEar(), 6.0, 1.0, 0.0);
    const double omega = 1000 * 2.0 * std::numbers::pi;
    int clippedHigh = 0;
    int clippedLow = 0;
    for (std::size_t q = 0; q < 44100; ++q) {
        const int s = frameAt(buffer, q).left;
        const double ideal = std::sin(q * omega / 44100.0);
        // A wrapped sample would have the wrong sign somewhere.
        if (ideal > 0.01) {
            ASSERT_GE(s, 0) << "q = " << q;
        } else if (ideal < -0.01) {
            ASSERT_LE(s, 0) << "q = " << q;
        }
        clippedHigh += s == 32767 ? 1 : 0;
        clippedLow += s == -32768 ? 1 : 0;
    }
    EXPECT_GT(clippedHigh, 1000);
    EXPECT_GT(clippedLow, 1000);

    // Absurd levels stay silent where the envelope is 0 and never wrap.
    const auto absurd = pulse(leftEar(), 4000.0, 0.01, 0.0);
    EXPECT_EQ(frameAt(absurd, 0).left, 0);
    int extremes = 0;
    for (std::size_t q = 1; q < absurd.size() / 4; ++q) {
        const int s = frameAt(absurd, q).left;
        ASSERT_TRUE(s == 32767 || s == -32768 || s == 0) << "q = " << q << ": " << s;
        extremes += s != 0 ? 1 : 0;
    }
    EXPECT_GT(extremes, 400);
}
