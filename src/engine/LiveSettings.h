#pragma once

#include <QString>

namespace tavo::engine {

// The settings as the settings dialog's controls hold them at the moment of
// the call. The controls are the one live copy; logic reads through this
// view so that it needs no widget and tests can give plain values. Every
// accessor has the dialog's design value as its default, so a view
// implements what it holds.
class LiveSettings {
public:
    virtual ~LiveSettings() = default;

    // "Disable screensaver during test" (chkDisableSS).
    virtual bool disableScreenSaver() const { return true; }
    // "Kalibrierungsdatei automatisch beim Start laden" (chkLoadCal).
    virtual bool reloadCalibrationAtStart() const { return false; }
    // The default calibration file the settings show (Label24, "Cal
    // Filename").
    virtual QString calibrationFileName() const { return QStringLiteral("Keine Datei ausgewählt"); }
    // "Dateiname der Kalibrierung im Audiogramm drucken" (chkPrintCal).
    virtual bool printCalibrationFileName() const { return false; }

    // Test frequencies: slot 1..11 (125 .. 8000 Hz), Check125 .. Check8000.
    virtual bool testFrequency(int slot) const {
        return !(slot == 1 || slot == 4 || slot == 6) && slot >= 1 && slot <= 11;
    }
    // The test parameters as their fields show them.
    virtual QString pulseDurationText() const { return QStringLiteral("1"); } // BeepTimeEdit
    virtual QString pauseDurationText() const { return QStringLiteral("1"); } // PauseTimeEdit
    virtual QString levelStepText() const { return QStringLiteral("3"); }     // LevelStep
    virtual QString levelStartText() const { return QStringLiteral("40"); }   // LevelStart
    virtual QString maxTestTimeText() const { return QStringLiteral("30"); }  // TestTimeEdit
    virtual QString minReversalsText() const { return QStringLiteral("6"); }  // ReverseEdit

    virtual bool trialRun() const { return true; }                  // Trial
    virtual bool leftEarFirst() const { return true; }              // FirstEar
    virtual bool resetLevelOnNewFrequency() const { return false; } // cboNewFreq0dB
    virtual bool resetLevelOnNewSide() const { return false; }      // cboNewSide0dB
    virtual bool practiceDeviation() const { return true; }         // chkPraxisabweichung
    virtual bool joystickResponse() const { return false; }         // rdoJoystick
    virtual int waveOutDevice() const { return 0; }                 // WaveOutDevice's selection
    virtual QString waveOutDeviceText() const { return {}; }        // its shown entry

    // Graph options.
    virtual bool reject1st() const { return true; }      // Reject1st
    virtual bool realTimeCalc() const { return true; }   // RealTimeCalc
    virtual bool showReversals() const { return true; }  // ShowReversals
    virtual bool showThresholds() const { return true; } // ShowThresholds
    virtual bool markSuspicious() const { return true; } // MarkSuspicious
};

// The settings dialog's design values, for use before the dialog exists
// and in tools and tests.
class DesignSettings : public LiveSettings {};

} // namespace tavo::engine
