// The ALSA wave output when the sound server stops answering. A server
// stopped with SIGSTOP holds the playback thread inside the pulse plug-in
// (a drop, an open or a close waits for the server's reply); every call of
// ours must still come back within its bound and report the failure, and
// once the server runs again a new channel plays as before while the
// threads left behind wake up and clean up after themselves.

#include "engine/AppState.h"
#include "engine/Playback.h"
#include "platform/SoundServerControl.h"
#include "platform/SoundServerProbe.h"
#include "platform/alsa/AlsaWaveOutput.h"
#include "platform/qt/QtEventPump.h"
#include "support/SinkRecorder.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include <iostream>
#include <optional>

using namespace tavo;
using platform::WaveResult;

namespace {

// What a wait for a stuck playback thread may take: the output's answer
// limit plus room for a loaded machine.
constexpr qint64 kAnswerBoundMs = 2500;
// A buffer fails when the device takes no data for 2 s.
constexpr qint64 kFailBoundMs = 2500;
// reset(), unprepareHeader() and close() together.
constexpr qint64 kFinishBoundMs = 6000;
// A call that need not wait for the thread at all.
constexpr qint64 kQuickMs = 300;

engine::ToneBuffer leftTone(double level, double pulse, double gap) {
    engine::ToneBuffer buffer;
    engine::CreateSound({1, 0}, 0.0, 1000, buffer, level, pulse, gap);
    return buffer;
}

void pointAt(platform::WaveHeader& header, const engine::ToneBuffer& buffer, bool loop) {
    header.data = buffer.data();
    header.bufferLength = static_cast<std::uint32_t>(buffer.size());
    header.flags.store(loop ? platform::kHeaderBeginLoop | platform::kHeaderEndLoop : 0u);
    header.loops = loop ? platform::kLoopUntilReset : 1u;
}

class StoppedServerPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::SinkRecorder::serverAnswers()) {
            GTEST_SKIP() << "No PulseAudio server answers (scripts/test starts one); a "
                            "server that stops answering cannot be tested here.";
        }
        QString why;
        pid = testsupport::soundServerPid(why);
        if (pid == 0) {
            GTEST_SKIP() << "The sound server cannot be stopped: " << why.toStdString();
        }
    }

    // Starts a looping tone on `wave` and lets it play for a moment.
    void startLoop(platform::AlsaWaveOutput& wave, platform::WaveHeader& header) {
        pointAt(header, loop, true);
        ASSERT_EQ(wave.open(0, engine::makeWaveFormat()), WaveResult::Ok);
        ASSERT_EQ(wave.prepareHeader(header), WaveResult::Ok);
        ASSERT_EQ(wave.write(header), WaveResult::Ok);
        pump.wait(500);
        EXPECT_FALSE(wave.isDone(header));
        EXPECT_FALSE(header.failed());
    }

    // With the server running again: the threads left behind return from
    // the device meanwhile, and a fresh output plays a pulse that arrives
    // sample for sample.
    void expectPlaysAgain() {
        ASSERT_TRUE(testsupport::SinkRecorder::serverAnswers());
        // Every thread left behind closes its PCM once the server answers,
        // so no stream of ours stays on the server.
        QElapsedTimer timer;
        timer.start();
        std::optional<QString> streams;
        do {
            pump.wait(100);
            streams = testsupport::runTool(
                QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
        } while ((!streams || !streams->trimmed().isEmpty()) && timer.elapsed() < 3000);
        ASSERT_TRUE(streams.has_value());
        EXPECT_EQ(streams->trimmed(), QString()) << "a stream was left open";
        const auto pulse = leftTone(-20.0, 0.3, 0.1);
        testsupport::SinkRecorder recorder;
        ASSERT_TRUE(recorder.start()) << recorder.lastError().toStdString();
        platform::AlsaWaveOutput fresh;
        engine::ToneOutput output(fresh, pump);
        ASSERT_EQ(output.openForRun(0), WaveResult::Ok);
        ASSERT_EQ(output.startPulse(pulse), WaveResult::Ok);
        const auto waited = output.waitForPulse(nullptr);
        output.releasePulse();
        output.closeRun();
        EXPECT_EQ(waited, engine::BufferWait::Done);
        QThread::msleep(300);
        const auto recorded = recorder.stop();
        const auto played = testsupport::bufferFrames(pulse);
        std::size_t r0 = 0;
        while (r0 < recorded.size() && recorded[r0].left == 0) {
            ++r0;
        }
        std::size_t p0 = 0;
        while (played[p0].left == 0) {
            ++p0;
        }
        const std::size_t toneFrames = 44100 * 3 / 10;
        ASSERT_LE(r0 + toneFrames - p0, recorded.size()) << "the pulse did not arrive whole";
        std::size_t mismatches = 0;
        for (std::size_t k = 0; p0 + k < toneFrames; ++k) {
            mismatches += recorded[r0 + k] == played[p0 + k] ? 0 : 1;
        }
        EXPECT_EQ(mismatches, 0u);
    }

    static void report(const char* what, qint64 ms) {
        std::cout << "[ measured ] " << what << ": " << ms << " ms\n";
    }

    qint64 pid = 0;
    platform::QtEventPump pump;
    const engine::ToneBuffer loop = leftTone(-30.0, 0.2, 0.0);
};

} // namespace

