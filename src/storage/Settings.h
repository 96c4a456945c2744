#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace tavo::storage {

// Colour values as 0x00BBGGRR (red in the low byte), or a system colour code
// (0xFF0000xx). 0 and 1 level traces, 2 axes and grid, 3 audiogram
// background, 4 window background, 5 and 6 thresholds.
inline constexpr int kColourSlots = 7;
using ColourTable = std::array<std::uint32_t, kColourSlots>;

// The program's settings as one plain value: what the settings store keeps
// and the settings dialog shows. The dialog loads it into its controls and
// writes every edit back at once; the test, the audiogram, printing,
// calibration and `tavo` read it. The design values come from the settings
// table (`designSettings()`), so a value made any other way starts empty.
//
// The test parameters stay texts as typed: the store keeps texts and the
// test reads and checks them when it starts (`readTestParameters`), so a
// stored text no run could work with is named then rather than lost here.
struct Settings {
    // Slots 1..11 (125 .. 8000 Hz); index 0 is unused.
    std::array<bool, 12> testFrequency{};
    bool trialRun = false;
    bool leftEarFirst = false;
    QString pulseDuration; // s
    QString pauseDuration; // s
    QString levelStep;     // dB
    QString levelStart;    // dB HL (shown level)
    QString maxTestTime;   // s per frequency
    QString minReversals;
    bool resetOnNewSide = false;
    bool resetOnNewFrequency = false;
    // Selection indexes of the device lists; -1 for none.
    int waveOutDevice = -1;
    int mixerDevice = -1;
    // The response button's two radio buttons; a stored pair may leave both
    // clear, in which case the CTRL key answers.
    bool joystick = false;
    bool ctrl = false;
    bool reject1st = false;
    bool realTimeCalc = false;
    bool showReversals = false;
    bool showThresholds = false;
    bool markSuspicious = false;
    ColourTable colours{};
    bool reloadCalibration = false;
    bool printCalibrationFileName = false;
    QString calibrationFileName;

    // The results archive: this station's SQLite file, or a PostgreSQL
    // server several stations share. No password is kept: libpq finds it
    // by its own conventions (~/.pgpass, a service file, the PG* variables).
    bool archiveOnServer = false;
    QString archiveHost;
    QString archivePort; // as typed; checked when the archive is opened
    QString archiveDatabase;
    QString archiveUser;
    QString archiveSslMode;

    // The 1000 Hz retest at the end of both runs (the fit-check report
    // compares it with the first 1000 Hz threshold).
    bool retest1000 = false;
    // The fit-check report: the noise exposure a report starts with (empty:
    // none) and the level wanted at the ear, dB(A), as typed.
    QString defaultExposure;
    QString wantedLevelAtEar;

    // The language of the windows from the next start: "system" (the
    // desktop's locale), "de", "en" or "source" (the texts as written).
    QString language;

    // Not stored: the dialog starts them at their design values.
    bool practiceDeviation = false;  // the second run plays 5 dB louder
    bool disableScreenSaver = false; // no screen saver while no stop is requested
    bool showLevel = false;          // read by nothing

    bool operator==(const Settings&) const = default;
};

// Every value at the dialog's design value, the colours at their defaults
// and both devices at the first entry: a fresh installation.
Settings designSettings();

} // namespace tavo::storage
