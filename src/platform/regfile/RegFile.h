#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tavo::platform::regfile {

// The one key the program uses.
QString keyPath();

// A settings file is a few kB; anything this big is not one, and refusing it
// up front keeps a stray huge file from stalling the start.
inline constexpr qsizetype kMaxFileSize = 1024 * 1024;

enum class ValueType { Dword, String, Other };

struct Value {
    QString name;
    ValueType type = ValueType::String;
    std::uint32_t dword = 0;
    QString text;
};

// The values of the key, in file order.
using Values = std::vector<Value>;

// Parses a settings file in REGEDIT4 syntax: "REGEDIT4" (or "Windows
// Registry Editor Version 5.00"), a blank line,
// "[HKEY_LOCAL_MACHINE\Software\Ardel Kanvo\Vorlandt Klarovent]" (in any
// case), then one line per value, "Name"=dword:0000000a or "Name"="text"
// (backslash and double quote escaped with a backslash), lines ending in LF,
// CRLF or CR. The bytes are UTF-8 (perhaps after a byte-order mark),
// Windows-1252 when they are not valid UTF-8 (the five bytes it leaves
// undefined are the control characters U+0081, U+008D, U+008F, U+0090,
// U+009D), or UTF-16LE after the byte-order mark FF FE. Values of other types
// (hex:..., hex(7):...) are kept as Other, hex data wrapped over several lines
// (a backslash at the end, the next line indented) joined into one. A name
// given twice (ignoring case) keeps the later line's value, at the later
// line's place. Nothing when the text does not parse or the file is longer
// than kMaxFileSize bytes, in whatever encoding.
std::optional<Values> parse(const QByteArray& file);

// The file for `values`: "REGEDIT4", UTF-8, LF line ends, a final newline,
// each value on one line.
QByteArray serialize(const Values& values);

} // namespace tavo::platform::regfile
