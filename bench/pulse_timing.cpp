// Measures the pulse timing of a test run on the real sound path: plays a
// train of pulses through the per-pulse playback (one buffer per pulse, the
// wait that the device ends) and prints, per pulse, how much longer than
// pulse + gap the time from one pulse to the next was: between the writes,
// and on the sound server's default sink (its monitor recorded with a large
// latency, so the recorder does not drive the sink), onset to onset.
//
//   pulse_timing [--pulse S --gap S --count N] [--device N] [--cpu S]
//
// Without --pulse and --gap: 1 s + 1 s (10 pulses) and 0.2 s + 0.2 s (20).
// --cpu S compares the process time of S seconds of the looping calibration
// tone with aplay playing the same tone on the same device.

#include "engine/AppState.h"
#include "engine/Playback.h"
#include "engine/ToneSynthesis.h"
#include "engine/WavFile.h"
#include "platform/Platform.h"
#include "platform/alsa/AlsaWaveOutput.h"
#include "platform/sim/SimMessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace tavo;

namespace {

struct Train {
    double pulse = 1.0;
    double gap = 1.0;
    int count = 10;
};

engine::ToneBuffer toneOf(double pulse, double gap) {
    engine::ToneBuffer buffer;
    engine::CreateSound({1, 0}, 0.0, 1000, buffer, -20.0, pulse, gap);
    return buffer;
}

// The default sink's monitor, recorded raw (16-bit stereo, 44100 Hz).
class MonitorRecorder {
public:
    bool start() {
        const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (parec.isEmpty()) {
            return false;
        }
        process_.start(parec, {QStringLiteral("--device=@DEFAULT_MONITOR@"),
                               QStringLiteral("--latency-msec=1000"), QStringLiteral("--raw"),
                               QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                               QStringLiteral("--channels=2")});
        if (!process_.waitForStarted(2000)) {
            return false;
        }
        QThread::msleep(500); // connected and recording
        return process_.state() == QProcess::Running;
    }
    // The left channel's samples.
    std::vector<std::int16_t> stop() {
        QThread::msleep(1500); // what the server still holds for the recorder
        process_.terminate();
        process_.waitForFinished(3000);
        const QByteArray raw = process_.readAllStandardOutput();
        std::vector<std::int16_t> left(static_cast<std::size_t>(raw.size()) / 4);
        for (std::size_t i = 0; i < left.size(); ++i) {
            std::memcpy(&left[i], raw.constData() + 4 * i, 2);
        }
        return left;
    }

private:
    QProcess process_;
};

// The frames at which a pulse starts: the first sample over a small
// threshold after at least `quietFrames` of silence. Identical pulses cross
// it at the same point of their ramp, so differences are exact.
std::vector<double> onsetsMs(const std::vector<std::int16_t>& left, std::size_t quietFrames) {
    std::vector<double> onsets;
    std::size_t quiet = quietFrames;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (std::abs(static_cast<int>(left[i])) > 100) {
            if (quiet >= quietFrames) {
                onsets.push_back(static_cast<double>(i) * 1000.0 / 44100.0);
            }
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return onsets;
}

void summary(const char* what, const std::vector<double>& times, double periodMs) {
    if (times.size() < 2) {
        std::printf("  %s: too few pulses seen (%zu)\n", what, times.size());
        return;
    }
    double sum = 0.0;
    double worst = -1e9;
    std::printf("  %s excess per pulse [ms]:", what);
    for (std::size_t i = 1; i < times.size(); ++i) {
        const double excess = times[i] - times[i - 1] - periodMs;
        std::printf(" %.1f", excess);
        sum += excess;
        worst = std::max(worst, excess);
    }
    std::printf("\n  %s: mean %.1f ms, max %.1f ms over %zu pulses\n", what,
                sum / static_cast<double>(times.size() - 1), worst, times.size());
}

bool measure(platform::Platform& platform, int device, const Train& train) {
    const engine::ToneBuffer buffer = toneOf(train.pulse, train.gap);
    MonitorRecorder recorder;
    const bool recording = recorder.start();

    engine::ToneOutput output(*platform.wave, *platform.pump);
    if (output.openForRun(device) != platform::WaveResult::Ok) {
        std::fprintf(stderr, "device %d cannot be opened\n", device);
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    std::vector<double> writes;
    for (int i = 0; i < train.count; ++i) {
        writes.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (output.startPulse(buffer) != platform::WaveResult::Ok) {
            std::fprintf(stderr, "write failed\n");
            return false;
        }
        const auto waited = output.waitForPulse(nullptr);
        output.releasePulse();
        if (waited != engine::BufferWait::Done) {
            std::fprintf(stderr, "the device stopped completing buffers\n");
            return false;
        }
    }
    output.closeRun();

    const double period = (train.pulse + train.gap) * 1000.0;
    std::printf("pulse %.2f s + gap %.2f s, %d pulses (period %.0f ms):\n", train.pulse, train.gap,
                train.count, period);
    summary("write to write", writes, period);
    if (recording) {
        const auto quiet = static_cast<std::size_t>(train.gap * 44100.0 / 2.0) + 1;
        summary("on the sink, onset to onset", onsetsMs(recorder.stop(), quiet), period);
    } else {
        std::printf("  (no parec or no sound server: not measured on the sink)\n");
    }
    return true;
}

double processSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool compareCpu(platform::Platform& platform, int device, double seconds) {
    // The calibration tone: a 1 s pulse repeated without a gap.
    const engine::ToneBuffer buffer = toneOf(1.0, 0.0);
    engine::ToneOutput output(*platform.wave, *platform.pump);
    const double before = processSeconds(RUSAGE_SELF);
    if (output.PreparePlay(device, buffer, -1) != platform::WaveResult::Ok ||
        output.WriteHeader() != platform::WaveResult::Ok) {
        std::fprintf(stderr, "device %d cannot play\n", device);
        return false;
    }
    const double opened = processSeconds(RUSAGE_SELF);
    platform.pump->wait(static_cast<int>(seconds * 1000));
    const double playing = processSeconds(RUSAGE_SELF) - opened;
    output.FinishPlay();
    const double ours = processSeconds(RUSAGE_SELF) - before;
    std::printf("ours: opening %.3f s, playing %.3f s, closing %.3f s\n", opened - before, playing,
                ours - playing - (opened - before));

    QTemporaryDir folder;
    engine::ToneBuffer repeated;
    for (int i = 0; i < static_cast<int>(std::ceil(seconds)); ++i) {
        repeated.insert(repeated.end(), buffer.begin(), buffer.end());
    }
    const QString wav = folder.filePath(QStringLiteral("tone.wav"));
    const QString aplay = QStandardPaths::findExecutable(QStringLiteral("aplay"));
    if (!engine::writeWavFile(wav, repeated).isEmpty() || aplay.isEmpty()) {
        std::fprintf(stderr, "aplay cannot be run here\n");
        return false;
    }
    auto* wave = dynamic_cast<platform::AlsaWaveOutput*>(platform.wave.get());
    const QString pcm =
        wave != nullptr ? QString::fromStdString(wave->pcmName(device)) : QStringLiteral("default");
    const double childrenBefore = processSeconds(RUSAGE_CHILDREN);
    QProcess player;
    player.start(aplay, {QStringLiteral("-q"), QStringLiteral("-D"), pcm, wav});
    player.waitForFinished(static_cast<int>(seconds * 1000) + 10000);
    const double theirs = processSeconds(RUSAGE_CHILDREN) - childrenBefore;
    std::printf("CPU for %.0f s of the calibration tone on %s: ours %.3f s, aplay %.3f s "
                "(ratio %.2f)\n",
                seconds, qPrintable(pcm), ours, theirs, theirs > 0 ? ours / theirs : 0.0);
    return true;
}

double option(const QStringList& args, const char* name, double fallback) {
    const auto at = args.indexOf(QString::fromLatin1(name));
    return at > 0 && at + 1 < args.size() ? args[at + 1].toDouble() : fallback;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int device = static_cast<int>(option(args, "--device", 0));
    // Nothing here shows a message; any would be recorded, not shown.
    auto platform = platform::makeRealPlatform(std::make_unique<platform::SimMessages>());
    if (platform->wave->deviceCount() == 0) {
        std::fprintf(stderr, "no wave-output device\n");
        return 1;
    }
    if (const double cpu = option(args, "--cpu", 0); cpu > 0) {
        return compareCpu(*platform, device, cpu) ? 0 : 1;
    }
    std::vector<Train> trains;
    if (args.contains(QStringLiteral("--pulse")) || args.contains(QStringLiteral("--gap"))) {
        trains.push_back({option(args, "--pulse", 1.0), option(args, "--gap", 1.0),
                          static_cast<int>(option(args, "--count", 10))});
    } else {
        trains = {{1.0, 1.0, 10}, {0.2, 0.2, 20}};
    }
    for (const Train& train : trains) {
        if (!measure(*platform, device, train)) {
            return 1;
        }
    }
    return 0;
}
