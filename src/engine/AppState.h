#pragma once

#include "engine/TestRecord.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavo::engine {

inline constexpr int kSlots = 13;         // 0 trial, 1..11 test frequencies, 12 retest
inline constexpr int kTraceEntries = 201; // LiveTrace[0..200]

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

// The application state: everything the windows and procedures share.
// The program has one instance; every piece of logic takes it by reference,
// so tests make their own.
struct AppState {
    FrequencyTable TestFrequencies = kInitialFrequencies;

    CalibrationTable Calibration{};
    QString CalibrationDate;
    QString CalibrationTime;
    bool CalibrationLoaded = false;
    // Where the calibration in force came from, as the archive keeps it with
    // each test: its file (empty while a new calibration is not saved), who
    // calibrated, and the SHA-256 of the file's bytes (hex).
    QString CalibrationFile;
    QString CalibrationPerson;
    QString CalibrationHash;

    // The document: the data box, both runs and whether they are valid.
    TestRecord Record;

    // A stop was asked for (the test window's button or closing, the main
    // window closing); the screen saver stays off while there is none.
    bool StopRequested = false;

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

} // namespace tavo::engine
