#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// Looks at the running PulseAudio-compatible server from outside, the way a
// user would (pactl, amixer, parecord, pacat), for the tests of the real
// mixer and endpoint backends.
namespace tavo::testsupport {

// Runs a program; its stdout, or nothing when it cannot run or fails.
std::optional<QString> runTool(const QString& program, const QStringList& arguments,
                               int timeoutMs = 5000);

// Whether a server answers (pactl info).
bool soundServerAnswers();

// The default sink's raw channel volumes (65536 = 100 %), as pactl reads them.
std::optional<std::vector<std::uint32_t>> sinkVolumes();
std::optional<bool> sinkMuted();
// The playback volumes of ALSA's `default` control device "Master", as
// amixer reads them.
std::optional<std::vector<std::uint32_t>> amixerMasterVolumes();

bool setSinkVolume(const QString& volume); // "100%", "20000"
bool setSinkMute(bool muted);

// Puts the default sink back to 100 % and unmuted when it goes out of
// scope: other tests record the sink and need it at full level.
class SinkRestorer {
public:
    SinkRestorer() = default;
    ~SinkRestorer();
    SinkRestorer(const SinkRestorer&) = delete;
    SinkRestorer& operator=(const SinkRestorer&) = delete;
};

// Plays a 1 kHz tone of the given peak (in dB relative to full scale) on
// both channels through the default sink for `ms` milliseconds while
// recording the sink's monitor, and returns the recorded peak in dBFS of
// the left channel; nothing when playing or recording failed (`error` says
// why).
std::optional<double> recordTonePeak(double levelDb, int ms, QString& error);

} // namespace tavo::testsupport
