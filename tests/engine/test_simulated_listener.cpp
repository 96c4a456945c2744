// The simulated listener: by hearing level he answers to what the simulated
// card actually plays (not to the shown level), pulse by pulse at the exact
// edge of his threshold; the human options (psychometric slope, latency,
// false presses) follow their laws, reproducibly from the seed; a listener
// file names every mistake.

#include "TrackingRig.h"
#include "engine/ListenerDescription.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tavo;
using testsupport::TrackingRig;

namespace {

constexpr int k1000Hz = 5;

// What reaches each ear at every pulse's start, with the shown level.
struct HeardLevels final : engine::PulseObserver {
    explicit HeardLevels(const platform::SimSoundChain& chain) : sound(chain) {}
    void pulseStarted(const engine::PulseInfo& info) override {
        const auto playing = sound.playing();
        const int ear = info.ear;
        levels.push_back(playing && (*playing)[static_cast<std::size_t>(ear)]
                             ? *(*playing)[static_cast<std::size_t>(ear)]
                             : -1e9);
        shown.push_back(info.level + 100.0);
    }
    const platform::SimSoundChain& sound;
    std::vector<double> levels;
    std::vector<double> shown;
};

engine::ListenerDescription byHearingLevel(double threshold) {
    auto listener = TrackingRig::hearing(threshold);
    listener.scale = engine::ListenerScale::HearingLevel;
    return listener;
}

// The pulse numbers (from 0) of one run's pulses that were pressed.
std::vector<bool> presses(const TrackingRig& rig) {
    std::vector<bool> pressed;
    for (const auto& p : rig.recorder.pulses) {
        pressed.push_back(p.pressed);
    }
    return pressed;
}

// A listener on the shown scale answering single pulses at a fixed margin,
// with the test's clock in his hands.
struct Bench {
    explicit Bench(engine::ListenerDescription description, std::uint64_t seed = 7) {
        engine::ListenerHands hands;
        hands.setResponseButton = [this](bool down) {
            changes.push_back({pump.nowMs(), down});
        };
        hands.later = [this](int delayMs, std::function<void()> action) {
            pump.schedule(pump.nowMs() + delayMs, std::move(action));
        };
        listener = std::make_unique<engine::SimulatedListener>(std::move(description), hands,
                                                               nullptr, seed);
    }
    // One 1 s + 1 s pulse `margin` dB above his threshold (0 dB), played
    // through on a clock that moves in 1 ms steps.
    void pulse(double margin, int afterMs = 0) {
        engine::PulseInfo info;
        info.run = 1;
        info.frequency = 1000;
        info.slot = k1000Hz;
        info.level = margin - 100.0;
        info.pulseSeconds = 1.0;
        info.gapSeconds = 1.0;
        listener->pulseStarted(info);
        for (int ms = 0; ms < 2000; ++ms) {
            pump.advance(1);
        }
        listener->pulseFinished(info, false);
        for (int ms = 0; ms < afterMs; ++ms) {
            pump.advance(1);
        }
    }
    platform::SimEventPump pump;
    std::vector<std::pair<std::int64_t, bool>> changes;
    std::unique_ptr<engine::SimulatedListener> listener;
};

} // namespace

