// The program in each language it speaks, as a user meets it: every text its
// windows, menus and settings pages show is in that language alone; the
// choice follows --lang, then the settings, then the locale; tavo's lines
// follow --lang and the locale the same way.

#include "engine/AppState.h"
#include "engine/TfrmTest.h"
#include "hardware/TfrmBioCal.h"
#include "hardware/TfrmCompatibilityTest.h"
#include "platform/Language.h"
#include "storage/TfrmCalibrationInfo.h"
#include "storage/TfrmSettings.h"
#include "support/InLanguage.h"
#include "support/TavoTool.h"
#include "support/TestFiles.h"
#include "support/TestPlatform.h"
#include "ui/ProgramLook.h"
#include "ui/Startup.h"
#include "ui/TfrmArchive.h"
#include "ui/TfrmFitCheck.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmPassword.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace tavo;

namespace {

// Words only German has, and the layout's English captions: a text with one
// of them is in the other language.
const QRegularExpression kGerman(
    QStringLiteral("[äöüÄÖÜß]|\\b(und|nicht|oder|bitte|Bitte|Sie|wurde|ist|Datei|keine|Keine|mit|"
                   "für|wird|kann|der|das|dem|den|ein|eine|Einstellungen|Kalibrierung)\\b"));
const QRegularExpression
    kEnglish(QStringLiteral("\\b(the|and|of|to|Cancel|Please|Calibration|Settings|File|Exit|Change|"
                            "Sound|Device|done|used|Open|Save|Print|Drive|Working|directory|Graph|"
                            "colours?|Background|Frequencies|Parameters|Procedure|recommended|key|"
                            "options|button|When|click|next|Real Time|Compatibility|Audiogram|Help|"
                            "Hearing|Test Procedure|Joystick options)\\b"));

// The simulated sound card's names stand where a real card's name from its
// driver would: they are no text of the program's.
void addText(QStringList& texts, QString text) {
    for (const char* name : {"Simulated Wave Device", "Simulated Mixer"}) {
        text.replace(QString::fromLatin1(name), QStringLiteral("NAME"));
    }
    if (!text.trimmed().isEmpty()) {
        texts << text;
    }
}

// Every text a person can read in `top` and the widgets, menus and tabs in it.
QStringList textsOf(QWidget* top) {
    QStringList texts;
    addText(texts, top->windowTitle());
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        addText(texts, widget->toolTip());
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            addText(texts, label->text());
        } else if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            addText(texts, button->text());
        } else if (const auto* group = qobject_cast<QGroupBox*>(widget)) {
            addText(texts, group->title());
        } else if (const auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int page = 0; page < tabs->count(); ++page) {
                addText(texts, tabs->tabText(page));
            }
        } else if (const auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int item = 0; item < combo->count(); ++item) {
                addText(texts, combo->itemText(item));
            }
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            addText(texts, menu->title());
            for (QAction* action : menu->actions()) {
                addText(texts, action->text());
            }
        }
    }
    return texts;
}

struct Program {
    Program() {
        ui::substituteLayoutFonts();
        sim.settingsFromEarlierStart();
        windows = ui::createWindows(state, sim.bundle, sim.services(), {});
    }
    QStringList everyText() const {
        QStringList texts;
        for (QWidget* window : std::initializer_list<QWidget*>{
                 windows->main.get(), windows->settings.get(), windows->password.get(),
                 windows->test.get(), windows->calibrationInfo.get(), windows->bioCal.get(),
                 windows->compatibility.get()}) {
            texts << textsOf(window);
        }
        // The windows made when first asked for.
        ui::TfrmArchive archive({windows->settingsValue, *sim.messages, {}, {}});
        ui::TfrmFitCheck report(windows->settingsValue, *sim.messages);
        texts << textsOf(&archive) << textsOf(&report);
        return texts;
    }
    testsupport::TestPlatform sim;
    engine::AppState state;
    std::unique_ptr<ui::ProgramWindows> windows;
};

QStringList matching(const QStringList& texts, const QRegularExpression& language) {
    QStringList found;
    for (const QString& text : texts) {
        if (text.contains(language)) {
            found << text;
        }
    }
    found.removeDuplicates();
    return found;
}

QProcessEnvironment withLocale(const QString& lang) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LANG"), lang);
    return environment;
}

} // namespace

TEST(Languages, EveryWindowSpeaksOnlyItsLanguage) {
    QStringList source;
    {
        const testsupport::InLanguage speaking(platform::Language::Source);
        source = Program().everyText();
    }
    // As the layout has it: the English captions beside the German texts.
    ASSERT_FALSE(matching(source, kEnglish).isEmpty());
    ASSERT_FALSE(matching(source, kGerman).isEmpty());
    {
        const testsupport::InLanguage speaking(platform::Language::German);
        const QStringList german = Program().everyText();
        EXPECT_EQ(german.size(), source.size());
        EXPECT_EQ(matching(german, kEnglish).join(QLatin1Char('\n')).toStdString(), "");
    }
    {
        const testsupport::InLanguage speaking(platform::Language::English);
        const QStringList english = Program().everyText();
        EXPECT_EQ(english.size(), source.size());
        EXPECT_EQ(matching(english, kGerman).join(QLatin1Char('\n')).toStdString(), "");
    }
}

