// Measures the effective pulse period of a test run on the real sound path:
// plays 10 pulses through the per-pulse playback (one buffer per pulse,
// the wait loop polling every 50 ms) and prints, per pulse and gap, how
// much longer than pulse + gap the time between consecutive writes is.
//
//   pulse_timing [--device N]

#include "engine/AppState.h"
#include "engine/Playback.h"
#include "engine/ToneSynthesis.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tavo;

namespace {

bool measure(platform::Platform& platform, int device, double pulse, double gap) {
    engine::AppState state;
    state.LeftChannelGain = 1;
    engine::ToneBuffer buffer;
    engine::CreateSound(state, 1000, buffer, -40.0, pulse, gap);

    engine::ToneOutput output(*platform.wave, *platform.pump);
    if (output.openForRun(device) != platform::WaveResult::Ok) {
        std::fprintf(stderr, "device %d cannot be opened\n", device);
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    std::vector<double> writes;
    for (int i = 0; i < 10; ++i) {
        writes.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (output.startPulse(buffer) != platform::WaveResult::Ok) {
            std::fprintf(stderr, "write failed\n");
            return false;
        }
        const auto waited = output.waitForPulse([&] {
            platform.pump->processEvents();
            platform.pump->wait(50);
        });
        output.releasePulse();
        if (waited != engine::BufferWait::Done) {
            std::fprintf(stderr, "the device stopped completing buffers\n");
            return false;
        }
    }
    output.closeRun();

    const double period = (pulse + gap) * 1000.0;
    double sum = 0.0;
    double worst = 0.0;
    for (std::size_t i = 1; i < writes.size(); ++i) {
        const double excess = writes[i] - writes[i - 1] - period;
        sum += excess;
        worst = std::max(worst, excess);
    }
    std::printf("pulse %.1f s + gap %.1f s: period %.0f ms, excess mean %.1f ms, max %.1f ms\n",
                pulse, gap, period, sum / static_cast<double>(writes.size() - 1), worst);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int device = 0;
    const QStringList args = QCoreApplication::arguments();
    if (const auto at = args.indexOf(QStringLiteral("--device")); at > 0 && at + 1 < args.size()) {
        device = args[at + 1].toInt();
    }
    auto platform = platform::makeRealPlatform();
    if (platform->wave->deviceCount() == 0) {
        std::fprintf(stderr, "no wave-output device\n");
        return 1;
    }
    const bool ok = measure(*platform, device, 1.0, 1.0) && measure(*platform, device, 0.2, 0.2);
    return ok ? 0 : 1;
}