TEST(AcousticListener, AnswersWhatTheCardPlaysAtTheExactEdgeOfHisThreshold) {
    // First, where the pulses of a 1000 Hz run reach the left ear.
    TrackingRig probe;
    HeardLevels heard(probe.sound);
    probe.test->addObserver(&heard);
    probe.listen(byHearingLevel(200.0)); // hears nothing: the level rises to the limit
    probe.runOnce({k1000Hz});
    ASSERT_GE(heard.levels.size(), 30u);
    // Each 3 dB step of the shown level is 3 dB at the ear (to the sample's
    // rounding), whatever the card's settings add.
    for (std::size_t k = 20; k < 30; ++k) {
        EXPECT_NEAR(heard.levels[k] - heard.levels[k - 1], 3.0, 0.05) << k;
    }
    const double headphones = engine::kDefaultHeadphones[k1000Hz - 1];

    // A threshold exactly at the 21st pulse's level: heard from that pulse
    // on; a hair above it: from the 22nd. The shown level plays no part.
    for (const auto& [above, firstPressed] : {std::pair{0.0, 20u}, std::pair{1e-9, 21u}}) {
        TrackingRig rig;
        rig.listen(byHearingLevel(heard.levels[20] + headphones + above));
        rig.runOnce({k1000Hz});
        const auto pressed = presses(rig);
        ASSERT_GT(pressed.size(), firstPressed);
        for (std::size_t k = 0; k <= firstPressed; ++k) {
            EXPECT_EQ(pressed[k], k == firstPressed) << "pulse " << k << ", above " << above;
        }
    }

    // The right ear hears its own channel through its own headphone value.
    TrackingRig right;
    auto listener = byHearingLevel(200.0);
    listener.thresholds[1].fill(heard.levels[20] + headphones);
    right.listen(listener);
    right.runOnce({k1000Hz});
    EXPECT_EQ(right.state.Record.Test1Result.Thresholds[0][k1000Hz - 1], engine::kNoThreshold);
    EXPECT_NE(right.state.Record.Test1Result.Thresholds[1][k1000Hz - 1], engine::kNoThreshold);
}

TEST(HumanListener, TheSameSeedAnswersTheSameAndTheExactListenerIsTheDefault) {
    const auto run = [](engine::ListenerDescription listener, std::uint64_t seed) {
        TrackingRig rig;
        rig.settings.only({3, k1000Hz, 8});
        rig.settings.pulseDuration = rig.settings.pauseDuration = QStringLiteral("0.2");
        rig.listen(std::move(listener), seed);
        rig.runOnce({3, k1000Hz, 8});
        return presses(rig);
    };
    auto exact = byHearingLevel(-15.0);
    auto human = exact;
    human.psychometricSlopeDb = 3.0;
    human.falsePressRate = 0.05;
    human.latencyMs = 200.0;
    EXPECT_EQ(run(human, 11), run(human, 11));
    bool anyOther = false;
    for (std::uint64_t seed : {12, 13, 14, 15}) {
        anyOther = anyOther || run(human, seed) != run(human, 11);
    }
    EXPECT_TRUE(anyOther);
    // Without human options the seed does not matter at all.
    EXPECT_EQ(run(exact, 1), run(exact, 99));
}

TEST(HumanListener, APulseMDbAboveIsHeardWithProbabilityPhiOfMOverTheSlope) {
    engine::ListenerDescription description;
    description.psychometricSlopeDb = 2.0;
    for (const auto& [margin, expected] :
         {std::pair{2.0, 0.8413}, std::pair{0.0, 0.5}, std::pair{-2.0, 0.1587}}) {
        Bench bench(description);
        int heard = 0;
        const int pulses = 3000;
        for (int i = 0; i < pulses; ++i) {
            bench.changes.clear();
            engine::PulseInfo info;
            info.run = 1;
            info.frequency = 1000;
            info.level = margin - 100.0;
            bench.listener->pulseStarted(info);
            heard += bench.changes.empty() ? 0 : 1;
            bench.listener->pulseFinished(info, false);
        }
        EXPECT_NEAR(static_cast<double>(heard) / pulses, expected, 0.03) << margin;
    }
}

