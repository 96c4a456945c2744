#include "storage/StringRecord.h"

#include "storage/Cp1252.h"

#include <QtEndian>

#include <cstring>

namespace tavo::storage {

void ByteWriter::int32(std::int32_t value) {
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes_.append(buffer, 4);
}

void ByteWriter::float64(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char buffer[8];
    qToLittleEndian(bits, buffer);
    bytes_.append(buffer, 8);
}

std::optional<QByteArrayView> ByteReader::raw(qsizetype size) {
    if (size < 0 || size > bytes_.size() - position_) {
        return std::nullopt;
    }
    const QByteArrayView part = bytes_.sliced(position_, size);
    position_ += size;
    return part;
}

std::optional<std::uint8_t> ByteReader::byte() {
    const auto part = raw(1);
    if (!part) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(part->front());
}

std::optional<std::int32_t> ByteReader::int32() {
    const auto part = raw(4);
    if (!part) {
        return std::nullopt;
    }
    return qFromLittleEndian<std::int32_t>(part->data());
}

std::optional<double> ByteReader::float64() {
    const auto part = raw(8);
    if (!part) {
        return std::nullopt;
    }
    const auto bits = qFromLittleEndian<std::uint64_t>(part->data());
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void WriteStringRecord(ByteWriter& out, const QString& text) {
    const QByteArray bytes = toWindows1252(text).left(kMaxRecordText);
    out.int32(static_cast<std::int32_t>(bytes.size()) + 2);
    out.byte(static_cast<std::uint8_t>(bytes.size()));
    out.raw(bytes);
    out.byte(0);
}

std::optional<QByteArray> ReadStringRecordBytes(ByteReader& in) {
    const auto start = in;
    const auto count = in.int32();
    // The count must leave room for the length byte and fit the 257-byte
    // text buffer of the record.
    if (!count || *count < 1 || *count > kMaxRecordCount) {
        in = start;
        return std::nullopt;
    }
    const auto record = in.raw(*count);
    if (!record) {
        in = start;
        return std::nullopt;
    }
    const auto length = static_cast<unsigned char>(record->front());
    if (length > *count - 1) {
        in = start;
        return std::nullopt;
    }
    return record->sliced(1, length).toByteArray();
}

std::optional<QString> ReadStringRecord(ByteReader& in) {
    const auto bytes = ReadStringRecordBytes(in);
    if (!bytes) {
        return std::nullopt;
    }
    return fromWindows1252(*bytes);
}

} // namespace tavo::storage
