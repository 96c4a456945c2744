// The hearing test on the simulated sound card and the virtual clock:
// levels, reversals, stored levels, counts, thresholds and spreads; the end
// conditions; messages and their order; the trial; the second run; stops,
// a failing device and refused settings; the volumes per ear and slot.

#include "TrackingRig.h"
#include "engine/ToneSynthesis.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tavo;
using engine::RunOutcome;
using engine::TrackingTest;
using testsupport::TrackingRig;
using Kind = platform::SimMixerService::RequestKind;

namespace {

std::vector<double> upFrom(double first, double step, int count) {
    std::vector<double> levels;
    for (int i = 0; i < count; ++i) {
        levels.push_back(first + step * i);
    }
    return levels;
}

const engine::TReversalList& cell(const engine::TTestResult& result, int ear, int slot) {
    return result.Reversals[static_cast<std::size_t>(ear)][static_cast<std::size_t>(slot - 1)];
}

int threshold(const engine::TTestResult& result, int ear, int slot) {
    return result.Thresholds[static_cast<std::size_t>(ear)][static_cast<std::size_t>(slot - 1)];
}

std::vector<int> levelsOf(const engine::TReversalList& list, int n) {
    return {list.Levels.begin(), list.Levels.begin() + n};
}

// The largest sample of a pulse's buffer, over both channels.
int peakOf(const std::vector<std::uint8_t>& bytes) {
    int peak = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(bytes[i] | (bytes[i + 1] << 8));
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

} // namespace

TEST(TrackingLimits, NoResponseRisesTo102ThenTheNextFrequencyStartsAtTheStartLevel) {
    for (const bool resets : {false, true}) {
        TrackingRig rig;
        // Time enough for 34 pulses.
        rig.settings.pulseDuration = QStringLiteral("0.2");
        rig.settings.pauseDuration = QStringLiteral("0.2");
        rig.settings.maxTestTime = QStringLiteral("20");
        rig.settings.resetOnNewFrequency = resets;
        rig.settings.resetOnNewSide = resets;
        rig.listen(TrackingRig::hearing(200)); // hears nothing
        EXPECT_FALSE(rig.runOnce({5, 7}));

        // 3, 6, ... 102 dB HL: the pulse above the limit is still played.
        EXPECT_EQ(rig.recorder.levels(1, 0, 5), upFrom(3, 3, 34));
        EXPECT_EQ(rig.recorder.levels(1, 0, 7), upFrom(3, 3, 34));
        EXPECT_EQ(rig.recorder.levels(1, 1, 5), upFrom(3, 3, 34));
        // 102 dB HL is 2 dB above full scale: saturated, not wrapped.
        EXPECT_GE(peakOf(rig.wave.written()[33].bytes), 32767);
        const auto& list = cell(rig.state.Record.Test1Result, 0, 5);
        EXPECT_EQ(list.Count, 0);
        EXPECT_EQ(threshold(rig.state.Record.Test1Result, 0, 5), engine::kNoThreshold);
        // The reversal at the limit stays in the list without counting.
        EXPECT_EQ(list.Levels[0], 102);
        // No frequency got a result, yet the run completed.
        EXPECT_TRUE(rig.state.Record.ResultsValid);
    }
}

TEST(TrackingLimits, TimeRunningOutCountsAsOneMoreReversal) {
    TrackingRig rig;
    auto description = TrackingRig::hearing(30);
    // Three true reversals (30, 27, 30), then the listener keeps pressing
    // while the level falls until the time is up at pulse 15.
    for (int pulse = 13; pulse <= 15; ++pulse) {
        description.responses.push_back({{1, 0, 1000, pulse, false}, true});
    }
    rig.listen(description);
    EXPECT_FALSE(rig.runOnce({5}));

    EXPECT_EQ(rig.recorder.levels(1, 0, 5),
              (std::vector<double>{3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 27, 30, 27, 24, 21}));
    const auto& list = cell(rig.state.Record.Test1Result, 0, 5);
    EXPECT_EQ(list.Count, 4);
    EXPECT_EQ(levelsOf(list, 4), (std::vector<int>{30, 27, 30, 21}));
    // The first reversal rejected: (27 + 30 + 21) / 3; odd 30, even 27 and 21.
    EXPECT_EQ(threshold(rig.state.Record.Test1Result, 0, 5), 26);
    EXPECT_EQ(list.Spread, 6);
}

TEST(TrackingLimits, OneSecondPulsesAndGapsFillThirtySecondsWithFifteenPulses) {
    TrackingRig rig;
    rig.listen(TrackingRig::hearing(200));
    rig.runOnce({5});
    EXPECT_EQ(rig.test->runState().TraceStep, 20);
    EXPECT_EQ(rig.recorder.levels(1, 0, 5), upFrom(3, 3, 15));
    // The trace ends at the right edge: 25 + 15 x 20.
    EXPECT_EQ(engine::traceX(15, rig.test->runState().TraceStep), 325);
    // One pulse every two seconds and a half-minute per frequency.
    ASSERT_GE(rig.recorder.pulses.size(), 16u);
    EXPECT_EQ(rig.recorder.pulses[1].startMs - rig.recorder.pulses[0].startMs, 2000);
    // Only the time's reversal: too few for a threshold.
    EXPECT_EQ(cell(rig.state.Record.Test1Result, 0, 5).Count, 0);
}

TEST(TrackingLimits, TheMinimumReversalsEndAFrequencyBeforeItsTime) {
    TrackingRig rig;
    rig.settings.maxTestTime = QStringLiteral("60");
    rig.listen(TrackingRig::hearing(12));
    rig.runOnce({5});
    EXPECT_EQ(rig.recorder.levels(1, 0, 5), (std::vector<double>{3, 6, 9, 12, 9, 12, 9, 12, 9}));
    const auto& list = cell(rig.state.Record.Test1Result, 0, 5);
    EXPECT_EQ(list.Count, 6);
    EXPECT_EQ(levelsOf(list, 6), (std::vector<int>{12, 9, 12, 9, 12, 9}));
    EXPECT_EQ(threshold(rig.state.Record.Test1Result, 0, 5), 10); // 51 / 5
    EXPECT_EQ(list.Spread, 0);
}

// Rising, a press during pulse 5 reverses after it; falling, a release in
// the middle of pulse 6 does not (the button was down at a poll), pulse 7
// passes with the button up and reverses. The stop during pulse 8 ends the
// run: its cells are cleared, the levels written at reversals stay.
TEST(TrackingResponses, PressWhileRisingAndReleaseWhileFalling) {
    TrackingRig rig;
    struct Script final : engine::PulseObserver {
        explicit Script(TrackingRig& r) : rig(r) {}
        void pulseStarted(const engine::PulseInfo& pulse) override {
            const auto now = rig.pump.nowMs();
            if (pulse.pulse == 5) {
                rig.pump.schedule(now + 700, [this] { rig.controller.press(2); });
                rig.pump.schedule(now + 800, [this] { rig.controller.releaseAll(); });
            } else if (pulse.pulse == 6) {
                rig.controller.press(0);
                rig.pump.schedule(now + 500, [this] { rig.controller.releaseAll(); });
            } else if (pulse.pulse == 8) {
                rig.state.StopRequested = true; // the window's button
            }
        }
        TrackingRig& rig;
    } script(rig);
    rig.test->addObserver(&script);

    EXPECT_TRUE(rig.runOnce({5}));
    EXPECT_EQ(rig.recorder.levels(1, 0, 5), (std::vector<double>{3, 6, 9, 12, 15, 12, 9, 12}));
    std::vector<bool> pressed;
    for (const auto& p : rig.recorder.pulses) {
        pressed.push_back(p.pressed);
    }
    EXPECT_EQ(pressed, (std::vector<bool>{false, false, false, false, true, true, false, false}));
    const auto& list = cell(rig.state.Record.Test1Result, 0, 5);
    EXPECT_EQ(levelsOf(list, 3), (std::vector<int>{15, 9, 12}));
    EXPECT_EQ(list.Count, 0);
    EXPECT_EQ(threshold(rig.state.Record.Test1Result, 0, 5), engine::kNoThreshold);
    EXPECT_FALSE(rig.state.Record.ResultsValid);
    EXPECT_EQ(rig.messages.texts(),
              (QStringList{TrackingTest::kPrepareTest, TrackingTest::kRunInterrupted}));
    EXPECT_FALSE(rig.window.visible);
    EXPECT_FALSE(rig.wave.isOpen());
}

TEST(TrackingRuns, RightEarFirstRunsTheTrialAtTheStartOfTheLeftEarsPass) {
    TrackingRig rig;
    rig.settings.leftEarFirst = false;
    rig.settings.trialRun = true;
    auto description = TrackingRig::hearing(30);
    description.trialPulses = 20;
    rig.listen(description);
    rig.settings.only({5, 7});
    engine::FrequencyEnable enable{};
    for (auto& ear : enable) {
        ear[0] = true;
        ear[5] = ear[7] = true;
    }
    // The trial practises on the left ear's first frequency.
    rig.state.Calibration[0][5].Reference = 7.0;
    EXPECT_FALSE(rig.test->RunTest(rig.state.Record.Test1Result, enable));

    EXPECT_EQ(rig.window.captions,
              (QStringList{QStringLiteral("Audiogramm - Hörtest rechtes Ohr bei 1000 Hz "),
                           QStringLiteral("Audiogramm - Hörtest rechtes Ohr bei 2000 Hz "),
                           QStringLiteral("Audiogramm - Probelauf linkes Ohr bei 1000 Hz "),
                           QStringLiteral("Audiogramm - Hörtest linkes Ohr bei 1000 Hz "),
                           QStringLiteral("Audiogramm - Hörtest linkes Ohr bei 2000 Hz ")}));
    EXPECT_EQ(rig.state.TestFrequencies[0], 1000);
    EXPECT_EQ(rig.state.Calibration[0][0].Reference, 7.0);
    // The trial's message at the start, its dialog when the examiner ends it
    // during pulse 20; the button turns to "Abbrechen" only then.
    ASSERT_EQ(rig.messages.shown().size(), 2u);
    EXPECT_EQ(rig.messages.shown()[0].text, TrackingTest::kPrepareTrial);
    EXPECT_EQ(rig.messages.shown()[1].text, TrackingTest::kPrepareTest);
    EXPECT_EQ(rig.messages.shown()[1].type, platform::MessageType::Warning);
    EXPECT_EQ(rig.messages.shown()[1].buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(rig.window.buttonCaptions, QStringList{TrackingTest::kStopCaption});
    // The trial's trace wraps after 15 pulses of 20 pixels; the pulses keep
    // their numbers (1..20) for the examiner.
    std::vector<int> trialCounts;
    std::vector<int> trialNumbers;
    std::size_t i = 0;
    for (const auto& p : rig.recorder.pulses) {
        if (p.info.slot == 0) {
            trialNumbers.push_back(p.info.pulse);
            trialCounts.push_back(rig.window.drawnPulseCounts[i]);
        }
        ++i;
    }
    ASSERT_EQ(trialNumbers.size(), 20u);
    EXPECT_EQ(trialNumbers.back(), 20);
    EXPECT_EQ(trialCounts[14], 15);
    EXPECT_EQ(trialCounts[15], 1);
    // The trial stored nothing, and only the right ear played before it.
    EXPECT_EQ(rig.recorder.pulses.front().info.ear, 1);
}

TEST(TrackingRuns, ATrialWithoutALeftFrequencyIsSkipped) {
    TrackingRig rig;
    rig.listen(TrackingRig::hearing(9));
    engine::FrequencyEnable enable{};
    enable[0][0] = true;
    enable[1][0] = true;
    enable[1][5] = true;
    EXPECT_FALSE(rig.test->RunTest(rig.state.Record.Test1Result, enable));
    EXPECT_EQ(rig.messages.texts(), QStringList{TrackingTest::kPrepareTest});
    EXPECT_EQ(rig.window.captions,
              QStringList{QStringLiteral("Audiogramm - Hörtest rechtes Ohr bei 1000 Hz ")});
    EXPECT_NE(threshold(rig.state.Record.Test1Result, 1, 5), engine::kNoThreshold);
}

TEST(TrackingRuns, TheRetestPlaysTheLeftEarAt1000HzWithThatCalibration) {
    TrackingRig rig;
    rig.listen(TrackingRig::hearing(21));
    rig.state.Calibration[0][5].Reference = -10.0; // heard 10 dB later
    engine::FrequencyEnable enable{};
    enable[0][12] = enable[1][12] = true;
    EXPECT_FALSE(rig.test->RunTest(rig.state.Record.Test1Result, enable));
    EXPECT_EQ(rig.window.captions,
              QStringList{QStringLiteral("Audiogramm - Testwiederholung bei 1000 Hz ")});
    EXPECT_EQ(rig.state.Calibration[0][12].Reference, -10.0);
    EXPECT_EQ(cell(rig.state.Record.Test1Result, 0, 12).Count, 6);
    EXPECT_NEAR(threshold(rig.state.Record.Test1Result, 0, 12), 11, 3);
    EXPECT_EQ(cell(rig.state.Record.Test1Result, 1, 12).Count, 0); // right ear: no retest
}

TEST(TrackingRuns, ACompleteTestShowsItsMessagesInOrderAndPlaysTheSecondRun5DbLouder) {
    TrackingRig rig;
    rig.settings.only({5, 9});
    // Calibrated 60 dB louder, so that the quiet tones have samples to
    // compare: the listener's 80 dB above the reference is 20 dB HL.
    for (auto& ear : rig.state.Calibration) {
        for (auto& point : ear) {
            point.Reference = -60.0;
        }
    }
    rig.listen(TrackingRig::hearing(80));
    rig.test->NewTest1Click();

    EXPECT_EQ(
        rig.messages.texts(),
        (QStringList{TrackingTest::kFirstRun, TrackingTest::kPrepareTest, TrackingTest::kSecondRun,
                     TrackingTest::kPrepareTest, TrackingTest::kTestFinished}));
    EXPECT_EQ(rig.messages.shown()[0].type, platform::MessageType::Warning);
    EXPECT_EQ(rig.test->outcomes(),
              (std::array<RunOutcome, 2>{RunOutcome::Completed, RunOutcome::Completed}));
    EXPECT_TRUE(rig.state.Record.ResultsValid);
    EXPECT_TRUE(rig.test->runState().SecondRunOffset);
    EXPECT_EQ(rig.state.Record.Test1Result.TestDate, QStringLiteral("06-12-2026"));
    EXPECT_EQ(rig.state.Record.Test2Result.TestTime, QStringLiteral("9h5"));

    // The same shown level, a tone 5 dB louder: 12 dB HL is -28 dBFS in the
    // first run and -23 dBFS in the second.
    int firstPeak = 0;
    int secondPeak = 0;
    for (std::size_t i = 0; i < rig.recorder.pulses.size(); ++i) {
        const auto& p = rig.recorder.pulses[i];
        if (p.info.slot == 5 && p.info.ear == 0 && p.info.level + 100 == 12) {
            (p.info.run == 1 ? firstPeak : secondPeak) = peakOf(rig.wave.written()[i].bytes);
        }
    }
    ASSERT_GT(firstPeak, 0);
    EXPECT_NEAR(firstPeak, 32767 * std::pow(10.0, -28.0 / 20.0), 1.5);
    EXPECT_NEAR(secondPeak, 32767 * std::pow(10.0, -23.0 / 20.0), 1.5);
    // The listener hears the second run 5 dB earlier on the shown scale.
    for (int ear = 0; ear < 2; ++ear) {
        for (int slot : {5, 9}) {
            EXPECT_NEAR(threshold(rig.state.Record.Test1Result, ear, slot), 20, 3);
            EXPECT_NEAR(threshold(rig.state.Record.Test2Result, ear, slot), 15, 3);
        }
    }
}

TEST(TrackingRuns, TheSettingsReadAtNewTestHoldForBothRuns) {
    TrackingRig rig;
    rig.settings.only({5});
    rig.settings.practiceDeviation = false;
    rig.listen(TrackingRig::hearing(20));
    // While "Zweiter Messdurchlauf" is up the settings change: a step no run
    // could work with, another start level, another frequency, the offset.
    rig.messages.setOnShow([&rig](const platform::Message& message) {
        if (message.text == TrackingTest::kSecondRun) {
            rig.settings.levelStep = QStringLiteral("0");
            rig.settings.levelStart = QStringLiteral("90");
            rig.settings.only({9});
            rig.settings.practiceDeviation = true;
        }
    });
    rig.test->NewTest1Click();

    EXPECT_EQ(rig.test->outcomes(),
              (std::array<RunOutcome, 2>{RunOutcome::Completed, RunOutcome::Completed}));
    EXPECT_TRUE(rig.state.Record.ResultsValid);
    EXPECT_FALSE(rig.test->runState().SecondRunOffset);
    // The second run as the first: from the start level 0, 3 dB a pulse, at 1000 Hz.
    EXPECT_EQ(rig.recorder.levels(2, 0, 5).front(), 3.0);
    EXPECT_TRUE(rig.recorder.levels(2, 0, 9).empty());
    EXPECT_NEAR(threshold(rig.state.Record.Test2Result, 0, 5), 20, 3);
}

TEST(TrackingRuns, AStopInTheSecondRunKeepsTheFirstRun) {
    TrackingRig rig;
    auto description = TrackingRig::hearing(20);
    description.stop = engine::ListenerPulse{2, 1, 1000, 3, false};
    rig.listen(description);
    rig.test->NewTest1Click();

    EXPECT_EQ(rig.windowButtonPresses, 1);
    const QStringList texts = rig.messages.texts();
    ASSERT_GE(texts.size(), 3);
    EXPECT_EQ(texts.mid(texts.size() - 3),
              (QStringList{TrackingTest::kRunInterrupted, TrackingTest::kTestFinished,
                           TrackingTest::kTestCancelled}));
    EXPECT_EQ(rig.test->outcomes(),
              (std::array<RunOutcome, 2>{RunOutcome::Completed, RunOutcome::Interrupted}));
    EXPECT_FALSE(rig.state.Record.ResultsValid);
    for (int ear = 0; ear < 2; ++ear) {
        EXPECT_EQ(cell(rig.state.Record.Test1Result, ear, 5).Count, 6);
        EXPECT_NEAR(threshold(rig.state.Record.Test1Result, ear, 5), 20, 3);
        EXPECT_EQ(cell(rig.state.Record.Test2Result, ear, 5).Count, 0);
        EXPECT_EQ(threshold(rig.state.Record.Test2Result, ear, 5), engine::kNoThreshold);
    }
}

TEST(TrackingFailures, ADeviceThatFailsOrStallsEndsTheTestWithAMessage) {
    enum class Fault { FailsWhilePlaying, Stalls, RefusesWrites, CannotOpen };
    for (const Fault fault :
         {Fault::FailsWhilePlaying, Fault::Stalls, Fault::RefusesWrites, Fault::CannotOpen}) {
        TrackingRig rig;
        rig.settings.only({5, 7});
        rig.listen(TrackingRig::hearing(20));
        struct Breaker final : engine::PulseObserver {
            Breaker(TrackingRig& r, Fault f) : rig(r), fault(f) {}
            void pulseStarted(const engine::PulseInfo& pulse) override {
                if (pulse.run != 1 || pulse.ear != 0 || pulse.slot != 7 || pulse.pulse != 3) {
                    return;
                }
                if (fault == Fault::FailsWhilePlaying) {
                    rig.pump.schedule(rig.pump.nowMs() + 300, [this] { rig.wave.failQueued(); });
                } else if (fault == Fault::Stalls) {
                    rig.wave.setStalled(true);
                } else if (fault == Fault::RefusesWrites) {
                    rig.wave.failWrites(platform::WaveResult::NoMemory);
                }
            }
            TrackingRig& rig;
            Fault fault;
        } breaker(rig, fault);
        rig.test->addObserver(&breaker);
        if (fault == Fault::CannotOpen) {
            rig.wave.failNextOpen(platform::WaveResult::Allocated);
        }
        rig.test->NewTest1Click();

        SCOPED_TRACE(static_cast<int>(fault));
        EXPECT_TRUE(rig.test->deviceFailed());
        EXPECT_EQ(rig.messages.count(TrackingTest::kDeviceFailed), 1);
        EXPECT_EQ(rig.messages.count(TrackingTest::kRunInterrupted), 0);
        EXPECT_EQ(rig.messages.texts().last(), TrackingTest::kTestCancelled);
        EXPECT_EQ(rig.messages.count(TrackingTest::kSecondRun), 0);
        EXPECT_EQ(rig.test->outcomes(),
                  (std::array<RunOutcome, 2>{RunOutcome::Interrupted, RunOutcome::NotRun}));
        EXPECT_FALSE(rig.state.Record.ResultsValid);
        EXPECT_EQ(cell(rig.state.Record.Test1Result, 0, 5).Count, 0); // tested cells cleared
        EXPECT_FALSE(rig.wave.isOpen());
        EXPECT_FALSE(rig.window.visible);
        // Never more than the wait's limit for one buffer (2 x 2 s + 1 s)
        // past the pulse that broke.
        if (fault != Fault::CannotOpen) {
            const auto& last = rig.recorder.pulses.back();
            EXPECT_EQ(last.info.slot, 7);
            EXPECT_LE(rig.pump.nowMs() - last.startMs, 5100);
        } else {
            EXPECT_TRUE(rig.recorder.pulses.empty());
        }
    }
}

TEST(TrackingFailures, SettingsARunCannotWorkWithAreRefusedBeforeAnythingChanges) {
    struct Case {
        const char* field;
        std::function<void(testsupport::PlainTestSettings&)> set;
    };
    const std::vector<Case> cases = {
        {"Anfangspegel",
         [](auto& s) {
             s.levelStart = QStringLiteral("abc");
         }},
        {"Anfangspegel",
         [](auto& s) {
             s.levelStart = QStringLiteral("101");
         }},
        {"Anfangspegel",
         [](auto& s) {
             s.levelStart = QStringLiteral("2.5");
         }},
        {"Pegelschritt",
         [](auto& s) {
             s.levelStep = QStringLiteral("0");
         }},
        {"Pegelschritt",
         [](auto& s) {
             s.levelStep = QStringLiteral("11");
         }},
        {"Testdauer pro Frequenz",
         [](auto& s) {
             s.maxTestTime = QStringLiteral("0");
         }},
        {"Testdauer pro Frequenz",
         [](auto& s) {
             s.maxTestTime = QString();
         }},
        {"Richtungswechsel",
         [](auto& s) {
             s.minReversals = QStringLiteral("21");
         }},
        {"Richtungswechsel",
         [](auto& s) {
             s.minReversals = QStringLiteral("1");
         }},
        {"Signaldauer",
         [](auto& s) {
             s.pulseDuration = QStringLiteral("-1");
         }},
        {"Lückendauer",
         [](auto& s) {
             s.pauseDuration = QStringLiteral("6");
         }},
        {"Signaldauer",
         [](auto& s) {
             s.pulseDuration = QStringLiteral("0");
             s.pauseDuration = QStringLiteral("0");
         }},
    };
    for (const auto& c : cases) {
        TrackingRig rig;
        c.set(rig.settings);
        rig.state.Record.Test1Result.Thresholds[0][4] = 25;
        rig.state.Record.Test1Result.Reversals[0][4].Count = 4;
        rig.test->NewTest1Click();
        SCOPED_TRACE(c.field);
        ASSERT_EQ(rig.messages.shown().size(), 1u);
        EXPECT_TRUE(rig.messages.shown()[0].text.contains(QString::fromUtf8(c.field)))
            << rig.messages.shown()[0].text.toStdString();
        EXPECT_EQ(rig.wave.openCount(), 0);
        EXPECT_EQ(rig.state.Record.Test1Result.Thresholds[0][4], 25);
        EXPECT_EQ(rig.state.Record.Test1Result.Reversals[0][4].Count, 4);
        EXPECT_EQ(rig.test->outcomes()[0], RunOutcome::NotRun);
        // RunTest itself refuses them too.
        rig.messages.clear();
        EXPECT_TRUE(rig.runOnce({5}));
        EXPECT_EQ(rig.messages.shown().size(), 1u);
        EXPECT_EQ(rig.wave.openCount(), 0);
    }

    TrackingRig uncalibrated;
    uncalibrated.state.CalibrationLoaded = false;
    uncalibrated.test->NewTest1Click();
    ASSERT_EQ(uncalibrated.messages.shown().size(), 1u);
    EXPECT_EQ(uncalibrated.messages.shown()[0].text, TrackingTest::kNeedsCalibration);
    EXPECT_EQ(uncalibrated.messages.shown()[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(uncalibrated.wave.openCount(), 0);
}

TEST(TrackingVolumes, EndpointPathSetsTheWaveVolumeAndTheMasterLevelPerEarAndSlot) {
    TrackingRig rig(true);
    rig.settings.only({5, 7});
    rig.listen(TrackingRig::hearing(9));
    rig.runOnce({5, 7});

    const auto waveId = rig.mixer.WaveOutVolume.ControlID;
    const std::uint32_t unit = static_cast<std::uint32_t>(*rig.mixer.WaveOutVolume.StepUnit());
    std::vector<std::vector<std::uint32_t>> wave;
    for (const auto& r : rig.mixerService.valueRequests()) {
        if (r.kind == Kind::SetDetails) {
            if (r.controlId == waveId) {
                wave.push_back(r.values);
            }
            EXPECT_NE(r.controlId, rig.mixer.MasterVolume.ControlID); // the endpoint's job
        }
    }
    // Silence at each ear, then each frequency's calibration (10 + slot steps).
    const std::vector<std::vector<std::uint32_t>> expected = {
        {0, 0}, {15 * unit, 15 * unit}, {17 * unit, 17 * unit},
        {0, 0}, {15 * unit, 15 * unit}, {17 * unit, 17 * unit}};
    EXPECT_EQ(wave, expected);
    EXPECT_EQ(rig.endpointService.requests, (std::vector<float>{0.505f, 0.507f, 0.605f, 0.607f}));
}

TEST(TrackingVolumes, MixerPathSetsTheMasterOnTheTestedEarOrBothWhenUniform) {
    for (const bool uniform : {false, true}) {
        auto card = platform::builtInSimMixerDevices();
        auto& master = card[0].destinations[0].line.controls[0].control;
        if (uniform) {
            master.flags |= platform::control::FlagUniform;
        }
        TrackingRig rig(false, card);
        rig.state.Calibration[0][5].MasterSteps = 20;
        rig.state.Calibration[1][5].MasterSteps = 25;
        rig.listen(TrackingRig::hearing(9));
        rig.runOnce({5});
        const std::uint32_t unit = static_cast<std::uint32_t>(*rig.mixer.MasterVolume.StepUnit());
        std::vector<std::vector<std::uint32_t>> sent;
        for (const auto& r : rig.mixerService.valueRequests()) {
            if (r.kind == Kind::SetDetails && r.controlId == rig.mixer.MasterVolume.ControlID) {
                sent.push_back(r.values);
            }
        }
        SCOPED_TRACE(uniform);
        using Requests = std::vector<std::vector<std::uint32_t>>;
        if (uniform) {
            EXPECT_EQ(sent, (Requests{{0}, {20 * unit}, {0}, {25 * unit}}));
        } else {
            EXPECT_EQ(sent, (Requests{{0, 0}, {20 * unit, 0}, {0, 0}, {0, 25 * unit}}));
        }
        EXPECT_TRUE(rig.endpointService.requests.empty());
    }
}
