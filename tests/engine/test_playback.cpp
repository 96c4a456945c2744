// The wave-output channel: the looping tone of the calibration dialogs and
// the per-pulse playback of a run, against the simulated device and clock.

#include "engine/AppState.h"
#include "engine/Playback.h"
#include "platform/sim/SimEventPump.h"
#include "platform/sim/SimWaveOutput.h"

#include <gtest/gtest.h>

using namespace tavo;
using engine::BufferWait;
using engine::ToneBuffer;
using engine::ToneOutput;
using platform::WaveResult;

namespace {

struct Rig {
    platform::SimEventPump pump;
    platform::SimWaveOutput wave{pump};
    ToneOutput output{wave, pump};
};

ToneBuffer tone(double pulse, double gap) {
    ToneBuffer buffer;
    engine::CreateSound({1, 0}, 0.0, 1000, buffer, -20.0, pulse, gap);
    return buffer;
}

// One round of the test's wait loop: poll, process events, wait 50 ms.
// Counts the wait's looks at the response button.
std::function<void()> counting(int& looks) {
    return [&looks] {
        ++looks;
    };
}

} // namespace

TEST(WaveFormat, IsTheProgramsOneFormat) {
    const auto format = engine::makeWaveFormat();
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.samplesPerSec, 44100u);
    EXPECT_EQ(format.avgBytesPerSec, 176400u);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(format.extraSize, 0);
}

TEST(LoopingTone, RepeatsUntilFinished) {
    Rig rig;
    const auto buffer = tone(1.0, 0.0);
    ASSERT_EQ(rig.output.PreparePlay(0, buffer, -1), WaveResult::Ok);
    ASSERT_EQ(rig.output.WriteHeader(), WaveResult::Ok);
    ASSERT_EQ(rig.wave.written().size(), 1u);
    const auto& written = rig.wave.written().front();
    EXPECT_EQ(written.loops, platform::kLoopUntilReset);
    EXPECT_EQ(written.flagsAtWrite & 0xC, platform::kHeaderBeginLoop | platform::kHeaderEndLoop);
    EXPECT_EQ(written.bytes, buffer);

    rig.pump.wait(60000); // a minute later it still plays
    EXPECT_FALSE(rig.wave.isDone(const_cast<platform::WaveHeader&>(rig.output.header())));
    rig.output.FinishPlay();
    EXPECT_FALSE(rig.wave.isOpen());
    EXPECT_EQ(rig.wave.resetCount(), 1);
    EXPECT_EQ(rig.wave.closeCount(), 1);
}

TEST(LoopingTone, SingleLoopHasNoLoopFlags) {
    Rig rig;
    const auto buffer = tone(0.1, 0.0);
    ASSERT_EQ(rig.output.PreparePlay(0, buffer, 1), WaveResult::Ok);
    ASSERT_EQ(rig.output.WriteHeader(), WaveResult::Ok);
    EXPECT_EQ(rig.wave.written().front().flagsAtWrite & 0xC, 0u);
    EXPECT_EQ(rig.wave.written().front().loops, 1u);
    rig.output.FinishPlay();
}

TEST(LoopingTone, FailedOpenIsReportedAndLeavesNothingOpen) {
    Rig rig;
    const auto buffer = tone(0.1, 0.0);
    rig.wave.failNextOpen(WaveResult::NoDriver);
    EXPECT_EQ(rig.output.PreparePlay(0, buffer, -1), WaveResult::NoDriver);
    EXPECT_FALSE(rig.wave.isOpen());
    rig.output.FinishPlay(); // harmless
    EXPECT_EQ(rig.output.PreparePlay(5, buffer, -1), WaveResult::BadDeviceId);
}

TEST(PulsePlayback, OneBufferPerPulseCompletesByTheClock) {
    Rig rig;
    ASSERT_EQ(rig.output.openForRun(0), WaveResult::Ok);
    const auto buffer = tone(1.0, 1.0); // 2 s
    for (int pulse = 0; pulse < 3; ++pulse) {
        ASSERT_EQ(rig.output.startPulse(buffer), WaveResult::Ok);
        int looks = 0;
        const auto start = rig.pump.nowMs();
        EXPECT_EQ(rig.output.waitForPulse(counting(looks)), BufferWait::Done);
        // Done after 2 s, seen at the first look after that: one at the
        // start and one after each of 40 waits of 50 ms.
        EXPECT_EQ(looks, 41);
        EXPECT_EQ(rig.pump.nowMs() - start, 2000);
        rig.output.releasePulse();
    }
    ASSERT_EQ(rig.wave.written().size(), 3u);
    EXPECT_EQ(rig.wave.written()[1].timeMs - rig.wave.written()[0].timeMs, 2000);
    EXPECT_EQ(rig.wave.written()[0].loops, 1u);
    EXPECT_EQ(rig.wave.written()[0].flagsAtWrite & 0xC, 0u);
    rig.output.closeRun();
    EXPECT_FALSE(rig.wave.isOpen());
    EXPECT_EQ(rig.wave.openedFormats().size(), 1u);
}

