#include "storage/BooleanText.h"

#include <QRegularExpression>

namespace tavo::storage {

QString booleanText(bool value) {
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

std::optional<bool> parseBooleanText(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^ *[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)? *$)"));
    const auto match = number.match(text);
    if (match.hasMatch()) {
        // Zero is zero whatever its exponent: any non-zero digit makes it true.
        const QString mantissa = match.captured(1);
        for (const QChar c : mantissa) {
            if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) {
                return true;
            }
        }
        return false;
    }
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::nullopt;
}

} // namespace tavo::storage
