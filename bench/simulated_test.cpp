// Times a complete New Test as `tavo simulate` runs it: the program's own
// windows (offscreen), the simulated sound card, a virtual clock and a
// listener with normal hearing; the design settings (trial, eight
// frequencies, both ears, two runs of 1 s pulses and 1 s gaps). Goal: well
// under a second per test in the release build.
//
//   simulated_test [--benchmark_repetitions=N ...]

#include "engine/AppState.h"
#include "engine/ListenerDescription.h"
#include "engine/TrackingTest.h"
#include "hardware/MIXER_e.h"
#include "platform/Platform.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimWaveOutput.h"
#include "storage/Registry.h"
#include "ui/MixerDeviceList.h"
#include "ui/Startup.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

using namespace tavo;

namespace {

engine::ListenerDescription normalHearing() {
    engine::ListenerDescription listener;
    listener.thresholds[0] = {10, 5, 5, 5, 0, 5, 5, 10, 10, 15, 15};
    listener.thresholds[1] = {10, 10, 5, 5, 5, 5, 10, 10, 15, 15, 20};
    return listener;
}

void CompleteSimulatedTest(benchmark::State& bench) {
    QTemporaryDir folder;
    const QString storePath = folder.filePath(QStringLiteral("settings.reg"));
    {
        platform::RegFileSettingsStore store(storePath);
        storage::seedSettingsStore(store, nullptr);
        store.openKey(false);
        store.writeInteger(QStringLiteral("FirstRun"), 0);
        store.closeKey();
    }
    int pulses = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        auto platform = platform::makeVirtualPlatform();
        platform::RegFileSettingsStore store(storePath);
        hardware::MIXER_e mixer(*platform->mixer, *platform->messages);
        ui::MixerDeviceList devices(mixer);
        engine::AppState state;
        auto windows = ui::createWindows(state, *platform, {store, devices, mixer}, {});
        state.CalibrationLoaded = true;
        windows->main->attachListener(normalHearing());
        bench.ResumeTiming();

        windows->main->NewTest1Click();

        bench.PauseTiming();
        const auto& outcomes = windows->main->testCommand()->procedure().outcomes();
        if (outcomes[1] != engine::RunOutcome::Completed) {
            bench.SkipWithError("the simulated test did not complete");
            break;
        }
        pulses = static_cast<int>(
            static_cast<const platform::SimWaveOutput&>(*platform->wave).written().size());
        bench.ResumeTiming();
    }
    bench.counters["pulses"] = pulses;
}

} // namespace

BENCHMARK(CompleteSimulatedTest)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform comments on every window it cannot raise.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
