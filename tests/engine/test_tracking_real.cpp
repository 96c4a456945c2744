// A short hearing test for real: the tones go through ALSA into the
// PulseAudio server's null sink, and the listener answers only from what
// the sink's monitor records, never from what the procedure says it plays.
// So the level law, the channel of each ear, the mixer and endpoint volumes,
// "done means played" and the button polling are all checked together.
// Skips when no sound server answers.

#include "TrackingRig.h"
#include "engine/AppState.h"
#include "engine/PulseObserver.h"
#include "engine/TestServices.h"
#include "engine/TestWindowView.h"
#include "engine/TrackingTest.h"
#include "hardware/MIXER_e.h"
#include "hardware/TestVolumes.h"
#include "platform/SoundServerProbe.h"
#include "platform/alsa/AlsaMixer.h"
#include "platform/alsa/AlsaWaveOutput.h"
#include "platform/pulse/PulseEndpointVolume.h"
#include "platform/qt/QtEventPump.h"
#include "platform/sim/SimMessages.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <vector>

using namespace tavo;

namespace {

constexpr const char* kNoServer =
    "no PulseAudio-compatible server answers (pactl info); scripts/test starts one";

constexpr double kPulseSeconds = 0.2;
constexpr double kGapSeconds = 0.2;
constexpr int kStartDbHl = 10;
constexpr int kStepDb = 5;
// With Reference 0 a tone of L dB HL peaks at L - 100 dBFS. The listener's
// threshold lies between two levels the run can play (25 and 30 dB HL from
// a start of 10 in 5 dB steps), so no pulse is a matter of rounding.
constexpr double kHearingDbfs = -72.5;
constexpr double kHearingDbHl = kHearingDbfs + 100.0;
// How long the button stays down after the sound has gone, in recorded
// frames; shorter than the gap, so a press never runs into the next pulse.
constexpr int kHoldFrames = 44100 / 10;

struct TestedCell {
    int slot;
    std::int32_t frequency;
};
constexpr std::array<TestedCell, 2> kCells{{{5, 1000}, {9, 4000}}};

// Two frequencies, short pulses on the CTRL key; the decimal fields are
// written with the locale's separator, as the dialog writes them.
storage::Settings shortRunSettings() {
    storage::Settings settings = storage::designSettings();
    settings.testFrequency.fill(false);
    for (const auto& cell : kCells) {
        settings.testFrequency[static_cast<std::size_t>(cell.slot)] = true;
    }
    settings.pulseDuration = QLocale().toString(kPulseSeconds);
    settings.pauseDuration = QLocale().toString(kGapSeconds);
    settings.levelStep = QString::number(kStepDb);
    settings.levelStart = QString::number(kStartDbHl);
    settings.maxTestTime = QStringLiteral("10");
    settings.minReversals = QStringLiteral("4");
    settings.trialRun = false;
    settings.leftEarFirst = true;
    settings.joystick = false;
    settings.waveOutDevice = 0;
    return settings;
}

// The simulated listener: records the default sink's monitor and holds the
// response button while the channel of the ear under test carries sound at
// or above the hearing threshold, and for a short while after.
class MonitorListener {
public:
    explicit MonitorListener(engine::TrackingTest& test) : test_(test) {
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, &process_,
                         [this] { take(); });
    }
    ~MonitorListener() { stop(); }
    MonitorListener(const MonitorListener&) = delete;
    MonitorListener& operator=(const MonitorListener&) = delete;

    // Starts recording and waits until the monitor delivers; the null sink
    // keeps producing silence, so a connected stream always has data.
    bool start(platform::EventPump& pump, QString& error) {
        process_.start(QStringLiteral("parec"),
                       {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                        QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=20")});
        if (!process_.waitForStarted(5000)) {
            error = QStringLiteral("parec does not start: ") + process_.errorString();
            return false;
        }
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 300 || (frames_ == 0 && waited.elapsed() < 3000)) {
            pump.wait(20);
        }
        if (frames_ == 0 || process_.state() != QProcess::Running) {
            error = QStringLiteral("the sink's monitor delivers nothing: ") +
                    QString::fromUtf8(process_.readAllStandardError());
            return false;
        }
        return true;
    }

    void stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(2000)) {
                process_.kill();
                process_.waitForFinished(2000);
            }
        }
    }

    // The largest sample recorded on a channel (0 left, 1 right) while an
    // ear (0 left, 1 right) was under test.
    int peak(int testedEar, int channel) const {
        return peaks_[static_cast<std::size_t>(testedEar)][static_cast<std::size_t>(channel)];
    }

    static int thresholdSample() {
        return static_cast<int>(std::ceil(32767.0 * std::pow(10.0, kHearingDbfs / 20.0)));
    }

