#pragma once

#include "engine/AppState.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace tavo::engine {

// Rounds as the summary figures always have: truncate toward zero, then add
// one when the fractional part is at least one half. Positive halves round
// up (2.5 -> 3); negative values are only truncated (-2.5 -> -2, -2.7 -> -2).
// Values beyond the int32 range saturate.
std::int32_t RoundHalfUp(double x);

// sum / count rounded to the nearest integer, ties to even (65 / 2 -> 32,
// 67 / 2 -> 34). count must be positive.
std::int32_t divideRoundHalfEven(std::int64_t sum, std::int64_t count);

// The threshold of one reversal list: the mean of the counted reversal
// levels (from the second on when the first is rejected), ties to even.
// A list that counts no reversal has no result (kNoThreshold): Count <= 0,
// or Count 1 with the first reversal rejected. Only the 20 stored levels
// can count, whatever Count says.
std::int32_t thresholdOf(const TReversalList& list, bool reject1st);

// The spread of one reversal list: the larger of the ranges (maximum -
// minimum) of the odd-numbered and of the even-numbered counted reversals.
// A class without reversals is never chosen; with none counted at all the
// spread is 0. A spread above kInaccurateSpread marks the result inaccurate.
std::int32_t Spread(const TReversalList& list, bool reject1st);
inline constexpr std::int32_t kInaccurateSpread = 10;

// Recomputes every threshold of one run from its reversal lists with the
// current "Erste Umkehrung verwerfen" setting. Counts and spreads stay.
void CalcThreshold(TTestResult& result, bool reject1st);

// The texts of the three summary figures OSPL, OSPR and APV.
struct SummaryTexts {
    QString ospl;
    QString ospr;
    QString apv;
};

// The summary figures as the main window shows them: "-" three times while
// the results are not valid. Otherwise each ear's figure is the mean
// difference (first run - second run) over the test frequencies (result
// indexes 0..10; the retest does not count) that have a threshold in both
// runs, rounded by RoundHalfUp; an ear without such a frequency shows "-".
// APV is the rounded mean of the two ear figures, the one ear's figure when
// only one ear has one, and "-" when neither has.
SummaryTexts CalcAVP(const TestRecord& record);
inline SummaryTexts CalcAVP(const AppState& state) {
    return CalcAVP(state.Record);
}

} // namespace tavo::engine
