// One frequency of a run: the pulse loop with its reversal rule and end
// conditions, and what the end of the frequency stores.

#include "engine/Evaluation.h"
#include "engine/LiveTrace.h"
#include "engine/TestServices.h"
#include "engine/TestWindowView.h"
#include "engine/ToneSynthesis.h"
#include "engine/TrackingTest.h"
#include "platform/EventPump.h"

#include <QCoreApplication>

namespace tavo::engine {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageType;

namespace {

// The test window's caption for a frequency.
QString frequencyCaption(int ear, int slot, std::int32_t frequency) {
    if (slot == 0) {
        return QCoreApplication::translate("TrackingTest",
                                           "Audiogramm - Probelauf linkes Ohr bei %1 Hz ")
            .arg(frequency);
    }
    if (slot == 12) {
        return QCoreApplication::translate("TrackingTest",
                                           "Audiogramm - Testwiederholung bei 1000 Hz ");
    }
    return (ear == kLeftEar ? QCoreApplication::translate(
                                  "TrackingTest", "Audiogramm - Hörtest linkes Ohr bei %1 Hz ")
                            : QCoreApplication::translate(
                                  "TrackingTest", "Audiogramm - Hörtest rechtes Ohr bei %1 Hz "))
        .arg(frequency);
}

} // namespace

PulseInfo TrackingTest::pulseInfo(const Run& run, const TCalibrationPoint& point) const {
    const auto& state = context_.state;
    PulseInfo info;
    info.run = runNumber_;
    info.ear = live_.CurrentEar;
    info.slot = run.slot;
    info.frequency = state.TestFrequencies[static_cast<std::size_t>(run.slot)];
    info.pulse = run.pulseNumber;
    info.level = live_.CurrentLevel;
    info.reference = point.Reference;
    info.secondRunOffset = live_.SecondRunOffset;
    info.pulseSeconds = run.params.pulse;
    info.gapSeconds = run.params.gap;
    return info;
}

// One frequency: its start, the pulses, its end.
void TrackingTest::testFrequency(Run& run, ToneOutput& tone) {
    auto& state = context_.state;
    auto& window = context_.window;
    const auto slotIndex = static_cast<std::size_t>(run.slot);
    if (run.params.resetOnNewFrequency) {
        live_.CurrentLevel = run.params.levelStart - 100;
    }
    window.SetCaption(
        frequencyCaption(live_.CurrentEar, run.slot, state.TestFrequencies[slotIndex]));
    context_.pump.processEvents();
    run.rising = true;
    run.reversalCount = 0;
    window.StartTrace(live_.CurrentEar, live_.CurrentLevel, live_.TraceStep);

    const TCalibrationPoint point =
        state.Calibration[static_cast<std::size_t>(live_.CurrentEar)][slotIndex];
    context_.soundCard.setVolumes(live_.CurrentEar, point);

    for (;;) {
        playPulse(run, tone, point);
        if (!reversalDue(run)) {
            continue;
        }
        recordReversal(run);
        if (frequencyEnds(run)) {
            break;
        }
    }
    endFrequency(run);
}

// One pulse, played and waited for while the button is polled.
void TrackingTest::playPulse(Run& run, ToneOutput& tone, const TCalibrationPoint& point) {
    auto& state = context_.state;
    auto& window = context_.window;
    live_.PulseCount += 1;
    run.pulseNumber += 1;
    run.pressedInPulse = false;
    clearStop();
    run.overLimit = false;
    // A tap made before this pulse began is not an answer to it.
    DropLatchedPresses(run.source, context_.controller, button_);

    live_.CurrentLevel += run.rising ? run.params.levelStep : -run.params.levelStep;
    // Above 100 dB HL: still played, then the frequency ends.
    if (live_.CurrentLevel > 0.0) {
        run.overLimit = true;
    }

    run.buffer.clear();
    CreateSound(live_.channels, live_.SecondRunOffset ? kSecondRunOffsetDb : 0.0,
                state.TestFrequencies[static_cast<std::size_t>(run.slot)], run.buffer,
                live_.CurrentLevel - point.Reference, run.params.pulse, run.params.gap);
    tone.startPulse(run.buffer);
    const PulseInfo info = pulseInfo(run, point);

    window.DrawPulse(live_.PulseCount, live_.CurrentLevel);
    window.SetLevel(live_.CurrentLevel);
    // The trial's trace starts again at the left edge, without clearing.
    if (run.slot == 0 && liveTraceFull(live_.PulseCount, live_.TraceStep)) {
        live_.PulseCount = 0;
        window.WrapTrace(live_.CurrentLevel);
    }

    // Watchers see the pulse as the window shows it.
    for (auto* observer : observers_) {
        observer->pulseStarted(info);
    }
    const BufferWait waited = tone.waitForPulse([this, &run] {
        PollResponseButton(run.source, context_.controller, button_, context_.window,
                           run.pressedInPulse);
    });
    if (waited != BufferWait::Done) {
        // The device failed or stopped playing: the run ends as if stopped.
        deviceFailed_ = true;
        state.StopRequested = true;
    }
    tone.releasePulse();
    run.buffer.clear();
    context_.pump.processEvents();
    for (auto* observer : observers_) {
        observer->pulseFinished(info, run.pressedInPulse);
    }
}

// A reversal, tested in this order: time up, the listener's answer (pressed while rising,
// never pressed while falling), a stop, a level above the limit.
bool TrackingTest::reversalDue(const Run& run) const {
    const auto& state = context_.state;
    return live_.PulseCount * run.params.pulsePeriod() >= run.params.maxTime ||
           run.pressedInPulse == run.rising || state.StopRequested || run.overLimit;
}

// The direction turns; the level of the pulse just played is stored.
// After a pass above the limit the level starts again at the start level.
void TrackingTest::recordReversal(Run& run) {
    run.rising = !run.rising;
    run.reversalCount += 1;
    if (run.slot >= 1 && run.reversalCount <= kMaxReversals) {
        run.result
            ->Reversals[static_cast<std::size_t>(live_.CurrentEar)]
                       [static_cast<std::size_t>(run.slot - 1)]
            .Levels[static_cast<std::size_t>(run.reversalCount - 1)] =
            levelDbHl(live_.CurrentLevel);
    }
    if (live_.CurrentLevel > 0.0) {
        live_.CurrentLevel = run.params.levelStart - 100;
    }
}

// The end of a frequency. The trial ignores the time and reversal limits: it ends by the
// window's button or by passing the level limit.
bool TrackingTest::frequencyEnds(const Run& run) const {
    const auto& state = context_.state;
    const bool limitReached = live_.PulseCount * run.params.pulsePeriod() >= run.params.maxTime ||
                              run.reversalCount >= run.params.minReversals;
    return (limitReached && run.slot >= 1) || state.StopRequested || run.overLimit;
}

// After the trial its dialog; after a frequency its threshold and spread,
// when it ended regularly with at least two reversals.
void TrackingTest::endFrequency(Run& run) {
    auto& state = context_.state;
    if (run.slot == 0) {
        if (deviceFailed_) {
            return;
        }
        // Cancel leaves StopRequested as it is.
        if (say(shown(kPrepareTest), MessageType::Warning, MessageButtons::OkCancel) ==
            MessageAnswer::Ok) {
            clearStop();
            waitForRelease(run);
            context_.window.setButtonCaption(shown(kStopCaption));
        }
        return;
    }
    // Otherwise the cell keeps what it had (the levels written stay).
    if (state.StopRequested || run.reversalCount <= 1 || run.overLimit) {
        return;
    }
    const auto ear = static_cast<std::size_t>(live_.CurrentEar);
    const auto index = static_cast<std::size_t>(run.slot - 1);
    auto& list = run.result->Reversals[ear][index];
    list.Count = std::min(run.reversalCount, kMaxReversals);
    run.result->Thresholds[ear][index] = thresholdOf(list, run.params.reject1st);
    list.Spread = Spread(list, run.params.reject1st);
    if (run.params.realTimeCalc) {
        context_.host.repaintAudiogram();
    }
}

} // namespace tavo::engine