private:
    void take() {
        pending_ += process_.readAllStandardOutput();
        const int ear = test_.runState().CurrentEar == engine::kRightEar ? 1 : 0;
        auto& peaks = peaks_[static_cast<std::size_t>(ear)];
        const qsizetype whole = pending_.size() / 4 * 4;
        const char* data = pending_.constData();
        for (qsizetype i = 0; i < whole; i += 4) {
            const std::array<int, 2> sample{std::abs(int{qFromLittleEndian<qint16>(data + i)}),
                                            std::abs(int{qFromLittleEndian<qint16>(data + i + 2)})};
            peaks[0] = std::max(peaks[0], sample[0]);
            peaks[1] = std::max(peaks[1], sample[1]);
            quietFrames_ =
                sample[static_cast<std::size_t>(ear)] >= thresholdSample() ? 0 : quietFrames_ + 1;
        }
        frames_ += whole / 4;
        pending_.remove(0, whole);
        test_.responseButton().setPressed(quietFrames_ < kHoldFrames);
    }

    engine::TrackingTest& test_;
    QProcess process_;
    QByteArray pending_;
    std::int64_t frames_ = 0;
    std::int64_t quietFrames_ = kHoldFrames;
    std::array<std::array<int, 2>, 2> peaks_{};
};

// What the procedure says it played, for checking the answers against.
class PlayedPulses final : public engine::PulseObserver {
public:
    struct Entry {
        int ear;
        std::int32_t frequency;
        double dbHl;
        bool pressed;
    };
    void pulseFinished(const engine::PulseInfo& pulse, bool pressed) override {
        entries.push_back({pulse.ear, pulse.frequency, pulse.level + 100.0, pressed});
    }
    std::string describe() const {
        std::ostringstream out;
        for (const auto& e : entries) {
            out << (e.ear == engine::kLeftEar ? "L " : "R ") << e.frequency << " Hz " << e.dbHl
                << " dB HL " << (e.pressed ? "pressed" : "-") << '\n';
        }
        return out.str();
    }
    std::vector<Entry> entries;
};

} // namespace

