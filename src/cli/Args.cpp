#include "cli/Args.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace tavo::cli {

std::optional<int> parseInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> parseNumber(const QString& text) {
    QString plain = text.trimmed();
    // A German keyboard gives "0,5"; one comma and no full stop is a
    // decimal mark, anything else with a comma (a thousands separator, a
    // list) stays refused.
    if (plain.count(QLatin1Char(',')) == 1 && !plain.contains(QLatin1Char('.'))) {
        plain.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

void requireSuffix(const QString& option, const QString& fileName, const QStringList& suffixes) {
    if (suffixes.contains(QFileInfo(fileName).suffix().toLower())) {
        return;
    }
    QStringList known;
    for (const QString& suffix : suffixes) {
        known << QLatin1Char('.') + suffix;
    }
    throw UsageError(
        QCoreApplication::translate("Args", "--%1: \"%2\" hat keine bekannte Endung; möglich: %3")
            .arg(option, fileName, known.join(QStringLiteral(", "))));
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
        const bool isFlag = flags.contains(name);
        if (!isFlag && !valued.contains(name)) {
            throw UsageError(
                QCoreApplication::translate("Args", "Unbekannte Option: %1").arg(word));
        }
        // The second of two values would silently win; the user meant one.
        if (has(name)) {
            throw UsageError(
                QCoreApplication::translate("Args", "Die Option --%1 ist mehrfach angegeben")
                    .arg(name));
        }
        if (isFlag) {
            if (value) {
                throw UsageError(
                    QCoreApplication::translate("Args", "Die Option --%1 erwartet keinen Wert")
                        .arg(name));
            }
            values_[name] = QString();
            continue;
        }
        if (!value) {
            if (i + 1 >= words.size()) {
                throw UsageError(
                    QCoreApplication::translate("Args", "Die Option --%1 erwartet einen Wert")
                        .arg(name));
            }
            value = words[++i];
        }
        values_[name] = *value;
    }
}

void Args::require(const QStringList& names) const {
    QStringList missing;
    for (const QString& name : names) {
        if (!has(name)) {
            missing << QStringLiteral("--") + name;
        }
    }
    if (missing.size() == 1) {
        throw UsageError(
            QCoreApplication::translate("Args", "Die Option %1 fehlt").arg(missing.first()));
    }
    if (missing.size() > 1) {
        const QString last = missing.takeLast();
        throw UsageError(QCoreApplication::translate("Args", "Es fehlen die Optionen %1 und %2")
                             .arg(missing.join(QStringLiteral(", ")), last));
    }
}

QString Args::text(const QString& name) const {
    require({name});
    return *optionalText(name);
}

std::optional<QString> Args::optionalText(const QString& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

int Args::integer(const QString& name, int minimum, int maximum) const {
    require({name});
    return *optionalInteger(name, minimum, maximum);
}

std::optional<int> Args::optionalInteger(const QString& name, int minimum, int maximum) const {
    const auto raw = optionalText(name);
    if (!raw) {
        return std::nullopt;
    }
    const auto value = parseInteger(*raw);
    if (!value || *value < minimum || *value > maximum) {
        throw UsageError(
            QCoreApplication::translate("Args", "--%1: \"%2\" ist keine ganze Zahl von %3 bis %4")
                .arg(name, *raw)
                .arg(minimum)
                .arg(maximum));
    }
    return value;
}

double Args::number(const QString& name, double minimum, double maximum) const {
    const QString raw = text(name);
    const auto value = parseNumber(raw);
    if (!value || *value < minimum || *value > maximum) {
        throw UsageError(
            QCoreApplication::translate("Args", "--%1: \"%2\" ist keine Zahl von %3 bis %4")
                .arg(name, raw)
                .arg(minimum)
                .arg(maximum));
    }
    return *value;
}

bool onOffOption(const Args& args, const QString& name, bool fallback) {
    const auto value = args.optionalText(name);
    if (!value) {
        return fallback;
    }
    if (*value != QLatin1String("on") && *value != QLatin1String("off")) {
        throw UsageError(
            QCoreApplication::translate("Args", "--%1 nimmt \"on\" oder \"off\"").arg(name));
    }
    return *value == QLatin1String("on");
}

} // namespace tavo::cli
