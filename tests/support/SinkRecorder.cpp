#include "support/SinkRecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QtEndian>

#include <csignal>

namespace tavo::testsupport {

SinkRecorder::SinkRecorder() = default;

SinkRecorder::~SinkRecorder() {
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(2000);
    }
    if (!file_.isEmpty()) {
        QFile::remove(file_);
    }
}

bool SinkRecorder::serverAnswers() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit &&
           pactl.exitCode() == 0;
}

bool SinkRecorder::start() {
    file_ = QDir::temp().filePath(
        QStringLiteral("tavo-sink-%1.wav").arg(QCoreApplication::applicationPid()));
    QFile::remove(file_);
    process_ = std::make_unique<QProcess>();
    process_->start(QStringLiteral("parecord"),
                    {QStringLiteral("--device=@DEFAULT_MONITOR@"),
                     QStringLiteral("--file-format=wav"), QStringLiteral("--format=s16le"),
                     QStringLiteral("--rate=44100"), QStringLiteral("--channels=2"),
                     QStringLiteral("--latency-msec=1000"), file_});
    if (!process_->waitForStarted(5000)) {
        error_ = QStringLiteral("parecord startet nicht: ") + process_->errorString();
        return false;
    }
    // Nothing may play before the recording stream delivers and has settled:
    // wait until the file holds some of it (a slow machine takes its time to
    // connect), then 400 ms more (in its first moments the monitor may
    // repeat frames or ramp the level while the stream's latency settles).
    QElapsedTimer waited;
    waited.start();
    while (recordedBytes() < kHeaderBytes + kBytesPerSecond / 40 && waited.elapsed() < 5000 &&
           process_->state() == QProcess::Running) {
        QThread::msleep(20);
    }
    QThread::msleep(400);
    since_.start();
    bytesAtStart_ = recordedBytes();
    return process_->state() == QProcess::Running;
}

qint64 SinkRecorder::recordedBytes() const {
    return QFileInfo(file_).size();
}

std::vector<StereoFrame> SinkRecorder::stop() {
    if (!process_) {
        return {};
    }
    // What played until now must be in the file before the recorder stops:
    // wait until the recording covers the time since it began (the sink's
    // clock and ours run alike; a little slack for buffering).
    const qint64 due = bytesAtStart_ + (since_.elapsed() - 100) * kBytesPerSecond / 1000;
    QElapsedTimer waited;
    waited.start();
    while (recordedBytes() < due && waited.elapsed() < 5000 &&
           process_->state() == QProcess::Running) {
        QThread::msleep(20);
    }
    ::kill(static_cast<pid_t>(process_->processId()), SIGINT);
    if (!process_->waitForFinished(5000)) {
        process_->kill();
        process_->waitForFinished(2000);
    }
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("Aufnahme fehlt: ") + file_;
        return {};
    }
    return wavFrames(file.readAll());
}

std::vector<StereoFrame> wavFrames(const QByteArray& wav) {
    std::vector<StereoFrame> frames;
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") {
        return frames;
    }
    qsizetype pos = 12;
    while (pos + 8 <= wav.size()) {
        const QByteArray id = wav.mid(pos, 4);
        qsizetype size = qFromLittleEndian<quint32>(wav.constData() + pos + 4);
        pos += 8;
        if (id == "data") {
            // A recorder stopped by a signal may leave the size unset.
            if (size == 0 || size == 0xFFFFFFFF || pos + size > wav.size()) {
                size = wav.size() - pos;
            }
            for (qsizetype i = pos; i + 4 <= pos + size; i += 4) {
                frames.push_back({qFromLittleEndian<qint16>(wav.constData() + i),
                                  qFromLittleEndian<qint16>(wav.constData() + i + 2)});
            }
            return frames;
        }
        pos += size + (size & 1);
    }
    return frames;
}

std::vector<StereoFrame> bufferFrames(const std::vector<std::uint8_t>& buffer) {
    std::vector<StereoFrame> frames;
    for (std::size_t i = 0; i + 4 <= buffer.size(); i += 4) {
        frames.push_back({qFromLittleEndian<qint16>(buffer.data() + i),
                          qFromLittleEndian<qint16>(buffer.data() + i + 2)});
    }
    return frames;
}

} // namespace tavo::testsupport
