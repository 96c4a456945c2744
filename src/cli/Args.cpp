#include "cli/Args.h"

#include <cmath>

namespace tavo::cli {

namespace {
std::string utf8(const QString& text) {
    return text.toStdString();
}
} // namespace

std::optional<int> parseInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> parseNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

Args::Args(const QStringList& words, const QStringList& valued, const QStringList& flags) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!word.startsWith(QStringLiteral("--"))) {
            positional_ << word;
            continue;
        }
        QString name = word.mid(2);
        std::optional<QString> value;
        if (const auto eq = name.indexOf(QLatin1Char('=')); eq >= 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        }
        if (flags.contains(name)) {
            if (value) {
                throw UsageError("Die Option --" + utf8(name) + " erwartet keinen Wert.");
            }
            values_[name] = QString();
        } else if (valued.contains(name)) {
            if (!value) {
                if (i + 1 >= words.size()) {
                    throw UsageError("Die Option --" + utf8(name) + " erwartet einen Wert.");
                }
                value = words[++i];
            }
            values_[name] = *value;
        } else {
            throw UsageError("Unbekannte Option: " + utf8(word));
        }
    }
}

QString Args::text(const QString& name) const {
    const auto value = optionalText(name);
    if (!value) {
        throw UsageError("Die Option --" + utf8(name) + " fehlt.");
    }
    return *value;
}

std::optional<QString> Args::optionalText(const QString& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

int Args::integer(const QString& name, int minimum, int maximum) const {
    const auto value = optionalInteger(name, minimum, maximum);
    if (!value) {
        throw UsageError("Die Option --" + utf8(name) + " fehlt.");
    }
    return *value;
}

std::optional<int> Args::optionalInteger(const QString& name, int minimum, int maximum) const {
    const auto raw = optionalText(name);
    if (!raw) {
        return std::nullopt;
    }
    const auto value = parseInteger(*raw);
    if (!value || *value < minimum || *value > maximum) {
        throw UsageError("--" + utf8(name) + ": \"" + utf8(*raw) + "\" ist keine ganze Zahl von " +
                         std::to_string(minimum) + " bis " + std::to_string(maximum) + ".");
    }
    return value;
}

double Args::number(const QString& name, double minimum, double maximum) const {
    const QString raw = text(name);
    const auto value = parseNumber(raw);
    if (!value || *value < minimum || *value > maximum) {
        throw UsageError("--" + utf8(name) + ": \"" + utf8(raw) + "\" ist keine Zahl von " +
                         QString::number(minimum).toStdString() + " bis " +
                         QString::number(maximum).toStdString() + ".");
    }
    return *value;
}

} // namespace tavo::cli
