#include "platform/WaveOutput.h"

#include "platform/Utf8Cut.h"

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
    return cutUtf8(name, 31);
}

} // namespace tavo::platform
