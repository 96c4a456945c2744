#include "platform/Language.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

namespace tavo::platform {

namespace {

// "de_AT.UTF-8@euro" -> "de"
QString languagePart(const QString& locale) {
    qsizetype end = 0;
    while (end < locale.size() && locale.at(end).isLetter()) {
        ++end;
    }
    return locale.left(end).toLower();
}

bool isSourceLocale(const QString& locale) {
    const QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

} // namespace

std::optional<Language> languageFromCode(const QString& code) {
    const QString word = code.trimmed().toLower();
    if (word == QLatin1String("source")) {
        return Language::Source;
    }
    if (word == QLatin1String("de")) {
        return Language::German;
    }
    if (word == QLatin1String("en")) {
        return Language::English;
    }
    return std::nullopt;
}

QString languageCode(Language language) {
    switch (language) {
    case Language::German:
        return QStringLiteral("de");
    case Language::English:
        return QStringLiteral("en");
    case Language::Source:
        break;
    }
    return QStringLiteral("source");
}

Language languageFromEnvironment(const std::function<QString(const char*)>& variable) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty()) {
            break;
        }
    }
    if (isSourceLocale(locale)) {
        return Language::Source;
    }
    QStringList wanted = variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << locale;
    for (const QString& entry : wanted) {
        // A language with a catalogue; "source" is no locale's language.
        const auto language = languageFromCode(languagePart(entry));
        if (language && *language != Language::Source) {
            return *language;
        }
    }
    return Language::English;
}

Language languageFromEnvironment() {
    return languageFromEnvironment([](const char* name) { return qEnvironmentVariable(name); });
}

Language chooseLanguage(std::optional<Language> commandLine, const QString& setting,
                        Language fromLocale) {
    if (commandLine) {
        return *commandLine;
    }
    return languageFromCode(setting).value_or(fromLocale);
}

LanguageOption takeLanguageOption(QStringList& words) {
    LanguageOption option;
    const QString name = QStringLiteral("--lang");
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (word == QLatin1String("--")) {
            break;
        }
        if (word == name) {
            option.given = true;
            if (i + 1 < words.size()) {
                option.word = words.at(i + 1);
                option.language = languageFromCode(option.word);
                words.remove(i, 2);
            } else {
                words.remove(i);
            }
            break;
        }
        if (word.startsWith(name + QLatin1Char('='))) {
            option.given = true;
            option.word = word.mid(name.size() + 1);
            option.language = languageFromCode(option.word);
            words.remove(i);
            break;
        }
    }
    return option;
}

QString languageRefusal(const LanguageOption& option) {
    if (option.word.isEmpty()) {
        return QCoreApplication::translate("Language",
                                           "--lang braucht eine Sprache: de, en oder source.");
    }
    return QCoreApplication::translate(
               "Language", "Die Sprache \"%1\" gibt es nicht: möglich sind de, en und source.")
        .arg(option.word);
}

std::unique_ptr<QTranslator> loadCatalogue(Language language) {
    if (language == Language::Source) {
        return nullptr;
    }
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(QStringLiteral(":/i18n/tavo_%1.qm").arg(languageCode(language)))) {
        return nullptr;
    }
    return catalogue;
}

} // namespace tavo::platform
