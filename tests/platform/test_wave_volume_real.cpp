// The program's own wave volume on the sound server's `default` device, for
// real: the mixer layer finds it as WaveOutVolume, our ALSA wave output
// plays at it, and the null sink's monitor shows its law and the server's
// law for MasterVolume. Another program's sound and the sink volume stay as
// they are. Skips when no server answers.

#include "engine/Playback.h"
#include "hardware/MIXER_e.h"
#include "platform/PlaybackVolume.h"
#include "platform/SoundServerProbe.h"
#include "platform/alsa/AlsaMixer.h"
#include "platform/alsa/AlsaWaveOutput.h"
#include "platform/qt/QtEventPump.h"
#include "platform/sim/SimMessages.h"
#include "support/SinkRecorder.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <numbers>

using namespace tavo;
using testsupport::StereoFrame;

namespace {

constexpr const char* kNoServer =
    "no PulseAudio-compatible server answers (pactl info); scripts/test starts one";

constexpr double kRate = 44100.0;
constexpr std::size_t kCycleBlock = 441; // whole periods of 1 kHz and 1.5 kHz

// A sine on the chosen channels, `dbfs` below 32768, starting at a phase
// whose first sample is not zero (so a recording shows where it begins).
std::vector<std::uint8_t> tone(double dbfs, int ms, double hz, bool left, bool right) {
    const double amplitude = 32768.0 * std::pow(10.0, dbfs / 20.0);
    const auto frames = static_cast<std::size_t>(kRate * ms / 1000.0);
    std::vector<std::uint8_t> buffer;
    buffer.reserve(frames * 4);
    for (std::size_t n = 0; n < frames; ++n) {
        const double phase = 2.0 * std::numbers::pi * hz * static_cast<double>(n) / kRate + 1.0;
        const auto s = static_cast<std::int16_t>(std::lround(amplitude * std::sin(phase)));
        for (const bool on : {left, right}) {
            const auto u = static_cast<std::uint16_t>(on ? s : 0);
            buffer.push_back(static_cast<std::uint8_t>(u & 0xFF));
            buffer.push_back(static_cast<std::uint8_t>(u >> 8));
        }
    }
    return buffer;
}

// The level of the 1 kHz (or `hz`) component in dB re 32768, from whole
// blocks of 441 frames starting at `from`.
double levelDb(const std::vector<StereoFrame>& frames, std::size_t from, std::size_t blocks,
               bool right, double hz = 1000.0) {
    double c = 0;
    double s = 0;
    const std::size_t count = blocks * kCycleBlock;
    for (std::size_t k = 0; k < count; ++k) {
        const double x = right ? frames[from + k].right : frames[from + k].left;
        const double phase = 2.0 * std::numbers::pi * hz * static_cast<double>(k) / kRate;
        c += x * std::cos(phase);
        s += x * std::sin(phase);
    }
    const double amplitude = 2.0 * std::hypot(c, s) / static_cast<double>(count);
    return 20.0 * std::log10(amplitude / 32768.0);
}

// The level of a steady tone as the median of five windows of 40 ms in a row:
// a frame the recorder repeats or drops now and then shifts the phase of
// what follows and so lowers the level of the one window it falls in.
double steadyLevelDb(const std::vector<StereoFrame>& frames, std::size_t from, bool right) {
    std::vector<double> levels;
    for (std::size_t w = 0; w < 5; ++w) {
        levels.push_back(levelDb(frames, from + w * 4 * kCycleBlock, 4, right));
    }
    std::sort(levels.begin(), levels.end());
    return levels[2];
}

// Every 16-bit value once, rising on the left and falling on the right.
std::vector<std::uint8_t> everySample() {
    std::vector<std::uint8_t> buffer;
    for (int s = -32768; s <= 32767; ++s) {
        for (const int v : {s, -1 - s}) {
            const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
            buffer.push_back(static_cast<std::uint8_t>(u & 0xFF));
            buffer.push_back(static_cast<std::uint8_t>(u >> 8));
        }
    }
    return buffer;
}

struct Segment {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t size() const { return end - begin; }
};

// Runs of sound on one channel, apart where it is silent for `gap` frames.
std::vector<Segment> segments(const std::vector<StereoFrame>& frames, bool right,
                              std::size_t gap = 2000) {
    std::vector<Segment> found;
    std::size_t silent = gap;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const int v = right ? frames[i].right : frames[i].left;
        if (v == 0) {
            ++silent;
            continue;
        }
        if (silent >= gap) {
            found.push_back({i, i + 1});
        }
        found.back().end = i + 1;
        silent = 0;
    }
    return found;
}

