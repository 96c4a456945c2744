// The archive window in the program's windows (also on a real X display
// under Xvfb): the search, a person's tests and chart, a test opened in the
// main window byte-exact to its file (and saved again as such), test files
// taken over once, the export's two files, and a person erased after a
// confirmation that names how many tests go.

#include "archive/Archive.h"
#include "engine/AppState.h"
#include "engine/Evaluation.h"
#include "engine/FitCheckText.h"
#include "storage/TestFile.h"
#include "support/TavoTool.h"
#include "support/TestPlatform.h"
#include "ui/ArchiveChart.h"
#include "ui/TfrmArchive.h"
#include "ui/TfrmFitCheck.h"
#include "ui/TfrmMain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>

using namespace tavo;

namespace {

// A finished test: `first` and `second` dB HL (plus a little more each
// octave in the second run) at 250 .. 8000 Hz, both ears.
engine::TestRecord finished(const QString& person, const QString& date, int first, int second) {
    engine::TestRecord r;
    engine::clearResult(r.Test1Result);
    engine::clearResult(r.Test2Result);
    r.data.person = person;
    r.data.location = QStringLiteral("Werk \"Süd\"; Halle 3");
    r.data.screening = true;
    r.data.ok = true;
    for (auto* run : {&r.Test1Result, &r.Test2Result}) {
        run->TestDate = date;
        run->TestTime = QStringLiteral("10h15");
        const int level = run == &r.Test1Result ? first : second;
        for (int ear = 0; ear < engine::kEars; ++ear) {
            // 250 .. 8000 Hz in octaves, a little steeper each octave.
            for (const int index : {1, 2, 4, 6, 8, 10}) {
                const int at = level + (run == &r.Test1Result ? 0 : index + ear);
                run->Reversals[ear][index].Count = 6;
                for (int k = 0; k < 6; ++k) {
                    run->Reversals[ear][index].Levels[k] = at + (k % 2 == 0 ? 3 : -3);
                }
                run->Thresholds[ear][index] = at;
            }
        }
    }
    r.ResultsValid = true;
    return r;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList column(const QTreeWidget* list, int index) {
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        texts << list->topLevelItem(row)->text(index);
    }
    return texts;
}

} // namespace

