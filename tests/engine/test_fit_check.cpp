// The fit-check report's numbers against hand computations: the PAR (one
// band, equal bands, the 3000/4000 fold, a missing band, the binaural
// minimum), the uncertainty, and every verdict, caution and flag at its
// exact boundary.

#include "engine/FitCheck.h"

#include "support/HandPar.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tavo::engine;
using tavo::testsupport::handPar;

namespace {

// Result indexes: 0 125, 1 250, 2 500, 3 750, 4 1000, 5 1500, 6 2000,
// 7 3000, 8 4000, 9 6000, 10 8000, 11 the 1000 Hz retest.
void put(TTestResult& run, int ear, int index, int threshold, int count = 6, int spread = 4) {
    auto& list = run.Reversals[ear][index];
    list.Count = count;
    for (int k = 0; k < count; ++k) {
        list.Levels[k] = threshold + (k % 2 == 0 ? 2 : -2);
    }
    list.Spread = spread;
    run.Thresholds[ear][index] = threshold;
}

// Attenuation `a[index]` at each index given (first run 10 dB HL).
TestRecord plugged(const std::map<int, int>& left, const std::map<int, int>& right) {
    TestRecord record;
    clearResult(record.Test1Result);
    clearResult(record.Test2Result);
    for (const auto& [ear, cells] : {std::pair{0, left}, std::pair{1, right}}) {
        for (const auto& [index, a] : cells) {
            put(record.Test1Result, ear, index, 10);
            put(record.Test2Result, ear, index, 10 + a);
        }
    }
    record.ResultsValid = true;
    return record;
}

const std::map<int, int> kAllBands20 = {{0, 20}, {1, 20}, {2, 20}, {4, 20},
                                        {6, 20}, {8, 20}, {10, 20}};

} // namespace

TEST(FitCheck, ParAgainstHandComputations) {
    FitCheckParameters p;
    // Every band the same: the PAR is that attenuation.
    auto report = evaluateFitCheck(plugged(kAllBands20, kAllBands20), p);
    ASSERT_TRUE(report.ears[0].par);
    EXPECT_NEAR(*report.ears[0].par, 20.0, 1e-9);
    EXPECT_TRUE(report.ears[0].missingBands.empty());

    // Three bands give no PAR, four do; the missing bands are named.
    report = evaluateFitCheck(
        plugged({{0, 10}, {2, 20}, {6, 30}}, {{0, 10}, {2, 20}, {6, 30}, {10, 25}}), p);
    EXPECT_FALSE(report.ears[0].par);
    EXPECT_EQ(report.ears[0].missingBands, (std::vector<int>{250, 1000, 4000, 8000}));
    ASSERT_TRUE(report.ears[1].par);
    EXPECT_NEAR(*report.ears[1].par, handPar({{125, 10}, {500, 20}, {2000, 30}, {8000, 25}}), 1e-9);
    EXPECT_TRUE(report.cautions.contains(
        QStringLiteral("Das Band 250 Hz fehlt (rechts): dort ist keine Dämpfung gemessen.")));

    // 3000 Hz folds into the 4000 Hz band, 6000 into 8000; 750 and 1500
    // stay out of the rating; the binaural PAR takes each band's smaller.
    const std::map<int, int> left = {{1, 16}, {2, 21}, {3, 40}, {4, 22}, {5, 40},
                                     {6, 27}, {7, 29}, {8, 30}, {9, 32}, {10, 31}};
    const std::map<int, int> right = {{1, 18}, {2, 19}, {4, 24}, {6, 25}, {8, 27}, {10, 33}};
    report = evaluateFitCheck(plugged(left, right), p);
    const double leftPar =
        handPar({{250, 16}, {500, 21}, {1000, 22}, {2000, 27}, {4000, 29.5}, {8000, 31.5}});
    EXPECT_NEAR(*report.ears[0].par, leftPar, 1e-9);
    EXPECT_NEAR(leftPar, 24.3698, 1e-4);
    EXPECT_NEAR(*report.binaural.par,
                handPar({{250, 16}, {500, 19}, {1000, 22}, {2000, 25}, {4000, 27}, {8000, 31.5}}),
                1e-9);
}

TEST(FitCheck, UncertaintyFromTheReversals) {
    TReversalList equal;
    equal.Count = 6;
    equal.Levels.fill(30);
    EXPECT_NEAR(thresholdError(equal, false, 3.0), 3.0 / std::sqrt(12.0), 1e-12);
    TReversalList spread;
    spread.Count = 7;
    const int levels[] = {99, 30, 36, 30, 36, 30, 36}; // the first is not counted
    std::copy(std::begin(levels), std::end(levels), spread.Levels.begin());
    EXPECT_NEAR(thresholdError(spread, true, 3.0), std::sqrt(10.8) / std::sqrt(6.0), 1e-12);

    // Equal bands with equal errors: U = e * sqrt(sum of squared shares).
    std::array<FitCheckBand, kBands> bands;
    for (auto& band : bands) {
        band = {20.0, 2.0, false};
    }
    const Rating rating = rate(bands);
    double open = 0;
    for (const double w : kAWeighting) {
        open += std::pow(10, 0.1 * w);
    }
    double squares = 0;
    for (const double w : kAWeighting) {
        squares += std::pow(std::pow(10, 0.1 * w) / open, 2);
    }
    EXPECT_NEAR(rating.uncertainty, 2.0 * std::sqrt(squares), 1e-12);
    EXPECT_NEAR(*rating.par84(), 20.0 - rating.uncertainty, 1e-12);
    EXPECT_NEAR(*rating.par95(), 20.0 - 1.64 * rating.uncertainty, 1e-12);
}

