// `tavo simulate`: a whole hearing test with a simulated listener, as a user
// runs it: the listener's thresholds come back within a level step, the
// result file and the pulse log, a scripted stop, the ear-plug example, and
// the failures (no calibration, a bad listener file, bad arguments).

#include "engine/AppState.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/CalibrationFile.h"
#include "storage/FileOutput.h"
#include "storage/Registry.h"
#include "storage/TestFile.h"
#include "support/TavoTool.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

using namespace tavo;
using testsupport::runTavo;

namespace {

constexpr std::array<int, 11> kThresholdsLeft = {10, 5, 5, 5, 0, 5, 5, 10, 10, 15, 15};
constexpr std::array<int, 11> kThresholdsRight = {10, 10, 5, 5, 5, 5, 10, 10, 15, 15, 20};

QString array(const std::array<int, 11>& values, int shift = 0) {
    QStringList texts;
    for (int v : values) {
        texts << QString::number(v + shift);
    }
    return QLatin1Char('[') + texts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

struct Files {
    Files() {
        platform::RegFileSettingsStore store(settings());
        EXPECT_TRUE(storage::seedSettingsStore(store, nullptr));
        store.openKey(false);
        store.writeInteger(QStringLiteral("FirstRun"), 0);
        // These listeners hear on the shown scale from 0 on; their tests
        // start there.
        store.writeText(QStringLiteral("Start Level (dB HL)"), QStringLiteral("0"));
        store.closeKey();
        storage::CalibrationFileContents calibration;
        calibration.person = QStringLiteral("Test");
        for (auto& ear : calibration.points) {
            for (auto& point : ear) {
                point.WaveSteps = 20;
                point.MasterSteps = 500;
            }
        }
        EXPECT_TRUE(
            storage::saveBytes(this->calibration(), storage::encodeCalibrationFile(calibration))
                .isEmpty());
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString settings() const { return path("settings.reg"); }
    QString calibration() const { return path("cal.vkk"); }
    QString listener(const QString& json) const {
        const QString file = path("listener.json");
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(json.toUtf8());
        return file;
    }
    QString normalListener(const QString& extra = {}) const {
        return listener(QStringLiteral(R"({"thresholds": {"left": %1, "right": %2}%3})")
                            .arg(array(kThresholdsLeft), array(kThresholdsRight), extra));
    }
    QStringList arguments(const QString& listenerFile) const {
        return {QStringLiteral("simulate"),
                QStringLiteral("--settings"),
                settings(),
                QStringLiteral("--calibration"),
                calibration(),
                QStringLiteral("--listener"),
                listenerFile,
                QStringLiteral("--out"),
                path("result.vkt")};
    }
    storage::TestFileContents result() const {
        QFile file(path("result.vkt"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        auto decoded = storage::decodeTestFile(file.readAll());
        EXPECT_TRUE(decoded.value.has_value()) << decoded.error.toStdString();
        return decoded.value.value_or(storage::TestFileContents{});
    }

    QTemporaryDir dir;
};

// The design settings' eight frequencies (slots 2, 3, 5, 7, 8, 9, 10, 11).
constexpr std::array<int, 8> kTested = {2, 3, 5, 7, 8, 9, 10, 11};

} // namespace

TEST(TavoSimulate, ACompleteTestFindsTheListenersThresholdsWithinALevelStep) {
    Files files;
    const QByteArray settingsBefore = [&] {
        QFile f(files.settings());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const auto run =
        runTavo(files.arguments(files.normalListener()) +
                QStringList{QStringLiteral("--pulses"), files.path("pulses.csv"),
                            QStringLiteral("--second-run-offset"), QStringLiteral("off")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.lines();
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.mid(lines.size() - 5),
              (QStringList{QStringLiteral("run 1: completed"), QStringLiteral("run 2: completed"),
                           QStringLiteral("OSPL: 0"), QStringLiteral("OSPR: 0"),
                           QStringLiteral("APV: 0")}));
    EXPECT_TRUE(lines.contains(QStringLiteral("Meldung: Kompletten Test beendet")));

    const auto result = files.result();
    for (const auto* runResult : {&result.run1, &result.run2}) {
        for (int slot : kTested) {
            const auto i = static_cast<std::size_t>(slot - 1);
            EXPECT_LE(std::abs(runResult->Thresholds[0][i] - kThresholdsLeft[i]), 3) << slot;
            EXPECT_LE(std::abs(runResult->Thresholds[1][i] - kThresholdsRight[i]), 3) << slot;
            EXPECT_GE(runResult->Reversals[0][i].Count, 2);
        }
        EXPECT_EQ(runResult->Thresholds[0][0], engine::kNoThreshold); // 125 Hz not ticked
    }
    EXPECT_FALSE(result.run1.TestDate.isEmpty());

    // One row per pulse: the trial (slot 0) first, ten pulses long.
    QFile log(files.path("pulses.csv"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(rows.first(), QStringLiteral("run,ear,slot,frequency,pulse,level,pressed"));
    EXPECT_EQ(rows.at(1), QStringLiteral("1,left,0,250,1,3.00,0"));
    EXPECT_EQ(rows.at(10).section(QLatin1Char(','), 0, 4), QStringLiteral("1,left,0,250,10"));
    EXPECT_EQ(rows.at(11).section(QLatin1Char(','), 0, 4), QStringLiteral("1,left,2,250,1"));
    EXPECT_TRUE(rows.contains(QStringLiteral("2,right,11,8000,1,3.00,0")) ||
                rows.filter(QStringLiteral("2,right,11,8000,1,")).size() == 1);

    // The user's settings are not touched.
    QFile after(files.settings());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), settingsBefore);
}

TEST(TavoSimulate, AnEarPlugInTheSecondRunShowsInTheSummary) {
    Files files;
    const QString plugged = QStringLiteral(R"(, "second_run_shift": {"left": %1, "right": %1})")
                                .arg(array({20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}));
    const auto run =
        runTavo(files.arguments(files.normalListener(plugged)) +
                QStringList{QStringLiteral("--second-run-offset"), QStringLiteral("off")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.lines();
    // 20 dB more in the second run: the first run minus the second.
    const int ospl = lines.at(lines.size() - 3).section(QLatin1Char(' '), 1).toInt();
    const int ospr = lines.at(lines.size() - 2).section(QLatin1Char(' '), 1).toInt();
    EXPECT_NEAR(ospl, -20, 3);
    EXPECT_NEAR(ospr, -20, 3);

    // With "Praxisabweichung" (the default) the second run plays 5 dB
    // louder, so the plug seems 5 dB weaker.
    const auto louder = runTavo(files.arguments(files.normalListener(plugged)));
    ASSERT_EQ(louder.exitCode, 0);
    const QStringList louderLines = louder.lines();
    EXPECT_NEAR(louderLines.at(louderLines.size() - 3).section(QLatin1Char(' '), 1).toInt(), -15,
                3);
}

TEST(TavoSimulate, AScriptedStopInterruptsTheTestAndStillSavesIt) {
    Files files;
    const auto run = runTavo(files.arguments(files.normalListener(
        QStringLiteral(R"(, "stop": {"run": 1, "ear": "right", "frequency": 2000, "pulse": 3})"))));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.lines();
    EXPECT_EQ(lines.mid(lines.size() - 5),
              (QStringList{QStringLiteral("run 1: interrupted"), QStringLiteral("run 2: not run"),
                           QStringLiteral("OSPL: -"), QStringLiteral("OSPR: -"),
                           QStringLiteral("APV: -")}));
    EXPECT_TRUE(lines.contains(QStringLiteral("Meldung: Testprozedur unterbrochen!")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Meldung: Test wurde abgebrochen.")));
    const auto result = files.result();
    EXPECT_EQ(result.run1.Reversals[0][1].Count, 0); // the run's cells are cleared
}

TEST(TavoSimulate, FailuresAndRefusals) {
    Files files;
    // No calibration: the program's own message, exit 1, nothing saved.
    QStringList uncalibrated = files.arguments(files.normalListener());
    uncalibrated.removeAt(3);
    uncalibrated.removeAt(3);
    auto run = runTavo(uncalibrated);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Das Audiometer muß zunächst kalibriert werden.")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(files.path("result.vkt")));

    // A listener file that is no JSON, or whose lists are too short.
    for (const QString& json :
         {QStringLiteral("{\"thresholds\": "),
          QStringLiteral(R"({"thresholds": {"left": [1, 2], "right": [1, 2]}})"),
          QStringLiteral(R"({"thresholds": {"left": %1, "right": %1}, "stopp": {}})")
              .arg(array(kThresholdsLeft)),
          QStringLiteral(R"({"second_run_shift": {}})")}) {
        run = runTavo(files.arguments(files.listener(json)));
        EXPECT_EQ(run.exitCode, 1) << json.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Hörerdatei"))) << run.err.toStdString();
    }
    run = runTavo(files.arguments(
        files.listener(QStringLiteral(R"({"thresholds": {"left": [1, 2], "right": [1, 2]}})"))));
    EXPECT_TRUE(run.err.contains(QStringLiteral("thresholds.left"))) << run.err.toStdString();

    // Settings that a run cannot work with: refused, exit 1.
    {
        platform::RegFileSettingsStore store(files.settings());
        store.openKey(false);
        store.writeText(QStringLiteral("Max. Test time(s)"), QStringLiteral("0"));
        store.closeKey();
    }
    run = runTavo(files.arguments(files.normalListener()));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Testdauer pro Frequenz")));

    // Bad arguments.
    EXPECT_EQ(runTavo({QStringLiteral("simulate")}).exitCode, 2);
    EXPECT_EQ(runTavo(files.arguments(files.normalListener()) +
                      QStringList{QStringLiteral("--second-run-offset"), QStringLiteral("maybe")})
                  .exitCode,
              2);
    EXPECT_EQ(runTavo(files.arguments(files.normalListener()) + QStringList{QStringLiteral("x")})
                  .exitCode,
              2);
}
