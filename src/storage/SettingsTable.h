#pragma once

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

// One stored setting: its value name, where it lives, and the values the
// program starts from.
struct SettingRow {
    const char* valueName;
    SettingKind kind;
    const char* control;       // object name of the control; empty for colours
    int colourSlot;            // for colours
    bool designChecked;        // booleans
    const char* designText;    // texts
    std::uint32_t errorColour; // colours: what a failed read sets (slots 3, 4: see below)
};

// Every setting in the order the settings are read. The same table drives
// reading, writing, the first installation and `tavo settings`.
std::span<const SettingRow> settingsTable();

// The order of writing differs from the order of reading only at the end:
// the calibration file name is written before "Print Cal File".
std::span<const SettingRow* const> settingsWriteOrder();

const SettingRow* findSetting(const QString& valueName);

// The first-start marker: 1 until the program has been started once.
inline const char* const kFirstRunValue = "FirstRun";

// Colour values of a fresh installation for the two background slots,
// which otherwise default to the colour the area or window has.
inline constexpr std::uint32_t kOlive = 0x008080;
inline constexpr std::uint32_t kButtonFace = 0xFF00000F;
inline constexpr int kAudiogramBackgroundSlot = 3;
inline constexpr int kWindowBackgroundSlot = 4;

} // namespace tavo::storage
