#pragma once

#include "engine/AppState.h"

#include <array>

#include <QColor>
#include <QPoint>

class QPainter;

namespace tavo::engine {

// Geometry of the live audiogram in the test window: 350 x 349 pixels, 3
// pixels per dB with 0 dB HL at y = 40 (louder is lower), a frequency's trace
// starting at x = 25 and spanning 300 pixels when it uses its full time.
inline constexpr int kGraphWidth = 350;
inline constexpr int kGraphHeight = 349;
inline constexpr int kTraceLeft = 25;
inline constexpr int kTraceSpan = 300;
inline constexpr int kLastTraceEntry = kTraceEntries - 1; // LiveTrace[200]

// y pixel of a running level (dB HL - 100): round((level + 100) x 3 + 40),
// ties to even.
int traceY(double currentLevel);
// The level as the window shows it: round(level + 100) dB HL, ties to even.
int levelDbHl(double currentLevel);
// x pixel after `pulse` pulses: 25 + pulse x step. Absurd products are held
// far outside the graph instead of overflowing.
int traceX(int pulse, int traceStep);

// The trace of the current frequency as the test window drew it, so that a
// repaint can draw it again: the ear (its colour), the pixels per pulse, the
// pulses drawn and the y pixel of each point (LiveTrace).
struct TracePoints {
    int ear = kLeftEar;
    int TraceStep = 0;
    int PulseCount = 0;
    std::array<std::int32_t, kTraceEntries> LiveTrace{};
};

// LiveTrace has room for the starting point and 200 pulses. A frequency can
// play more (a long maximum time against a short pulse period, or a trial
// whose trace step is 0 and so never wraps); the points past entry 200 are
// not recorded, so nothing is ever written past the trace, and a repaint
// shows the first 200 pulses. The window keeps drawing the later pulses live,
// from the point it drew last.
//
// Writes LiveTrace[pulse] := y when pulse is 0..200; false otherwise.
bool recordTracePoint(TracePoints& trace, int pulse, int y);
// How many segments a repaint draws: PulseCount held to 0..200.
int recordedPulses(const TracePoints& trace);
// For the trial's wrap: the trace is as wide as a frequency's (300 pixels) or
// its record is full. With a trace step of 0 only the second holds, so a
// trial still starts again at the left edge every 200 pulses.
bool liveTraceFull(int pulseCount, int traceStep);

// Clears the whole graph with `background` and draws the grid in `grid`: a
// line for every 10 dB from -10 to 100 dB HL (y = 30 i + 10 from x = 22 to
// 325) labelled at (3, 30 i + 4), the axes (24, 10)-(24, 340)-(326, 340) and
// "dB" at (26, 4). Texts are drawn in `text` with the painter's font, their
// top left corner at the given point.
void paintAxes(QPainter& painter, const QColor& background, const QColor& grid, const QColor& text);

// Draws the recorded trace in `colour`: for a = 1..recordedPulses a line from
// (25 + (a - 1) step, LiveTrace[a - 1]) to (25 + a step, LiveTrace[a]).
void paintTrace(QPainter& painter, const TracePoints& trace, const QColor& colour);

} // namespace tavo::engine
