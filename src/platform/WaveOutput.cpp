#include "platform/WaveOutput.h"

namespace tavo::platform {

const char* waveResultName(WaveResult result) {
    switch (result) {
    case WaveResult::Ok:
        return "OK";
    case WaveResult::Error:
        return "ERROR";
    case WaveResult::BadDeviceId:
        return "BADDEVICEID";
    case WaveResult::Allocated:
        return "ALLOCATED";
    case WaveResult::InvalidHandle:
        return "INVALHANDLE";
    case WaveResult::NoDriver:
        return "NODRIVER";
    case WaveResult::NoMemory:
        return "NOMEM";
    case WaveResult::InvalidParameter:
        return "INVALPARAM";
    case WaveResult::BadFormat:
        return "BADFORMAT";
    case WaveResult::StillPlaying:
        return "STILLPLAYING";
    case WaveResult::Unprepared:
        return "UNPREPARED";
    }
    return "UNKNOWN";
}

std::string cutDeviceName(const std::string& name) {
    constexpr int kMaxChars = 31;
    int chars = 0;
    std::size_t i = 0;
    while (i < name.size() && chars < kMaxChars) {
        const auto lead = static_cast<unsigned char>(name[i]);
        std::size_t len = 1;
        if (lead >= 0xF0) {
            len = 4;
        } else if (lead >= 0xE0) {
            len = 3;
        } else if (lead >= 0xC0) {
            len = 2;
        }
        if (i + len > name.size()) {
            break;
        }
        i += len;
        ++chars;
    }
    return name.substr(0, i);
}

} // namespace tavo::platform
