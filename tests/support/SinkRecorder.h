#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QProcess;

namespace tavo::testsupport {

struct StereoFrame {
    std::int16_t left;
    std::int16_t right;
    bool operator==(const StereoFrame&) const = default;
};

// Records what the sound server's default sink plays (its monitor source)
// with parecord, 44100 Hz 16-bit stereo, for tests of the real audio path.
// The recorder asks for a long latency (1 s): a low-latency recorder drives
// the null sink in small steps, which hides the real delays and makes the
// monitor repeat frames now and then under load.
class SinkRecorder {
public:
    SinkRecorder();
    ~SinkRecorder();

    // Whether a PulseAudio-compatible server answers (pactl info).
    static bool serverAnswers();

    // Starts recording and returns once the recording delivers; false when
    // parecord cannot be started or records nothing.
    bool start();
    // Stops, once the recording has caught up with the time since it
    // started, and returns the recorded frames.
    std::vector<StereoFrame> stop();
    QString lastError() const { return error_; }

private:
    static constexpr qint64 kHeaderBytes = 44;
    static constexpr qint64 kBytesPerSecond = 44100 * 4;
    qint64 recordedBytes() const;

    std::unique_ptr<QProcess> process_;
    QElapsedTimer since_;
    qint64 bytesAtStart_ = 0;
    QString file_;
    QString error_;
};

// Parses the frames of a 16-bit stereo WAV file's data chunk.
std::vector<StereoFrame> wavFrames(const QByteArray& wav);
// Frames of a synthesized tone buffer.
std::vector<StereoFrame> bufferFrames(const std::vector<std::uint8_t>& buffer);

} // namespace tavo::testsupport
