// Threshold rule, spread, recomputation and the summary figures.

#include "engine/Evaluation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

using namespace tavo::engine;

namespace {

TReversalList reversals(std::initializer_list<int> levels) {
    TReversalList list;
    for (const int level : levels) {
        list.Levels[list.Count++] = level;
    }
    return list;
}

} // namespace

TEST(ThresholdRule, MeanOfTheCountedReversals) {
    const auto list = reversals({40, 30, 38, 28});
    EXPECT_EQ(thresholdOf(list, true), 32);  // 96 / 3
    EXPECT_EQ(Spread(list, true), 2);        // odd {38}: 0, even {30, 28}: 2
    EXPECT_EQ(thresholdOf(list, false), 34); // 136 / 4
    EXPECT_EQ(Spread(list, false), 2);       // odd {40, 38}, even {30, 28}
    // The larger range wins whichever class it is in.
    EXPECT_EQ(Spread(reversals({40, 30, 52, 28}), false), 12);
    EXPECT_EQ(Spread(reversals({40, 30, 38, 12}), false), 18);
}

TEST(ThresholdRule, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(thresholdOf(reversals({30, 35}), false), 32);    // 32.5
    EXPECT_EQ(thresholdOf(reversals({33, 34}), false), 34);    // 33.5
    EXPECT_EQ(thresholdOf(reversals({-30, -35}), false), -32); // -32.5
    EXPECT_EQ(thresholdOf(reversals({-33, -34}), false), -34); // -33.5
    EXPECT_EQ(thresholdOf(reversals({-2, -3}), false), -2);    // -2.5
    EXPECT_EQ(thresholdOf(reversals({1, 2, 4}), false), 2);    // 2.33
    EXPECT_EQ(thresholdOf(reversals({1, 3, 4}), false), 3);    // 2.67
    EXPECT_EQ(divideRoundHalfEven(-7, 3), -2);
    EXPECT_EQ(divideRoundHalfEven(-8, 3), -3);
}

TEST(ThresholdRule, ListsThatCountNothingHaveNoResult) {
    // A single reversal that is rejected leaves nothing to average.
    EXPECT_EQ(thresholdOf(reversals({40}), true), kNoThreshold);
    EXPECT_EQ(thresholdOf(reversals({40}), false), 40);
    EXPECT_EQ(Spread(reversals({40}), true), 0);
    EXPECT_EQ(Spread(reversals({40}), false), 0);
    EXPECT_EQ(thresholdOf(TReversalList{}, false), kNoThreshold);
}

TEST(ThresholdRule, OnlyTheTwentyStoredLevelsCount) {
    TReversalList list;
    list.Levels.fill(10);
    list.Levels[19] = 30;
    list.Count = 25; // as a damaged file might say
    EXPECT_EQ(thresholdOf(list, false), 11);
    EXPECT_EQ(Spread(list, false), 20);
}

TEST(ThresholdRule, SpreadOfLevelsOutsideTheUsualRange) {
    // Peaks above 100 dB HL: the range is that of the levels themselves.
    EXPECT_EQ(Spread(reversals({110, 90, 120, 95}), false), 10);
    EXPECT_EQ(Spread(reversals({-110, -130, -105, -120}), false), 10);
}

TEST(CalcThreshold, RecomputesEveryCellWithTheCurrentSetting) {
    TTestResult result;
    result.Reversals[kLeftEar][0] = reversals({40, 30, 38, 28});
    result.Reversals[kRightEar][11] = reversals({10, 0, 10, 0, 10});
    result.Reversals[kRightEar][11].Spread = 7;
    result.Reversals[kLeftEar][5] = reversals({50});
    result.Reversals[kLeftEar][6].Count = -3;
    result.Thresholds[kLeftEar][3] = 55; // no reversals: becomes "no result"

    CalcThreshold(result, true);
    EXPECT_EQ(result.Thresholds[kLeftEar][0], 32);
    EXPECT_EQ(result.Thresholds[kRightEar][11], 5);
    EXPECT_EQ(result.Thresholds[kLeftEar][5], kNoThreshold);
    EXPECT_EQ(result.Thresholds[kLeftEar][6], kNoThreshold);
    EXPECT_EQ(result.Thresholds[kLeftEar][3], kNoThreshold);
    EXPECT_EQ(result.Reversals[kRightEar][11].Spread, 7);
    EXPECT_EQ(result.Reversals[kLeftEar][6].Count, -3);

    CalcThreshold(result, false);
    EXPECT_EQ(result.Thresholds[kLeftEar][0], 34);
    EXPECT_EQ(result.Thresholds[kRightEar][11], 6);
    EXPECT_EQ(result.Thresholds[kLeftEar][5], 50);
}

TEST(RoundHalfUp, PositiveHalvesUpNegativesTruncated) {
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(3.5), 4);
    EXPECT_EQ(RoundHalfUp(2.49), 2);
    EXPECT_EQ(RoundHalfUp(0.5), 1);
    EXPECT_EQ(RoundHalfUp(-2.5), -2);
    EXPECT_EQ(RoundHalfUp(-2.7), -2);
    EXPECT_EQ(RoundHalfUp(-3.5), -3);
    EXPECT_EQ(RoundHalfUp(-0.5), 0);
    EXPECT_EQ(RoundHalfUp(7.0), 7);
    EXPECT_EQ(RoundHalfUp(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundHalfUp(-1e12), std::numeric_limits<std::int32_t>::min());
}