// The program's sound hardware on the server's `default`: the mixer layer
// on mixer device 0 and the wave output on wave device 0, sharing one
// playback volume as the program's platform does.
class ProgramWaveVolume : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::soundServerAnswers()) {
            GTEST_SKIP() << kNoServer;
        }
        // A sink muted or turned down by someone else would falsify every level.
        ASSERT_TRUE(testsupport::setSinkMute(false));
        ASSERT_TRUE(testsupport::setSinkVolume(QStringLiteral("100%")));
        mixer.CountMixerDevices();
        ASSERT_GE(mixer.MixerDeviceCount, 1u);
        mixer.OpenMixerDevice(0);
        ASSERT_TRUE(mixer.deviceOpen()) << messages.texts().join(QLatin1Char('|')).toStdString();
        ASSERT_EQ(service.controlName(0), "default");
        ASSERT_TRUE(mixer.WaveOutVolume.Present) << "no wave volume on `default`";
        ASSERT_TRUE(mixer.MasterVolume.Present);
    }

    void TearDown() override {
        if (output.isOpen()) {
            output.closeRun();
        }
    }

    bool setWaveSteps(std::int64_t left, std::int64_t right) {
        return !mixer.SetUnsignedLevel(mixer.WaveOutVolume, 257 * left, 257 * right);
    }
    bool setMaster(std::int64_t raw) {
        return !mixer.SetUnsignedLevel(mixer.MasterVolume, raw, raw);
    }

    // Plays one buffer on the open run and waits until it has been heard.
    void play(const engine::ToneBuffer& buffer) {
        if (!output.isOpen()) {
            ASSERT_EQ(output.openForRun(0), platform::WaveResult::Ok);
        }
        ASSERT_EQ(output.startPulse(buffer), platform::WaveResult::Ok);
        const auto waited = output.waitForPulse(nullptr);
        output.releasePulse();
        ASSERT_EQ(waited, engine::BufferWait::Done);
    }

    testsupport::SinkRestorer restore;
    std::shared_ptr<platform::PlaybackVolume> volume = std::make_shared<platform::PlaybackVolume>();
    platform::AlsaMixerService service{volume};
    platform::SimMessages messages;
    hardware::MIXER_e mixer{service, messages};
    platform::QtEventPump pump;
    platform::AlsaWaveOutput wave{volume};
    engine::ToneOutput output{wave, pump};
};

} // namespace

TEST_F(ProgramWaveVolume, MixerLayerFindsTheWaveVolumeOfTheDefaultDevice) {
    const auto& w = mixer.WaveOutVolume;
    EXPECT_TRUE(w.Active);
    EXPECT_FALSE(w.Uniform);
    EXPECT_EQ(w.Channels, 2u);
    EXPECT_EQ(w.Minimum, 0);
    EXPECT_EQ(w.Maximum, 65535);
    EXPECT_EQ(w.Steps, 255u);
    EXPECT_EQ(w.StepUnit(), 257);
    EXPECT_EQ(mixer.MixerCaps.DestinationCount, 2);
    EXPECT_TRUE(mixer.MixerListing.contains(QStringLiteral("Name : Wave Playback Volume")));

    // It reads and writes the shared volume, both channels apart.
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    EXPECT_FALSE(mixer.GetUnsignedLevel(mixer.WaveOutVolume, left, right));
    EXPECT_EQ(left, 65535u);
    EXPECT_EQ(right, 65535u);
    ASSERT_TRUE(setWaveSteps(135, 55));
    EXPECT_EQ(volume->get(), (platform::PlaybackVolume::Levels{257 * 135, 257 * 55}));
    volume->set(1000, 2000);
    EXPECT_FALSE(mixer.GetUnsignedLevel(mixer.WaveOutVolume, left, right));
    EXPECT_EQ(left, 1000u);
    EXPECT_EQ(right, 2000u);
    // Above the maximum: the maximum.
    EXPECT_FALSE(mixer.SetUnsignedLevel(mixer.WaveOutVolume, 70000, 70000));
    EXPECT_EQ(volume->get(), (platform::PlaybackVolume::Levels{65535, 65535}));
    EXPECT_EQ(testsupport::sinkVolumes(), (std::vector<std::uint32_t>{65536, 65536}));
}

