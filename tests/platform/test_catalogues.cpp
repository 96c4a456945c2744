// The languages: which one the desktop's locale asks for, and the two
// catalogues the program carries. Every text of the code has a finished
// German and English translation with the same placeholders, accelerators
// and edge blanks; the English one is free of German; the German one
// changes a text of the code only where the reviewed list says so (English
// captions turned German, plain slips mended), so every German message
// stays word for word; and the catalogues built into the program are these.

#include "platform/Language.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>

using namespace tavo::platform;

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    QStringList translations; // one, or the numerus forms
    bool numerus = false;
    bool finished = true;
};

QString sourceDir() {
    return qEnvironmentVariable("TAVO_SOURCE_DIR");
}

QList<Message> readCatalogue(const QString& language) {
    QFile file(sourceDir() + QStringLiteral("/i18n/tavo_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}, false, true};
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            message.finished = type.isEmpty();
            if (message.numerus) {
                while (xml.readNextStartElement()) {
                    message.translations << xml.readElementText();
                }
            } else {
                message.translations << xml.readElementText();
            }
            messages << message;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

std::string where(const Message& message) {
    return (message.context + QStringLiteral(" | ") + message.source).toStdString();
}

// %1…%99, %L1, %n: what .arg() and the numerus forms fill in.
QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (const auto& match : pattern.globalMatch(text)) {
        found << match.captured(0);
    }
    found.sort();
    return found;
}

// An accelerator is an & before a letter or digit ("&&" is a plain &).
int accelerators(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("(?<!&)&(?=[^\\s&])"));
    return int(text.count(pattern));
}

QString edges(const QString& text) {
    static const QRegularExpression lead(QStringLiteral("^\\s*"));
    static const QRegularExpression trail(QStringLiteral("\\s*$"));
    return lead.match(text).captured(0) + QLatin1Char('|') + trail.match(text).captured(0);
}

// The reviewed German changes: context, source, German, reason per line.
std::map<std::pair<QString, QString>, QString> germanChanges() {
    QFile file(sourceDir() + QStringLiteral("/i18n/german-changes.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::map<std::pair<QString, QString>, QString> changes;
    const auto unescape = [](QString field) {
        return field.replace(QStringLiteral("\\n"), QStringLiteral("\n"))
            .replace(QStringLiteral("\\t"), QStringLiteral("\t"));
    };
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        EXPECT_EQ(fields.size(), 4) << line.toStdString();
        if (fields.size() == 4) {
            EXPECT_TRUE(fields[3] == QLatin1String("englisch") ||
                        fields[3].startsWith(QLatin1String("Schreibfehler")))
                << line.toStdString();
            changes[{fields[0], unescape(fields[1])}] = unescape(fields[2]);
        }
    }
    return changes;
}

} // namespace

TEST(Language, TheLocaleChoosesAsGettextReadsIt) {
    struct Case {
        std::map<QString, QString> environment;
        Language expected;
    };
    const std::vector<Case> cases = {
        {{}, Language::Source},
        {{{"LANG", "C"}}, Language::Source},
        {{{"LANG", "C.UTF-8"}}, Language::Source},
        {{{"LANG", "POSIX"}}, Language::Source},
        // LANGUAGE is not read in the C locale.
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, Language::Source},
        {{{"LANG", "de_DE.UTF-8"}}, Language::German},
        {{{"LANG", "de_AT@euro"}}, Language::German},
        {{{"LANG", "en_GB.UTF-8"}}, Language::English},
        {{{"LANG", "fr_FR.UTF-8"}}, Language::English},
        // LC_ALL before LC_MESSAGES before LANG; C there wins too.
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, Language::English},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "de_CH.UTF-8"}, {"LC_ALL", "C"}},
         Language::Source},
        {{{"LC_MESSAGES", "C"}, {"LANG", "de_DE.UTF-8"}}, Language::Source},
        // LANGUAGE's first language with a catalogue, then the locale.
        {{{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "fr:de:en"}}, Language::German},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:it"}}, Language::German},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", ""}}, Language::German},
        // "dea" is no German.
        {{{"LANG", "dea_XX"}}, Language::English},
    };
    for (const auto& [environment, expected] : cases) {
        const auto read = [&environment](const char* name) {
            const auto found = environment.find(QString::fromLatin1(name));
            return found == environment.end() ? QString() : found->second;
        };
        QStringList shown;
        for (const auto& [name, value] : environment) {
            shown << name + QLatin1Char('=') + value;
        }
        EXPECT_EQ(languageFromEnvironment(read), expected)
            << shown.join(QLatin1Char(' ')).toStdString();
    }
    for (const char* code : {"source", "de", "EN", " en "}) {
        EXPECT_TRUE(languageFromCode(QString::fromLatin1(code))) << code;
    }
    for (const char* code : {"", "deutsch", "en_GB", "fr"}) {
        EXPECT_FALSE(languageFromCode(QString::fromLatin1(code))) << code;
    }
    for (const auto language : {Language::Source, Language::German, Language::English}) {
        EXPECT_EQ(languageFromCode(languageCode(language)), language);
    }
    // --lang before the setting before the locale.
    EXPECT_EQ(chooseLanguage(Language::Source, QStringLiteral("en"), Language::German),
              Language::Source);
    EXPECT_EQ(chooseLanguage(std::nullopt, QStringLiteral("en"), Language::German),
              Language::English);
    EXPECT_EQ(chooseLanguage(std::nullopt, QStringLiteral("source"), Language::German),
              Language::Source);
    for (const char* setting : {"system", "", "klingonisch"}) {
        EXPECT_EQ(chooseLanguage(std::nullopt, QString::fromLatin1(setting), Language::German),
                  Language::German)
            << setting;
    }
}

