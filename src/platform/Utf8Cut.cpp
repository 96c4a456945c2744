#include "platform/Utf8Cut.h"

namespace tavo::platform {

std::string cutUtf8(const std::string& text, std::size_t chars) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size() && count < chars) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = 1;
        if (lead >= 0xF0) {
            len = 4;
        } else if (lead >= 0xE0) {
            len = 3;
        } else if (lead >= 0xC0) {
            len = 2;
        }
        if (i + len > text.size()) {
            break;
        }
        i += len;
        ++count;
    }
    return text.substr(0, i);
}

} // namespace tavo::platform
