#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QTranslator;

namespace tavo::platform {

// The language the program speaks. Source shows the texts as they are written
// in the code (the layout's captions and the German messages), no catalogue.
enum class Language { Source, German, English };

// The words by which scripts and the settings name a language: "source",
// "de", "en". Case does not matter; anything else is not a language.
std::optional<Language> languageFromCode(const QString& code);
QString languageCode(Language language);

// The language the desktop's locale asks for, as gettext reads it: the
// locale is LC_ALL, else LC_MESSAGES, else LANG; the C or POSIX locale (or
// none) means the source texts. Otherwise LANGUAGE, a colon-separated list
// of preferences, is tried before the locale itself. German for "de…",
// English for "en…"; a desktop in any other language gets English, which
// more people there read than German.
Language languageFromEnvironment(const std::function<QString(const char*)>& variable);
Language languageFromEnvironment();

// The program's language: the command line's (--lang) if given, else the
// one the settings name ("de", "en", "source"), else, for "system" or a
// value the program does not know, the locale's.
Language chooseLanguage(std::optional<Language> commandLine, const QString& setting,
                        Language fromLocale);

// "--lang WORD" or "--lang=WORD" on a command line, taken out of it (the
// first; the search stops at "--", after which everything is a name).
struct LanguageOption {
    bool given = false;
    std::optional<Language> language; // empty when given with no known word
    QString word;                     // as given, for the refusal
};
LanguageOption takeLanguageOption(QStringList& words);

// The refusal of an option that names no language the program speaks, in
// the language installed now.
QString languageRefusal(const LanguageOption& option);

// The program's catalogue for the language, built into the program; none
// for Source (the texts as written need none) or if it could not be read.
// The caller installs it on the application and keeps it while texts are
// made: every window takes its texts when it is built, so a language
// chosen in the settings applies from the next start.
std::unique_ptr<QTranslator> loadCatalogue(Language language);

} // namespace tavo::platform
