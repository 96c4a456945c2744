#include "platform/SoundServerProbe.h"

#include "support/SinkRecorder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <cmath>
#include <numbers>

namespace tavo::testsupport {

std::optional<QString> runTool(const QString& program, const QStringList& arguments,
                               int timeoutMs) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs) || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool soundServerAnswers() {
    return runTool(QStringLiteral("pactl"), {QStringLiteral("info")}).has_value();
}

namespace {
std::optional<std::vector<std::uint32_t>> numbersBefore(const QString& text,
                                                        const QRegularExpression& pattern) {
    std::vector<std::uint32_t> values;
    auto it = pattern.globalMatch(text);
    while (it.hasNext()) {
        values.push_back(it.next().captured(1).toUInt());
    }
    if (values.empty()) {
        return std::nullopt;
    }
    return values;
}
} // namespace

std::optional<std::vector<std::uint32_t>> sinkVolumes() {
    const auto text = runTool(QStringLiteral("pactl"), {QStringLiteral("get-sink-volume"),
                                                        QStringLiteral("@DEFAULT_SINK@")});
    if (!text) {
        return std::nullopt;
    }
    // "Volume: front-left: 16384 /  25% / -36.12 dB,   front-right: ..."
    static const QRegularExpression pattern(QStringLiteral(":\\s*(\\d+)\\s*/"));
    return numbersBefore(text->section(QLatin1Char('\n'), 0, 0), pattern);
}

std::optional<bool> sinkMuted() {
    const auto text = runTool(QStringLiteral("pactl"),
                              {QStringLiteral("get-sink-mute"), QStringLiteral("@DEFAULT_SINK@")});
    if (!text) {
        return std::nullopt;
    }
    return text->contains(QStringLiteral("yes"));
}

std::optional<std::vector<std::uint32_t>> amixerMasterVolumes() {
    const auto text =
        runTool(QStringLiteral("amixer"), {QStringLiteral("-D"), QStringLiteral("default"),
                                           QStringLiteral("sget"), QStringLiteral("Master")});
    if (!text) {
        return std::nullopt;
    }
    // "  Front Left: Playback 32768 [50%] [on]"
    static const QRegularExpression pattern(QStringLiteral("Playback (\\d+) \\["));
    return numbersBefore(*text, pattern);
}

bool setSinkVolume(const QString& volume) {
    return runTool(QStringLiteral("pactl"),
                   {QStringLiteral("set-sink-volume"), QStringLiteral("@DEFAULT_SINK@"), volume})
        .has_value();
}

bool setSinkMute(bool muted) {
    return runTool(QStringLiteral("pactl"),
                   {QStringLiteral("set-sink-mute"), QStringLiteral("@DEFAULT_SINK@"),
                    muted ? QStringLiteral("1") : QStringLiteral("0")})
        .has_value();
}

SinkRestorer::~SinkRestorer() {
    setSinkMute(false);
    setSinkVolume(QStringLiteral("100%"));
}

std::optional<double> recordTonePeak(double levelDb, int ms, QString& error) {
    SinkRecorder recorder;
    if (!recorder.start()) {
        error = recorder.lastError();
        return std::nullopt;
    }
    const double amplitude = 32767.0 * std::pow(10.0, levelDb / 20.0);
    const int frames = 44100 * ms / 1000;
    QByteArray pcm;
    pcm.reserve(frames * 4);
    for (int n = 0; n < frames; ++n) {
        const auto sample = static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(2.0 * std::numbers::pi * 1000.0 * n / 44100.0)));
        for (int channel = 0; channel < 2; ++channel) {
            pcm.append(static_cast<char>(sample & 0xFF));
            pcm.append(static_cast<char>((sample >> 8) & 0xFF));
        }
    }
    QProcess player;
    player.start(QStringLiteral("pacat"),
                 {QStringLiteral("--playback"), QStringLiteral("--raw"),
                  QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                  QStringLiteral("--channels=2")});
    bool played = player.waitForStarted(3000) && player.write(pcm) == pcm.size();
    player.closeWriteChannel();
    played = player.waitForFinished(ms + 5000) && played && player.exitCode() == 0;
    QThread::msleep(300); // the tail reaches the monitor
    const auto recorded = recorder.stop();
    if (!played) {
        error = QStringLiteral("pacat spielt nicht: ") +
                QString::fromUtf8(player.readAllStandardError());
        return std::nullopt;
    }
    int peak = 0;
    for (const auto& frame : recorded) {
        peak = std::max(peak, std::abs(static_cast<int>(frame.left)));
    }
    if (peak == 0) {
        error = recorded.empty() ? recorder.lastError() : QStringLiteral("Aufnahme still");
        return std::nullopt;
    }
    return 20.0 * std::log10(peak / 32767.0);
}

} // namespace tavo::testsupport
