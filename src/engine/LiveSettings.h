#pragma once

#include <QString>

namespace tavo::engine {

// The settings as the settings dialog's controls hold them at the moment of
// the call. The controls are the one live copy; logic reads through this
// view so that it needs no widget and tests can give plain values.
class LiveSettings {
public:
    virtual ~LiveSettings() = default;
    // "Disable screensaver during test".
    virtual bool disableScreenSaver() const = 0;
    // "Kalibrierungsdatei automatisch beim Start laden" (chkLoadCal); a view
    // that does not hold it gives the design value.
    virtual bool reloadCalibrationAtStart() const { return false; }
    // The default calibration file the settings show (Label24, "Cal
    // Filename").
    virtual QString calibrationFileName() const { return QStringLiteral("Keine Datei ausgewählt"); }
};

// The settings dialog's design values, for use before the dialog exists
// and in tools and tests.
class DesignSettings : public LiveSettings {
public:
    bool disableScreenSaver() const override { return true; }
    bool reloadCalibrationAtStart() const override { return false; }
    QString calibrationFileName() const override {
        return QStringLiteral("Keine Datei ausgewählt");
    }
};

} // namespace tavo::engine