class SummaryFigures : public ::testing::Test {
protected:
    SummaryFigures() {
        for (auto* run : {&state.Record.Test1Result, &state.Record.Test2Result}) {
            clearResult(*run);
        }
        state.Record.ResultsValid = true;
    }
    void result(TTestResult& run, int ear, int index, int threshold) {
        run.Reversals[ear][index].Count = 4;
        run.Thresholds[ear][index] = threshold;
    }
    SummaryTexts figures() const { return CalcAVP(state); }
    // OSPL, OSPR and APV as one line, for compact expectations.
    QString line() const {
        const auto texts = CalcAVP(state);
        return texts.ospl + QLatin1Char(' ') + texts.ospr + QLatin1Char(' ') + texts.apv;
    }
    AppState state;
};

TEST_F(SummaryFigures, DashesWhileResultsAreNotValid) {
    result(state.Record.Test1Result, kLeftEar, 0, 20);
    state.Record.ResultsValid = false;
    const auto texts = figures();
    EXPECT_EQ(texts.ospl, QStringLiteral("-"));
    EXPECT_EQ(texts.ospr, QStringLiteral("-"));
    EXPECT_EQ(texts.apv, QStringLiteral("-"));
}

TEST_F(SummaryFigures, OnlyFrequenciesMeasuredInBothRunsCount) {
    // Nothing measured at all, or only the retest: no figure for any ear.
    EXPECT_EQ(line(), QStringLiteral("- - -"));
    result(state.Record.Test1Result, kLeftEar, 11, 20);
    result(state.Record.Test2Result, kLeftEar, 11, 10);
    EXPECT_EQ(line(), QStringLiteral("- - -"));

    // Left: 20/15 and 30/25 at two frequencies, the highest (index 10)
    // among them; the retest above stays out.
    result(state.Record.Test1Result, kLeftEar, 2, 20);
    result(state.Record.Test1Result, kLeftEar, 10, 30);
    result(state.Record.Test2Result, kLeftEar, 2, 15);
    result(state.Record.Test2Result, kLeftEar, 10, 25);
    EXPECT_EQ(line(), QStringLiteral("5 - 5")); // one ear: APV is its figure

    // A cell missing in either run leaves the set, whichever run lacks it.
    result(state.Record.Test1Result, kLeftEar, 4, 40); // second run: none
    result(state.Record.Test2Result, kLeftEar, 5, 40); // first run: none
    EXPECT_EQ(line(), QStringLiteral("5 - 5"));
    // 999 is a threshold like any other; only 1000 means none.
    result(state.Record.Test2Result, kLeftEar, 4, 999);
    EXPECT_EQ(figures().ospl, QString::number((5 + 5 + (40 - 999)) / 3)); // -316.33 -> -316

    // The right ear on its own pairs; APV the rounded mean of both.
    result(state.Record.Test1Result, kRightEar, 0, 12);
    result(state.Record.Test2Result, kRightEar, 0, 10);
    result(state.Record.Test1Result, kLeftEar, 4, 40);
    result(state.Record.Test2Result, kLeftEar, 4, 40);
    EXPECT_EQ(line(), QStringLiteral("3 2 3")); // 10 / 3 -> 3; (3 + 2) / 2 = 2.5 -> 3
    // The right ear alone, when the left ear has no pair left.
    clearResult(state.Record.Test2Result);
    result(state.Record.Test2Result, kRightEar, 0, 10);
    EXPECT_EQ(line(), QStringLiteral("- 2 2"));
}

TEST_F(SummaryFigures, EveryFrequencyInBothRunsGivesTheFiguresAsBefore) {
    // Both ears, every tested frequency with a threshold in both runs: the
    // mean over the tested frequencies, as the summary always was.
    const int first[] = {20, 25, 30, 35, 40};
    const int second[] = {45, 52, 50, 61, 66};
    for (int k = 0; k < 5; ++k) {
        for (int ear : {kLeftEar, kRightEar}) {
            result(state.Record.Test1Result, ear, 2 * k, first[k]);
            result(state.Record.Test2Result, ear, 2 * k, second[k] - 2 * ear);
        }
    }
    // Left (150 - 274) / 5 = -24.8 -> -24; right (150 - 264) / 5 = -22.8 -> -22;
    // APV -23 exactly.
    EXPECT_EQ(line(), QStringLiteral("-24 -22 -23"));
}

TEST_F(SummaryFigures, ApvRoundsTheMeanOfTheEarFigures) {
    // OSPL 5 and OSPR 2: 3.5 -> 4; OSPL -5 and OSPR -2: -3.5 -> -3.
    result(state.Record.Test1Result, kLeftEar, 0, 25);
    result(state.Record.Test2Result, kLeftEar, 0, 20);
    result(state.Record.Test1Result, kRightEar, 0, 22);
    result(state.Record.Test2Result, kRightEar, 0, 20);
    EXPECT_EQ(figures().apv, QStringLiteral("4"));
    std::swap(state.Record.Test1Result, state.Record.Test2Result);
    const auto texts = figures();
    EXPECT_EQ(texts.ospl, QStringLiteral("-5"));
    EXPECT_EQ(texts.ospr, QStringLiteral("-2"));
    EXPECT_EQ(texts.apv, QStringLiteral("-3"));
}

TEST_F(SummaryFigures, ExtremeThresholdsFromAFileDoNotOverflow) {
    result(state.Record.Test1Result, kLeftEar, 0, std::numeric_limits<std::int32_t>::max());
    result(state.Record.Test2Result, kLeftEar, 0, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(figures().ospl, QString::number(std::numeric_limits<std::int32_t>::max()));
}
