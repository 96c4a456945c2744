#include "storage/FieldChecks.h"

#include "storage/SettingsTable.h"

#include <cmath>
#include <optional>

namespace tavo::storage {

namespace {

std::optional<long long> asInteger(const QString& text) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

std::optional<double> asDecimal(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

template <typename Read>
QString clamp(const QString& text, Read read, double minimum, double maximum,
              const QString& minimumText, const QString& maximumText, const QString& fallback) {
    const auto first = read(text);
    if (!first) {
        return fallback;
    }
    QString result = text;
    if (static_cast<double>(*first) > maximum) {
        result = maximumText;
    }
    // Read again: the field may hold the maximum now.
    const auto second = read(result);
    if (!second) {
        return fallback;
    }
    if (static_cast<double>(*second) < minimum) {
        result = minimumText;
    }
    return result;
}

// The field's range and design value, as the settings table declares them.
const SettingRow& rowOf(const char* valueName) {
    return *findSetting(QString::fromLatin1(valueName));
}

QString integerField(const char* valueName, const QString& text) {
    const SettingRow& row = rowOf(valueName);
    const auto minimum = static_cast<long long>(row.range.minimum);
    const auto maximum = static_cast<long long>(row.range.maximum);
    return clamp(text, asInteger, row.range.minimum, row.range.maximum, QString::number(minimum),
                 QString::number(maximum), QString::fromUtf8(row.designText));
}

QString decimalField(const char* valueName, const QString& text, const QLocale& locale) {
    const SettingRow& row = rowOf(valueName);
    return clamp(
        text, [&locale](const QString& t) { return asDecimal(t, locale); }, row.range.minimum,
        row.range.maximum, locale.toString(row.range.minimum), locale.toString(row.range.maximum),
        QString::fromUtf8(row.designText));
}

} // namespace

// The maximum test time is corrected to whole seconds, although a run takes
// a decimal one from a stored text.
QString checkReverseEdit(const QString& text) {
    return integerField("Min. Reversals", text);
}

QString checkTestTimeEdit(const QString& text) {
    return integerField("Max. Test time(s)", text);
}

QString checkBeepTimeEdit(const QString& text, const QLocale& locale) {
    return decimalField("Pulse Duration(s)", text, locale);
}

QString checkPauseTimeEdit(const QString& text, const QLocale& locale) {
    return decimalField("Pause Duration(s)", text, locale);
}

QString checkLevelStep(const QString& text, const QLocale& locale) {
    return decimalField("Level Steps (dB)", text, locale);
}

QString checkLevelStart(const QString& text) {
    return integerField("Start Level (dB HL)", text);
}

QString checkDefaultExposure(const QString& text, const QLocale& locale) {
    return decimalField("Default Exposure (dB(A))", text, locale);
}

QString checkWantedLevel(const QString& text, const QLocale& locale) {
    return decimalField("Wanted Level At Ear (dB(A))", text, locale);
}

} // namespace tavo::storage
