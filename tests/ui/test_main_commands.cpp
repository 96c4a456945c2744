// The main window's File and audiogram menus in the program's windows: the
// enabling rules and their shortcuts, Open, Save As (the proposed name, test
// file or text export, a failing save), the question about unsaved results
// when closing, F1, and a test file named on the command line.

#include "engine/AppState.h"
#include "hardware/TfrmBioCal.h"
#include "hardware/TfrmCompatibilityTest.h"
#include "storage/TestFile.h"
#include "storage/TfrmCalibrationInfo.h"
#include "storage/TfrmSettings.h"
#include "support/InLanguage.h"
#include "support/TestFiles.h"
#include "support/TestPlatform.h"
#include "ui/HelpKey.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmPassword.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavo;
using ui::TfrmMain;

namespace {

const QString kUnsaved =
    QStringLiteral("Die Testergebnisse wurden nicht gespeichert. Jetzt speichern?");

struct Program {
    explicit Program(QStringList parameters = {}) {
        sim.settingsFromEarlierStart();
        windows = ui::createWindows(state, sim.bundle, sim.services(), parameters);
        realOpenDialog = main().runOpenDialog;
        realSaveDialog = main().runSaveDialog;
        main().runOpenDialog = [this] {
            ++openDialogs;
            return openChoice;
        };
        main().runSaveDialog = [this](const QString& proposed) {
            proposals << proposed;
            return saveChoice;
        };
        main().show();
        main().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main()));
        sim.messages->clear();
    }
    TfrmMain& main() { return *windows->main; }
    QString file(const char* name) const { return sim.folder.filePath(QString::fromUtf8(name)); }
    QByteArray bytes(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    testsupport::TestPlatform sim;
    engine::AppState state;
    std::unique_ptr<ui::ProgramWindows> windows;
    std::optional<QString> openChoice;
    std::optional<TfrmMain::SaveChoice> saveChoice;
    // The program's own file dialogs.
    std::function<std::optional<QString>()> realOpenDialog;
    std::function<std::optional<TfrmMain::SaveChoice>(const QString&)> realSaveDialog;
    int openDialogs = 0;
    QStringList proposals;
};

// Types a name into a file dialog in a folder and accepts it, as a user does.
void type(QFileDialog& dialog, const QString& folder, const QString& name) {
    dialog.setDirectory(folder);
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(field, nullptr);
    field->setText(name);
    QMetaObject::invokeMethod(&dialog, "accept");
}

} // namespace

