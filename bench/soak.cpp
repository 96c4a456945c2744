// A long day in one program: complete hearing tests one after the other
// through the program's own New Test (windows offscreen, the simulated sound
// card, a virtual clock), each saved as a test file and printed to a PDF
// file. Prints the resident memory and the open file descriptors after test
// 50 (or the first tenth) and after the last, and the growth between them.
//
//   soak [--tests N] [--quick] [--check]
//
//   --tests N  how many tests (500)
//   --quick    two frequencies, no trial, 0.2 s pulses (for a short run)
//   --check    exit 1 when the descriptors grew, or (without sanitizers)
//              the memory grew by 2 MiB or more
//
// The test suite runs `soak --tests 30 --quick --check` in its sanitizer
// build; the figures of the full run are taken by hand from a release build.

#include "engine/AppState.h"
#include "engine/ListenerDescription.h"
#include "engine/TrackingTest.h"
#include "hardware/MIXER_e.h"
#include "platform/Platform.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimEndpointVolume.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"
#include "platform/sim/SimWaveOutput.h"
#include "storage/Registry.h"
#include "ui/MixerDeviceList.h"
#include "ui/Startup.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

using namespace tavo;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

constexpr double kMiB = 1024.0 * 1024.0;

// Resident memory in bytes.
double residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0.0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE))
                             : 0.0;
}

int openDescriptors() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                                .size());
}

engine::ListenerDescription listener() {
    engine::ListenerDescription normal;
    normal.thresholds[0] = {50, 45, 45, 45, 40, 45, 45, 50, 50, 55, 55};
    normal.thresholds[1] = {50, 50, 45, 45, 45, 45, 50, 50, 55, 55, 60};
    normal.secondRunShift[0].fill(20);
    normal.secondRunShift[1].fill(20);
    return normal;
}

struct Reading {
    int test = 0;
    double resident = 0.0;
    int descriptors = 0;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform comments on every window it cannot raise.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    int tests = 500;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--tests"));
        at >= 0 && at + 1 < arguments.size()) {
        tests = std::max(2, arguments.at(at + 1).toInt());
    }
    const bool quick = arguments.contains(QStringLiteral("--quick"));
    const bool check = arguments.contains(QStringLiteral("--check"));
    const int early = std::min(50, std::max(1, tests / 10));

    QTemporaryDir folder;
    const QString storePath = folder.filePath(QStringLiteral("settings.reg"));
    platform::RegFileSettingsStore store(storePath);
    storage::seedSettingsStore(store, nullptr);
    store.openKey(false);
    store.writeInteger(QStringLiteral("FirstRun"), 0);
    if (quick) {
        for (const char* frequency : {"Test 250Hz", "Test 500Hz", "Test 2000Hz", "Test 3000Hz",
                                      "Test 6000Hz", "Test 8000Hz"}) {
            store.writeInteger(QString::fromLatin1(frequency), 0);
        }
        store.writeInteger(QStringLiteral("Trial Run"), 0);
        store.writeText(QStringLiteral("Pulse Duration(s)"), QStringLiteral("0.2"));
        store.writeText(QStringLiteral("Pause Duration(s)"), QStringLiteral("0.2"));
    }
    store.closeKey();

    auto platform = platform::makeVirtualPlatform();
    auto& wave = static_cast<platform::SimWaveOutput&>(*platform->wave);
    wave.keepLastBufferOnly(true);
    auto& messages = static_cast<platform::SimMessages&>(*platform->messages);
    auto& mixerService = static_cast<platform::SimMixerService&>(*platform->mixer);
    auto& endpoint = static_cast<platform::SimEndpointVolumeService&>(*platform->endpoint);
    hardware::MIXER_e mixer(*platform->mixer, *platform->messages);
    ui::MixerDeviceList devices(mixer);
    engine::AppState state;
    auto windows = ui::createWindows(state, *platform, {store, devices, mixer}, {});
    auto& main = *windows->main;
    for (auto& ear : state.Calibration) {
        for (auto& point : ear) {
            point.WaveSteps = 20;
            point.MasterSteps = 500;
        }
    }
    state.CalibrationLoaded = true;
    main.attachListener(listener());
    const QString pdf = folder.filePath(QStringLiteral("seite.pdf"));
    main.runPrinterSetup = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };

    std::vector<Reading> readings;
    for (int test = 1; test <= tests; ++test) {
        main.NewTest1Click();
        if (main.testCommand()->procedure().outcomes()[1] != engine::RunOutcome::Completed) {
            std::fprintf(stderr, "soak: test %d did not complete\n", test);
            return 1;
        }
        const QString saved = folder.filePath(QStringLiteral("test%1.vkt").arg(test % 2));
        if (const QString reason = main.WriteFile(saved); !reason.isEmpty()) {
            std::fprintf(stderr, "soak: test %d not saved: %s\n", test, qPrintable(reason));
            return 1;
        }
        main.Print1Click();
        if (!messages.texts().filter(QStringLiteral("Ausdruck")).isEmpty()) {
            std::fprintf(stderr, "soak: test %d not printed\n", test);
            return 1;
        }
        // What the simulations keep for tests and tools is not the program's.
        messages.clear();
        mixerService.clearRequests();
        endpoint.requests.clear();
        if (test == early || test == tests) {
            readings.push_back({test, residentBytes(), openDescriptors()});
            std::printf("nach Test %d: %.1f MiB im Speicher, %d offene Dateideskriptoren\n", test,
                        readings.back().resident / kMiB, readings.back().descriptors);
            std::fflush(stdout);
        }
    }
    const double growth = (readings.back().resident - readings.front().resident) / kMiB;
    const int more = readings.back().descriptors - readings.front().descriptors;
    std::printf("Zuwachs von Test %d bis Test %d: %.2f MiB, %d Dateideskriptoren%s\n",
                readings.front().test, readings.back().test, growth, more,
                kSanitized ? " (Sanitizer-Build: der Speicher zählt nicht)" : "");
    if (check && (more != 0 || (!kSanitized && growth >= 2.0))) {
        return 1;
    }
    return 0;
}
