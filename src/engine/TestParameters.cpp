#include "engine/TestParameters.h"

#include "storage/SettingsTable.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>
#include <optional>

namespace tavo::engine {

namespace {

std::optional<double> decimal(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> integer(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// A field's label and unit as the settings dialog names them.
QString settingText(const char* text) {
    return QCoreApplication::translate("SettingsTable", text);
}

QString refusal(const storage::SettingRow& row) {
    const auto& range = row.range;
    const QString unit =
        *range.unit != '\0' ? QLatin1Char(' ') + settingText(range.unit) : QString();
    const QString allowed =
        (range.wholeNumber
             ? QCoreApplication::translate("TestParameters", "ist eine ganze Zahl von %1 bis %2%3")
             : QCoreApplication::translate("TestParameters", "sind %1 bis %2%3"))
            .arg(QString::number(range.minimum), QString::number(range.maximum), unit);
    return QCoreApplication::translate("TestParameters",
                                       "Die Einstellung „%1“ ist ungültig. Erlaubt %2. "
                                       "Bitte korrigieren Sie sie in den Einstellungen; "
                                       "der Test wird nicht gestartet.")
        .arg(settingText(range.label), allowed);
}

// A field's number within the range its row gives, or nothing.
std::optional<double> field(const storage::Settings& settings, const storage::SettingRow& row) {
    const QString text = storage::textOf(settings, row);
    const auto value = row.range.wholeNumber ? integer(text) : decimal(text);
    if (!value || *value < row.range.minimum || *value > row.range.maximum) {
        return std::nullopt;
    }
    return value;
}

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

int TestParameters::traceStep() const {
    const int time = roundHalfEven(maxTime);
    return time > 0 ? roundHalfEven(300.0 * pulsePeriod()) / time : 0;
}

Result<TestParameters> readTestParameters(const storage::Settings& settings) {
    using Fail = Result<TestParameters>;
    TestParameters p;
    // Checked in this order, so the first field named is the same whatever
    // else is wrong.
    const auto row = [](const char* name) -> const storage::SettingRow& {
        return *storage::findSetting(QString::fromLatin1(name));
    };
    struct Field {
        const char* valueName;
        double value = 0.0;
    };
    std::array<Field, 6> fields{{{"Start Level (dB HL)"},
                                 {"Level Steps (dB)"},
                                 {"Max. Test time(s)"},
                                 {"Min. Reversals"},
                                 {"Pulse Duration(s)"},
                                 {"Pause Duration(s)"}}};
    for (auto& checked : fields) {
        const auto& fieldRow = row(checked.valueName);
        const auto value = field(settings, fieldRow);
        if (!value) {
            return Fail::failure(refusal(fieldRow));
        }
        checked.value = *value;
    }
    p.levelStart = static_cast<int>(fields[0].value);
    p.levelStep = fields[1].value;
    p.maxTime = fields[2].value;
    p.minReversals = static_cast<int>(fields[3].value);
    p.pulse = fields[4].value;
    p.gap = fields[5].value;

    // A pulse period of 0 would play empty buffers as fast as the device
    // takes them, without ever reaching the time limit.
    if (p.pulsePeriod() <= 0.0) {
        return Fail::failure(QCoreApplication::translate(
            "TestParameters",
            "Die Einstellung „Signaldauer“ ist ungültig. Erlaubt sind Signal- und "
            "Lückendauer zusammen mehr als 0 Sekunden. Bitte korrigieren Sie sie in den "
            "Einstellungen; der Test wird nicht gestartet."));
    }

    p.trial = settings.trialRun;
    p.leftEarFirst = settings.leftEarFirst;
    p.resetOnNewFrequency = settings.resetOnNewFrequency;
    p.resetOnNewSide = settings.resetOnNewSide;
    p.reject1st = settings.reject1st;
    p.realTimeCalc = settings.realTimeCalc;
    p.practiceDeviation = settings.practiceDeviation;
    p.joystick = settings.joystick;
    p.waveOutDevice = settings.waveOutDevice;
    p.frequencies = settings.testFrequency;
    return p;
}

} // namespace tavo::engine
