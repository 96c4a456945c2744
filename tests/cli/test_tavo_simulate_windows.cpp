// `tavo simulate` runs the New Test command without any window; the program
// runs it in its windows. For the example listeners, settings and
// calibration both give the same test: the same messages, reversals,
// thresholds and summary figures, whether the second run is louder or not
// and whether the examiner stops the test halfway.

#include "engine/AppState.h"
#include "engine/Evaluation.h"
#include "engine/ListenerDescription.h"
#include "hardware/MIXER_e.h"
#include "platform/Platform.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimWaveOutput.h"
#include "storage/TestFile.h"
#include "storage/TfrmCalibrationInfo.h"
#include "support/TavoTool.h"
#include "ui/MixerDeviceList.h"
#include "ui/Startup.h"
#include "ui/TfrmMain.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

using namespace tavo;

namespace {

QString example(const char* name) {
    return qEnvironmentVariable("TAVO_SOURCE_DIR") + QStringLiteral("/examples/") +
           QString::fromLatin1(name);
}

struct WindowedRun {
    QStringList lines;
    engine::TestRecord record;
};

// The program's windows on the virtual platform, as the tool used to run it.
WindowedRun inTheWindows(const QString& listenerFile, bool louder, const QString& folder) {
    const QString settings = folder + QStringLiteral("/settings.reg");
    QFile::remove(settings);
    EXPECT_TRUE(QFile::copy(example("settings-design.reg"), settings));
    QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner);
    platform::RegFileSettingsStore store(settings);
    auto platform = platform::makeVirtualPlatform();
    static_cast<platform::SimWaveOutput&>(*platform->wave).keepLastBufferOnly(true);
    hardware::MIXER_e mixer(*platform->mixer, *platform->messages);
    ui::MixerDeviceList devices(mixer);
    engine::AppState state;
    auto windows = ui::createWindows(state, *platform, {store, devices, mixer}, {});
    WindowedRun run;
    auto& messages = static_cast<platform::SimMessages&>(*platform->messages);
    messages.setOnShow([&run](const platform::Message& message) {
        run.lines << QStringLiteral("Meldung: ") + message.text;
    });
    EXPECT_TRUE(windows->calibrationInfo->ReadCal(example("calibration-simulated.vkk")));
    windows->settingsValue.practiceDeviation = louder;
    QString error;
    const auto listener = engine::loadListener(listenerFile, error);
    EXPECT_TRUE(listener.has_value()) << error.toStdString();
    windows->main->attachListener(*listener, 7);
    windows->main->NewTest1Click();
    run.lines << QStringLiteral("OSPL: ") + windows->main->txtOSPL->text()
              << QStringLiteral("OSPR: ") + windows->main->txtOSPR->text()
              << QStringLiteral("APV: ") + windows->main->txtAPV->text();
    run.record = state.Record;
    return run;
}

} // namespace

TEST(TavoSimulate, GivesTheTestTheProgramsWindowsGive) {
    QTemporaryDir folder;
    // The ear-plug example stopped by the examiner in the second run.
    const QString stopped = folder.filePath(QStringLiteral("stopped.json"));
    {
        QFile in(example("listener-earplug.json"));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray json = in.readAll();
        json.replace("\"calibration-simulated.vkk\"",
                     "\"" + example("calibration-simulated.vkk").toUtf8() + "\"");
        json.replace("\"trial_pulses\"",
                     R"("stop": {"run": 2, "ear": "right", "frequency": 2000, "pulse": 3},)"
                     "\n  \"trial_pulses\"");
        QFile out(stopped);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(json);
    }
    for (const auto& [listener, louder] :
         {std::pair{example("listener-normal.json"), false},
          std::pair{example("listener-earplug.json"), true}, std::pair{stopped, true}}) {
        {
            const std::string label = listener.toStdString() + (louder ? " louder" : "");
            const QString out = folder.filePath(QStringLiteral("simulated.vkt"));
            const auto tool = testsupport::runTavo(
                {QStringLiteral("simulate"), QStringLiteral("--settings"),
                 example("settings-design.reg"), QStringLiteral("--calibration"),
                 example("calibration-simulated.vkk"), QStringLiteral("--listener"), listener,
                 QStringLiteral("--out"), out, QStringLiteral("--second-run-offset"),
                 louder ? QStringLiteral("on") : QStringLiteral("off"), QStringLiteral("--seed"),
                 QStringLiteral("7")});
            ASSERT_EQ(tool.exitCode, 0) << label << tool.err.toStdString();
            const WindowedRun windowed = inTheWindows(listener, louder, folder.path());

            EXPECT_EQ(tool.lines().contains(QStringLiteral("run 2: interrupted")),
                      listener == stopped)
                << label;
            QStringList toolLines = tool.lines();
            toolLines.removeIf([](const QString& line) { return line.startsWith("run "); });
            EXPECT_EQ(toolLines, windowed.lines) << label;
            QFile file(out);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const auto simulated = storage::decodeTestRecord(file.readAll());
            ASSERT_TRUE(simulated) << label;
            EXPECT_EQ(simulated->data, windowed.record.data) << label;
            for (const auto& [a, b] :
                 {std::pair{&simulated->Test1Result, &windowed.record.Test1Result},
                  std::pair{&simulated->Test2Result, &windowed.record.Test2Result}}) {
                EXPECT_EQ(a->Thresholds, b->Thresholds) << label;
                for (int ear = 0; ear < engine::kEars; ++ear) {
                    for (int index = 0; index < engine::kResultIndexes; ++index) {
                        const auto& x = a->Reversals[ear][index];
                        const auto& y = b->Reversals[ear][index];
                        EXPECT_TRUE(x.Count == y.Count && x.Levels == y.Levels &&
                                    x.Spread == y.Spread)
                            << label << " ear " << ear << " index " << index;
                    }
                }
            }
        }
    }
}