TEST(MainMenus, FileAndAudiogramRulesAndTheirShortcuts) {
    Program program;
    auto& main = program.main();
    // No results: Save As and Print shown disabled, Ctrl+S and Ctrl+P refused.
    Q_EMIT main.File1->aboutToShow();
    EXPECT_FALSE(main.Save1->isEnabled());
    EXPECT_FALSE(main.Print1->isEnabled());
    QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&main, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(program.proposals.isEmpty());
    Q_EMIT main.PopupMenu1->aboutToShow();
    EXPECT_FALSE(main.Retest2->isEnabled());
    EXPECT_FALSE(main.ViewResults2->isEnabled());
    // The audiogram menu's Save As works all the same.
    EXPECT_TRUE(main.SaveAs1->isEnabled());
    main.SaveAs1->trigger();
    EXPECT_EQ(program.proposals.size(), 1);

    // Results: Ctrl+S asks where to save; Retest needs a calibration too.
    program.state.Record.ResultsValid = true;
    QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(program.proposals.size(), 2);
    Q_EMIT main.PopupMenu1->aboutToShow();
    EXPECT_FALSE(main.Retest2->isEnabled());
    EXPECT_TRUE(main.ViewResults2->isEnabled());
    program.state.CalibrationLoaded = true;
    Q_EMIT main.PopupMenu1->aboutToShow();
    EXPECT_TRUE(main.Retest2->isEnabled());
    QTest::keyClick(&main, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(program.openDialogs, 1);
}

TEST(SaveAs, ProposedNameTestFileOrTextExportAndAFailingSave) {
    Program program;
    auto& main = program.main();
    main.txtTestName->setText(QStringLiteral("A/B"));
    main.txtTestLocation->setText(QStringLiteral("X:Y"));
    main.chkErstpruefung->setChecked(true);
    main.rdoOK->setChecked(true);
    program.state.Record.Test1Result.TestDate = QStringLiteral("06-12-2026");
    program.state.Record.Test1Result.TestTime = QStringLiteral("9h5");
    program.state.Record.ResultsValid = true;

    // "result.TXT" with the test-file filter: a test file.
    program.saveChoice = TfrmMain::SaveChoice{program.file("result.TXT"), false};
    main.Save1Click();
    EXPECT_EQ(program.proposals.last(), QStringLiteral("X-Y A-B Erstprüfung IO 06-12-2026-9h5"));
    EXPECT_TRUE(program.bytes(program.file("result.TXT")).startsWith("\x10VorlandtTestFile"));
    // "result.txt", or the ASCII-Text filter: the text export.
    program.saveChoice = TfrmMain::SaveChoice{program.file("result.txt"), false};
    main.Save1Click();
    program.saveChoice = TfrmMain::SaveChoice{program.file("other.vkt"), true};
    main.Save1Click();
    for (const char* name : {"result.txt", "other.vkt"}) {
        const QByteArray text = program.bytes(program.file(name));
        EXPECT_FALSE(text.startsWith("\x10VorlandtTestFile")) << name;
        EXPECT_EQ(text.count('\n'), 1108) << name;
    }
    EXPECT_TRUE(program.sim.messages->shown().empty());

    // A save that fails is said, and changes nothing.
    const engine::AppState before = program.state;
    program.saveChoice = TfrmMain::SaveChoice{program.file("no such folder/result.vkt"), false};
    main.Save1Click();
    ASSERT_EQ(program.sim.messages->shown().size(), 1u);
    EXPECT_TRUE(program.sim.messages->shown()[0].text.startsWith(
        QStringLiteral("Beim Speichern ist ein Fehler aufgetreten")));
    EXPECT_EQ(program.state.Record.Test1Result.TestDate, before.Record.Test1Result.TestDate);
    EXPECT_TRUE(program.state.Record.ResultsValid);
}

TEST(Closing, UnsavedResultsOfATestAreAskedFor) {
    Program program;
    auto& main = program.main();
    // Results opened from a file do not ask.
    program.openChoice =
        testsupport::writeRealisticTest(program.sim.folder, QStringLiteral("meier.vkt"));
    main.Open1Click();
    ASSERT_TRUE(program.state.Record.ResultsValid);
    EXPECT_FALSE(main.unsavedResults());

    // As after a finished test: Abbrechen keeps the program open, Ja with a
    // cancelled save too, Ja with a save closes it.
    program.state.CalibrationLoaded = true;
    program.windows->settings->Trial->setChecked(false);
    for (auto* box : program.windows->settings->findChildren<QCheckBox*>()) {
        if (box->objectName().startsWith(QStringLiteral("Check"))) {
            box->setChecked(box->objectName() == QStringLiteral("Check1000"));
        }
    }
    main.NewTest1Click(); // nobody answers: no thresholds, but a finished test
    ASSERT_TRUE(program.state.Record.ResultsValid);
    ASSERT_TRUE(main.unsavedResults());
    program.sim.messages->clear();
    program.sim.messages->queueAnswer(platform::MessageAnswer::Cancel);
    EXPECT_FALSE(main.close());
    EXPECT_EQ(program.sim.messages->texts(), QStringList{kUnsaved});
    EXPECT_TRUE(main.isVisible());
    program.sim.messages->queueAnswer(platform::MessageAnswer::Yes);
    program.saveChoice.reset();
    EXPECT_FALSE(main.close());
    program.saveChoice = TfrmMain::SaveChoice{program.file("gesichert.vkt"), false};
    main.Save1Click();
    EXPECT_FALSE(main.unsavedResults());
    program.sim.messages->clear();
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(program.sim.messages->shown().empty());
    EXPECT_TRUE(QFile::exists(program.file("gesichert.vkt")));
}

TEST(SaveAs, TheDialogsShowWhatTheOtherWritesAndOnlyATestFileCountsAsSaved) {
    Program program;
    auto& main = program.main();
    QDir::setCurrent(program.sim.folder.path());
    main.txtTestName->setText(QStringLiteral("Erika"));
    program.state.Record.ResultsValid = true;
    main.NewTest1Click(); // not calibrated: refused, the results stay
    main.txtTestName->setText(QStringLiteral("Erika Muster"));
    ASSERT_TRUE(main.unsavedResults()); // an edit of shown results

    // The real Save As: the ASCII-Text filter and a name without an
    // extension give a text export named ".txt"; it does not count as saved.
    main.runSaveDialog = program.realSaveDialog;
    QTimer::singleShot(0, &main, [&main, &program] {
        auto* types = main.dlgSave->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        types->setCurrentIndex(1); // ASCII-Text, as the user picks it
        Q_EMIT types->activated(1);
        Q_EMIT types->textActivated(types->currentText());
        type(*main.dlgSave, program.sim.folder.path(), QStringLiteral("export"));
    });
    main.Save1Click();
    EXPECT_EQ(program.bytes(program.file("export.txt")).count('\n'), 1108);
    EXPECT_FALSE(QFile::exists(program.file("export.aud")));
    EXPECT_TRUE(main.unsavedResults());
    // A replaced dialog's name without an extension the same.
    program.saveChoice = TfrmMain::SaveChoice{program.file("plain"), true};
    main.runSaveDialog = [&program](const QString&) {
        return program.saveChoice;
    };
    main.Save1Click();
    EXPECT_TRUE(QFile::exists(program.file("plain.txt")));
    EXPECT_TRUE(main.unsavedResults());

    // The test file under the proposed name gets ".aud", and counts.
    main.runSaveDialog = program.realSaveDialog;
    QTimer::singleShot(0, &main, [&main, &program] {
        type(*main.dlgSave, program.sim.folder.path(), QStringLiteral("Erika Muster"));
    });
    main.Save1Click();
    ASSERT_TRUE(QFile::exists(program.file("Erika Muster.aud")));
    EXPECT_FALSE(main.unsavedResults());
    // An edit of the data box after saving is unsaved again.
    main.chkScreening->setChecked(!main.chkScreening->isChecked());
    EXPECT_TRUE(main.unsavedResults());

    // Open lists both extensions and starts with an empty name field; the
    // file just saved is found and opened.
    main.runOpenDialog = program.realOpenDialog;
    QTimer::singleShot(0, &main, [&main, &program] {
        EXPECT_EQ(main.dlgOpen->nameFilters(),
                  QStringList{QStringLiteral("Vorlandt Klarovent Test (*.vkt *.aud)")});
        auto* name = main.dlgOpen->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        EXPECT_TRUE(name->text().isEmpty()) << name->text().toStdString();
        type(*main.dlgOpen, program.sim.folder.path(), QStringLiteral("Erika Muster.aud"));
    });
    main.txtTestName->clear();
    main.Open1Click();
    EXPECT_EQ(main.txtTestName->text(), QStringLiteral("Erika Muster"));
    EXPECT_FALSE(main.unsavedResults());
}

TEST(MainWindowLock, EveryDialogGivesTheMainWindowBackOnEveryWayOut) {
    Program program;
    auto& main = program.main();
    auto& w = *program.windows;
    program.state.CalibrationLoaded = true;
    const auto escape = [](QWidget* widget) {
        QTest::keyClick(widget, Qt::Key_Escape);
    };
    const auto lateActivation = [](QWidget* dialog) {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(dialog, &activate);
    };
    struct Way {
        const char* name;
        std::function<void()> open;
        QWidget* dialog;
        std::function<void()> leave;
    };
    const std::vector<Way> ways{
        {"password, wrong", [&] { main.Options1Click(); }, w.password.get(),
         [&] {
             w.password->txtPassword->setText(QStringLiteral("x"));
             w.password->btnOK->click();
         }},
        {"password, Escape", [&] { main.Options1Click(); }, w.password.get(),
         [&] {
             escape(w.password->txtPassword);
         }},
        {"settings, OK", [&] { main.Settings1Click(); }, w.settings.get(),
         [&] {
             w.settings->OK->click();
         }},
        {"settings, close button", [&] { main.Settings1Click(); }, w.settings.get(),
         [&] {
             w.settings->close();
         }},
        {"settings, Escape", [&] { main.Settings1Click(); }, w.settings.get(),
         [&] {
             escape(w.settings.get());
         }},
        {"calibration information, OK", [&] { main.CalInfo1Click(); }, w.calibrationInfo.get(),
         [&] {
             w.calibrationInfo->OKSave->click();
         }},
        {"calibration information, close button", [&] { main.CalInfo1Click(); },
         w.calibrationInfo.get(),
         [&] {
             w.calibrationInfo->close();
         }},
        {"new calibration's information, Cancel",
         [&] {
             program.state.NewCalibrationPending = true;
             w.calibrationInfo->show();
         },
         w.calibrationInfo.get(),
         [&] {
             w.calibrationInfo->Cancel->click();
         }},
        {"new calibration's information, Escape",
         [&] {
             program.state.NewCalibrationPending = true;
             w.calibrationInfo->show();
         },
         w.calibrationInfo.get(),
         [&] {
             escape(w.calibrationInfo.get());
         }},
        {"check by ear, Escape", [&] { main.SubjRecal1Click(); }, w.bioCal.get(),
         [&] {
             escape(w.bioCal.get());
         }},
        {"check by ear, close button", [&] { main.SubjRecal1Click(); }, w.bioCal.get(),
         [&] {
             w.bioCal->close();
         }},
        {"compatibility test, Schließen", [&] { main.TestCompatibility1Click(); },
         w.compatibility.get(),
         [&] {
             w.compatibility->btnClose->click();
         }},
        {"compatibility test, Escape", [&] { main.TestCompatibility1Click(); },
         w.compatibility.get(),
         [&] {
             escape(w.compatibility.get());
         }},
    };
    for (const auto& way : ways) {
        way.open();
        QCoreApplication::processEvents();
        ASSERT_TRUE(way.dialog->isVisible()) << way.name;
        EXPECT_FALSE(main.isEnabled()) << way.name;
        way.leave();
        QCoreApplication::processEvents();
        EXPECT_FALSE(way.dialog->isVisible()) << way.name;
        EXPECT_TRUE(main.isEnabled()) << way.name;
        // An activation that comes after the dialog has gone.
        lateActivation(way.dialog);
        QCoreApplication::processEvents();
        EXPECT_TRUE(main.isEnabled()) << way.name << ", late activation";
    }
    // The settings the password opens run beside the enabled main window, as
    // the password's closing leaves it; the settings' Cancel keeps it so.
    main.Options1Click();
    w.password->txtPassword->setText(QStringLiteral("qmz47"));
    w.password->btnOK->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.settings->isVisible());
    EXPECT_TRUE(main.isEnabled());
    w.settings->Cancel->click();
    EXPECT_TRUE(main.isEnabled());
    // Beside the question before a new calibration the compatibility test
    // leaves the main window usable.
    program.sim.messages->queueAnswer(platform::MessageAnswer::Yes);
    main.SubjCal1Click();
    EXPECT_TRUE(w.compatibility->isVisible());
    EXPECT_TRUE(main.isEnabled());
    w.compatibility->close();
    EXPECT_TRUE(main.isEnabled());
}

