// The ALSA wave output for real: a PulseAudio server with a null sink plays
// what we write, and its monitor is recorded and compared frame by frame.

#include "engine/AppState.h"
#include "engine/Playback.h"
#include "platform/alsa/AlsaWaveOutput.h"
#include "platform/qt/QtEventPump.h"
#include "support/SinkRecorder.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

using namespace tavo;
using testsupport::StereoFrame;

namespace {

class AlsaPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::SinkRecorder::serverAnswers()) {
            GTEST_SKIP() << "No PulseAudio server answers (scripts/test starts one); "
                            "the real audio path cannot be tested here.";
        }
    }
    platform::QtEventPump pump;
    platform::AlsaWaveOutput wave;
};

engine::ToneBuffer leftOrRight(int ear, double level, double pulse, double gap) {
    engine::ToneBuffer buffer;
    engine::CreateSound(engine::ChannelGains::forEar(ear), 0.0, 1000, buffer, level, pulse, gap);
    return buffer;
}

std::size_t firstNonZero(const std::vector<StereoFrame>& frames) {
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].left != 0 || frames[i].right != 0) {
            return i;
        }
    }
    return frames.size();
}

} // namespace

TEST_F(AlsaPlayback, ListsTheDefaultDeviceFirstAndTheSoundServer) {
    ASSERT_GE(wave.deviceCount(), 2);
    EXPECT_EQ(wave.pcmName(0), "default");
    bool server = false;
    for (int device = 0; device < wave.deviceCount(); ++device) {
        platform::WaveOutCaps caps{};
        ASSERT_EQ(wave.deviceCaps(device, caps), platform::WaveResult::Ok);
        EXPECT_LE(QString::fromStdString(caps.productName).size(), 31);
        EXPECT_NE(caps.driverVersion, 0u);
        server = server || wave.pcmName(device) == "pulse";
    }
    EXPECT_TRUE(server);
    platform::WaveOutCaps caps{};
    EXPECT_EQ(wave.deviceCaps(wave.deviceCount(), caps), platform::WaveResult::BadDeviceId);
}

TEST_F(AlsaPlayback, PlayedPulseArrivesUnchangedOnItsChannelOnly) {
    for (const int ear : {engine::kLeftEar, engine::kRightEar}) {
        SCOPED_TRACE(ear == engine::kLeftEar ? "left ear" : "right ear");
        const auto buffer = leftOrRight(ear, -20.0, 0.5, 0.2);
        testsupport::SinkRecorder recorder;
        ASSERT_TRUE(recorder.start()) << recorder.lastError().toStdString();

        engine::ToneOutput output(wave, pump);
        ASSERT_EQ(output.openForRun(0), platform::WaveResult::Ok);
        ASSERT_EQ(output.startPulse(buffer), platform::WaveResult::Ok);
        QElapsedTimer timer;
        timer.start();
        const auto waited = output.waitForPulse(nullptr);
        const auto elapsed = timer.elapsed();
        output.releasePulse();
        output.closeRun();
        ASSERT_EQ(waited, engine::BufferWait::Done);
        // Done means played: not before the buffer's 700 ms, not much later.
        EXPECT_GE(elapsed, 650);
        EXPECT_LE(elapsed, 1500);

        QThread::msleep(300);
        const auto recorded = recorder.stop();
        ASSERT_FALSE(recorded.empty()) << recorder.lastError().toStdString();
        const auto played = testsupport::bufferFrames(buffer);

        const std::size_t r0 = firstNonZero(recorded);
        const std::size_t p0 = firstNonZero(played);
        ASSERT_LT(r0, recorded.size()) << "nothing was recorded";
        const std::size_t toneFrames = 22050;
        ASSERT_LE(r0 + (toneFrames - p0), recorded.size()) << "the tone was cut short";
        std::size_t mismatches = 0;
        for (std::size_t k = 0; p0 + k < toneFrames; ++k) {
            mismatches += recorded[r0 + k] == played[p0 + k] ? 0 : 1;
        }
        EXPECT_EQ(mismatches, 0u);

        int peak = 0;
        for (const auto& frame : recorded) {
            const int mine = ear == engine::kLeftEar ? frame.left : frame.right;
            const int other = ear == engine::kLeftEar ? frame.right : frame.left;
            ASSERT_EQ(other, 0) << "tone on the other channel";
            peak = std::max(peak, std::abs(mine));
        }
        EXPECT_GE(peak, 3270); // -20 dBFS
        EXPECT_LE(peak, 3277);
    }
}

TEST_F(AlsaPlayback, LoopingToneRepeatsUntilResetAndStopsPromptly) {
    const auto buffer = leftOrRight(engine::kLeftEar, -30.0, 0.2, 0.0);
    testsupport::SinkRecorder recorder;
    ASSERT_TRUE(recorder.start()) << recorder.lastError().toStdString();
    engine::ToneOutput output(wave, pump);
    ASSERT_EQ(output.PreparePlay(0, buffer, -1), platform::WaveResult::Ok);
    ASSERT_EQ(output.WriteHeader(), platform::WaveResult::Ok);
    pump.wait(1000);
    EXPECT_FALSE(output.header().done());
    QElapsedTimer timer;
    timer.start();
    output.FinishPlay();
    EXPECT_LT(timer.elapsed(), 300);
    EXPECT_FALSE(wave.isOpen());
    QThread::msleep(300);
    const auto recorded = recorder.stop();

    // The 200 ms pulse repeats without a gap, sample for sample, for the
    // second it was left playing.
    const auto played = testsupport::bufferFrames(buffer);
    const std::size_t r0 = firstNonZero(recorded);
    const std::size_t p0 = firstNonZero(played);
    ASSERT_LT(r0, recorded.size()) << "nothing was recorded";
    std::size_t last = recorded.size();
    while (last > r0 && recorded[last - 1].left == 0) {
        --last;
    }
    const double seconds = static_cast<double>(last - r0) / 44100.0;
    EXPECT_GT(seconds, 0.8);
    EXPECT_LT(seconds, 1.4);
    std::size_t mismatches = 0;
    for (std::size_t k = 0; k < 3 * played.size(); ++k) {
        mismatches += recorded[r0 + k] == played[(p0 + k) % played.size()] ? 0 : 1;
    }
    EXPECT_EQ(mismatches, 0u);
}