TEST_F(StoppedServerPlayback, LoopingToneFailsAndResetUnprepareCloseComeBack) {
    platform::AlsaWaveOutput wave;
    platform::WaveHeader header;
    ASSERT_NO_FATAL_FAILURE(startLoop(wave, header));
    {
        testsupport::StoppedServer stopped(pid);
        ASSERT_TRUE(stopped.stopped());
        QElapsedTimer timer;
        timer.start();
        // The device takes no more data: the looping buffer fails, so a
        // caller watching it need not wait for a tone that never ends.
        while (!header.failed() && timer.elapsed() < 2 * kFailBoundMs) {
            wave.isDone(header);
            pump.wait(20);
        }
        report("buffer failed after the stop", timer.elapsed());
        EXPECT_TRUE(header.failed());
        EXPECT_FALSE(header.done());
        EXPECT_LE(timer.elapsed(), kFailBoundMs);

        QElapsedTimer finish;
        finish.start();
        timer.restart();
        EXPECT_EQ(wave.reset(), WaveResult::Error);
        report("reset", timer.elapsed());
        EXPECT_LE(timer.elapsed(), kAnswerBoundMs);
        timer.restart();
        EXPECT_EQ(wave.unprepareHeader(header), WaveResult::Ok);
        EXPECT_LE(timer.elapsed(), kQuickMs);
        timer.restart();
        // The thread is known to hang: close does not wait for it again.
        EXPECT_EQ(wave.close(), WaveResult::Error);
        report("close", timer.elapsed());
        EXPECT_LE(timer.elapsed(), kQuickMs);
        report("reset + unprepare + close", finish.elapsed());
        EXPECT_LE(finish.elapsed(), kFinishBoundMs);

        EXPECT_FALSE(wave.isOpen());
        EXPECT_EQ(header.flags.load() & (platform::kHeaderInQueue | platform::kHeaderPrepared |
                                         platform::kHeaderDone),
                  0u);
        EXPECT_EQ(wave.close(), WaveResult::InvalidHandle);
        EXPECT_EQ(wave.reset(), WaveResult::InvalidHandle);
    }
    ASSERT_NO_FATAL_FAILURE(expectPlaysAgain());
    // The output that gave up on its thread opens a new channel too.
    ASSERT_EQ(wave.open(0, engine::makeWaveFormat()), WaveResult::Ok);
    EXPECT_EQ(wave.close(), WaveResult::Ok);
}

