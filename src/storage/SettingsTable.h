#pragma once

#include "storage/Settings.h"

#include <QString>

#include <cstdint>
#include <span>

namespace tavo::storage {

enum class SettingKind {
    Boolean, // a check box or radio button, stored as 1 / 0
    Text,    // the text of a field or label
    Device,  // the selection index of a device list, -1 for none
    Colour,  // a slot of the colour table
};

// The values a test parameter's field may hold. `wholeNumber`: only whole
// numbers; `label` names the field in a message, `unit` follows the range.
// Both are marked for translation in the context "SettingsTable": a message
// shows them through QCoreApplication::translate("SettingsTable", ...).
struct SettingRange {
    double minimum = 0.0;
    double maximum = 0.0;
    bool wholeNumber = false;
    const char* label = "";
    const char* unit = "";
};

// One setting: its value name in the store, the dialog's control, the design
// value, and where the Settings value keeps it (exactly one of `flag`,
// `frequencySlot`, `text`, `device`, `colourSlot` applies, by kind).
struct SettingRow {
    const char* valueName; // empty for the dialog's values that are not stored
    SettingKind kind;
    const char* control;       // object name of the control; empty for colours
    int colourSlot;            // for colours
    bool designChecked;        // booleans
    const char* designText;    // texts
    std::uint32_t errorColour; // colours: what a failed read sets (slots 3, 4: see below)
    bool Settings::*flag = nullptr;
    int frequencySlot = 0; // booleans without a flag: Settings::testFrequency[slot]
    QString Settings::*text = nullptr;
    int Settings::*device = nullptr;
    SettingRange range{}; // texts the test reads as numbers
    bool hasRange = false;
};

// Every stored setting in the order the settings are read. The same table
// drives reading, writing, the first installation, the dialog's controls and
// `tavo settings`.
std::span<const SettingRow> settingsTable();

// The dialog's values that are not stored ("Praxisabweichung" and two
// invisible options): the dialog starts them at their design values.
std::span<const SettingRow> unstoredSettings();

// The settings added after the first installation's (the archive, the
// fit-check report). A store without them is read without complaint: a value
// it lacks keeps its design value.
std::span<const SettingRow> addedSettingsTable();

// The order of writing differs from the order of reading only at the end:
// the calibration file name is written before "Print Cal File".
std::span<const SettingRow* const> settingsWriteOrder();

const SettingRow* findSetting(const QString& valueName);
// The design text of a stored text value (empty for an unknown name).
QString designText(const char* valueName);
// The row of a dialog control, stored or not.
const SettingRow* findSettingOfControl(const QString& control);

// A row's value in a Settings value. Setting a flag has the effects of the
// dialog's control: checking one of the response button's radio buttons
// clears the other (clearing one leaves the other alone).
bool flagOf(const Settings& settings, const SettingRow& row);
void setFlag(Settings& settings, const SettingRow& row, bool on);
QString textOf(const Settings& settings, const SettingRow& row);
void setText(Settings& settings, const SettingRow& row, const QString& text);
int deviceOf(const Settings& settings, const SettingRow& row);
void setDevice(Settings& settings, const SettingRow& row, int index);

// A row's value as text: booleans 0/1, texts as typed, devices as list
// positions (-1 for none), colours as 8 hexadecimal digits.
QString valueText(const SettingRow& row, const Settings& settings);

// A device list's selection as a list of `count` entries shows it: an index
// past the end (or negative) leaves no selection (-1).
void clampDeviceSelections(Settings& settings, int waveDevices, int mixerDevices);

// The first-start marker: 1 until the program has been started once.
inline const char* const kFirstRunValue = "FirstRun";

// Colour values of a fresh installation for the two background slots,
// which otherwise default to the colour the area or window has.
inline constexpr std::uint32_t kOlive = 0x008080;
inline constexpr std::uint32_t kButtonFace = 0xFF00000F;
inline constexpr int kAudiogramBackgroundSlot = 3;
inline constexpr int kWindowBackgroundSlot = 4;

} // namespace tavo::storage
