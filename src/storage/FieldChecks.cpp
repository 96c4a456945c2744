#include "storage/FieldChecks.h"

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

QString integerField(const QString& text, int minimum, int maximum, const QString& fallback) {
    return clamp(text, asInteger, minimum, maximum, QString::number(minimum),
                 QString::number(maximum), fallback);
}

QString decimalField(const QString& text, const QLocale& locale, double minimum, double maximum,
                     const QString& fallback) {
    return clamp(
        text, [&locale](const QString& t) { return asDecimal(t, locale); }, minimum, maximum,
        locale.toString(minimum), locale.toString(maximum), fallback);
}

} // namespace

QString checkReverseEdit(const QString& text) {
    return integerField(text, 2, 10, QStringLiteral("6"));
}

QString checkTestTimeEdit(const QString& text) {
    return integerField(text, 10, 60, QStringLiteral("30"));
}

QString checkBeepTimeEdit(const QString& text, const QLocale& locale) {
    return decimalField(text, locale, 0.0, 5.0, QStringLiteral("1"));
}

QString checkPauseTimeEdit(const QString& text, const QLocale& locale) {
    return decimalField(text, locale, 0.0, 5.0, QStringLiteral("1"));
}

QString checkLevelStep(const QString& text, const QLocale& locale) {
    return decimalField(text, locale, 1.0, 10.0, QStringLiteral("3"));
}

QString checkLevelStart(const QString& text) {
    return integerField(text, -10, 100, QStringLiteral("40"));
}

} // namespace tavo::storage
