// The console tool as a user runs it: tone files, device list, refused
// arguments.

#include "engine/AppState.h"
#include "engine/ToneSynthesis.h"
#include "engine/WavFile.h"
#include "support/TavoTool.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace tavo;

namespace {

using testsupport::runTavo;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(TavoTone, WritesTheHeaderAndExactlyTheSynthesizedFrames) {
    QTemporaryDir dir;
    for (const bool right : {false, true}) {
        const QString path =
            dir.filePath(right ? QStringLiteral("r.wav") : QStringLiteral("l.wav"));
        const auto run =
            runTavo({QStringLiteral("tone"), QStringLiteral("--frequency"), QStringLiteral("1000"),
                     QStringLiteral("--level"), QStringLiteral("-20"), QStringLiteral("--pulse"),
                     QStringLiteral("1"), QStringLiteral("--gap=0.5"), QStringLiteral("--ear"),
                     right ? QStringLiteral("right") : QStringLiteral("left"),
                     QStringLiteral("--out"), path});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        engine::ToneBuffer expected;
        engine::CreateSound({right ? 0 : 1, right ? 1 : 0}, 0.0, 1000, expected, -20.0, 1.0, 0.5);
        const QByteArray file = readAll(path);
        ASSERT_EQ(file.size(), 44 + qsizetype(expected.size()));
        EXPECT_EQ(file.left(44), engine::wavHeader(static_cast<std::uint32_t>(expected.size())));
        EXPECT_EQ(file.mid(44), QByteArray(reinterpret_cast<const char*>(expected.data()),
                                           qsizetype(expected.size())));
    }
}

TEST(TavoTone, CanonicalHeaderFields) {
    const QByteArray header = engine::wavHeader(1000);
    ASSERT_EQ(header.size(), 44);
    EXPECT_EQ(header.left(4), QByteArray("RIFF"));
    EXPECT_EQ(static_cast<unsigned char>(header[4]), 1036 & 0xFF);
    EXPECT_EQ(header.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(header[20], 1);  // PCM
    EXPECT_EQ(header[22], 2);  // channels
    EXPECT_EQ(header[32], 4);  // block align
    EXPECT_EQ(header[34], 16); // bits
    EXPECT_EQ(header.mid(36, 4), QByteArray("data"));
}

TEST(TavoTone, SecondRunOffsetPlaysFiveDecibelsLouder) {
    QTemporaryDir dir;
    const auto common = QStringList{
        QStringLiteral("tone"),    QStringLiteral("--frequency"), QStringLiteral("500"),
        QStringLiteral("--pulse"), QStringLiteral("0.2"),         QStringLiteral("--gap"),
        QStringLiteral("0"),       QStringLiteral("--ear"),       QStringLiteral("left")};
    ASSERT_EQ(
        runTavo(common + QStringList{QStringLiteral("--level"), QStringLiteral("-30"),
                                     QStringLiteral("--second-run-offset"), QStringLiteral("--out"),
                                     dir.filePath(QStringLiteral("a.wav"))})
            .exitCode,
        0);
    ASSERT_EQ(runTavo(common + QStringList{QStringLiteral("--level"), QStringLiteral("-25"),
                                           QStringLiteral("--out"),
                                           dir.filePath(QStringLiteral("b.wav"))})
                  .exitCode,
              0);
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("a.wav"))),
              readAll(dir.filePath(QStringLiteral("b.wav"))));
}

TEST(TavoArguments, BadArgumentsAreRefusedWithExitCodeTwo) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.wav"));
    const QList<QStringList> refused = {
        {QStringLiteral("tone")},
        {QStringLiteral("tone"), QStringLiteral("--frequency"), QStringLiteral("abc"),
         QStringLiteral("--level"), QStringLiteral("-20"), QStringLiteral("--pulse"),
         QStringLiteral("1"), QStringLiteral("--gap"), QStringLiteral("1"), QStringLiteral("--ear"),
         QStringLiteral("left"), QStringLiteral("--out"), out},
        {QStringLiteral("tone"), QStringLiteral("--frequency"), QStringLiteral("1000"),
         QStringLiteral("--level"), QStringLiteral("-20"), QStringLiteral("--pulse"),
         QStringLiteral("-1"), QStringLiteral("--gap"), QStringLiteral("1"),
         QStringLiteral("--ear"), QStringLiteral("left"), QStringLiteral("--out"), out},
        {QStringLiteral("tone"), QStringLiteral("--frequency"), QStringLiteral("1000"),
         QStringLiteral("--level"), QStringLiteral("-20"), QStringLiteral("--pulse"),
         QStringLiteral("1"), QStringLiteral("--gap"), QStringLiteral("1"), QStringLiteral("--ear"),
         QStringLiteral("middle"), QStringLiteral("--out"), out},
        {QStringLiteral("tone"), QStringLiteral("--bogus")},
        {QStringLiteral("play"), QStringLiteral("--device")},
        {QStringLiteral("frobnicate")},
        {},
    };
    for (const auto& arguments : refused) {
        const auto run = runTavo(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << arguments.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST(TavoArguments, HelpIsAvailableForTheToolAndEveryCommand) {
    const auto overview = runTavo({QStringLiteral("--help")});
    EXPECT_EQ(overview.exitCode, 0);
    for (const char* command : {"tone", "devices", "play"}) {
        EXPECT_TRUE(overview.out.contains(QString::fromLatin1(command))) << command;
        const auto help = runTavo({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("tavo ") + QString::fromLatin1(command)))
            << command;
    }
}

TEST(TavoDevices, ListsTheSimulatedDeviceAsTheSettingsWould) {
    const auto run = runTavo({QStringLiteral("devices"), QStringLiteral("--simulate")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("0 Simulated Wave Device Driver Version 1.0\n"));
}

TEST(TavoPlay, PlaysOnTheSimulatedDevice) {
    const auto run =
        runTavo({QStringLiteral("play"), QStringLiteral("--simulate"), QStringLiteral("--device"),
                 QStringLiteral("0"), QStringLiteral("--frequency"), QStringLiteral("1000"),
                 QStringLiteral("--level"), QStringLiteral("-40"), QStringLiteral("--ear"),
                 QStringLiteral("right"), QStringLiteral("--seconds"), QStringLiteral("0.1")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto missing =
        runTavo({QStringLiteral("play"), QStringLiteral("--simulate"), QStringLiteral("--device"),
                 QStringLiteral("3"), QStringLiteral("--frequency"), QStringLiteral("1000"),
                 QStringLiteral("--level"), QStringLiteral("-40"), QStringLiteral("--ear"),
                 QStringLiteral("right"), QStringLiteral("--seconds"), QStringLiteral("0.1")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Gerät 3")));
}

TEST(TavoOutput, OutputThatCannotBeWrittenIsAFailure) {
    // stdout on a full device: the tool must not report success.
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(qEnvironmentVariable("TAVO_BUILD_DIR") + QStringLiteral("/src/cli/tavo"),
                  {QStringLiteral("devices"), QStringLiteral("--simulate")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_FALSE(process.readAllStandardError().isEmpty());
}