TEST(HumanListener, LatencyDelaysThePressFromTheMomentTheToneBecomesAudible) {
    engine::ListenerDescription description;
    description.latencyMs = 300.0;
    // 40 dB above: audible when the onset reaches 1 % of its amplitude,
    // after 15.9 ms; 0.5 dB above only in the flat part's reach, after 212 ms.
    for (const auto& [margin, onset] : {std::pair{40.0, 16}, std::pair{0.5, 212}}) {
        Bench bench(description);
        bench.pulse(margin);
        ASSERT_EQ(bench.changes.size(), 2u) << margin;
        EXPECT_EQ(bench.changes[0], (std::pair<std::int64_t, bool>{onset + 300, true}));
        EXPECT_EQ(bench.changes[1], (std::pair<std::int64_t, bool>{1000 - onset + 300, false}));
    }
    // Just below the threshold: no press at all.
    Bench bench(description);
    bench.pulse(-0.01);
    EXPECT_TRUE(bench.changes.empty());
}

TEST(HumanListener, FalsePressesComeOnlyAtTheirRateAndLastAQuarterSecond) {
    engine::ListenerDescription description;
    description.latencyMs = 0.0;
    description.falsePressRate = 1.0;
    Bench always(description);
    for (int i = 0; i < 20; ++i) {
        always.changes.clear();
        always.pulse(-10.0, engine::SimulatedListener::kFalsePressMs);
        ASSERT_EQ(always.changes.size(), 2u);
        EXPECT_LE(always.changes[0].first % 2250, 2000); // within the pulse's buffer
        EXPECT_EQ(always.changes[1].first - always.changes[0].first,
                  engine::SimulatedListener::kFalsePressMs);
    }
    description.falsePressRate = 0.0;
    Bench never(description);
    for (int i = 0; i < 20; ++i) {
        never.pulse(-10.0);
    }
    EXPECT_TRUE(never.changes.empty());
}

TEST(ListenerFile, NamesEveryMistakeInTheNewKeys) {
    const auto refusal = [](const char* json) {
        QString error;
        EXPECT_FALSE(engine::parseListener(QByteArray(json), {}, error)) << json;
        return error;
    };
    const char* thresholds = R"("thresholds": {"left": [0,0,0,0,0,0,0,0,0,0,0],
                                               "right": [0,0,0,0,0,0,0,0,0,0,0]})";
    const auto with = [&](const char* more) {
        return QByteArray("{") + thresholds + ", " + more + "}";
    };
    EXPECT_TRUE(refusal(with(R"("scale": "dB")").constData()).startsWith(QStringLiteral("scale")));
    EXPECT_TRUE(refusal(with(R"("headphones": {"left": [], "right": []})").constData())
                    .contains(QStringLiteral("hearing-level")));
    EXPECT_TRUE(refusal(with(R"("latency_ms": 2001)").constData())
                    .startsWith(QStringLiteral("latency_ms")));
    EXPECT_TRUE(refusal(with(R"("psychometric_slope_db": -1)").constData())
                    .startsWith(QStringLiteral("psychometric_slope_db")));
    EXPECT_TRUE(refusal(with(R"("false_press_rate": 1.5)").constData())
                    .startsWith(QStringLiteral("false_press_rate")));
    EXPECT_TRUE(refusal(with(R"("known_audiogram": 1)").constData())
                    .startsWith(QStringLiteral("known_audiogram")));

    QString error;
    const auto listener = engine::parseListener(
        with(R"("scale": "hearing-level", "latency_ms": 0, "false_press_rate": 1,
                "headphones": {"left": [90,90,90,90,90,90,90,90,90,90,90],
                               "right": [0,0,0,0,0,0,0,0,0,0,160]})"),
        {}, error);
    ASSERT_TRUE(listener) << error.toStdString();
    EXPECT_EQ(listener->scale, engine::ListenerScale::HearingLevel);
    EXPECT_EQ(listener->latencyMs, 0.0);
    EXPECT_EQ(listener->headphones[1][10], 160.0);
    // Without them: the exact listener on the shown scale.
    const auto plain = engine::parseListener(with("\"trial_pulses\": 3"), {}, error);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->scale, engine::ListenerScale::Shown);
    EXPECT_FALSE(plain->latencyMs);
    EXPECT_EQ(plain->headphones[0], engine::kDefaultHeadphones);
}
