// A start with a sound server that has been stopped (SIGSTOP): it accepts
// connections and never answers. The program's windows are made on the real
// ALSA and PulseAudio backends all the same, within three seconds, without
// the server's devices, and it says in German which ones it could not reach.

#include "engine/AppState.h"
#include "hardware/MIXER_e.h"
#include "platform/Platform.h"
#include "platform/SoundServerControl.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "storage/Registry.h"
#include "support/SinkRecorder.h"
#include "ui/MixerDeviceList.h"
#include "ui/Startup.h"
#include "ui/TfrmMain.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <iostream>

using namespace tavo;

TEST(StartWithAStoppedServer, EndsWithinThreeSecondsAndNamesWhatItCouldNotReach) {
    if (!testsupport::SinkRecorder::serverAnswers()) {
        GTEST_SKIP() << "No PulseAudio server answers (scripts/test starts one).";
    }
    QString why;
    const qint64 pid = testsupport::soundServerPid(why);
    if (pid == 0) {
        GTEST_SKIP() << "The sound server cannot be stopped: " << why.toStdString();
    }
    QTemporaryDir folder;
    platform::RegFileSettingsStore store(folder.filePath(QStringLiteral("settings.reg")));
    ASSERT_TRUE(storage::seedSettingsStore(store, nullptr));
    store.openKey(false);
    store.writeInteger(QStringLiteral("FirstRun"), 0);
    store.closeKey();
    {
        testsupport::StoppedServer stopped(pid);
        ASSERT_TRUE(stopped.stopped());
        auto platform = platform::makeRealPlatform(std::make_unique<platform::SimMessages>());
        auto& messages = static_cast<platform::SimMessages&>(*platform->messages);
        hardware::MIXER_e mixer(*platform->mixer, *platform->messages);
        ui::MixerDeviceList mixerDevices(mixer);
        engine::AppState state;
        QElapsedTimer started;
        started.start();
        auto windows = ui::createWindows(state, *platform, {store, mixerDevices, mixer}, {});
        const auto took = started.elapsed();
        std::cout << "[ timing ] the windows were made after " << took << " ms" << std::endl;
        EXPECT_LT(took, 3000);
        EXPECT_FALSE(state.UseEndpointVolume);
        const QStringList texts = messages.texts();
        ASSERT_FALSE(texts.isEmpty());
        const QString said = texts.filter(QStringLiteral("Soundserver")).value(0);
        EXPECT_TRUE(said.contains(QStringLiteral("antwortet nicht")))
            << texts.join('\n').toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("Wiedergabegeräte „default“, „pulse“")))
            << said.toStdString();
        // (Its mixer devices are looked for only where some playback device
        // is left; `tavo mixer` asks for them on its own.)
        stopped.resume();
    }
    // Running again, the server answers as before.
    EXPECT_TRUE(testsupport::SinkRecorder::serverAnswers());
}
