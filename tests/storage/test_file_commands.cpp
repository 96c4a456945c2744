// Reading a test file into the data box and the application state, and
// writing it back: all or nothing.

#include "ByteVectors.h"
#include "FailingOutput.h"
#include "engine/AppState.h"
#include "platform/sim/SimMessages.h"
#include "storage/SettingsTable.h"
#include "storage/TestFile.h"
#include "storage/TestFileCommands.h"
#include "storage/TextExport.h"
#include "support/TestPlatform.h"
#include "ui/TfrmMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::storage;
using testsupport::record;

namespace {

QByteArray fileBytes(const QByteArray& ok, const QByteArray& nok,
                     const engine::TTestResult& run = testsupport::numberedRun(1)) {
    return testsupport::testHeader() + record("M\xFCller") + record("Praxis") + record("-1") +
           record("0") + record(ok) + record(nok) + record("06-12-2026") + record("9h5") +
           record("06-12-2026") + record("9h40") + testsupport::runArrays(run) +
           testsupport::runArrays(run);
}

} // namespace

class ReadTestFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state.Record.Test1Result = testsupport::numberedRun(4);
        state.Record.Test1Result.TestDate = QStringLiteral("01-01-2020");
        state.Record.Test2Result = testsupport::numberedRun(7);
        state.Record.data.person = QStringLiteral("Vorher");
        state.Record.data.screening = true;
    }
    QString file(const QByteArray& bytes) {
        const QString name = dir.filePath(QStringLiteral("t%1.vkt").arg(++files));
        QFile out(name);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return name;
    }
    // Everything a read may change, as one value to compare.
    QByteArray snapshot() const {
        return encodeTestFile(state.Record) + QByteArray(1, state.Record.ResultsValid ? 'v' : '-');
    }

    QTemporaryDir dir;
    int files = 0;
    engine::AppState state;
    platform::SimMessages messages;
};

TEST_F(ReadTestFile, FillsTheDataBoxAndBothRuns) {
    ASSERT_TRUE(ReadFile(file(fileBytes("-1", "0")), state.Record, messages));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(state.Record.data.person, QStringLiteral("Müller"));
    EXPECT_EQ(state.Record.data.location, QStringLiteral("Praxis"));
    EXPECT_TRUE(state.Record.data.erstpruefung);
    EXPECT_FALSE(state.Record.data.screening);
    EXPECT_TRUE(state.Record.data.ok);
    EXPECT_EQ(state.Record.Test1Result.TestDate, QStringLiteral("06-12-2026"));
    EXPECT_EQ(state.Record.Test2Result.TestTime, QStringLiteral("9h40"));
    EXPECT_EQ(state.Record.Test2Result.Thresholds[1][11],
              testsupport::numberedRun(1).Thresholds[1][11]);
    EXPECT_TRUE(state.Record.ResultsValid);
    // What was read is written back byte for byte.
    const QString again = dir.filePath(QStringLiteral("again.vkt"));
    EXPECT_TRUE(WriteFile(again, state.Record).ok());
    EXPECT_EQ(testsupport::contentsOf(again), fileBytes("-1", "0"));
}

TEST_F(ReadTestFile, TheVerdictFollowsTheRadioGroupRule) {
    ASSERT_TRUE(ReadFile(file(fileBytes("0", "0")), state.Record, messages));
    EXPECT_FALSE(state.Record.data.ok);
    EXPECT_FALSE(state.Record.data.nok);
    ASSERT_TRUE(ReadFile(file(fileBytes("-1", "-1")), state.Record, messages));
    EXPECT_FALSE(state.Record.data.ok);
    EXPECT_TRUE(state.Record.data.nok);
    ASSERT_TRUE(ReadFile(file(fileBytes("True", "0")), state.Record, messages));
    EXPECT_TRUE(state.Record.data.ok);
    EXPECT_FALSE(state.Record.data.nok);
    // The main window shows the same and its buttons still form one group
    // for the user, whose choice goes into the record.
    testsupport::TestPlatform sim;
    const storage::Settings settings = storage::designSettings();
    ui::TfrmMain main({state, settings, sim.bundle, {}, {}});
    EXPECT_TRUE(main.ReadFile(file(fileBytes("0", "0"))));
    EXPECT_FALSE(main.rdoOK->isChecked());
    EXPECT_FALSE(main.rdoNOK->isChecked());
    EXPECT_FALSE(main.unsavedResults());
    main.rdoNOK->click();
    EXPECT_FALSE(main.rdoOK->isChecked());
    EXPECT_TRUE(state.Record.data.nok);
    main.rdoOK->click();
    EXPECT_TRUE(state.Record.data.ok);
    EXPECT_FALSE(state.Record.data.nok);
    main.txtTestName->setText(QStringLiteral("Neu"));
    EXPECT_EQ(state.Record.data.person, QStringLiteral("Neu"));
    EXPECT_TRUE(main.unsavedResults());
    // Saved and opened again, the record is what the box showed.
    const QString saved = dir.filePath(QStringLiteral("neu.vkt"));
    EXPECT_EQ(main.WriteFile(saved), QString());
    const auto back = decodeTestRecord(testsupport::contentsOf(saved));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->data, state.Record.data);
    EXPECT_EQ(encodeTestFile(*back), encodeTestFile(state.Record));
}

