// tavo convert and tavo show, run as a user runs them.

#include "ByteVectors.h"
#include "FailingOutput.h"
#include "storage/FileJson.h"
#include "storage/TestFile.h"

#include <QProcess>
#include <QTemporaryDir>

#include "support/TavoTool.h"

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::storage;

namespace {

using testsupport::runTavo;

// A test file's JSON written by hand, as a user would.
QByteArray testJson() {
    QByteArray runs;
    for (const char* time : {"9h5", "9h40"}) {
        QByteArray ears;
        for (const char* ear : {"left", "right"}) {
            QByteArray lists;
            for (int index = 0; index < 12; ++index) {
                lists += QByteArray(index ? "," : "") + "{\"count\":4,\"levels\":[40,30,-5,28" +
                         QByteArray(",0").repeated(16) + "],\"spread\":2}";
            }
            ears += QByteArray(qstrcmp(ear, "left") ? "," : "") + "\"" + ear + "\":[" + lists + "]";
        }
        runs += QByteArray(qstrcmp(time, "9h5") ? "," : "") +
                "{\"date\":\"06-12-2026\",\"time\":\"" + time + "\",\"reversals\":{" + ears +
                "},\"thresholds\":{\"left\":[30,25,20,15,10,5,0,-5,-10,1000,1000,31],"
                "\"right\":[20,20,20,20,20,20,20,20,20,20,20,20]}}";
    }
    return "{\"format\":\"test\",\"person\":\"Jörg Müßig\",\"location\":\"Köln – 2 €\","
           "\"erstpruefung\":true,\"screening\":false,\"ok\":true,\"nok\":false,\"runs\":[" +
           runs + "]}";
}

QByteArray calibrationJson() {
    QByteArray points;
    for (int slot = 0; slot < 11; ++slot) {
        points += QByteArray(slot ? "," : "") + "{\"wave\":" + QByteArray::number(100 + slot) +
                  ",\"master\":650,\"gain\":32,\"reserved\":0,\"reference\":-2.5}";
    }
    return "{\"format\":\"calibration\",\"person\":\"Anna\",\"headphones\":\"HDA 300\","
           "\"soundcard\":\"HDA Intel PCH\",\"comment\":\"Calibration by Ear\","
           "\"date\":\"07.12.2026\",\"time\":\"10:11:12\",\"left\":[" +
           points + "],\"right\":[" + points + "]}";
}

class TavoFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QString write(const char* name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(TavoFiles, TestFileJsonRoundTripsUnchanged) {
    const QString json = write("a.json", testJson());
    ASSERT_EQ(runTavo({QStringLiteral("convert"), json, path("b.vkt")}).exitCode, 0);
    EXPECT_EQ(testsupport::contentsOf(path("b.vkt")).size(),
              18 + 60 + 10 + 10 + (2 + 1 + 2 + 1) + (10 + 3 + 10 + 4) + 4416);
    ASSERT_EQ(runTavo({QStringLiteral("convert"), path("b.vkt"), path("c.json")}).exitCode, 0);
    const auto original = parseJsonObject(testJson());
    const auto again = parseJsonObject(testsupport::contentsOf(path("c.json")));
    ASSERT_TRUE(original && again);
    EXPECT_EQ(*again.value, *original.value);
    // Our own JSON text comes back byte for byte; extensions in any case.
    ASSERT_EQ(runTavo({QStringLiteral("convert"), path("c.json"), path("d.VKT")}).exitCode, 0);
    ASSERT_EQ(runTavo({QStringLiteral("convert"), path("d.VKT"), path("e.Json")}).exitCode, 0);
    EXPECT_EQ(testsupport::contentsOf(path("e.Json")), testsupport::contentsOf(path("c.json")));
}

TEST_F(TavoFiles, CalibrationJsonRoundTripsUnchanged) {
    const QString json = write("a.json", calibrationJson());
    ASSERT_EQ(runTavo({QStringLiteral("convert"), json, path("b.vkk")}).exitCode, 0);
    EXPECT_EQ(testsupport::contentsOf(path("b.vkk")).size(),
              22 + 4 + 7 + 13 + 18 + 10 + 8 + 36 + 528);
    ASSERT_EQ(runTavo({QStringLiteral("convert"), path("b.vkk"), path("c.json")}).exitCode, 0);
    const auto original = parseJsonObject(calibrationJson());
    const auto again = parseJsonObject(testsupport::contentsOf(path("c.json")));
    ASSERT_TRUE(original && again);
    EXPECT_EQ(*again.value, *original.value);
}

TEST_F(TavoFiles, TextExportHas1108CrLfLines) {
    write("a.json", testJson());
    ASSERT_EQ(runTavo({QStringLiteral("convert"), path("a.json"), path("b.vkt")}).exitCode, 0);
    ASSERT_EQ(runTavo({QStringLiteral("convert"), path("b.vkt"), path("b.txt")}).exitCode, 0);
    const QByteArray text = testsupport::contentsOf(path("b.txt"));
    EXPECT_EQ(text.count("\r\n"), 1108);
    EXPECT_EQ(text.count('\n'), 1108);
    EXPECT_TRUE(
        text.startsWith("06-12-2026\r\n9h5\r\n06-12-2026\r\n9h40\r\n4\r\n40\r\n30\r\n-5\r\n"));
}

TEST_F(TavoFiles, RefusedInputsLeaveTheOutputAlone) {
    const QByteArray old = "old contents";
    write("old.vkt", old);
    QByteArray missingField = testJson();
    missingField.replace("\"screening\":false,", "");
    write("missing.json", missingField);
    QByteArray badLevel = testJson();
    badLevel.replace("[40,30,-5,28", "[40,30,\"x\",28");
    write("bad.json", badLevel);
    write("cut.vkt", encodeTestFile(TestFileContents{}).left(1000));
    write("broken.json", "{\"format\":");
    write("good.json", testJson());

    const std::vector<std::tuple<QString, QString, QString>> cases = {
        {path("missing.json"), path("old.vkt"), QStringLiteral("Feld „screening“ fehlt")},
        {path("bad.json"), path("old.vkt"), QStringLiteral("runs[0].reversals.left[0].levels[2]")},
        {path("broken.json"), path("old.vkt"), QStringLiteral("Kein gültiges JSON")},
        {path("cut.vkt"), path("new.json"), QStringLiteral("keine gültige Testdatei")},
        {path("cut.vkt"), path("new.txt"), QStringLiteral("keine gültige Testdatei")},
        {path("good.json"), path("new.vkk"), QStringLiteral("Feld „format“ muss „calibration“")},
        {path("nothing.vkk"), path("new.json"), QStringLiteral("kann nicht geöffnet werden")},
    };
    for (const auto& [in, out, message] : cases) {
        const auto run = runTavo({QStringLiteral("convert"), in, out});
        EXPECT_EQ(run.exitCode, 1) << in.toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    }
    EXPECT_EQ(testsupport::contentsOf(path("old.vkt")), old);
    EXPECT_EQ(testsupport::filesIn(dir.path()).filter(QStringLiteral("new")), QStringList());

    const auto wrongWay = runTavo({QStringLiteral("convert"), path("old.vkt"), path("new.vkk")});
    EXPECT_EQ(wrongWay.exitCode, 2);
    EXPECT_FALSE(runTavo({QStringLiteral("convert"), path("old.vkt")}).exitCode == 0);
}

TEST_F(TavoFiles, ShowSummarisesBothKinds) {
    write("a.json", testJson());
    ASSERT_EQ(runTavo({QStringLiteral("convert"), path("a.json"), path("b.vkt")}).exitCode, 0);
    const auto test = runTavo({QStringLiteral("show"), path("b.vkt")});
    ASSERT_EQ(test.exitCode, 0) << test.err.toStdString();
    EXPECT_TRUE(test.out.contains(QStringLiteral("Testperson:          Jörg Müßig")));
    EXPECT_TRUE(test.out.contains(QStringLiteral("Testort:             Köln – 2 €")));
    EXPECT_TRUE(test.out.contains(QStringLiteral("Erstprüfung:         ja")));
    EXPECT_TRUE(test.out.contains(QStringLiteral("Ergebnis:            IO")));
    EXPECT_TRUE(test.out.contains(QStringLiteral("Durchlauf 2: 06-12-2026 9h40")));
    EXPECT_TRUE(test.out.contains(QStringLiteral(
        "  links       30    25    20    15    10     5     0    -5   -10     -     -    31")));
    // Both runs are equal: no difference.
    EXPECT_TRUE(test.out.contains(QStringLiteral("OSPL: 0 dB   OSPR: 0 dB   APV: 0 dB")));

    write("c.json", calibrationJson());
    ASSERT_EQ(runTavo({QStringLiteral("convert"), path("c.json"), path("c.vkk")}).exitCode, 0);
    const auto cal = runTavo({QStringLiteral("show"), path("c.vkk")});
    ASSERT_EQ(cal.exitCode, 0);
    EXPECT_TRUE(cal.out.contains(QStringLiteral("Soundkarte:          HDA Intel PCH")));
    EXPECT_TRUE(cal.out.contains(QStringLiteral("Abgeschlossen:       07.12.2026 um 10:11:12")));
    EXPECT_TRUE(cal.out.contains(
        QStringLiteral("  rechts   8000     110     650      32           0  -2.5")));

    const auto bad = runTavo({QStringLiteral("show"), write("x.vkt", "nonsense")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("keine gültige Testdatei")));
}

// A file name that is not UTF-8 (an "ä" in Latin-1) is kept byte for byte:
// tavo writes the name it was given and finds such a file again.
TEST_F(TavoFiles, FileNamesThatAreNotUtf8AreKeptByteForByte) {
    write("meier.json", testJson());
    const QString tavo = qEnvironmentVariable("TAVO_BUILD_DIR") + QStringLiteral("/src/cli/tavo");
    QProcess shell;
    shell.setWorkingDirectory(dir.path());
    shell.start(QStringLiteral("bash"),
                {QStringLiteral("-c"),
                 QStringLiteral("set -e; name=$(printf 'M\\344ier.vkt'); \"%1\" convert meier.json "
                                "\"$name\"; test -f \"$name\"; \"%1\" show \"$name\" | head -1")
                     .arg(tavo)});
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    EXPECT_TRUE(shell.readAllStandardOutput().startsWith("Testdatei:"));
}