TEST_F(StoppedServerPlayback, ResetWhileTheToneIsStillWritingReturnsTheBufferFailed) {
    platform::AlsaWaveOutput wave;
    platform::WaveHeader header;
    ASSERT_NO_FATAL_FAILURE(startLoop(wave, header));
    {
        testsupport::StoppedServer stopped(pid);
        ASSERT_TRUE(stopped.stopped());
        QElapsedTimer timer;
        timer.start();
        // The thread is asked to drop the PCM and hangs in it.
        EXPECT_EQ(wave.reset(), WaveResult::Error);
        report("reset right after the stop", timer.elapsed());
        EXPECT_LE(timer.elapsed(), kAnswerBoundMs);
        // Handed back (the caller may free it), but not played.
        EXPECT_TRUE(header.done());
        EXPECT_TRUE(header.failed());
        EXPECT_EQ(header.flags.load() & platform::kHeaderInQueue, 0u);
        // Nothing is queued on a device that hangs.
        EXPECT_EQ(wave.write(header), WaveResult::Error);
        EXPECT_TRUE(header.failed());
        timer.restart();
        EXPECT_EQ(wave.reset(), WaveResult::Error);
        EXPECT_EQ(wave.unprepareHeader(header), WaveResult::Ok);
        EXPECT_EQ(wave.close(), WaveResult::Error);
        report("second reset + unprepare + close", timer.elapsed());
        EXPECT_LE(timer.elapsed(), kQuickMs);
    }
    ASSERT_NO_FATAL_FAILURE(expectPlaysAgain());
}

TEST_F(StoppedServerPlayback, PulseOnAStoppedServerEndsItsWaitAsAFailedDevice) {
    platform::AlsaWaveOutput wave;
    engine::ToneOutput output(wave, pump);
    ASSERT_EQ(output.openForRun(0), WaveResult::Ok);
    const auto pulse = leftTone(-30.0, 1.0, 0.0);
    {
        testsupport::StoppedServer stopped(pid);
        ASSERT_TRUE(stopped.stopped());
        QElapsedTimer timer;
        timer.start();
        ASSERT_EQ(output.startPulse(pulse), WaveResult::Ok);
        // The time limit of the wait (3 s for a 1 s pulse) is not reached:
        // the output fails the buffer first.
        EXPECT_EQ(output.waitForPulse(nullptr), engine::BufferWait::DeviceFailed);
        report("pulse wait ended", timer.elapsed());
        EXPECT_LE(timer.elapsed(), kFailBoundMs + kAnswerBoundMs);
        timer.restart();
        output.releasePulse();
        output.closeRun();
        report("release + close of the run", timer.elapsed());
        EXPECT_LE(timer.elapsed(), kAnswerBoundMs);
        EXPECT_FALSE(output.isOpen());

        // The same output on the stopped server: opening hangs in the
        // plug-in and is given up within the bound.
        timer.restart();
        EXPECT_EQ(wave.open(0, engine::makeWaveFormat()), WaveResult::Error);
        report("open on the stopped server", timer.elapsed());
        EXPECT_LE(timer.elapsed(), kAnswerBoundMs);
        EXPECT_FALSE(wave.isOpen());
    }
    ASSERT_NO_FATAL_FAILURE(expectPlaysAgain());
    ASSERT_EQ(wave.open(0, engine::makeWaveFormat()), WaveResult::Ok);
    EXPECT_EQ(wave.close(), WaveResult::Ok);
}

TEST_F(StoppedServerPlayback, IdleChannelClosesWithinTheBound) {
    platform::AlsaWaveOutput wave;
    engine::ToneOutput output(wave, pump);
    ASSERT_EQ(output.openForRun(0), WaveResult::Ok);
    const auto pulse = leftTone(-30.0, 0.2, 0.0);
    ASSERT_EQ(output.startPulse(pulse), WaveResult::Ok);
    ASSERT_EQ(output.waitForPulse(nullptr), engine::BufferWait::Done);
    output.releasePulse();
    {
        testsupport::StoppedServer stopped(pid);
        ASSERT_TRUE(stopped.stopped());
        QElapsedTimer timer;
        timer.start();
        const auto closed = wave.close();
        report("close of an idle channel", timer.elapsed());
        EXPECT_EQ(closed, WaveResult::Error);
        EXPECT_LE(timer.elapsed(), kAnswerBoundMs);
        EXPECT_FALSE(wave.isOpen());
    }
    ASSERT_NO_FATAL_FAILURE(expectPlaysAgain());
}