TEST(AnotherStart, TheRunningProgramOpensTheFileItIsHanded) {
    Program program;
    auto& main = program.main();
    const QString test =
        testsupport::writeRealisticTest(program.sim.folder, QStringLiteral("zweiter start.vkt"));
    // A test file: opened, the window in front.
    main.showMinimized();
    main.openFromAnotherStart({test});
    EXPECT_FALSE(main.isMinimized());
    EXPECT_TRUE(program.state.Record.ResultsValid);
    EXPECT_FALSE(main.unsavedResults());
    const QString person = main.txtTestName->text();
    ASSERT_FALSE(person.isEmpty());

    // Unsaved results are asked about first; Abbrechen keeps them.
    main.txtTestName->setText(QStringLiteral("geändert"));
    ASSERT_TRUE(main.unsavedResults());
    program.sim.messages->queueAnswer(platform::MessageAnswer::Cancel);
    main.openFromAnotherStart({test});
    EXPECT_EQ(program.sim.messages->texts(), QStringList{kUnsaved});
    EXPECT_EQ(main.txtTestName->text(), QStringLiteral("geändert"));
    program.sim.messages->queueAnswer(platform::MessageAnswer::No);
    main.openFromAnotherStart({test});
    EXPECT_EQ(main.txtTestName->text(), person);

    // Neither a test nor a calibration file: said; a calibration is loaded.
    program.sim.messages->clear();
    main.openFromAnotherStart({program.file("notizen.txt")});
    ASSERT_EQ(program.sim.messages->shown().size(), 1u);
    EXPECT_TRUE(program.sim.messages->shown()[0].text.contains(QStringLiteral("weder")));
    int calibrations = 0;
    main.setCalibrationReader([&calibrations](const QString&) { return ++calibrations > 0; });
    main.openFromAnotherStart({program.file("kopfhoerer.vkk")});
    EXPECT_EQ(calibrations, 1);

    // While a test runs nothing is opened, and the examiner is told.
    program.state.CalibrationLoaded = true;
    program.windows->settings->Trial->setChecked(false);
    for (auto* box : program.windows->settings->findChildren<QCheckBox*>()) {
        if (box->objectName().startsWith(QStringLiteral("Check"))) {
            box->setChecked(box->objectName() == QStringLiteral("Check1000"));
        }
    }
    program.sim.messages->clear();
    bool during = false;
    program.sim.messages->setOnShow([&](const platform::Message& message) {
        if (message.text == QStringLiteral("Zweiter Messdurchlauf")) {
            during = true;
            main.openFromAnotherStart({test});
        }
    });
    main.NewTest1Click();
    ASSERT_TRUE(during);
    EXPECT_EQ(program.sim.messages->texts().filter(QStringLiteral("Ein Hörtest läuft")).size(), 1);
}

