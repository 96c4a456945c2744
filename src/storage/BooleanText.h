#pragma once

#include <QString>

#include <optional>

namespace tavo::storage {

// Booleans in files: "-1" for true, "0" for false.
QString booleanText(bool value);

// Reads a boolean text: a number (blanks around it allowed, "." or "," as
// decimal separator) is true when it is not zero; the words "True" and
// "False" count in any letter case; anything else does not convert.
std::optional<bool> parseBooleanText(const QString& text);

} // namespace tavo::storage
