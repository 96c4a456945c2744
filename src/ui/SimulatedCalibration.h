#pragma once

#include "engine/ListenerDescription.h"

#include <QString>

#include <vector>

namespace tavo::platform {
struct Platform;
}

namespace tavo::ui {

struct ProgramWindows;

// One page of a simulated calibration by ear: where the listener left the
// sliders and how far the tone then lay from his threshold (dB; positive:
// audible). A tone that could not be brought within a few dB of it has
// `reached` false.
struct SimulatedCalibrationPage {
    int ear = 0;  // 0 left, 1 right
    int slot = 1; // 1..11
    int wave = 0;
    int master = 0;
    double offsetDb = 0.0;
    bool reached = true;
};

struct SimulatedCalibration {
    QString error; // empty: saved
    std::vector<SimulatedCalibrationPage> pages;
};

// A calibration by ear in the program's own windows, with a simulated
// calibrating listener (described by hearing level) at the headphones of
// the simulated card: "Neue Kalibrierung nach Gehör" without the
// compatibility test, the question about a known audiogram answered as the
// description says (then his thresholds are typed on every page), and on
// each of the 22 pages the tone switched on and the wave and master sliders
// moved until the tone sits at his threshold within their resolution (the
// gain slider stays as low as the page starts it, as the directions ask),
// then "Weiter ->". The information dialog names him (`name`, else
// "Simulierter Hörer") and saves the calibration to `fileName`; the new
// calibration is then the one in force.
//
// The platform must have simulated sound and scripted message boxes (the
// virtual platform).
SimulatedCalibration calibrateWithSimulatedListener(ProgramWindows& windows,
                                                    platform::Platform& platform,
                                                    const engine::ListenerDescription& listener,
                                                    const QString& fileName);

// How far from his threshold a page may leave the tone and still count as
// found: the sliders of a usual card get within a fraction of a dB.
inline constexpr double kCalibrationTolerance = 3.0;

} // namespace tavo::ui
