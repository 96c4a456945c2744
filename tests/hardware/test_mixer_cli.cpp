// `tavo mixer` and `tavo endpoint` run as a user runs them, on simulated
// devices (the real ones are covered by hardware_mixer_real).

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/TavoTool.h"

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

ToolRun runTool(const QStringList& arguments) {
    const auto run = tavo::testsupport::runTavo(arguments);
    return {run.exitCode, run.out.split(QLatin1Char('\n')), run.err};
}

QString writeFile(QTemporaryDir& dir, const char* json) {
    const QString path = dir.filePath(QStringLiteral("card.json"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(json);
    return path;
}

const char* kTwoCards = R"({ "devices": [
  { "productName": "First", "driverVersion": "5.2" },
  { "productName": "Second", "driverVersion": "5.10", "destinations": [
      { "type": "DST_SPEAKERS", "channels": 6, "controls": [
          { "type": "VOLUME", "maximum": 65535, "steps": 0, "value": [1, 2, 3, 4, 5, 6] },
          { "type": "MUTE", "uniform": true, "disabled": true, "maximum": 1 } ] } ] } ] })";

} // namespace

TEST(TavoMixer, ShowsDevicesSlotsAndListingOfTheBuiltInCard) {
    const ToolRun run = runTool({QStringLiteral("mixer"), QStringLiteral("--simulate")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_GT(run.out.size(), 40);
    EXPECT_EQ(run.out[0], QStringLiteral("0 Tavo Consumer Audio Driver Version 5.10"));
    EXPECT_EQ(run.out[1], QString());
    EXPECT_EQ(run.out[2], QStringLiteral("MasterVolume present=1 line=0xffff0000 channels=2 "
                                         "control=1 items=0 uniform=0 active=1 min=0 max=65535 "
                                         "steps=32 stepunit=2047"));
    EXPECT_EQ(run.out[7], QStringLiteral("MasterOnOff present=0 line=0x00000000 channels=0 "
                                         "control=0 items=0 uniform=0 active=0 min=0 max=0 "
                                         "steps=0 stepunit=-"));
    EXPECT_TRUE(run.out[38].startsWith(QStringLiteral("RecordMicOnOff present=1 ")));
    EXPECT_EQ(run.out[39], QString());
    EXPECT_EQ(run.out[40], QStringLiteral("Tavo Consumer Audio"));
    EXPECT_EQ(run.out[42], QStringLiteral("Mixerleitungen : 2"));
    EXPECT_TRUE(run.out.contains(QString(71, QLatin1Char('-'))));
}

TEST(TavoMixer, DescribedDevicesAndTheirEdgeCases) {
    QTemporaryDir dir;
    const QString file = writeFile(dir, kTwoCards);
    const QStringList device1 = {QStringLiteral("--sim-device"), file, QStringLiteral("--device"),
                                 QStringLiteral("1")};

    ToolRun run = runTool(QStringList{QStringLiteral("mixer")} + device1);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out[0], QStringLiteral("0 First Driver Version 5.2"));
    EXPECT_EQ(run.out[1], QStringLiteral("1 Second Driver Version 5.10"));
    EXPECT_TRUE(run.out.contains(QStringLiteral(
        "MasterVolume present=1 line=0xffff0000 channels=6 control=1 items=0 uniform=0 "
        "active=1 min=0 max=65535 steps=0 stepunit=-")));

    run = runTool(QStringList{QStringLiteral("mixer"), QStringLiteral("get"),
                              QStringLiteral("MasterVolume")} +
                  device1);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out[0], QStringLiteral("MasterVolume 1 2"));
    EXPECT_EQ(run.out[1], QStringLiteral("MixerControlDetails OK "));

    run = runTool(QStringList{QStringLiteral("mixer"), QStringLiteral("set"),
                              QStringLiteral("MasterMute"), QStringLiteral("1"),
                              QStringLiteral("1")} +
                  device1);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("Control is inactive!"));

    run =
        runTool(QStringList{QStringLiteral("mixer"), QStringLiteral("set"),
                            QStringLiteral("CDVolume"), QStringLiteral("1"), QStringLiteral("1")} +
                device1);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(),
              QStringLiteral("Level control not supported by sound card driver!"));

    run = runTool({QStringLiteral("mixer"), QStringLiteral("--sim-device"), file,
                   QStringLiteral("--device"), QStringLiteral("2")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        run.err.contains(QStringLiteral("Sound card driver problem: Invalid Device Number !")));
}

TEST(TavoMixer, RefusesWhatItCannotDo) {
    EXPECT_EQ(runTool({QStringLiteral("mixer"), QStringLiteral("get"), QStringLiteral("MasterMute"),
                       QStringLiteral("--simulate")})
                  .exitCode,
              2);
    QTemporaryDir dir;
    const ToolRun bad =
        runTool({QStringLiteral("mixer"), QStringLiteral("--sim-device"),
                 writeFile(dir, R"({ "destinations": [ { "type": "SPEAKERS" } ] })")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("destinations[0].type"))) << bad.err.toStdString();
}

TEST(TavoEndpoint, SetsTheSimulatedLevelAndRefusesOutOfRange) {
    ToolRun run = runTool({QStringLiteral("endpoint"), QStringLiteral("set"), QStringLiteral("250"),
                           QStringLiteral("--simulate")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out[0], QStringLiteral("Master-Pegel 250/1000"));
    run = runTool({QStringLiteral("endpoint"), QStringLiteral("set"), QStringLiteral("1200"),
                   QStringLiteral("--simulate")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("1200")));
    EXPECT_EQ(runTool({QStringLiteral("endpoint"), QStringLiteral("set")}).exitCode, 2);
}