TEST(FitCheck, VerdictAndCautionsAtTheirBoundaries) {
    // The binaural PAR is 20 dB with an uncertainty U: PAR84 = 20 - U. The
    // rules compare the figures as shown, to 0.1 dB.
    FitCheckParameters p;
    const auto report0 = evaluateFitCheck(plugged(kAllBands20, kAllBands20), p);
    EXPECT_EQ(report0.verdict, Verdict::NoRating);
    EXPECT_EQ(verdictText(report0.verdict), QStringLiteral("Keine Bewertung"));
    const double par84 = *report0.binaural.par84();
    p.exposure = p.wantedAtEar + par84; // exactly enough
    EXPECT_EQ(evaluateFitCheck(plugged(kAllBands20, kAllBands20), p).verdict, Verdict::Sufficient);
    p.exposure = p.wantedAtEar + par84 + 0.1;
    EXPECT_EQ(evaluateFitCheck(plugged(kAllBands20, kAllBands20), p).verdict,
              Verdict::Insufficient);
    // The level at the ear: exactly 70 is no overprotection, below is.
    p.exposure = 90.0;
    EXPECT_FALSE(evaluateFitCheck(plugged(kAllBands20, kAllBands20), p).overprotection);
    p.exposure = 89.9;
    EXPECT_TRUE(evaluateFitCheck(plugged(kAllBands20, kAllBands20), p).overprotection);

    // 125 Hz: 10 dB is enough, 9 is not. Ears 15 dB apart: a caution, 14 not.
    auto low = kAllBands20;
    low[0] = 10;
    EXPECT_TRUE(evaluateFitCheck(plugged(low, kAllBands20), {}).cautions.isEmpty());
    low[0] = 9;
    EXPECT_EQ(evaluateFitCheck(plugged(low, kAllBands20), {}).cautions,
              QStringList{QStringLiteral("Dämpfung bei 125 Hz unter 10 dB (links: 9,0 dB): der "
                                         "Stöpsel sitzt womöglich nicht dicht.")});
    std::map<int, int> far = kAllBands20;
    for (auto& [index, a] : far) {
        a = 35;
    }
    EXPECT_EQ(evaluateFitCheck(plugged(kAllBands20, far), {}).cautions.size(), 1);
    for (auto& [index, a] : far) {
        a = 34;
    }
    EXPECT_TRUE(evaluateFitCheck(plugged(kAllBands20, far), {}).cautions.isEmpty());
}

TEST(FitCheck, QualityFlagsAndTheRetestAtTheirBoundaries) {
    FitCheckParameters p; // minimum 6 reversals
    auto record = plugged(kAllBands20, kAllBands20);
    put(record.Test1Result, 0, 1, 10, 6, 10);           // at the limits: no flag
    put(record.Test1Result, 0, 2, 10, 5, 11);           // ended by time, wide
    put(record.Test2Result, 0, 4, 99);                  // one below the top
    put(record.Test2Result, 0, 6, 100);                 // at the top
    record.Test2Result.Thresholds[1][8] = kNoThreshold; // no response in run 2
    record.Test2Result.Reversals[1][8].Count = 0;
    const auto report = evaluateFitCheck(record, p);
    const auto flags = [&](int ear, int index, int run) {
        for (const auto& cell : report.cells[ear]) {
            if (cell.index == index) {
                return cell.flags[run];
            }
        }
        return 999u;
    };
    EXPECT_EQ(flags(0, 1, 0), 0u);
    EXPECT_EQ(flags(0, 2, 0), unsigned(FewReversals | WideSpread));
    EXPECT_EQ(flags(0, 4, 1), 0u);
    EXPECT_EQ(flags(0, 6, 1), unsigned(AtTop));
    EXPECT_EQ(flags(1, 8, 1), unsigned(NoThreshold | AtTop));
    const auto& open = report.cells[1][5]; // right, 4000 Hz
    ASSERT_EQ(open.index, 8);
    EXPECT_TRUE(open.atLeast);
    EXPECT_EQ(*open.attenuation, 100.0 - 10.0);
    EXPECT_TRUE(report.ears[1].atLeast);
    EXPECT_TRUE(report.cautions.contains(
        QStringLiteral("links, 500 Hz, Durchlauf 1: weniger Richtungswechsel als verlangt (Zeit "
                       "abgelaufen), Streuung über 10 dB")));

    // The retest against the first 1000 Hz: 5 fine, 6 and 9 a caution, 10
    // (either way) a fail.
    for (const auto& [difference, level] :
         std::vector<std::pair<int, RetestCheck::Level>>{{5, RetestCheck::Fine},
                                                         {6, RetestCheck::Caution},
                                                         {9, RetestCheck::Caution},
                                                         {10, RetestCheck::Fail},
                                                         {-10, RetestCheck::Fail}}) {
        auto retested = plugged(kAllBands20, kAllBands20);
        put(retested.Test1Result, 1, kRetestIndex, 10 + difference);
        const auto checked = evaluateFitCheck(retested, p);
        ASSERT_EQ(checked.retests.size(), 1u) << difference;
        EXPECT_EQ(checked.retests[0].level, level) << difference;
        EXPECT_EQ(checked.retests[0].run, 1);
        EXPECT_EQ(checked.cautions.size(), level == RetestCheck::Fine ? 0 : 1) << difference;
    }
}
