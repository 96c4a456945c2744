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

// Parses a settings file in REGEDIT4 syntax: "REGEDIT4", a blank line,
// "[HKEY_LOCAL_MACHINE\Software\Ardel Kanvo\Vorlandt Klarovent]", then one
// line per value, "Name"=dword:0000000a or "Name"="text" (backslash and
// double quote escaped with a backslash), UTF-8, lines ending in LF, CRLF or
// CR. Values of other types (hex:...) are kept as Other. A name given twice
// (ignoring case) keeps the later line's value, at the later line's place.
// Nothing when the text does not parse or is longer than kMaxFileSize bytes.
std::optional<Values> parse(const QByteArray& file);

// The file for `values` (LF line ends, a final newline).
QByteArray serialize(const Values& values);

} // namespace tavo::platform::regfile
