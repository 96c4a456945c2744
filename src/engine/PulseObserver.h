#pragma once

#include <cstdint>

namespace tavo::engine {

// One pulse of a run as it is played.
struct PulseInfo {
    int run = 0;  // 1 first run, 2 second run (counted per New Test)
    int ear = 0;  // 0 left, 1 right
    int slot = 0; // 0 trial, 1..11, 12 retest
    std::int32_t frequency = 0;
    int pulse = 0;          // number at this frequency from 1; the trial's wraps do not restart it
    double level = 0.0;     // CurrentLevel: dB HL - 100
    double reference = 0.0; // the calibration point's Reference
    bool secondRunOffset = false;
    double pulseSeconds = 0.0; // the tone's duration
    double gapSeconds = 0.0;   // the silence after it
};

// Watches a test as it runs: the simulated listener, the pulse log. Every
// call comes from the test procedure on its own thread.
class PulseObserver {
public:
    virtual ~PulseObserver() = default;
    // A New Test begins (before its first run).
    virtual void testStarted() {}
    virtual void frequencyStarted(int /*run*/, int /*ear*/, int /*slot*/,
                                  std::int32_t /*frequency*/) {}
    // The pulse's buffer has been handed to the device.
    virtual void pulseStarted(const PulseInfo& /*pulse*/) {}
    // The buffer has been played (or the device failed); `pressed` is whether
    // the response button was seen down during it.
    virtual void pulseFinished(const PulseInfo& /*pulse*/, bool /*pressed*/) {}
    // A run has ended (1 first, 2 second), complete or interrupted; the
    // record holds its results.
    virtual void runFinished(int /*run*/, bool /*interrupted*/) {}
};

} // namespace tavo::engine
