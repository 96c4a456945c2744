#include "engine/WavFile.h"

#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QtEndian>

#include <limits>

namespace tavo::engine {

namespace {
void append32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}
void append16(QByteArray& out, std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}
} // namespace

QByteArray wavHeader(std::uint32_t dataBytes) {
    QByteArray header;
    header.append("RIFF", 4);
    append32(header, 36 + dataBytes);
    header.append("WAVE", 4);
    header.append("fmt ", 4);
    append32(header, 16);
    append16(header, 1); // PCM
    append16(header, 2);
    append32(header, kSampleRate);
    append32(header, kSampleRate * kBytesPerFrame);
    append16(header, kBytesPerFrame);
    append16(header, 16);
    header.append("data", 4);
    append32(header, dataBytes);
    return header;
}

QString writeWavFile(const QString& fileName, const ToneBuffer& buffer) {
    if (buffer.size() > std::numeric_limits<std::uint32_t>::max() - 36) {
        return QCoreApplication::translate("WavFile", "Der Ton ist zu lang für eine WAV-Datei.");
    }
    const QByteArray header = wavHeader(static_cast<std::uint32_t>(buffer.size()));
    const auto size = static_cast<qint64>(buffer.size());
    platform::AtomicFile file;
    if (!file.open(fileName) || file.write(header.constData(), header.size()) != header.size() ||
        file.write(reinterpret_cast<const char*>(buffer.data()), size) != size || !file.commit()) {
        const QString reason = file.errorString();
        file.cancel();
        return reason;
    }
    return {};
}

} // namespace tavo::engine
