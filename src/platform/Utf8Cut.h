#pragma once

#include <cstddef>
#include <string>

namespace tavo::platform {

// Cuts a UTF-8 text to at most `chars` characters (not bytes), never in the
// middle of a character; a broken sequence at the end is dropped.
std::string cutUtf8(const std::string& text, std::size_t chars);

} // namespace tavo::platform
