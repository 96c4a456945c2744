#include "engine/TestParameters.h"

#include "storage/SettingsTable.h"

#include <QLocale>

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

QString refusal(const storage::SettingRow& row) {
    const auto& range = row.range;
    const QString unit =
        *range.unit != '\0' ? QLatin1Char(' ') + QString::fromUtf8(range.unit) : QString();
    const QString allowed =
        (range.wholeNumber ? QStringLiteral("ist eine ganze Zahl von %1 bis %2%3")
                           : QStringLiteral("sind %1 bis %2%3"))
            .arg(QString::number(range.minimum), QString::number(range.maximum), unit);
    return QStringLiteral("Die Einstellung \u201E%1\u201C ist ungültig. Erlaubt %2. "
                          "Bitte korrigieren Sie sie in den Einstellungen; "
                          "der Test wird nicht gestartet.")
        .arg(QString::fromUtf8(range.label), allowed);
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
    const auto& startRow = row("Start Level (dB HL)");
    const auto& stepRow = row("Level Steps (dB)");
    const auto& timeRow = row("Max. Test time(s)");
    const auto& reversalsRow = row("Min. Reversals");
    const auto& pulseRow = row("Pulse Duration(s)");
    const auto& gapRow = row("Pause Duration(s)");

    const auto start = field(settings, startRow);
    if (!start) {
        return Fail::failure(refusal(startRow));
    }
    p.levelStart = static_cast<int>(*start);
    const auto step = field(settings, stepRow);
    if (!step) {
        return Fail::failure(refusal(stepRow));
    }
    p.levelStep = *step;
    const auto time = field(settings, timeRow);
    if (!time) {
        return Fail::failure(refusal(timeRow));
    }
    p.maxTime = *time;
    const auto reversals = field(settings, reversalsRow);
    if (!reversals) {
        return Fail::failure(refusal(reversalsRow));
    }
    p.minReversals = static_cast<int>(*reversals);
    const auto pulse = field(settings, pulseRow);
    if (!pulse) {
        return Fail::failure(refusal(pulseRow));
    }
    p.pulse = *pulse;
    const auto gap = field(settings, gapRow);
    if (!gap) {
        return Fail::failure(refusal(gapRow));
    }
    p.gap = *gap;

    // A pulse period of 0 would play empty buffers as fast as the device
    // takes them, without ever reaching the time limit.
    if (p.pulsePeriod() <= 0.0) {
        return Fail::failure(
            QStringLiteral("Die Einstellung \u201ESignaldauer\u201C ist ungültig. Erlaubt sind "
                           "Signal- und Lückendauer zusammen mehr als 0 Sekunden. Bitte "
                           "korrigieren Sie sie in den Einstellungen; der Test wird nicht "
                           "gestartet."));
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