TEST(Catalogues, EveryTextFinishedInBothWithItsPlaceholdersAndAccelerators) {
    const auto german = readCatalogue(QStringLiteral("de"));
    const auto english = readCatalogue(QStringLiteral("en"));
    ASSERT_GT(german.size(), 500);
    QSet<QString> germanKeys;
    QSet<QString> englishKeys;
    for (const auto* catalogue : {&german, &english}) {
        for (const Message& message : *catalogue) {
            (catalogue == &german ? germanKeys : englishKeys)
                << message.context + QChar(0) + message.source + QChar(0) + message.comment;
            EXPECT_TRUE(message.finished) << where(message);
            EXPECT_EQ(message.translations.size(), message.numerus ? 2 : 1) << where(message);
            for (const QString& translation : message.translations) {
                EXPECT_FALSE(translation.isEmpty() && !message.source.isEmpty()) << where(message);
                EXPECT_EQ(edges(translation), edges(message.source)) << where(message);
                EXPECT_EQ(accelerators(translation), accelerators(message.source))
                    << where(message) << " -> " << translation.toStdString();
                // A numerus form may leave the number out ("one test").
                QStringList wanted = placeholders(message.source);
                QStringList given = placeholders(translation);
                if (message.numerus) {
                    wanted.removeAll(QStringLiteral("%n"));
                    given.removeAll(QStringLiteral("%n"));
                }
                EXPECT_EQ(given, wanted) << where(message) << " -> " << translation.toStdString();
            }
        }
    }
    EXPECT_EQ(germanKeys, englishKeys);
}

TEST(Catalogues, EnglishHasNoGermanLeft) {
    static const QRegularExpression german(
        QStringLiteral("[äöüÄÖÜß]|\\b(und|nicht|oder|bitte|Bitte|Sie|wurde|ist|Datei|keine|"
                       "Keine|mit|für|wird|kann|der|das|dem|den|ein|eine)\\b"));
    for (const Message& message : readCatalogue(QStringLiteral("en"))) {
        for (const QString& translation : message.translations) {
            EXPECT_FALSE(translation.contains(german))
                << where(message) << " -> " << translation.toStdString();
        }
    }
}

TEST(Catalogues, GermanChangesOnlyTheReviewedTexts) {
    auto changes = germanChanges();
    ASSERT_FALSE(changes.empty());
    for (const Message& message : readCatalogue(QStringLiteral("de"))) {
        const auto listed = changes.find({message.context, message.source});
        for (const QString& translation : message.translations) {
            if (listed == changes.end()) {
                // Every other text, each of the test's messages among them,
                // stays as the code writes it.
                // A numerus message's plural is the source; its singular is
                // the German the source could not say.
                if (!message.numerus || translation == message.translations.last()) {
                    EXPECT_EQ(translation, message.source) << where(message);
                }
            } else {
                EXPECT_EQ(translation, listed->second) << where(message);
            }
        }
        if (listed != changes.end()) {
            changes.erase(listed);
        }
    }
    for (const auto& [key, german] : changes) {
        ADD_FAILURE() << "listed but not in the catalogue: " << key.first.toStdString() << " | "
                      << key.second.toStdString();
    }
}

TEST(Catalogues, TheProgramCarriesThemAsWritten) {
    EXPECT_EQ(loadCatalogue(Language::Source), nullptr);
    for (const auto language : {Language::German, Language::English}) {
        const auto catalogue = loadCatalogue(language);
        ASSERT_NE(catalogue, nullptr) << languageCode(language).toStdString();
        for (const Message& message : readCatalogue(languageCode(language))) {
            const QByteArray context = message.context.toUtf8();
            const QByteArray source = message.source.toUtf8();
            const QByteArray comment = message.comment.toUtf8();
            const char* disambiguation = message.comment.isEmpty() ? nullptr : comment.constData();
            if (message.numerus) {
                EXPECT_EQ(catalogue->translate(context, source, disambiguation, 1),
                          message.translations.first())
                    << where(message);
                EXPECT_EQ(catalogue->translate(context, source, disambiguation, 5),
                          message.translations.last())
                    << where(message);
            } else {
                EXPECT_EQ(catalogue->translate(context, source, disambiguation),
                          message.translations.first())
                    << where(message);
            }
        }
    }
}