TEST(RealHearingTest, ListenerAnsweringFromTheSinkMonitorGetsThresholdsOnBothEars) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    testsupport::SinkRestorer restore;
    // A sink muted by someone else would leave the monitor silent.
    ASSERT_TRUE(testsupport::setSinkMute(false));

    engine::AppState state;
    for (auto& ear : state.Calibration) {
        for (auto& point : ear) {
            // Endpoint at 100 %: the monitor records the samples unchanged.
            point = engine::TCalibrationPoint{500, 1000, 0, 0, 0.0};
        }
    }
    state.CalibrationLoaded = true;
    state.UseEndpointVolume = true;

    platform::SimMessages messages;
    platform::AlsaMixerService mixerService;
    hardware::MIXER_e mixer(mixerService, messages);
    mixer.CountMixerDevices();
    ASSERT_GE(mixer.MixerDeviceCount, 1u);
    mixer.OpenMixerDevice(0);
    ASSERT_TRUE(mixer.deviceOpen()) << messages.texts().join(QLatin1Char('|')).toStdString();
    platform::PulseEndpointVolumeService endpoints;
    const auto endpoint = endpoints.activateDefault();
    ASSERT_NE(endpoint, nullptr);
    hardware::MixerTestSoundCard soundCard(state, mixer, endpoint.get());

    const storage::Settings settings = shortRunSettings();
    platform::QtEventPump pump;
    platform::AlsaWaveOutput wave;
    testsupport::RecordingTestWindow window;
    testsupport::RecordingTestHost host;
    engine::TrackingTest test(
        {state, settings, pump, messages, wave, nullptr, window, host, soundCard, {}});
    PlayedPulses log;
    test.addObserver(&log);

    MonitorListener listener(test);
    QString error;
    ASSERT_TRUE(listener.start(pump, error)) << error.toStdString();

    engine::FrequencyEnable enable{};
    for (auto& ear : enable) {
        for (const auto& cell : kCells) {
            ear[static_cast<std::size_t>(cell.slot)] = true;
        }
    }
    engine::TTestResult result;
    engine::clearResult(result);
    messages.clear();

    QElapsedTimer timer;
    timer.start();
    const bool cancelled = test.RunTest(result, enable);
    const auto elapsedMs = timer.elapsed();
    listener.stop();

    ASSERT_FALSE(cancelled) << messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(test.deviceFailed());
    EXPECT_EQ(messages.texts().join(QLatin1Char('|')).toStdString(),
              engine::TrackingTest::shown(engine::TrackingTest::kPrepareTest).toStdString());
    EXPECT_TRUE(state.Record.ResultsValid);
    EXPECT_FALSE(window.visible);
    EXPECT_EQ(window.traces, 4);

    // Every tested cell has a threshold near the listener's.
    for (int ear = 0; ear < engine::kEars; ++ear) {
        for (const auto& cell : kCells) {
            SCOPED_TRACE(testing::Message() << (ear == engine::kLeftEar ? "left " : "right ")
                                            << cell.frequency << " Hz");
            const auto e = static_cast<std::size_t>(ear);
            const auto index = static_cast<std::size_t>(cell.slot - 1);
            const auto& list = result.Reversals[e][index];
            EXPECT_GE(list.Count, 2) << log.describe();
            EXPECT_NEAR(result.Thresholds[e][index], kHearingDbHl, 10.0) << log.describe();
            std::cout << (ear == engine::kLeftEar ? "left  " : "right ") << cell.frequency
                      << " Hz: threshold " << result.Thresholds[e][index] << " dB HL from "
                      << list.Count << " reversals\n";
        }
    }
    // The cells not tested keep "no result".
    for (int ear = 0; ear < engine::kEars; ++ear) {
        for (int slot = 1; slot <= 11; ++slot) {
            if (slot != kCells[0].slot && slot != kCells[1].slot) {
                EXPECT_EQ(result.Thresholds[static_cast<std::size_t>(ear)]
                                           [static_cast<std::size_t>(slot - 1)],
                          engine::kNoThreshold);
            }
        }
    }

    // Each answer belongs to the pulse it was given for: heard exactly when
    // the pulse was at or above the threshold. An answer arriving late, a
    // wrong level or a tone on the wrong channel shows up here.
    ASSERT_FALSE(log.entries.empty());
    int wrongAnswers = 0;
    std::vector<std::pair<int, std::int32_t>> order;
    for (const auto& e : log.entries) {
        wrongAnswers += e.pressed == (e.dbHl >= kHearingDbHl) ? 0 : 1;
        if (order.empty() || order.back() != std::pair{e.ear, e.frequency}) {
            order.emplace_back(e.ear, e.frequency);
        }
    }
    EXPECT_EQ(wrongAnswers, 0) << log.describe();
    const std::vector<std::pair<int, std::int32_t>> leftFirst{{engine::kLeftEar, 1000},
                                                              {engine::kLeftEar, 4000},
                                                              {engine::kRightEar, 1000},
                                                              {engine::kRightEar, 4000}};
    EXPECT_EQ(order, leftFirst);

    // The tone reached only the tested ear's channel.
    for (int ear = 0; ear < engine::kEars; ++ear) {
        SCOPED_TRACE(ear == engine::kLeftEar ? "left ear tested" : "right ear tested");
        EXPECT_GE(listener.peak(ear, ear), MonitorListener::thresholdSample());
        EXPECT_EQ(listener.peak(ear, 1 - ear), 0) << "tone on the other channel";
    }

    // Done means played: the run cannot be quicker than its pulses.
    const double playedMs =
        static_cast<double>(log.entries.size()) * (kPulseSeconds + kGapSeconds) * 1000.0;
    EXPECT_GE(static_cast<double>(elapsedMs), playedMs * 0.95);
    std::cout << log.entries.size() << " pulses, run took " << elapsedMs << " ms\n";
}