TEST_F(AlsaPlayback, ChannelRulesHold) {
    const auto format = engine::makeWaveFormat();
    ASSERT_EQ(wave.open(0, format), platform::WaveResult::Ok);
    EXPECT_EQ(wave.open(0, format), platform::WaveResult::Allocated);
    platform::WaveHeader header;
    const auto buffer = leftOrRight(engine::kLeftEar, -40.0, 0.3, 0.0);
    header.data = buffer.data();
    header.bufferLength = static_cast<std::uint32_t>(buffer.size());
    EXPECT_EQ(wave.write(header), platform::WaveResult::Unprepared);
    ASSERT_EQ(wave.prepareHeader(header), platform::WaveResult::Ok);
    ASSERT_EQ(wave.write(header), platform::WaveResult::Ok);
    EXPECT_EQ(wave.unprepareHeader(header), platform::WaveResult::StillPlaying);
    EXPECT_EQ(wave.close(), platform::WaveResult::StillPlaying);
    EXPECT_EQ(wave.reset(), platform::WaveResult::Ok);
    EXPECT_TRUE(header.done());
    EXPECT_EQ(wave.unprepareHeader(header), platform::WaveResult::Ok);
    EXPECT_EQ(wave.close(), platform::WaveResult::Ok);

    auto mono = format;
    mono.channels = 1;
    mono.blockAlign = 2;
    EXPECT_EQ(wave.open(0, mono), platform::WaveResult::BadFormat);
    EXPECT_EQ(wave.open(99, format), platform::WaveResult::BadDeviceId);
}

// A run of pulses as the test plays them, one buffer each, the next written
// when the device says the last has been played: on the sink every pulse
// arrives once, in order, sample for sample, each after the whole of the
// one before (the stream runs on between them, so no pulse is cut or
// doubled by a restart).
TEST_F(AlsaPlayback, PulsesOfARunArriveOnceInOrderAndUnchanged) {
    constexpr int kPulses = 8;
    std::vector<engine::ToneBuffer> buffers;
    for (int i = 0; i < kPulses; ++i) {
        // Each pulse a decibel louder than the one before: its own samples.
        buffers.push_back(leftOrRight(engine::kLeftEar, -30.0 + i, 0.1, 0.1));
    }
    testsupport::SinkRecorder recorder;
    ASSERT_TRUE(recorder.start()) << recorder.lastError().toStdString();
    engine::ToneOutput output(wave, pump);
    ASSERT_EQ(output.openForRun(0), platform::WaveResult::Ok);
    for (const auto& buffer : buffers) {
        ASSERT_EQ(output.startPulse(buffer), platform::WaveResult::Ok);
        ASSERT_EQ(output.waitForPulse(nullptr), engine::BufferWait::Done);
        output.releasePulse();
    }
    output.closeRun();
    QThread::msleep(300);
    const auto recorded = recorder.stop();
    ASSERT_FALSE(recorded.empty()) << recorder.lastError().toStdString();

    // The pulses' starts: the first non-zero frame after the gap's silence.
    const auto played0 = testsupport::bufferFrames(buffers[0]);
    const std::size_t toneFrames = 4410;
    std::vector<std::size_t> starts;
    std::size_t quiet = toneFrames;
    for (std::size_t k = 0; k < recorded.size(); ++k) {
        if (recorded[k].left != 0) {
            if (quiet >= toneFrames / 2) {
                starts.push_back(k);
            }
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    ASSERT_EQ(starts.size(), static_cast<std::size_t>(kPulses)) << "a pulse lost or doubled";
    for (int i = 0; i < kPulses; ++i) {
        SCOPED_TRACE(i);
        const auto played = testsupport::bufferFrames(buffers[static_cast<std::size_t>(i)]);
        const std::size_t p0 = firstNonZero(played);
        ASSERT_LE(starts[static_cast<std::size_t>(i)] + (toneFrames - p0), recorded.size());
        std::size_t mismatches = 0;
        for (std::size_t k = 0; p0 + k < toneFrames; ++k) {
            mismatches +=
                recorded[starts[static_cast<std::size_t>(i)] + k] == played[p0 + k] ? 0 : 1;
        }
        EXPECT_EQ(mismatches, 0u) << "not this pulse's samples";
        if (i > 0) {
            // After the whole of the one before, and without a stall.
            const auto apart =
                starts[static_cast<std::size_t>(i)] - starts[static_cast<std::size_t>(i - 1)];
            EXPECT_GE(apart, played0.size());
            EXPECT_LT(apart, played0.size() + 22050);
        }
    }
}
