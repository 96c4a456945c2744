#pragma once

#include "engine/ResponseButton.h"

#include <QString>

namespace tavo::engine {

// The real-time audiogram window as the test procedure drives it. TfrmTest
// is the program's; tests may give their own.
class TestWindowView : public ResponseWindow {
public:
    // Shown (stays on top) and hidden again at the end of a run.
    virtual void showTestWindow() = 0;
    virtual void hideTestWindow() = 0;
    // False once the user closed the window: the wait for release ends then.
    virtual bool testWindowVisible() const = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // The caption of the window's one button ("Abbrechen" once the real test
    // starts).
    virtual void setButtonCaption(const QString& caption) = 0;
    // What to draw. Start of a frequency for `ear` at `level` (dB HL - 100),
    // `traceStep` pixels per pulse; the segment to pulse `pulse` (1, 2, ...)
    // at `level`; the trial's trace starting again at the left edge (without
    // clearing) at `level`; the level label.
    virtual void StartTrace(int ear, double level, int traceStep) = 0;
    virtual void DrawPulse(int pulse, double level) = 0;
    virtual void WrapTrace(double level) = 0;
    virtual void SetLevel(double currentLevel) = 0;
};

} // namespace tavo::engine
