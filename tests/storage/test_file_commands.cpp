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

class DataBoxWindow {
public:
    DataBoxWindow() {
        box.txtTestName = new QLineEdit(&window);
        box.txtTestLocation = new QLineEdit(&window);
        box.chkErstpruefung = new QCheckBox(&window);
        box.chkScreening = new QCheckBox(&window);
        box.rdoOK = new QRadioButton(&window);
        box.rdoNOK = new QRadioButton(&window);
        box.rdoOK->setChecked(true);
    }
    QWidget window;
    DataBox box;
};

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
        state.Test1Result = testsupport::numberedRun(4);
        state.Test1Result.TestDate = QStringLiteral("01-01-2020");
        state.Test2Result = testsupport::numberedRun(7);
        form.box.txtTestName->setText(QStringLiteral("Vorher"));
        form.box.chkScreening->setChecked(true);
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
        const TestFileContents now{readDataBox(form.box), state.Test1Result, state.Test2Result};
        return encodeTestFile(now) + QByteArray(1, state.ResultsValid ? 'v' : '-');
    }

    QTemporaryDir dir;
    int files = 0;
    engine::AppState state;
    DataBoxWindow form;
    platform::SimMessages messages;
};

TEST_F(ReadTestFile, FillsTheDataBoxAndBothRuns) {
    ASSERT_TRUE(ReadFile(file(fileBytes("-1", "0")), state, form.box, messages));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(form.box.txtTestName->text(), QStringLiteral("Müller"));
    EXPECT_EQ(form.box.txtTestLocation->text(), QStringLiteral("Praxis"));
    EXPECT_TRUE(form.box.chkErstpruefung->isChecked());
    EXPECT_FALSE(form.box.chkScreening->isChecked());
    EXPECT_TRUE(form.box.rdoOK->isChecked());
    EXPECT_EQ(state.Test1Result.TestDate, QStringLiteral("06-12-2026"));
    EXPECT_EQ(state.Test2Result.TestTime, QStringLiteral("9h40"));
    EXPECT_EQ(state.Test2Result.Thresholds[1][11], testsupport::numberedRun(1).Thresholds[1][11]);
    EXPECT_TRUE(state.ResultsValid);
    // What was read is written back byte for byte.
    const QString again = dir.filePath(QStringLiteral("again.vkt"));
    EXPECT_EQ(WriteFile(again, state, form.box), QString());
    EXPECT_EQ(testsupport::contentsOf(again), fileBytes("-1", "0"));
}

TEST_F(ReadTestFile, TheVerdictFollowsTheRadioGroupRule) {
    ASSERT_TRUE(ReadFile(file(fileBytes("0", "0")), state, form.box, messages));
    EXPECT_FALSE(form.box.rdoOK->isChecked());
    EXPECT_FALSE(form.box.rdoNOK->isChecked());
    ASSERT_TRUE(ReadFile(file(fileBytes("-1", "-1")), state, form.box, messages));
    EXPECT_FALSE(form.box.rdoOK->isChecked());
    EXPECT_TRUE(form.box.rdoNOK->isChecked());
    ASSERT_TRUE(ReadFile(file(fileBytes("True", "0")), state, form.box, messages));
    EXPECT_TRUE(form.box.rdoOK->isChecked());
    EXPECT_FALSE(form.box.rdoNOK->isChecked());
    // The buttons still form one group for the user.
    form.box.rdoNOK->click();
    EXPECT_FALSE(form.box.rdoOK->isChecked());
    EXPECT_TRUE(form.box.rdoNOK->isChecked());
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
        state.ResultsValid = validBefore;
        for (const auto& [bytes, message] : cases) {
            const QByteArray before = snapshot();
            messages.clear();
            EXPECT_FALSE(ReadFile(file(bytes), state, form.box, messages));
            EXPECT_EQ(messages.texts(), QStringList{message});
            EXPECT_EQ(snapshot(), before) << bytes.size();
        }
    }
    // A file that is not there.
    const QByteArray before = snapshot();
    messages.clear();
    EXPECT_FALSE(ReadFile(dir.filePath(QStringLiteral("fehlt.AUD")), state, form.box, messages));
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
        EXPECT_FALSE(WriteFile(target, state, form.box, failing).isEmpty());
        EXPECT_FALSE(WriteAsciiFile(text, state, failing).isEmpty());
        EXPECT_EQ(testsupport::contentsOf(target), "alt");
        EXPECT_EQ(testsupport::contentsOf(text), "alt");
    }
    EXPECT_EQ(WriteAsciiFile(text, state), QString());
    EXPECT_EQ(testsupport::contentsOf(text),
              encodeTextExport(state.Test1Result, state.Test2Result));
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
    EXPECT_TRUE(state.ResultsValid);
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
    EXPECT_TRUE(state.ResultsValid);
}