TEST_F(ProgramWaveVolume, RecordedLevelsFollowTheWaveAndTheServerLaws) {
    struct Setting {
        int waveStep;
        std::uint32_t master;
    };
    // Wave steps alone, the sink's volume alone, and both; every tone stays
    // well above the last bit (the lowest at -70 dBFS).
    const std::vector<Setting> settings{
        {255, 65536}, {215, 65536}, {135, 65536}, {55, 65536},  {255, 49152},
        {255, 32768}, {255, 16384}, {175, 32768}, {235, 49152},
    };
    const auto buffer = tone(-20.0, 400, 1000.0, true, true);

    testsupport::SinkRecorder recorder;
    ASSERT_TRUE(recorder.start()) << recorder.lastError().toStdString();
    for (const auto& s : settings) {
        ASSERT_TRUE(setWaveSteps(s.waveStep, s.waveStep)) << mixer.MixerStatusText.toStdString();
        ASSERT_TRUE(setMaster(s.master)) << mixer.MixerStatusText.toStdString();
        // The Master element is the sink's volume, raw for raw.
        ASSERT_EQ(testsupport::sinkVolumes(), (std::vector<std::uint32_t>{s.master, s.master}));
        ASSERT_NO_FATAL_FAILURE(play(buffer));
        pump.wait(150); // a gap that tells the tones apart
    }
    output.closeRun();
    QThread::msleep(300);
    const auto recorded = recorder.stop();
    ASSERT_FALSE(recorded.empty()) << recorder.lastError().toStdString();

    const auto tones = segments(recorded, false);
    ASSERT_EQ(tones.size(), settings.size());
    for (std::size_t i = 0; i < settings.size(); ++i) {
        const auto& s = settings[i];
        const double waveDb = -(255.0 - s.waveStep) / 4.0;
        const double masterDb = 60.0 * std::log10(s.master / 65536.0); // the server's cubic law
        const double expected = -20.0 + waveDb + masterDb;
        // The steady middle: 200 ms around the centre.
        const auto& t = tones[i];
        ASSERT_GE(t.size(), 16000u);
        const std::size_t from = t.begin + t.size() / 2 - 10 * kCycleBlock;
        const double left = steadyLevelDb(recorded, from, false);
        const double right = steadyLevelDb(recorded, from, true);
        std::cout << "wave step " << s.waveStep << " master " << s.master << ": expected "
                  << expected << " dBFS, recorded " << left << " / " << right << " dBFS (deviation "
                  << left - expected << " / " << right - expected << " dB)\n";
        EXPECT_NEAR(left, expected, 0.1) << "wave step " << s.waveStep << ", master " << s.master;
        EXPECT_NEAR(right, expected, 0.1) << "wave step " << s.waveStep << ", master " << s.master;
    }
}

