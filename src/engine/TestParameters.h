#pragma once

#include <QString>

#include <array>
#include <variant>

namespace tavo::engine {

class LiveSettings;

// The settings a run of the hearing test works with, read from the live
// settings when the run starts and checked once, so that nothing later in
// the run can divide by zero, overrun the reversal list or play for ever.
struct TestParameters {
    double pulse = 1.0;     // s, BeepTimeEdit
    double gap = 1.0;       // s, PauseTimeEdit
    double maxTime = 30.0;  // s per frequency, TestTimeEdit
    int minReversals = 6;   // ReverseEdit
    double levelStep = 3.0; // dB, LevelStep
    int levelStart = 40;    // dB HL, LevelStart
    bool trial = true;      // Trial
    bool leftEarFirst = true;
    bool resetOnNewFrequency = false;
    bool resetOnNewSide = false;
    bool reject1st = true;
    bool realTimeCalc = true;
    bool practiceDeviation = true;
    bool joystick = false;
    int waveOutDevice = 0;
    // Slots 1..11 (index 0 unused): the test frequencies ticked.
    std::array<bool, 12> frequencies{};

    double pulsePeriod() const { return pulse + gap; }
    // round(300 x period) div round(maximum time), each rounded half to even.
    int traceStep() const;
};

// Reads and checks the test parameters. A field outside what a run can
// work with gives a German message naming the field instead:
//   start level  integer -10..100 dB HL     level step  1..10 dB
//   maximum time 10..60 s                   reversals   integer 2..10
//   pulse, gap   0..5 s each, together more than 0
// Decimal fields are read with the locale's decimal separator, as the
// settings dialog writes them.
std::variant<TestParameters, QString> readTestParameters(const LiveSettings& settings);

} // namespace tavo::engine