TEST(Languages, TavoFollowsItsOptionThenTheLocale) {
    const QStringList help = {QStringLiteral("--help")};
    const auto source = testsupport::runTavo(help, true, withLocale(QStringLiteral("C.UTF-8")));
    ASSERT_EQ(source.exitCode, 0);
    EXPECT_TRUE(source.out.contains(QStringLiteral("BEFEHL")));

    const auto fromLocale =
        testsupport::runTavo(help, true, withLocale(QStringLiteral("en_GB.UTF-8")));
    const auto fromOption = testsupport::runTavo(
        {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--help")}, true,
        withLocale(QStringLiteral("de_DE.UTF-8")));
    for (const auto* english : {&fromLocale, &fromOption}) {
        EXPECT_EQ(english->exitCode, 0);
        EXPECT_EQ(english->out.count(QLatin1Char('\n')), source.out.count(QLatin1Char('\n')));
        EXPECT_EQ(matching(english->out.split(QLatin1Char('\n')), kGerman)
                      .join(QLatin1Char('\n'))
                      .toStdString(),
                  "");
    }
    EXPECT_EQ(fromLocale.out, fromOption.out);

    // The source texts on demand, whatever the desktop speaks; German as the code has it.
    const auto asSource = testsupport::runTavo(
        {QStringLiteral("--lang"), QStringLiteral("source"), QStringLiteral("--help")}, true,
        withLocale(QStringLiteral("en_GB.UTF-8")));
    EXPECT_EQ(asSource.out, source.out);
    const auto german = testsupport::runTavo(help, true, withLocale(QStringLiteral("de_DE.UTF-8")));
    EXPECT_EQ(german.out, source.out);

    // A language it does not speak is refused, in the locale's language.
    const auto refused = testsupport::runTavo(
        {QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("--help")}, true,
        withLocale(QStringLiteral("en_GB.UTF-8")));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains(QStringLiteral("fr"))) << refused.err.toStdString();
    EXPECT_FALSE(refused.err.contains(kGerman)) << refused.err.toStdString();
}

TEST(Languages, WhatTavoWritesIsTheSameInEveryLanguage) {
    QTemporaryDir folder;
    const QString test = testsupport::writeRealisticTest(folder);
    ASSERT_FALSE(test.isEmpty());
    const auto environment = withLocale(QStringLiteral("en_GB.UTF-8"));
    QMap<QString, QByteArray> written;
    QMap<QString, QString> shown;
    for (const char* code : {"source", "de", "en"}) {
        const QString language = QString::fromLatin1(code);
        const QString json = folder.filePath(language + QStringLiteral(".json"));
        const QString text = folder.filePath(language + QStringLiteral(".txt"));
        const auto report =
            testsupport::runTavo({QStringLiteral("--lang"), language, QStringLiteral("report"),
                                  QStringLiteral("--test"), test, QStringLiteral("--exposure"),
                                  QStringLiteral("95,5"), QStringLiteral("--json"), json},
                                 true, environment);
        ASSERT_EQ(report.exitCode, 0) << report.err.toStdString();
        shown[language] = report.out;
        const auto converted = testsupport::runTavo(
            {QStringLiteral("--lang"), language, QStringLiteral("convert"), test, text}, true,
            environment);
        ASSERT_EQ(converted.exitCode, 0) << converted.err.toStdString();
        for (const QString& file : {json, text}) {
            QFile bytes(file);
            ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
            written[file.section(QLatin1Char('.'), -1) + code] = bytes.readAll();
        }
    }
    // The files: the same bytes whatever the language.
    for (const char* kind : {"json", "txt"}) {
        const QString name = QString::fromLatin1(kind);
        EXPECT_EQ(written[name + QStringLiteral("de")], written[name + QStringLiteral("source")]);
        EXPECT_EQ(written[name + QStringLiteral("en")], written[name + QStringLiteral("source")]);
    }
    // The screen: German as written, English with its words and decimal point.
    EXPECT_EQ(shown[QStringLiteral("de")], shown[QStringLiteral("source")]);
    EXPECT_TRUE(shown[QStringLiteral("source")].contains(QStringLiteral("95,5 dB(A)")));
    EXPECT_TRUE(shown[QStringLiteral("en")].contains(QStringLiteral("95.5 dB(A)")));
    // Apart from the person's name and place, which are the file's.
    QStringList english = shown[QStringLiteral("en")].split(QLatin1Char('\n'));
    english.removeIf([](const QString& line) {
        return line.startsWith(QStringLiteral("Test subject:")) ||
               line.startsWith(QStringLiteral("Test site:"));
    });
    EXPECT_EQ(matching(english, kGerman).join(QLatin1Char('\n')).toStdString(), "");
}
