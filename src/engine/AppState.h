#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavo::engine {

inline constexpr int kEars = 2;
inline constexpr int kLeftEar = 0;
inline constexpr int kRightEar = 1;
inline constexpr int kSlots = 13;         // 0 trial, 1..11 test frequencies, 12 retest
inline constexpr int kResultIndexes = 12; // slot - 1
inline constexpr int kMaxReversals = 20;
inline constexpr int kTraceEntries = 201; // LiveTrace[0..200]
inline constexpr int kNoThreshold = 1000;

// Frequency of every slot, in Hz. Slot 0 is set at the start of a run with
// a trial; slot 12 is the 1000 Hz retest.
using FrequencyTable = std::array<std::int32_t, kSlots>;
inline constexpr FrequencyTable kInitialFrequencies = {0,    125,  250,  500,  750,  1000, 1500,
                                                       2000, 3000, 4000, 6000, 8000, 1000};

// Calibration of one ear at one slot; stored byte for byte in calibration
// files, so the layout is fixed.
struct TCalibrationPoint {
    std::int32_t WaveSteps = 0;
    std::int32_t MasterSteps = 0;
    std::int32_t GainSteps = 0;
    std::int32_t Reserved = 0;
    double Reference = 0.0;
};
static_assert(sizeof(TCalibrationPoint) == 24);
static_assert(offsetof(TCalibrationPoint, Reference) == 16);

using CalibrationTable = std::array<std::array<TCalibrationPoint, kSlots>, kEars>;
// Working table of a calibration by ear: index k holds slot k + 1.
using NewCalibrationTable = std::array<std::array<TCalibrationPoint, 11>, kEars>;

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

// The application state: everything the windows and procedures share.
// The program has one instance; every piece of logic takes it by reference,
// so tests make their own.
struct AppState {
    FrequencyTable TestFrequencies = kInitialFrequencies;

    CalibrationTable Calibration{};
    QString CalibrationDate;
    QString CalibrationTime;
    bool CalibrationLoaded = false;

    TTestResult Test1Result;
    TTestResult Test2Result;
    bool ResultsValid = false;

    // Run-time state of a test.
    bool StopRequested = false;
    bool ResponsePressed = false;
    std::int32_t CurrentEar = 0;
    double CurrentLevel = 0.0; // dB HL - 100
    std::int32_t PulseCount = 0;
    std::int32_t TraceStep = 0;
    std::array<std::int32_t, kTraceEntries> LiveTrace{};
    bool SecondRunOffset = false;
    std::int32_t LeftChannelGain = 0;
    std::int32_t RightChannelGain = 0;

    // Calibration by ear.
    bool NewCalibrationMode = false;
    NewCalibrationTable NewCalibration{};
    bool NewCalibrationPending = false;
    QString NewCalibrationDate;
    QString NewCalibrationTime;

    // Platform state decided at start-up.
    bool UseEndpointVolume = false;
    QString CommandLineFile;
};

// Clears one result record as New and New Test do: every Count 0 and every
// threshold 1000; the levels, spreads, dates and times stay.
void clearResult(TTestResult& result);

} // namespace tavo::engine
