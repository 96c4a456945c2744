#include "engine/TrackingTest.h"

#include "engine/Evaluation.h"
#include "engine/StartupRules.h"
#include "engine/TestServices.h"
#include "engine/TestWindowView.h"
#include "platform/EventPump.h"
#include "storage/Settings.h"

#include <QCoreApplication>

#include <algorithm>

namespace tavo::engine {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageType;

QString TrackingTest::shown(const char* text) {
    return QCoreApplication::translate("TrackingTest", text);
}

TrackingTest::TrackingTest(TrackingTestContext context) : context_(std::move(context)) {}

void TrackingTest::addObserver(PulseObserver* observer) {
    if (observer != nullptr &&
        std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
        observers_.push_back(observer);
    }
}

void TrackingTest::removeObserver(PulseObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TrackingTest::requestQuit() {
    quitting_ = true;
    context_.state.StopRequested = true;
}

void TrackingTest::clearStop() {
    context_.state.StopRequested = quitting_;
}

MessageAnswer TrackingTest::say(const QString& text, MessageType type, MessageButtons buttons,
                                const QString& caption) {
    if (quitting_) {
        return MessageAnswer::Closed;
    }
    return context_.messages.show(platform::Message{text, caption, type, buttons, 0});
}

void TrackingTest::NewTest1Click() {
    if (running()) {
        return;
    }
    outcomes_ = {RunOutcome::NotRun, RunOutcome::NotRun};
    auto& state = context_.state;
    // Nothing can be tested before the audiometer is calibrated.
    if (!state.CalibrationLoaded) {
        say(shown(kNeedsCalibration), MessageType::Plain, MessageButtons::Ok,
            QCoreApplication::translate("TrackingTest", "Information"));
        return;
    }
    // Settings no run can work with are refused before anything changes;
    // the settings read now hold for both runs.
    const auto read = readTestParameters(context_.settings);
    if (!read) {
        say(read.error(), MessageType::Warning, MessageButtons::Ok);
        return;
    }
    const TestParameters params = *read;
    runNumber_ = 0;
    commandActive_ = true;
    for (auto* observer : observers_) {
        observer->testStarted();
    }

    // Both runs start empty.
    clearResult(state.Record.Test1Result);
    clearResult(state.Record.Test2Result);
    context_.host.repaintAudiogram();

    // Both ears test what the settings tick.
    FrequencyEnable enable{};
    for (int ear = 0; ear < kEars; ++ear) {
        auto& flags = enable[static_cast<std::size_t>(ear)];
        flags[0] = params.trial;
        for (int slot = 1; slot <= 11; ++slot) {
            flags[static_cast<std::size_t>(slot)] =
                params.frequencies[static_cast<std::size_t>(slot)];
        }
        // The 1000 Hz retest only when the settings ask for it (the
        // fit-check report compares it with the first 1000 Hz).
        flags[12] = context_.settings.retest1000;
    }

    say(shown(kFirstRun), MessageType::Warning, MessageButtons::Ok);
    bool cancelled = runWith(state.Record.Test1Result, enable, params);
    outcomes_[0] = cancelled ? RunOutcome::Interrupted : RunOutcome::Completed;
    runFinished(1, cancelled);

    // The second run: no trial, and 5 dB louder with "Praxisabweichung".
    if (!cancelled) {
        enable[0][0] = false;
        enable[1][0] = false;
        say(shown(kSecondRun), MessageType::Plain, MessageButtons::Ok);
        cancelled = runWith(state.Record.Test2Result, enable, params, params.practiceDeviation);
        outcomes_[1] = cancelled ? RunOutcome::Interrupted : RunOutcome::Completed;
        runFinished(2, cancelled);
        if (!cancelled) {
            context_.host.CalcAVP();
        }
        say(shown(kTestFinished), MessageType::Plain, MessageButtons::Ok);
    }
    if (cancelled) {
        say(shown(kTestCancelled), MessageType::Plain, MessageButtons::Ok);
    }
    // The runs replaced the record's results: a finished test's are worth
    // asking about before closing, an interrupted one left none.
    state.Record.Unsaved = state.Record.ResultsValid;
    commandActive_ = false;
}

void TrackingTest::runFinished(int run, bool interrupted) {
    for (auto* observer : observers_) {
        observer->runFinished(run, interrupted);
    }
}

bool TrackingTest::RunTest(TTestResult& result, const FrequencyEnable& enable) {
    const auto read = readTestParameters(context_.settings);
    if (!read) {
        say(read.error(), MessageType::Warning, MessageButtons::Ok);
        return true;
    }
    return runWith(result, enable, *read);
}

bool TrackingTest::runWith(TTestResult& result, const FrequencyEnable& enable,
                           const TestParameters& params, bool secondRunOffset) {
    // Nothing more is played once the program is closing.
    if (running_ || quitting_) {
        return true;
    }
    Run run;
    run.result = &result;
    run.enable = enable;
    run.params = params;
    running_ = true;
    deviceFailed_ = false;
    ++runNumber_;
    live_ = RunState{};
    live_.SecondRunOffset = secondRunOffset;

    {
        ToneOutput tone(context_.wave, context_.pump);
        if (setUpRun(run, tone)) {
            earLoop(run, tone);
        }
        // The device is closed and the tone buffer freed before any message.
        tone.closeRun();
        run.buffer = ToneBuffer();
    }
    endRun(run);
    running_ = false;
    return context_.state.StopRequested;
}

// Everything before the first pulse. False when the device cannot be
// opened (the run then ends at once).
bool TrackingTest::setUpRun(Run& run, ToneOutput& tone) {
    auto& state = context_.state;
    auto& window = context_.window;
    clearStop();
    state.Record.ResultsValid = false;
    context_.host.CalcAVP();
    window.showTestWindow();
    context_.pump.processEvents();
    // The button's source is read once for the whole run.
    run.source = responseSourceFrom(run.params.joystick);
    button_.reset();
    live_.TraceStep = run.params.traceStep();

    // The trial runs at the first frequency the left ear tests; with
    // none at all there is nothing to practise on and the trial is skipped.
    if (run.enable[0][0]) {
        const auto& left = run.enable[0];
        const auto first = std::find(left.begin() + 1, left.end(), true);
        if (first == left.end()) {
            run.enable[0][0] = false;
            run.enable[1][0] = false;
        } else {
            const auto s = static_cast<std::size_t>(first - left.begin());
            // The retest slot plays the 1000 Hz calibration (copied below).
            const std::size_t from = s == 12 ? 5 : s;
            state.Calibration[0][0] = state.Calibration[0][from];
            state.Calibration[1][0] = state.Calibration[1][from];
            state.TestFrequencies[0] = state.TestFrequencies[s];
        }
    }
    if (run.enable[0][0]) {
        say(shown(kPrepareTrial), MessageType::Plain, MessageButtons::Ok);
    } else {
        say(shown(kPrepareTest), MessageType::Plain, MessageButtons::Ok);
        waitForRelease(run);
        window.setButtonCaption(shown(kStopCaption));
    }
    // Closed while the messages or the wait for release were up.
    if (quitting_) {
        return false;
    }
    context_.soundCard.prepare();
    state.Calibration[0][12] = state.Calibration[0][5];
    state.Calibration[1][12] = state.Calibration[1][5];
    if (tone.openForRun(run.params.waveOutDevice) != platform::WaveResult::Ok) {
        deviceFailed_ = true;
        state.StopRequested = true;
        return false;
    }
    live_.CurrentLevel = run.params.levelStart - 100;
    return true;
}

// The wait for release: a listener who holds the button to start the test
// himself starts it by letting go; closing the test window or the program
// ends the wait too (a controller button that sticks must not keep the
// program from closing).
void TrackingTest::waitForRelease(const Run& run) {
    bool ignored = false;
    do {
        context_.pump.processEvents();
        context_.pump.wait(50);
        PollResponseButton(run.source, context_.controller, button_, context_.window, ignored);
    } while (button_.pressed() && context_.window.testWindowVisible() && !quitting_);
    // A tap during the wait belongs to no pulse.
    DropLatchedPresses(run.source, context_.controller, button_);
}

// Both ears in the chosen order.
void TrackingTest::earLoop(Run& run, ToneOutput& tone) {
    auto& state = context_.state;
    for (int j = 0; j < kEars; ++j) {
        live_.CurrentEar = run.params.leftEarFirst ? j : 1 - j;
        if (run.params.resetOnNewSide) {
            live_.CurrentLevel = run.params.levelStart - 100;
        }
        live_.channels = ChannelGains::forEar(live_.CurrentEar);
        context_.soundCard.silence();
        slotLoop(run, tone);
        if (state.StopRequested) {
            break;
        }
    }
}

// The slots of one ear.
void TrackingTest::slotLoop(Run& run, ToneOutput& tone) {
    auto& state = context_.state;
    for (run.slot = 0; run.slot < kSlots; ++run.slot) {
        context_.window.showTestWindow();
        live_.PulseCount = 0;
        run.pulseNumber = 0;
        const bool retestOrTrial = run.slot == 0 || run.slot == 12;
        const bool enabled = run.enable[static_cast<std::size_t>(live_.CurrentEar)]
                                       [static_cast<std::size_t>(run.slot)];
        if (enabled && !(live_.CurrentEar == kRightEar && retestOrTrial)) {
            testFrequency(run, tone);
        }
        if (state.StopRequested) {
            break;
        }
    }
    // The slot the loop ended at decides what the end of the run does.
    run.slot = std::min(run.slot, kSlots - 1);
}

void TrackingTest::clearTestedCells(Run& run) {
    for (int ear = 0; ear < kEars; ++ear) {
        for (int slot = 1; slot <= 12; ++slot) {
            if (run.enable[static_cast<std::size_t>(ear)][static_cast<std::size_t>(slot)]) {
                auto& cell = run.result->Reversals[static_cast<std::size_t>(ear)]
                                                  [static_cast<std::size_t>(slot - 1)];
                cell.Count = 0;
                run.result->Thresholds[static_cast<std::size_t>(ear)]
                                      [static_cast<std::size_t>(slot - 1)] = kNoThreshold;
            }
        }
    }
}

// The end of the run (the device is closed already).
void TrackingTest::endRun(Run& run) {
    auto& state = context_.state;
    // A device that failed ends the run like a stop, at whatever slot. A
    // stop during the trial whose dialog was cancelled ends it quietly.
    if (deviceFailed_ || (run.slot >= 1 && state.StopRequested)) {
        say(shown(deviceFailed_ ? kDeviceFailed : kRunInterrupted),
            deviceFailed_ ? MessageType::Error : MessageType::Plain, MessageButtons::Ok);
        state.Record.ResultsValid = false;
        clearTestedCells(run);
        context_.host.repaintAudiogram();
    } else if (run.slot >= 1) {
        state.Record.ResultsValid = true;
        const QDateTime now = context_.now ? context_.now() : QDateTime::currentDateTime();
        run.result->TestDate =
            formatTestDate(now.date().day(), now.date().month(), now.date().year());
        run.result->TestTime = formatTestTime(now.time().hour(), now.time().minute());
    }
    context_.window.hideTestWindow();
    context_.host.setMainWindowEnabled(true);
}

} // namespace tavo::engine