TEST(PulsePlayback, WaitEndsWithAnErrorWhenTheDeviceStalls) {
    Rig rig;
    ASSERT_EQ(rig.output.openForRun(0), WaveResult::Ok);
    const auto buffer = tone(1.0, 1.0);
    rig.wave.setStalled(true);
    ASSERT_EQ(rig.output.startPulse(buffer), WaveResult::Ok);
    int rounds = 0;
    const auto start = rig.pump.nowMs();
    EXPECT_EQ(rig.output.waitForPulse(counting(rounds)), BufferWait::TimedOut);
    // Twice the buffer's 2 s plus one second.
    EXPECT_EQ(ToneOutput::waitLimitMs(buffer.size()), 5000);
    EXPECT_GE(rig.pump.nowMs() - start, 5000);
    EXPECT_LE(rig.pump.nowMs() - start, 5050);
    // The buffer was handed back, so it may be released and freed.
    EXPECT_EQ(rig.wave.resetCount(), 1);
    rig.output.releasePulse();
    rig.output.closeRun();
    EXPECT_FALSE(rig.wave.isOpen());
}

TEST(PulsePlayback, WaitEndsAtOnceWhenTheWriteFails) {
    Rig rig;
    ASSERT_EQ(rig.output.openForRun(0), WaveResult::Ok);
    const auto buffer = tone(1.0, 1.0);
    rig.wave.failWrites(WaveResult::NoMemory);
    EXPECT_EQ(rig.output.startPulse(buffer), WaveResult::NoMemory);
    int rounds = 0;
    EXPECT_EQ(rig.output.waitForPulse(counting(rounds)), BufferWait::DeviceFailed);
    EXPECT_EQ(rounds, 1);
    rig.output.closeRun();
}

TEST(PulsePlayback, WaitEndsWhenTheDeviceFailsWhilePlaying) {
    Rig rig;
    ASSERT_EQ(rig.output.openForRun(0), WaveResult::Ok);
    const auto buffer = tone(1.0, 1.0);
    ASSERT_EQ(rig.output.startPulse(buffer), WaveResult::Ok);
    int rounds = 0;
    rig.pump.schedule(300, [&rig] { rig.wave.failQueued(); });
    EXPECT_EQ(rig.output.waitForPulse(counting(rounds)), BufferWait::DeviceFailed);
    EXPECT_EQ(rig.pump.nowMs(), 300);
    EXPECT_EQ(rounds, 7);
    rig.output.releasePulse();
    rig.output.closeRun();
}

TEST(PulsePlayback, ADeviceThatCannotOpenIsReported) {
    Rig rig;
    rig.wave.setDevices({});
    EXPECT_EQ(rig.output.openForRun(0), WaveResult::BadDeviceId);
    EXPECT_FALSE(rig.output.isOpen());
}

TEST(ToneOutputGuards, ABusyChannelKeepsItsHeader) {
    Rig rig;
    const auto first = tone(1.0, 0.0);
    const auto second = tone(0.1, 0.0);
    ASSERT_EQ(rig.output.PreparePlay(0, first, -1), WaveResult::Ok);
    ASSERT_EQ(rig.output.WriteHeader(), WaveResult::Ok);
    // A second tone without FinishPlay is refused and the first one's
    // header still points at the first buffer.
    EXPECT_EQ(rig.output.PreparePlay(0, second, -1), WaveResult::Allocated);
    EXPECT_EQ(rig.output.header().data, first.data());
    EXPECT_EQ(rig.output.header().bufferLength, first.size());
    rig.output.FinishPlay();

    ASSERT_EQ(rig.output.openForRun(0), WaveResult::Ok);
    ASSERT_EQ(rig.output.startPulse(first), WaveResult::Ok);
    EXPECT_EQ(rig.output.startPulse(second), WaveResult::StillPlaying);
    EXPECT_EQ(rig.output.header().data, first.data());
    EXPECT_EQ(rig.wave.written().size(), 2u);
    rig.output.closeRun();
}
