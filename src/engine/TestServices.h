#pragma once

namespace tavo::engine {

struct TCalibrationPoint;

// What the test procedure asks of the main window.
class TestHost {
public:
    virtual ~TestHost() = default;
    // Repaints the audiogram and the threshold table.
    virtual void repaintAudiogram() = 0;
    // Shows OSPL, OSPR and APV as the results stand ("-" while they are not
    // valid).
    virtual void CalcAVP() = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
};

// The sound card's volumes as the test sets them: the card prepared once
// per run, everything silenced at the start of each ear, then the wave and
// master levels of the calibration point of each ear and frequency.
class TestSoundCard {
public:
    virtual ~TestSoundCard() = default;
    virtual void prepare() = 0;
    virtual void silence() = 0;
    virtual void setVolumes(int ear, const TCalibrationPoint& point) = 0;
};

} // namespace tavo::engine
