#include "storage/SettingsTable.h"

#include <array>

namespace tavo::storage {

namespace {

constexpr SettingRow boolean(const char* name, const char* control, bool on) {
    return {name, SettingKind::Boolean, control, -1, on, "", 0};
}
constexpr SettingRow text(const char* name, const char* control, const char* design) {
    return {name, SettingKind::Text, control, -1, false, design, 0};
}
constexpr SettingRow device(const char* name, const char* control) {
    return {name, SettingKind::Device, control, -1, false, "", 0};
}
constexpr SettingRow colour(const char* name, int slot, std::uint32_t onError) {
    return {name, SettingKind::Colour, "", slot, false, "", onError};
}

constexpr std::array kTable{
    boolean("Test 125Hz", "Check125", false),
    boolean("Test 250Hz", "Check250", true),
    boolean("Test 500Hz", "Check500", true),
    boolean("Test 750Hz", "Check750", false),
    boolean("Test 1000Hz", "Check1000", true),
    boolean("Test 1500Hz", "Check1500", false),
    boolean("Test 2000Hz", "Check2000", true),
    boolean("Test 3000Hz", "Check3000", true),
    boolean("Test 4000Hz", "Check4000", true),
    boolean("Test 6000Hz", "Check6000", true),
    boolean("Test 8000Hz", "Check8000", true),
    boolean("Trial Run", "Trial", true),
    boolean("First Ear", "FirstEar", true),
    text("Pulse Duration(s)", "BeepTimeEdit", "1"),
    text("Pause Duration(s)", "PauseTimeEdit", "1"),
    text("Level Steps (dB)", "LevelStep", "3"),
    text("Start Level (dB HL)", "LevelStart", "40"),
    text("Max. Test time(s)", "TestTimeEdit", "30"),
    text("Min. Reversals", "ReverseEdit", "6"),
    boolean("NewSideReset", "cboNewSide0dB", false),
    boolean("NewFreqReset", "cboNewFreq0dB", false),
    device("Wave Out Device Number", "WaveOutDevice"),
    device("Mixer Device Number", "MixerDevice"),
    boolean("Joystick", "rdoJoystick", false),
    boolean("CTRL", "rdoCTRL", true),
    boolean("Reject 1st Reversal", "Reject1st", true),
    boolean("Show in RT", "RealTimeCalc", true),
    boolean("Show Reversal Graph", "ShowReversals", true),
    boolean("Show Threshold Graph", "ShowThresholds", true),
    boolean("Mark Suspicious Results", "MarkSuspicious", true),
    colour("Colour Audiogram Reversals Left", 0, 0x800000),
    colour("Colour Audiogram Reversals Right", 1, 0x000080),
    colour("Colour Audiogram Axes & Grid", 2, 0x808080),
    colour("Colour Audiogram Background", kAudiogramBackgroundSlot, kOlive),
    colour("Colour Application Background", kWindowBackgroundSlot, kButtonFace),
    colour("Colour Audiogram Thresholds Left", 5, 0xFF0000),
    colour("Colour Audiogram Thresholds Right", 6, 0x0000FF),
    boolean("Reload Cal File", "chkLoadCal", false),
    boolean("Print Cal File", "chkPrintCal", false),
    text("Cal Filename", "Label24", "Keine Datei ausgewählt"),
};

constexpr std::size_t kRows = kTable.size();

std::array<const SettingRow*, kRows> makeWriteOrder() {
    std::array<const SettingRow*, kRows> order{};
    for (std::size_t i = 0; i < kRows; ++i) {
        order[i] = &kTable[i];
    }
    // ..., "Reload Cal File", "Cal Filename", "Print Cal File"
    std::swap(order[kRows - 1], order[kRows - 2]);
    return order;
}

const std::array<const SettingRow*, kRows> kWriteOrder = makeWriteOrder();

} // namespace

std::span<const SettingRow> settingsTable() {
    return kTable;
}

std::span<const SettingRow* const> settingsWriteOrder() {
    return kWriteOrder;
}

const SettingRow* findSetting(const QString& valueName) {
    for (const auto& row : kTable) {
        if (valueName == QLatin1String(row.valueName)) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace tavo::storage
