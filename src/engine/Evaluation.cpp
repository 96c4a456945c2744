#include "engine/Evaluation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavo::engine {

namespace {

constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();

// The counted reversals are k = first .. n (1-based); a count from a file
// may exceed the 20 levels a list holds.
int firstCounted(bool reject1st) {
    return reject1st ? 2 : 1;
}
int lastCounted(const TReversalList& list) {
    return std::min(list.Count, kMaxReversals);
}

struct Range {
    bool any = false;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;

    void add(std::int32_t level) {
        minimum = any ? std::min(minimum, level) : level;
        maximum = any ? std::max(maximum, level) : level;
        any = true;
    }
    std::int64_t width() const { return std::int64_t{maximum} - minimum; }
};

std::int32_t saturate(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    return static_cast<std::int32_t>(std::clamp(x, kInt32Min, kInt32Max));
}

} // namespace

std::int32_t RoundHalfUp(double x) {
    const double whole = std::trunc(x);
    return saturate(x - whole >= 0.5 ? whole + 1.0 : whole);
}

std::int32_t divideRoundHalfEven(std::int64_t sum, std::int64_t count) {
    // Floor division first, so that the remainder is never negative.
    std::int64_t quotient = sum / count;
    std::int64_t remainder = sum % count;
    if (remainder < 0) {
        quotient -= 1;
        remainder += count;
    }
    if (2 * remainder > count || (2 * remainder == count && quotient % 2 != 0)) {
        quotient += 1;
    }
    return static_cast<std::int32_t>(quotient);
}

std::int32_t thresholdOf(const TReversalList& list, bool reject1st) {
    const int first = firstCounted(reject1st);
    const int last = lastCounted(list);
    if (last < first) {
        return kNoThreshold;
    }
    std::int64_t sum = 0;
    for (int k = first; k <= last; ++k) {
        sum += list.Levels[k - 1];
    }
    return divideRoundHalfEven(sum, last - first + 1);
}

std::int32_t Spread(const TReversalList& list, bool reject1st) {
    // Odd-numbered reversals are the peaks of the trace (the first one ends
    // a rising phase), even-numbered ones the troughs.
    Range odd;
    Range even;
    for (int k = firstCounted(reject1st); k <= lastCounted(list); ++k) {
        (k % 2 != 0 ? odd : even).add(list.Levels[k - 1]);
    }
    std::int64_t spread = 0;
    if (odd.any && even.any) {
        spread = std::max(odd.width(), even.width());
    } else if (odd.any || even.any) {
        spread = odd.any ? odd.width() : even.width();
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(spread, kInt32Max));
}

void CalcThreshold(TTestResult& result, bool reject1st) {
    for (int ear = 0; ear < kEars; ++ear) {
        for (int index = 0; index < kResultIndexes; ++index) {
            const auto& list = result.Reversals[ear][index];
            result.Thresholds[ear][index] =
                list.Count <= 0 ? kNoThreshold : thresholdOf(list, reject1st);
        }
    }
}

SummaryTexts CalcAVP(const TestRecord& record) {
    const QString dash = QStringLiteral("-");
    if (!record.ResultsValid) {
        return SummaryTexts{dash, dash, dash};
    }
    // Only frequencies measured in both runs can say how the runs differ: a
    // threshold missing in one run (1000) is no level to subtract.
    const auto earFigure = [&](int ear) -> std::optional<std::int32_t> {
        std::int64_t difference = 0;
        int pairs = 0;
        for (int index = 0; index < kResultIndexes - 1; ++index) {
            const std::int32_t first = record.Test1Result.Thresholds[ear][index];
            const std::int32_t second = record.Test2Result.Thresholds[ear][index];
            if (first != kNoThreshold && second != kNoThreshold) {
                difference += std::int64_t{first} - second;
                ++pairs;
            }
        }
        if (pairs == 0) {
            return std::nullopt;
        }
        return RoundHalfUp(static_cast<double>(difference) / pairs);
    };
    const auto text = [&](const std::optional<std::int32_t>& figure) {
        return figure ? QString::number(*figure) : dash;
    };
    const auto ospl = earFigure(kLeftEar);
    const auto ospr = earFigure(kRightEar);
    std::optional<std::int32_t> apv;
    if (ospl && ospr) {
        apv = RoundHalfUp((static_cast<double>(*ospl) + *ospr) / 2.0);
    } else {
        apv = ospl ? ospl : ospr;
    }
    return SummaryTexts{text(ospl), text(ospr), text(apv)};
}

} // namespace tavo::engine
