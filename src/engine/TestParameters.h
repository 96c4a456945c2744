#pragma once

#include "platform/Result.h"

#include <array>

namespace tavo::storage {
struct Settings;
}

namespace tavo::engine {

// The settings a run of the hearing test works with, read from the settings
// when the run starts and checked once, so that nothing later in the run can
// divide by zero, overrun the reversal list or play for ever. Made by
// readTestParameters (the design values live in the settings table).
struct TestParameters {
    double pulse = 0.0;     // s
    double gap = 0.0;       // s
    double maxTime = 0.0;   // s per frequency
    int minReversals = 0;   //
    double levelStep = 0.0; // dB
    int levelStart = 0;     // dB HL (shown level)
    bool trial = false;
    bool leftEarFirst = false;
    bool resetOnNewFrequency = false;
    bool resetOnNewSide = false;
    bool reject1st = false;
    bool realTimeCalc = false;
    bool practiceDeviation = false;
    bool joystick = false;
    int waveOutDevice = -1;
    // Slots 1..11 (index 0 unused): the test frequencies ticked.
    std::array<bool, 12> frequencies{};

    double pulsePeriod() const { return pulse + gap; }
    // round(300 x period) div round(maximum time), each rounded half to even.
    int traceStep() const;
};

// Reads and checks the test parameters. A field outside the range the
// settings table gives it (start level, level step, maximum time, reversals,
// pulse, gap; pulse and gap together more than 0) gives a message in the
// program's language naming the field instead. Decimal fields are read with
// the locale's decimal separator, as the settings dialog writes them.
Result<TestParameters> readTestParameters(const storage::Settings& settings);

} // namespace tavo::engine
