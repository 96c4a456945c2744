#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace tavo::engine {

inline constexpr int kEars = 2;
inline constexpr int kLeftEar = 0;
inline constexpr int kRightEar = 1;
inline constexpr int kResultIndexes = 12; // slot - 1
inline constexpr int kMaxReversals = 20;
inline constexpr int kNoThreshold = 1000;

// The reversals recorded at one ear and frequency.
struct TReversalList {
    std::int32_t Count = 0;
    std::array<std::int32_t, kMaxReversals> Levels{};
    std::int32_t Spread = 0;
};
static_assert(sizeof(TReversalList) == 88);

// One run of the test.
struct TTestResult {
    std::array<std::array<TReversalList, kResultIndexes>, kEars> Reversals{};
    std::array<std::array<std::int32_t, kResultIndexes>, kEars> Thresholds{};
    QString TestDate; // "06-12-2026"
    QString TestTime; // "9h5"
};

// Clears one result record as New and New Test do: every Count 0 and every
// threshold 1000; the levels, spreads, dates and times stay.
void clearResult(TTestResult& result);

// The main window's test data box: person, location, the two examination
// marks and the verdict.
struct TestData {
    QString person;
    QString location;
    bool erstpruefung = false; // "Erstprüfung"
    bool screening = false;    // "Überwachungsprüfung"
    bool ok = true;            // "IO"
    bool nok = false;          // "NIO"

    friend bool operator==(const TestData&, const TestData&) = default;
};

// One test as a document: the data box, both runs with their dates, and
// whether the runs hold results (the summary figures follow from them,
// CalcAVP). The main window shows and edits it, test files read and write
// it, the test fills it. `Unsaved`: the results of a finished test, or an
// edit of the data box after them, have not been saved as a test file since
// (not part of any file).
struct TestRecord {
    TestData data;
    TTestResult Test1Result;
    TTestResult Test2Result;
    bool ResultsValid = false;
    bool Unsaved = false;
};

} // namespace tavo::engine
