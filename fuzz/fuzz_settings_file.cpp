// The settings-file reader on arbitrary bytes. Whatever it accepts must come
// back with the same values after the program has written it out again, or
// the next start would see other settings than the user left.

#include "platform/regfile/RegFile.h"

#include <cstdint>
#include <cstdlib>

using namespace tavo::platform;

namespace {

bool sameValues(const regfile::Values& a, const regfile::Values& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].type != b[i].type || a[i].dword != b[i].dword ||
            a[i].text != b[i].text) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = regfile::parse(bytes);
    if (!read) {
        return 0;
    }
    const QByteArray written = regfile::serialize(*read);
    const auto again = regfile::parse(written);
    // Writing may lengthen a file (dword digits, Windows-1252 bytes that take
    // two or three bytes in UTF-8), so one just under the limit can come
    // back over it and be refused.
    if (written.size() > regfile::kMaxFileSize) {
        if (again) {
            std::abort();
        }
        return 0;
    }
    if (!again || !sameValues(*read, *again)) {
        std::abort();
    }
    return 0;
}
