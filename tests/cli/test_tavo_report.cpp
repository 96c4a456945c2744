// `tavo report` on tests a simulated listener took: the ear-plug example's
// PAR against a computation by hand from the report's own thresholds, and
// the quality flags a sloppy listener with a short test time and a plug that
// keeps 8 kHz out altogether leaves (a time-out, a wide spread, no response
// under 100 dB HL) with the 1000 Hz retest in both runs.

#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/FileOutput.h"
#include "storage/Registry.h"
#include "support/TavoTool.h"

#include "support/HandPar.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>
#include <map>

using namespace tavo;
using testsupport::handPar;
using testsupport::runTavo;

namespace {

struct Reported {
    QJsonObject report;
    QStringList text;
};

Reported simulateAndReport(const QTemporaryDir& dir, const QString& listener,
                           const QString& settings) {
    const QString test = dir.filePath(QStringLiteral("t.vkt"));
    const QString json = dir.filePath(QStringLiteral("r.json"));
    const QString source = qEnvironmentVariable("TAVO_SOURCE_DIR");
    auto run =
        runTavo({QStringLiteral("simulate"), QStringLiteral("--settings"), settings,
                 QStringLiteral("--listener"), listener, QStringLiteral("--calibration"),
                 source + QStringLiteral("/examples/calibration-simulated.vkk"),
                 QStringLiteral("--out"), test, QStringLiteral("--seed"), QStringLiteral("7")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = runTavo({QStringLiteral("report"), QStringLiteral("--test"), test,
                   QStringLiteral("--settings"), settings, QStringLiteral("--exposure"),
                   QStringLiteral("100"), QStringLiteral("--json"), json});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(json);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return {QJsonDocument::fromJson(file.readAll()).object(), run.lines()};
}

} // namespace

TEST(TavoReport, EarPlugExampleMatchesAHandComputationAndFlagsShowWhatWentWrong) {
    QTemporaryDir dir;
    const QString source = qEnvironmentVariable("TAVO_SOURCE_DIR");
    const QString settings = dir.filePath(QStringLiteral("s.reg"));
    {
        platform::RegFileSettingsStore store(settings);
        ASSERT_TRUE(storage::seedSettingsStore(store, nullptr));
    }
    const Reported plug = simulateAndReport(
        dir, source + QStringLiteral("/examples/listener-earplug.json"), settings);
    for (const auto& earValue : plug.report[QStringLiteral("ears")].toArray()) {
        const QJsonObject ear = earValue.toObject();
        std::map<int, double> attenuation;
        for (const auto& cell : ear[QStringLiteral("cells")].toArray()) {
            const auto thresholds = cell[QStringLiteral("thresholds")].toArray();
            attenuation[cell[QStringLiteral("frequency")].toInt()] =
                thresholds[1].toDouble() - thresholds[0].toDouble();
        }
        // The design settings test 250 .. 8000 Hz with 3000 and 6000 Hz.
        ASSERT_EQ(attenuation.size(), 8u);
        const double par = handPar({{250, attenuation[250]},
                                    {500, attenuation[500]},
                                    {1000, attenuation[1000]},
                                    {2000, attenuation[2000]},
                                    {4000, (attenuation[3000] + attenuation[4000]) / 2},
                                    {8000, (attenuation[6000] + attenuation[8000]) / 2}});
        EXPECT_NEAR(ear[QStringLiteral("par")].toDouble(), par, 0.05)
            << ear[QStringLiteral("ear")].toString().toStdString();
        // The example's plug attenuates 20 .. 36 dB.
        EXPECT_GT(par, 20.0);
        EXPECT_EQ(ear[QStringLiteral("missing_bands")].toArray(), QJsonArray{125});
    }
    // The text says what the JSON says.
    const QString leftPar =
        QString::number(plug.report[QStringLiteral("ears")][0][QStringLiteral("par")].toDouble(),
                        'f', 1)
            .replace(QLatin1Char('.'), QLatin1Char(','));
    EXPECT_EQ(plug.text.filter(QStringLiteral("PAR links: %1 dB").arg(leftPar)).size(), 1)
        << plug.text.join('\n').toStdString();
    EXPECT_EQ(plug.report[QStringLiteral("verdict")].toString(), QStringLiteral("sufficient"));

    // A sloppy, slow listener, 20 s per frequency, the retest on, and 8 kHz kept
    // out by the plug (threshold 15 + 95 dB).
    {
        platform::RegFileSettingsStore store(settings);
        store.openKey(false);
        store.writeText(QStringLiteral("Max. Test time(s)"), QStringLiteral("20"));
        store.writeInteger(QStringLiteral("Retest 1000Hz"), 1);
        ASSERT_TRUE(store.closeKey());
    }
    const QString sloppy = dir.filePath(QStringLiteral("sloppy.json"));
    ASSERT_TRUE(storage::saveBytes(sloppy, QByteArray(R"({
        "scale": "hearing-level",
        "thresholds": {"left": [10, 5, 5, 5, 0, 5, 5, 10, 10, 15, 15],
                       "right": [10, 10, 5, 5, 5, 5, 10, 10, 15, 15, 20]},
        "second_run_shift": {"left": [20, 22, 25, 27, 28, 30, 32, 34, 35, 36, 95],
                             "right": [20, 22, 25, 27, 28, 30, 32, 34, 35, 36, 36]},
        "psychometric_slope_db": 6,
        "latency_ms": 1500,
        "trial_pulses": 10
    })"))
                    .isEmpty());
    const Reported bad = simulateAndReport(dir, sloppy, settings);
    QStringList flags;
    for (const auto& earValue : bad.report[QStringLiteral("ears")].toArray()) {
        for (const auto& cell : earValue[QStringLiteral("cells")].toArray()) {
            const auto runs = cell[QStringLiteral("flags")].toArray();
            for (int run = 0; run < 2; ++run) {
                for (const auto& flag : runs[run].toArray()) {
                    flags << QStringLiteral("%1 %2 %3 %4")
                                 .arg(earValue[QStringLiteral("ear")].toString())
                                 .arg(cell[QStringLiteral("frequency")].toInt())
                                 .arg(run + 1)
                                 .arg(flag.toString());
                }
            }
        }
    }
    EXPECT_TRUE(flags.contains(QStringLiteral("links 8000 2 at_top")))
        << flags.join('\n').toStdString();
    EXPECT_FALSE(flags.filter(QStringLiteral("few_reversals")).isEmpty());
    EXPECT_FALSE(flags.filter(QStringLiteral("wide_spread")).isEmpty());
    const auto left8k =
        bad.report[QStringLiteral("ears")][0][QStringLiteral("cells")].toArray().last();
    EXPECT_TRUE(left8k[QStringLiteral("at_least")].toBool());
    // The retest runs on the left ear, as the trial does, in both runs.
    EXPECT_EQ(bad.report[QStringLiteral("retests")].toArray().size(), 2);
    EXPECT_FALSE(bad.report[QStringLiteral("cautions")].toArray().isEmpty());
}
