#include "storage/SettingsTable.h"

#include <array>

namespace tavo::storage {

namespace {

using S = Settings;

constexpr SettingRow boolean(const char* name, const char* control, bool on, bool S::*flag) {
    SettingRow row{name, SettingKind::Boolean, control, -1, on, "", 0};
    row.flag = flag;
    return row;
}
constexpr SettingRow frequency(const char* name, const char* control, bool on, int slot) {
    SettingRow row{name, SettingKind::Boolean, control, -1, on, "", 0};
    row.frequencySlot = slot;
    return row;
}
constexpr SettingRow text(const char* name, const char* control, const char* design,
                          QString S::*field) {
    SettingRow row{name, SettingKind::Text, control, -1, false, design, 0};
    row.text = field;
    return row;
}
constexpr SettingRow number(const char* name, const char* control, const char* design,
                            QString S::*field, SettingRange range) {
    SettingRow row = text(name, control, design, field);
    row.range = range;
    row.hasRange = true;
    return row;
}
constexpr SettingRow device(const char* name, const char* control, int S::*field) {
    SettingRow row{name, SettingKind::Device, control, -1, false, "", 0};
    row.device = field;
    return row;
}
constexpr SettingRow colour(const char* name, int slot, std::uint32_t onError) {
    return {name, SettingKind::Colour, "", slot, false, "", onError};
}

constexpr std::array kTable{
    frequency("Test 125Hz", "Check125", false, 1),
    frequency("Test 250Hz", "Check250", true, 2),
    frequency("Test 500Hz", "Check500", true, 3),
    frequency("Test 750Hz", "Check750", false, 4),
    frequency("Test 1000Hz", "Check1000", true, 5),
    frequency("Test 1500Hz", "Check1500", false, 6),
    frequency("Test 2000Hz", "Check2000", true, 7),
    frequency("Test 3000Hz", "Check3000", true, 8),
    frequency("Test 4000Hz", "Check4000", true, 9),
    frequency("Test 6000Hz", "Check6000", true, 10),
    frequency("Test 8000Hz", "Check8000", true, 11),
    boolean("Trial Run", "Trial", true, &S::trialRun),
    boolean("First Ear", "FirstEar", true, &S::leftEarFirst),
    number("Pulse Duration(s)", "BeepTimeEdit", "1", &S::pulseDuration,
           {0, 5, false, QT_TRANSLATE_NOOP("SettingsTable", "Signaldauer"),
            QT_TRANSLATE_NOOP("SettingsTable", "Sekunden")}),
    number("Pause Duration(s)", "PauseTimeEdit", "1", &S::pauseDuration,
           {0, 5, false, QT_TRANSLATE_NOOP("SettingsTable", "Lückendauer"),
            QT_TRANSLATE_NOOP("SettingsTable", "Sekunden")}),
    number("Level Steps (dB)", "LevelStep", "3", &S::levelStep,
           {1, 10, false, QT_TRANSLATE_NOOP("SettingsTable", "Pegelschritt"), "dB"}),
    number("Start Level (dB HL)", "LevelStart", "40", &S::levelStart,
           {-10, 100, true, QT_TRANSLATE_NOOP("SettingsTable", "Anfangspegel"), "dB HL"}),
    number("Max. Test time(s)", "TestTimeEdit", "30", &S::maxTestTime,
           {10, 60, false, QT_TRANSLATE_NOOP("SettingsTable", "Testdauer pro Frequenz"),
            QT_TRANSLATE_NOOP("SettingsTable", "Sekunden")}),
    number("Min. Reversals", "ReverseEdit", "6", &S::minReversals,
           {2, 10, true, QT_TRANSLATE_NOOP("SettingsTable", "Richtungswechsel"), ""}),
    boolean("NewSideReset", "cboNewSide0dB", false, &S::resetOnNewSide),
    boolean("NewFreqReset", "cboNewFreq0dB", false, &S::resetOnNewFrequency),
    device("Wave Out Device Number", "WaveOutDevice", &S::waveOutDevice),
    device("Mixer Device Number", "MixerDevice", &S::mixerDevice),
    boolean("Joystick", "rdoJoystick", false, &S::joystick),
    boolean("CTRL", "rdoCTRL", true, &S::ctrl),
    boolean("Reject 1st Reversal", "Reject1st", true, &S::reject1st),
    boolean("Show in RT", "RealTimeCalc", true, &S::realTimeCalc),
    boolean("Show Reversal Graph", "ShowReversals", true, &S::showReversals),
    boolean("Show Threshold Graph", "ShowThresholds", true, &S::showThresholds),
    boolean("Mark Suspicious Results", "MarkSuspicious", true, &S::markSuspicious),
    colour("Colour Audiogram Reversals Left", 0, 0x800000),
    colour("Colour Audiogram Reversals Right", 1, 0x000080),
    colour("Colour Audiogram Axes & Grid", 2, 0x808080),
    colour("Colour Audiogram Background", kAudiogramBackgroundSlot, kOlive),
    colour("Colour Application Background", kWindowBackgroundSlot, kButtonFace),
    colour("Colour Audiogram Thresholds Left", 5, 0xFF0000),
    colour("Colour Audiogram Thresholds Right", 6, 0x0000FF),
    boolean("Reload Cal File", "chkLoadCal", false, &S::reloadCalibration),
    boolean("Print Cal File", "chkPrintCal", false, &S::printCalibrationFileName),
    // The design text is stored as it is; only the dialog's label shows it
    // translated.
    text("Cal Filename", "Label24", QT_TRANSLATE_NOOP("SettingsTable", "Keine Datei ausgewählt"),
         &S::calibrationFileName),
};

constexpr std::array kUnstored{
    boolean("", "chkPraxisabweichung", true, &S::practiceDeviation),
    boolean("", "chkDisableSS", true, &S::disableScreenSaver),
    boolean("", "chkShowLevel", true, &S::showLevel),
};

constexpr std::array kAdded{
    boolean("Archive On Server", "rdoArchiveServer", false, &S::archiveOnServer),
    text("Archive Host", "edtArchiveHost", "", &S::archiveHost),
    text("Archive Port", "edtArchivePort", "5432", &S::archivePort),
    text("Archive Database", "edtArchiveDatabase", "tavoaudiometer", &S::archiveDatabase),
    text("Archive User", "edtArchiveUser", "", &S::archiveUser),
    text("Archive SSL Mode", "cbxArchiveSslMode", "prefer", &S::archiveSslMode),
    boolean("Retest 1000Hz", "chkRetest1000", false, &S::retest1000),
    number("Default Exposure (dB(A))", "edtDefaultExposure", "", &S::defaultExposure,
           {70, 130, false, QT_TRANSLATE_NOOP("SettingsTable", "Lärmexposition"), "dB(A)"}),
    number("Wanted Level At Ear (dB(A))", "edtWantedLevel", "80", &S::wantedLevelAtEar,
           {60, 85, false, QT_TRANSLATE_NOOP("SettingsTable", "Zielpegel am Ohr"), "dB(A)"}),
    text("Language", "cbxLanguage", "system", &S::language),
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

std::span<const SettingRow> unstoredSettings() {
    return kUnstored;
}

std::span<const SettingRow> addedSettingsTable() {
    return kAdded;
}

std::span<const SettingRow* const> settingsWriteOrder() {
    return kWriteOrder;
}

const SettingRow* findSetting(const QString& valueName) {
    for (const auto rows : {settingsTable(), addedSettingsTable()}) {
        for (const auto& row : rows) {
            if (valueName == QLatin1String(row.valueName)) {
                return &row;
            }
        }
    }
    return nullptr;
}

QString designText(const char* valueName) {
    const SettingRow* row = findSetting(QString::fromLatin1(valueName));
    return row != nullptr ? QString::fromUtf8(row->designText) : QString();
}

const SettingRow* findSettingOfControl(const QString& control) {
    for (const auto rows : {settingsTable(), unstoredSettings(), addedSettingsTable()}) {
        for (const auto& row : rows) {
            if (row.kind != SettingKind::Colour && control == QLatin1String(row.control)) {
                return &row;
            }
        }
    }
    return nullptr;
}

bool flagOf(const Settings& settings, const SettingRow& row) {
    return row.flag != nullptr
               ? settings.*row.flag
               : settings.testFrequency[static_cast<std::size_t>(row.frequencySlot)];
}

void setFlag(Settings& settings, const SettingRow& row, bool on) {
    if (row.flag == nullptr) {
        settings.testFrequency[static_cast<std::size_t>(row.frequencySlot)] = on;
        return;
    }
    settings.*row.flag = on;
    if (on && row.flag == &Settings::joystick) {
        settings.ctrl = false;
    } else if (on && row.flag == &Settings::ctrl) {
        settings.joystick = false;
    }
}

QString textOf(const Settings& settings, const SettingRow& row) {
    return settings.*row.text;
}

void setText(Settings& settings, const SettingRow& row, const QString& text) {
    settings.*row.text = text;
}

int deviceOf(const Settings& settings, const SettingRow& row) {
    return settings.*row.device;
}

void setDevice(Settings& settings, const SettingRow& row, int index) {
    settings.*row.device = index;
}

QString valueText(const SettingRow& row, const Settings& settings) {
    switch (row.kind) {
    case SettingKind::Boolean:
        return flagOf(settings, row) ? QStringLiteral("1") : QStringLiteral("0");
    case SettingKind::Text:
        return textOf(settings, row);
    case SettingKind::Device:
        return QString::number(deviceOf(settings, row));
    case SettingKind::Colour:
        return QStringLiteral("%1")
            .arg(settings.colours[static_cast<std::size_t>(row.colourSlot)], 8, 16,
                 QLatin1Char('0'))
            .toUpper();
    }
    return {};
}

void clampDeviceSelections(Settings& settings, int waveDevices, int mixerDevices) {
    const auto clamp = [](int& index, int count) {
        if (index < 0 || index >= count) {
            index = -1;
        }
    };
    clamp(settings.waveOutDevice, waveDevices);
    clamp(settings.mixerDevice, mixerDevices);
}

Settings designSettings() {
    Settings settings;
    for (const auto rows : {settingsTable(), unstoredSettings(), addedSettingsTable()}) {
        for (const auto& row : rows) {
            switch (row.kind) {
            case SettingKind::Boolean:
                setFlag(settings, row, row.designChecked);
                break;
            case SettingKind::Text:
                setText(settings, row, QString::fromUtf8(row.designText));
                break;
            case SettingKind::Device:
                setDevice(settings, row, 0);
                break;
            case SettingKind::Colour:
                settings.colours[static_cast<std::size_t>(row.colourSlot)] = row.errorColour;
                break;
            }
        }
    }
    return settings;
}

} // namespace tavo::storage
