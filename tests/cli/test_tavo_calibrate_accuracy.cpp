// After a calibration by ear, as a real one gives it: `tavo calibrate-sim`
// with a simulated calibrating listener, then `tavo simulate` with people
// described by hearing level at the design settings, then `tavo accuracy`
// over a few of them: every frequency gets a threshold, the shown level is
// the hearing level + 40, and the summary figures are the true ones within
// a level step, with and without ear plugs and "Praxisabweichung".

#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/Registry.h"
#include "storage/TestFile.h"
#include "support/TavoTool.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

using namespace tavo;
using testsupport::runTavo;

namespace {

// The design settings' frequencies (slots 2, 3, 5, 7, 8, 9, 10, 11).
constexpr std::array<int, 8> kTested = {2, 3, 5, 7, 8, 9, 10, 11};
constexpr std::array<double, 11> kLeft = {10, 5, 5, 5, 0, 5, 5, 10, 10, 15, 15};
constexpr std::array<double, 11> kRight = {10, 10, 5, 5, 5, 5, 10, 10, 15, 15, 20};
constexpr std::array<double, 11> kPlug = {20, 22, 25, 27, 28, 30, 32, 34, 35, 36, 36};

QString list(const std::array<double, 11>& values) {
    QStringList texts;
    for (double v : values) {
        texts << QString::number(v);
    }
    return QLatin1Char('[') + texts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

struct Workplace {
    Workplace() {
        // The design settings, the first start done.
        platform::RegFileSettingsStore store(settings());
        EXPECT_TRUE(storage::seedSettingsStore(store, nullptr));
        store.openKey(false);
        store.writeInteger(QStringLiteral("FirstRun"), 0);
        store.closeKey();
        write("calibrating.json", R"({"scale": "hearing-level", "name": "Kalibrierer",
            "thresholds": {"left": [0,0,0,0,0,0,0,0,0,0,0], "right": [0,0,0,0,0,0,0,0,0,0,0]}})");
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString settings() const { return path("settings.reg"); }
    QString write(const char* name, const QString& text) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
        return file.fileName();
    }
    QString listener(bool plug) const {
        const QString shift =
            QStringLiteral(R"(, "second_run_shift": {"left": %1, "right": %1})").arg(list(kPlug));
        return write("person.json", QStringLiteral(R"({"scale": "hearing-level",
                        "thresholds": {"left": %1, "right": %2}%3})")
                                        .arg(list(kLeft), list(kRight), plug ? shift : QString()));
    }
    storage::TestFileContents result() const {
        QFile file(path("result.vkt"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return storage::decodeTestFile(file.readAll()).value.value_or(storage::TestFileContents{});
    }
    QTemporaryDir dir;
};

int figure(const QStringList& lines, const QString& name) {
    for (const QString& line : lines) {
        if (line.startsWith(name + QStringLiteral(": "))) {
            return line.section(QLatin1Char(' '), 1).toInt();
        }
    }
    ADD_FAILURE() << "no " << name.toStdString();
    return 0;
}

} // namespace

TEST(CalibratedByEar, TheShownLevelIsHearingLevelPlus40AndTheFiguresAreTheTrueOnes) {
    Workplace work;
    const auto calibration =
        runTavo({QStringLiteral("calibrate-sim"), QStringLiteral("--listener"),
                 work.path("calibrating.json"), QStringLiteral("--out"), work.path("cal.vkk")});
    ASSERT_EQ(calibration.exitCode, 0) << calibration.err.toStdString();
    EXPECT_EQ(calibration.lines().filter(QStringLiteral(" Hz: Wave ")).size(), 22);
    EXPECT_TRUE(calibration.lines().filter(QStringLiteral("nicht erreicht")).isEmpty());
    const auto shown = runTavo({QStringLiteral("show"), work.path("cal.vkk")});
    EXPECT_TRUE(shown.out.contains(QStringLiteral("Kalibriert von:      Kalibrierer")));
    EXPECT_TRUE(shown.out.contains(QStringLiteral("Kommentar:           Calibration by Ear")));

    for (const bool plug : {false, true}) {
        for (const bool deviation : {false, true}) {
            const auto run =
                runTavo({QStringLiteral("simulate"), QStringLiteral("--settings"), work.settings(),
                         QStringLiteral("--calibration"), work.path("cal.vkk"),
                         QStringLiteral("--listener"), work.listener(plug), QStringLiteral("--out"),
                         work.path("result.vkt"), QStringLiteral("--second-run-offset"),
                         deviation ? QStringLiteral("on") : QStringLiteral("off")});
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            const auto result = work.result();
            double trueDifference = 0.0;
            for (int slot : kTested) {
                const auto i = static_cast<std::size_t>(slot - 1);
                for (int ear = 0; ear < 2; ++ear) {
                    const double hearing = ear == 0 ? kLeft[i] : kRight[i];
                    const int first = result.run1.Thresholds[ear][i];
                    const int second = result.run2.Thresholds[ear][i];
                    // Found in both runs, the first at the hearing level + 40.
                    ASSERT_NE(first, 1000) << slot << " " << ear;
                    ASSERT_NE(second, 1000) << slot << " " << ear << " plug " << plug;
                    EXPECT_LE(std::fabs(first - (hearing + 40.0)), 3.0) << slot << " " << ear;
                }
                trueDifference += -(plug ? kPlug[i] : 0.0) + (deviation ? 5.0 : 0.0);
            }
            trueDifference /= static_cast<double>(kTested.size());
            const QStringList lines = run.lines();
            for (const char* name : {"OSPL", "OSPR", "APV"}) {
                EXPECT_LE(std::fabs(figure(lines, QString::fromLatin1(name)) - trueDifference), 3.0)
                    << name << " plug " << plug << " deviation " << deviation;
            }
        }
    }
}

TEST(CalibratedByEar, CalibrateSimRefusesWhatItCannotCalibrateWith) {
    Workplace work;
    // A listener on the shown scale hears no card.
    const QString shownScale = work.write(
        "shown.json",
        R"({"thresholds": {"left": [0,0,0,0,0,0,0,0,0,0,0], "right": [0,0,0,0,0,0,0,0,0,0,0]}})");
    auto run = runTavo({QStringLiteral("calibrate-sim"), QStringLiteral("--listener"), shownScale,
                        QStringLiteral("--out"), work.path("cal.vkk")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("hearing-level"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(work.path("cal.vkk")));
    run = runTavo({QStringLiteral("calibrate-sim"), QStringLiteral("--listener"),
                   work.path("calibrating.json"), QStringLiteral("--out"), work.path("cal.txt")});
    EXPECT_EQ(run.exitCode, 2);

    // A calibrating listener hard of hearing: even the loudest setting
    // leaves the tone below his threshold; the pages say so and the
    // calibration is still saved, as the dialog would.
    const QString deaf = work.write("deaf.json", R"({"scale": "hearing-level",
        "thresholds": {"left": [80,80,80,80,80,80,80,80,80,80,80],
                       "right": [0,0,0,0,0,0,0,0,0,0,0]}})");
    run = runTavo({QStringLiteral("calibrate-sim"), QStringLiteral("--listener"), deaf,
                   QStringLiteral("--out"), work.path("cal.vkk")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.lines().filter(QStringLiteral("(Schwelle nicht erreicht)")).size(), 11);
    EXPECT_TRUE(run.err.contains(QStringLiteral("auf 11 von 22 Seiten"))) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(work.path("cal.vkk")));
}

TEST(CalibratedByEar, AccuracyMeasuresTheSameWhateverTheNumberOfProcesses) {
    Workplace work;
    const QStringList arguments{
        QStringLiteral("accuracy"),    QStringLiteral("--settings"), work.settings(),
        QStringLiteral("--listeners"), QStringLiteral("3"),          QStringLiteral("--plug"),
        QStringLiteral("--seed"),      QStringLiteral("5")};
    const auto together =
        runTavo(arguments + QStringList{QStringLiteral("--jobs"), QStringLiteral("2")});
    ASSERT_EQ(together.exitCode, 0) << together.err.toStdString();
    const auto alone =
        runTavo(arguments + QStringList{QStringLiteral("--jobs"), QStringLiteral("1")});
    ASSERT_EQ(alone.exitCode, 0) << alone.err.toStdString();
    EXPECT_EQ(together.out, alone.out);

    const QStringList lines = together.lines();
    EXPECT_TRUE(lines.first().contains(QStringLiteral("3 simulierte Hörer (Startwert 5)")));
    // The APV of each of the three within a level step of the truth, and no
    // frequency without a result.
    const QStringList apv = lines.filter(QRegularExpression(QStringLiteral("^APV ")));
    ASSERT_EQ(apv.size(), 1);
    const QStringList columns = apv.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_EQ(columns.size(), 6) << apv.first().toStdString();
    EXPECT_LE(columns[4].toInt(), 3);           // max |error|
    EXPECT_EQ(columns[5], QStringLiteral("0")); // none without a figure
    const QStringList together0 = lines.filter(QStringLiteral("  zusammen"));
    ASSERT_EQ(together0.size(), 1);
    EXPECT_EQ(together0.first().count(QStringLiteral("0 (0,00 %)")), 2)
        << together0.first().toStdString();

    for (const QStringList& refused :
         {QStringList{QStringLiteral("accuracy")},
          QStringList{QStringLiteral("accuracy"), QStringLiteral("--settings"), work.settings(),
                      QStringLiteral("--listeners"), QStringLiteral("0")},
          QStringList{QStringLiteral("accuracy"), QStringLiteral("--settings"), work.settings(),
                      QStringLiteral("--jobs"), QStringLiteral("0")}}) {
        EXPECT_EQ(runTavo(refused).exitCode, 2) << refused.join(QLatin1Char(' ')).toStdString();
    }
}
