#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

namespace tavo::storage {

// Little-endian output of the binary file formats, built in memory.
class ByteWriter {
public:
    void byte(std::uint8_t value) { bytes_.append(static_cast<char>(value)); }
    void int32(std::int32_t value);
    void float64(double value);
    void raw(QByteArrayView data) { bytes_.append(data); }

    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// Little-endian input. Every read checks that the bytes are there; a read
// past the end fails and leaves the position where it was.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes) : bytes_(bytes) {}

    std::optional<std::uint8_t> byte();
    std::optional<std::int32_t> int32();
    std::optional<double> float64();
    std::optional<QByteArrayView> raw(qsizetype size);

    qsizetype position() const { return position_; }

private:
    QByteArrayView bytes_;
    qsizetype position_ = 0;
};

// The longest text a counted string record holds, and its largest count.
inline constexpr int kMaxRecordText = 255;
inline constexpr std::int32_t kMaxRecordCount = kMaxRecordText + 2;

// Counted string record: int32 N = L + 2, the length byte L, L bytes of
// Windows-1252 text, one pad byte (written as 0). The text is cut to its
// first 255 characters.
void WriteStringRecord(ByteWriter& out, const QString& text);

// The raw text bytes of one counted string record, or nothing when the
// record is damaged: a count below 1 or above 257, a length byte that
// claims more than the count holds, or fewer bytes left than the count.
std::optional<QByteArray> ReadStringRecordBytes(ByteReader& in);

// The same, decoded from Windows-1252.
std::optional<QString> ReadStringRecord(ByteReader& in);

} // namespace tavo::storage
