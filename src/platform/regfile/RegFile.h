#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tavo::platform::regfile {

// The one key the program uses.
QString keyPath();

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
// double quote escaped with a backslash), UTF-8, LF or CRLF. Values of other
// types (hex:...) are kept as Other. Nothing when the text does not parse.
std::optional<Values> parse(const QByteArray& file);

// The file for `values` (LF line ends, a final newline).
QByteArray serialize(const Values& values);

} // namespace tavo::platform::regfile