TEST_F(ProgramWaveVolume, AChangeBetweenBuffersActsFromTheFirstSampleOfTheNext) {
    const auto first = everySample();
    const auto second = tone(-20.0, 300, 1000.0, true, true);

    testsupport::SinkRecorder recorder;
    ASSERT_TRUE(recorder.start()) << recorder.lastError().toStdString();
    ASSERT_TRUE(setMaster(65536));
    ASSERT_TRUE(setWaveSteps(255, 255));
    ASSERT_NO_FATAL_FAILURE(play(first));
    // Straight after the first has been heard, as between a test's pulses:
    // -20 dB on the left, -10 dB on the right.
    ASSERT_TRUE(setWaveSteps(175, 215));
    ASSERT_NO_FATAL_FAILURE(play(second));
    output.closeRun();
    QThread::msleep(300);
    const auto recorded = recorder.stop();
    ASSERT_FALSE(recorded.empty()) << recorder.lastError().toStdString();

    const auto played1 = testsupport::bufferFrames(first);
    const auto played2 = testsupport::bufferFrames(second);
    std::size_t r0 = 0;
    while (r0 < recorded.size() && recorded[r0].left == 0) {
        ++r0;
    }
    ASSERT_LE(r0 + played1.size(), recorded.size()) << "the first buffer was not recorded";
    // At unity on the wave and the sink volume: the very samples, every
    // 16-bit value.
    std::size_t changed = 0;
    for (std::size_t k = 0; k < played1.size(); ++k) {
        changed += recorded[r0 + k] == played1[k] ? 0 : 1;
    }
    EXPECT_EQ(changed, 0u) << "the first buffer is not bit-exact";

    // The second starts with the first sound after the first buffer.
    std::size_t r1 = r0 + played1.size();
    while (r1 < recorded.size() && recorded[r1].left == 0) {
        ++r1;
    }
    ASSERT_LE(r1 + played2.size(), recorded.size()) << "the second buffer was not recorded";
    const double left = std::pow(10.0, -20.0 / 20.0);
    const double right = std::pow(10.0, -10.0 / 20.0);
    std::size_t off = 0;
    std::size_t firstOff = played2.size();
    for (std::size_t k = 0; k < played2.size(); ++k) {
        const bool near = std::abs(recorded[r1 + k].left - played2[k].left * left) <= 1.0 &&
                          std::abs(recorded[r1 + k].right - played2[k].right * right) <= 1.0;
        if (!near) {
            ++off;
            firstOff = std::min(firstOff, k);
        }
    }
    EXPECT_EQ(off, 0u) << "first frame off the new level: " << firstOff;
    // Silent between the two and after the second.
    for (std::size_t k = r0 + played1.size(); k < r1; ++k) {
        ASSERT_EQ(recorded[k].right, 0) << k;
    }
    for (std::size_t k = r1 + played2.size(); k < recorded.size(); ++k) {
        ASSERT_EQ(recorded[k], (StereoFrame{0, 0})) << k;
    }
}

TEST_F(ProgramWaveVolume, ALoopingToneTakesAChangeWithinTheRingBuffersLatency) {
    // As while calibrating: the tone repeats while the volume is moved.
    const auto buffer = tone(-20.0, 200, 1000.0, true, true);
    testsupport::SinkRecorder recorder;
    ASSERT_TRUE(recorder.start()) << recorder.lastError().toStdString();
    QElapsedTimer clock;
    ASSERT_EQ(output.PreparePlay(0, buffer, -1), platform::WaveResult::Ok);
    clock.start();
    ASSERT_EQ(output.WriteHeader(), platform::WaveResult::Ok);
    pump.wait(700);
    const auto changedAtMs = clock.elapsed();
    ASSERT_TRUE(setWaveSteps(175, 175)); // -20 dB
    pump.wait(700);
    output.FinishPlay();
    QThread::msleep(300);
    const auto recorded = recorder.stop();
    ASSERT_FALSE(recorded.empty()) << recorder.lastError().toStdString();

    const auto played = testsupport::bufferFrames(buffer);
    const auto heard = segments(recorded, false);
    ASSERT_EQ(heard.size(), 1u);
    const std::size_t r0 = heard[0].begin;
    // Bit-exact up to one frame, within a sample of the new level from there.
    std::size_t change = r0;
    while (change < heard[0].end && recorded[change] == played[(change - r0) % played.size()]) {
        ++change;
    }
    ASSERT_LT(change, heard[0].end) << "the level never changed";
    std::size_t off = 0;
    for (std::size_t k = change; k < heard[0].end; ++k) {
        const auto& p = played[(k - r0) % played.size()];
        off += std::abs(recorded[k].left - p.left * 0.1) <= 1.0 &&
                       std::abs(recorded[k].right - p.right * 0.1) <= 1.0
                   ? 0
                   : 1;
    }
    EXPECT_EQ(off, 0u);
    // No later than the looping tone's ring buffer (200 ms) and a little for
    // the server after it was set (the recorder, with its long latency, does
    // not drive the sink faster than a desktop would).
    const double lagMs =
        static_cast<double>(change - r0) * 1000.0 / kRate - static_cast<double>(changedAtMs);
    std::cout << "change heard " << lagMs << " ms after it was made\n";
    EXPECT_GT(lagMs, -20.0);
    EXPECT_LT(lagMs, 250.0);
}