TEST(Help, F1ShowsTheManualAtTheActiveWindowsSection) {
    Program program;
    QList<QUrl> opened;
    program.main().helpKey()->open = [&](const QUrl& page, auto) {
        opened << page;
    };
    QTest::keyClick(&program.main(), Qt::Key_F1);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].fragment(), QStringLiteral("start"));
    ASSERT_TRUE(opened[0].isLocalFile());
    QFile manual(opened[0].toLocalFile());
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QByteArray html = manual.readAll();
    for (const char* section : {"start", "kalibrierung", "kompatibilitaet", "hoertest",
                                "einstellungen", "kalibrierungsinfo"}) {
        EXPECT_TRUE(html.contains(QByteArray("id=\"") + section + "\"")) << section;
    }
    EXPECT_EQ(ui::HelpKey::sectionFor(program.windows->settings.get()),
              QStringLiteral("einstellungen"));
    EXPECT_EQ(ui::HelpKey::sectionFor(nullptr), QStringLiteral("start"));

    // In English the English manual, at the same sections; German for the rest.
    for (const auto language : testsupport::kEveryLanguage) {
        const testsupport::InLanguage speaking(language);
        const auto page = ui::HelpKey::manualPage(QStringLiteral("einstellungen"));
        ASSERT_TRUE(page);
        const bool english = language == platform::Language::English;
        EXPECT_EQ(page->path().endsWith(QStringLiteral("/en/index.html")), english)
            << page->path().toStdString();
        QFile localised(page->toLocalFile());
        ASSERT_TRUE(localised.open(QIODevice::ReadOnly));
        const QByteArray text = localised.readAll();
        EXPECT_TRUE(text.contains(english ? "<html lang=\"en\">" : "<html lang=\"de\">"));
        EXPECT_TRUE(text.contains("id=\"einstellungen\""));
    }
}