TEST_F(ReadTestFile, RefusedFilesChangeNothing) {
    const QByteArray good = fileBytes("-1", "0");
    QByteArray wrongFirst = good;
    wrongFirst[0] = 15;
    QByteArray wrongLetter = good;
    wrongLetter[9] = 't';
    QByteArray bigCount = good;
    bigCount.replace(18, 4, testsupport::le32(258));
    QByteArray negativeCount = good;
    negativeCount.replace(18, 4, testsupport::le32(-1));
    const QByteArray calibration = testsupport::calibrationSignature() + QByteArray(600, '\0');

    const std::vector<std::pair<QByteArray, QString>> cases = {
        {wrongFirst, kTestFileFormatMessage},
        {wrongLetter, kTestFileFormatMessage},
        {bigCount, kTestFileFormatMessage},
        {negativeCount, kTestFileFormatMessage},
        {calibration, kTestFileFormatMessage},
        {good.left(17), kTestFileFormatMessage},
        {good.left(30), kTestFileFormatMessage},
        {good.left(200), kTestFileFormatMessage},
        {good.left(good.size() - 1), kTestFileFormatMessage},
        {fileBytes("x", "0"),
         QStringLiteral("Die Datei enthält keinen gültigen Wahrheitswert: „x“")},
    };
    for (const bool validBefore : {false, true}) {
        state.Record.ResultsValid = validBefore;
        for (const auto& [bytes, message] : cases) {
            const QByteArray before = snapshot();
            messages.clear();
            EXPECT_FALSE(ReadFile(file(bytes), state.Record, messages));
            EXPECT_EQ(messages.texts(), QStringList{message});
            EXPECT_EQ(snapshot(), before) << bytes.size();
        }
    }
    // A file that is not there.
    const QByteArray before = snapshot();
    messages.clear();
    EXPECT_FALSE(ReadFile(dir.filePath(QStringLiteral("fehlt.AUD")), state.Record, messages));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("fehlt.AUD")));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ReadTestFile, FailedSavesLeaveTheOldFile) {
    const QString target = dir.filePath(QStringLiteral("alt.vkt"));
    const QString text = dir.filePath(QStringLiteral("alt.txt"));
    for (const auto& name : {target, text}) {
        QFile old(name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("alt");
    }
    for (const qint64 position : {0, 500, 1024, 4400}) {
        const auto failing =
            testsupport::failingAt(testsupport::FailingOutput::Failure::Short, position);
        EXPECT_FALSE(WriteFile(target, state.Record, failing).ok());
        EXPECT_FALSE(WriteAsciiFile(text, state.Record, failing).error().isEmpty());
        EXPECT_EQ(testsupport::contentsOf(target), "alt");
        EXPECT_EQ(testsupport::contentsOf(text), "alt");
    }
    EXPECT_TRUE(WriteAsciiFile(text, state.Record).ok());
    EXPECT_EQ(testsupport::contentsOf(text),
              encodeTextExport(state.Record.Test1Result, state.Record.Test2Result));
}

TEST(MainWindowFiles, ATestFileOnTheCommandLineIsReadAndEvaluated) {
    QTemporaryDir dir;
    engine::TTestResult run1;
    engine::TTestResult run2;
    engine::clearResult(run1);
    engine::clearResult(run2);
    run1.Reversals[0][0].Count = 4;
    run1.Thresholds[0][0] = 30;
    run2.Thresholds[0][0] = 20;
    run1.Thresholds[1][0] = 25;
    run2.Thresholds[1][0] = 22;
    const QString name = dir.filePath(QStringLiteral("Frau Schmitt.aud"));
    QFile out(name);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(encodeTestFile(TestFileContents{
        {QStringLiteral("Schmitt"), QStringLiteral("Köln"), false, true, false, true},
        run1,
        run2}));
    out.close();

    testsupport::TestPlatform sim;
    engine::AppState state;
    const storage::Settings settings = storage::designSettings();
    ui::TfrmMain main({state, settings, sim.bundle, name.split(QLatin1Char(' ')), {}});
    EXPECT_TRUE(state.Record.ResultsValid);
    EXPECT_EQ(main.txtTestName->text(), QStringLiteral("Schmitt"));
    EXPECT_EQ(main.txtTestLocation->text(), QStringLiteral("Köln"));
    EXPECT_TRUE(main.rdoNOK->isChecked());
    EXPECT_EQ(main.txtOSPL->text(), QStringLiteral("10"));
    EXPECT_EQ(main.txtOSPR->text(), QStringLiteral("3"));
    EXPECT_EQ(main.txtAPV->text(), QStringLiteral("7")); // 6.5 rounds up
    EXPECT_TRUE(main.windowTitle().endsWith(QStringLiteral("Schmitt Köln")));

    // A refused file read later leaves the window as it is.
    const QString bad = dir.filePath(QStringLiteral("x.vkt"));
    QFile badFile(bad);
    ASSERT_TRUE(badFile.open(QIODevice::WriteOnly));
    badFile.write("nonsense");
    badFile.close();
    EXPECT_FALSE(main.ReadFile(bad));
    EXPECT_EQ(sim.messages->count(kTestFileFormatMessage), 1);
    EXPECT_EQ(main.txtOSPL->text(), QStringLiteral("10"));
    EXPECT_TRUE(state.Record.ResultsValid);
}