TEST_F(ProgramWaveVolume, LeavesTheSinkAndOtherProgramsAlone) {
    // Another program plays 1.5 kHz on the right throughout; we play 1 kHz
    // on the left, at unity and then 30 dB down.
    const auto theirs = tone(-26.0, 2500, 1500.0, false, true);
    const auto ours = tone(-20.0, 500, 1000.0, true, false);

    testsupport::SinkRecorder recorder;
    ASSERT_TRUE(recorder.start()) << recorder.lastError().toStdString();
    QProcess other;
    other.start(QStringLiteral("pacat"),
                {QStringLiteral("--playback"), QStringLiteral("--raw"),
                 QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                 QStringLiteral("--channels=2")});
    ASSERT_TRUE(other.waitForStarted(3000));
    other.write(reinterpret_cast<const char*>(theirs.data()), static_cast<qint64>(theirs.size()));
    other.closeWriteChannel();
    pump.wait(300);

    ASSERT_NO_FATAL_FAILURE(play(ours));
    for (const int step : {1, 255, 135}) {
        ASSERT_TRUE(setWaveSteps(step, step));
        EXPECT_EQ(testsupport::sinkVolumes(), (std::vector<std::uint32_t>{65536, 65536}))
            << "step " << step;
    }
    pump.wait(150);
    ASSERT_NO_FATAL_FAILURE(play(ours));
    output.closeRun();
    ASSERT_TRUE(other.waitForFinished(5000));
    ASSERT_EQ(other.exitCode(), 0) << other.readAllStandardError().toStdString();
    QThread::msleep(300);
    const auto recorded = recorder.stop();
    ASSERT_FALSE(recorded.empty()) << recorder.lastError().toStdString();

    // Our two tones, 30 dB apart.
    const auto tones = segments(recorded, false);
    ASSERT_EQ(tones.size(), 2u);
    const auto middle = [](const Segment& t) {
        return t.begin + t.size() / 2 - 10 * kCycleBlock;
    };
    const double loud = levelDb(recorded, middle(tones[0]), 20, false);
    const double soft = levelDb(recorded, middle(tones[1]), 20, false);
    EXPECT_NEAR(loud, -20.0, 0.05);
    EXPECT_NEAR(soft - loud, -30.0, 0.1);

    // Theirs arrives sample for sample, while ours is loud and while it is soft.
    const auto played = testsupport::bufferFrames(theirs);
    const auto heard = segments(recorded, true);
    ASSERT_EQ(heard.size(), 1u);
    ASSERT_LE(heard[0].begin + played.size(), recorded.size());
    ASSERT_LT(heard[0].begin, tones[0].begin);
    ASSERT_GT(heard[0].end, tones[1].end);
    std::size_t changed = 0;
    for (std::size_t k = 0; k < played.size(); ++k) {
        changed += recorded[heard[0].begin + k].right == played[k].right ? 0 : 1;
    }
    EXPECT_EQ(changed, 0u);
    EXPECT_NEAR(levelDb(recorded, middle(tones[1]), 20, true, 1500.0), -26.0, 0.05);
}