TEST(Help, F1WithoutABrowserSaysSoAndNamesTheManual) {
    Program program;
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    // A desktop with xdg-open but no browser (it ends with status 3), and
    // one without xdg-open at all.
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nexit 3\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    for (const QString& searched : {bin.path(), program.sim.folder.path()}) {
        qputenv("PATH", searched.toUtf8());
        program.sim.messages->clear();
        QTest::keyClick(&program.main(), Qt::Key_F1);
        QTRY_COMPARE_WITH_TIMEOUT(program.sim.messages->shown().size(), std::size_t{1}, 10000);
        const QString text = program.sim.messages->shown()[0].text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("Das Handbuch konnte nicht geöffnet werden")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("/index.html"))) << text.toStdString();
        EXPECT_TRUE(text.contains(searched == bin.path() ? QStringLiteral("kein Browser")
                                                         : QStringLiteral("xdg-utils")))
            << text.toStdString();
    }
    qputenv("PATH", path);
}

TEST(CommandLine, TestFilesNamedByEitherExtensionAreOpened) {
    for (const char* name : {"Herr Meier.VKT", "Frau Schmidt.aud"}) {
        QTemporaryDir folder;
        const QString path = testsupport::writeRealisticTest(folder, QString::fromUtf8(name));
        ASSERT_FALSE(path.isEmpty());
        // A path with a blank arrives as two parameters.
        const qsizetype blank = path.lastIndexOf(QLatin1Char(' '));
        Program program({path.left(blank), path.mid(blank + 1)});
        EXPECT_TRUE(program.state.Record.ResultsValid) << name;
        EXPECT_EQ(program.state.Record.Test1Result.TestDate, QStringLiteral("14-03-2025")) << name;
    }
}