TEST(ArchiveWindow, SearchOpenTakeOverExportAndErase) {
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    std::vector<QByteArray> files;
    QStringList apv;
    {
        auto archive = archive::Archive::open(archive::ArchiveLocation::defaultSqlite());
        ASSERT_TRUE(archive) << archive.error().toStdString();
        const engine::TestRecord records[] = {
            finished(QStringLiteral("Erika Muster"), QStringLiteral("03-02-2025"), 20, 35),
            finished(QStringLiteral("erika muster "), QStringLiteral("04-02-2026"), 20, 29),
            finished(QStringLiteral("Max Beispiel"), QStringLiteral("05-02-2026"), 25, 30)};
        for (const auto& record : records) {
            archive::ArchiveEntry entry;
            entry.entryKey = QString::number(files.size());
            entry.record = record;
            entry.state = archive::TestState::Completed;
            entry.fileBytes = storage::encodeTestFile(record);
            files.push_back(entry.fileBytes);
            apv << engine::CalcAVP(record).apv;
            ASSERT_TRUE((*archive)->store(entry));
        }
    }

    testsupport::TestPlatform sim;
    sim.settingsFromEarlierStart();
    engine::AppState state;
    auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
    auto& main = *windows->main;
    main.show();
    main.Results1Click();
    ui::TfrmArchive* window = main.archiveWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(column(window->lvwPersons, 0),
              (QStringList{QStringLiteral("Erika Muster"), QStringLiteral("Max Beispiel")}));
    EXPECT_EQ(column(window->lvwPersons, 2), (QStringList{"2", "1"}));

    // The search ignores case and blanks around the name.
    window->edtSearch->setText(QStringLiteral("  ERIKA "));
    ASSERT_EQ(window->lvwPersons->topLevelItemCount(), 1);
    window->lvwPersons->setCurrentItem(window->lvwPersons->topLevelItem(0));
    ASSERT_EQ(window->lvwTests->topLevelItemCount(), 2);
    // The newest first; the chart runs from the oldest.
    EXPECT_EQ(column(window->lvwTests, 7), (QStringList{apv[1], apv[0]}));
    EXPECT_EQ(column(window->lvwTests, 3), (QStringList{"Überwachung", "Überwachung"}));
    EXPECT_EQ(column(window->lvwTests, 4), (QStringList{"i.O.", "i.O."}));
    ASSERT_EQ(window->pbxChart->points().size(), 2u);
    EXPECT_EQ(window->pbxChart->points()[0].apv, apv[0].toInt());
    EXPECT_EQ(window->pbxChart->points()[1].apv, apv[1].toInt());
    EXPECT_NE(apv[0], apv[1]);

    // Open: the main window holds the test as its file has it; Save As
    // writes those bytes again.
    EXPECT_FALSE(window->btnOpen->isEnabled());
    window->lvwTests->setCurrentItem(window->lvwTests->topLevelItem(1));
    ASSERT_TRUE(window->btnOpen->isEnabled());
    window->btnOpen->click();
    EXPECT_EQ(storage::encodeTestFile(state.Record), files[0]);
    EXPECT_EQ(main.txtTestName->text(), QStringLiteral("Erika Muster"));
    EXPECT_FALSE(state.Record.Unsaved);
    const QString saved = dir.filePath(QStringLiteral("wieder.vkt"));
    ASSERT_TRUE(main.WriteFile(saved).isEmpty());
    EXPECT_EQ(readAll(saved), files[0]);

    // The report of the archived test: its numbers, the exposure kept with
    // the test, the PDF, and `tavo report` saying the same.
    window->btnReport->click();
    ui::TfrmFitCheck* report = main.fitCheckWindow();
    ASSERT_NE(report, nullptr);
    ASSERT_TRUE(report->isVisible());
    EXPECT_EQ(report->edtExposure->text(), QString()); // none kept, none in the settings
    EXPECT_EQ(report->document().report.verdict, engine::Verdict::NoRating);
    report->edtExposure->setText(QStringLiteral("95"));
    Q_EMIT report->edtExposure->editingFinished();
    engine::FitCheckParameters parameters;
    parameters.exposure = 95.0;
    const auto expected = engine::evaluateFitCheck(state.Record, parameters);
    const auto& shown = report->document().report;
    ASSERT_TRUE(shown.binaural.par && expected.binaural.par);
    EXPECT_DOUBLE_EQ(*shown.binaural.par, *expected.binaural.par);
    EXPECT_EQ(shown.verdict, expected.verdict);
    EXPECT_NE(shown.verdict, engine::Verdict::NoRating);
    {
        auto archive = archive::Archive::open(archive::ArchiveLocation::defaultSqlite());
        const auto kept = (*archive)->test(window->lvwTests->currentItem()->text(0).toLongLong());
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->fitCheck.exposure, QStringLiteral("95,0"));
        EXPECT_EQ(kept->fitCheck.par84Binaural, engine::decibels(*expected.binaural.par84()));
        EXPECT_EQ(kept->fitCheck.verdict, engine::verdictText(expected.verdict));
    }
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    report->runPdfDialog = [&] {
        return pdf;
    };
    report->btnPdf->click();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(page.contains(
        QStringLiteral("PAR beidohrig: %1 dB").arg(engine::decibels(*expected.binaural.par))))
        << page.toStdString();
    EXPECT_TRUE(
        page.contains(QStringLiteral("Bewertung: ") + engine::verdictText(expected.verdict)));
    const QString json = dir.filePath(QStringLiteral("bericht.json"));
    const auto tool = testsupport::runTavo({QStringLiteral("report"), QStringLiteral("--test"),
                                            saved, QStringLiteral("--exposure"),
                                            QStringLiteral("95"), QStringLiteral("--json"), json});
    ASSERT_EQ(tool.exitCode, 0) << tool.err.toStdString();
    const QJsonObject fromTool = QJsonDocument::fromJson(readAll(json)).object();
    EXPECT_EQ(fromTool, engine::fitCheckJson(report->document()));
    report->close();

    // Taking the same file over again adds nothing; a new one is added.
    const QString other = dir.filePath(QStringLiteral("anderer.vkt"));
    {
        QFile file(other);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(storage::encodeTestFile(
            finished(QStringLiteral("Erika Muster"), QStringLiteral("06-02-2026"), 20, 26)));
    }
    main.runTakeOverDialog = [&] {
        return QStringList{saved, other};
    };
    sim.messages->clear();
    main.TakeOverFile1Click();
    ASSERT_EQ(sim.messages->shown().size(), 1u);
    EXPECT_EQ(sim.messages->shown()[0].text,
              QStringLiteral("Ein Test übernommen, 1 schon im Archiv."));
    EXPECT_EQ(window->lvwTests->topLevelItemCount(), 3);

    // Export: what the list shows, as two files beside each other.
    window->runExportDialog = [&] {
        return dir.filePath(QStringLiteral("erika.csv"));
    };
    window->btnExport->click();
    const QByteArray tests = readAll(dir.filePath(QStringLiteral("erika.csv")));
    const QByteArray cells = readAll(dir.filePath(QStringLiteral("erika-Frequenzen.csv")));
    EXPECT_TRUE(tests.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(tests.count("\r\n"), 4); // header and three tests
    EXPECT_TRUE(tests.contains("\"Werk \"\"Süd\"\"; Halle 3\""));
    EXPECT_EQ(cells.count("\r\n"), 1 + 3 * 2 * 2 * 6); // three tests, two runs, two ears, six Hz

    // Erasure names how many tests go; "Nein" keeps them.
    window->lvwPersons->setCurrentItem(window->lvwPersons->topLevelItem(0));
    sim.messages->clear();
    sim.messages->queueAnswer(platform::MessageAnswer::No);
    window->btnDeletePerson->click();
    ASSERT_EQ(sim.messages->shown().size(), 1u);
    EXPECT_TRUE(sim.messages->shown()[0].text.contains(QStringLiteral("allen 3 Tests")));
    EXPECT_EQ(window->lvwPersons->topLevelItemCount(), 1);
    window->btnDeletePerson->click();
    EXPECT_EQ(window->lvwPersons->topLevelItemCount(), 0);
    EXPECT_EQ(window->lvwTests->topLevelItemCount(), 0);
    window->edtSearch->clear();
    EXPECT_EQ(column(window->lvwPersons, 0), QStringList{QStringLiteral("Max Beispiel")});
    auto archive = archive::Archive::open(archive::ArchiveLocation::defaultSqlite());
    ASSERT_TRUE(archive);
    EXPECT_EQ((*archive)->tests(0)->size(), 1u);
    window->close();
}
