#pragma once

#include <cstdint>

namespace tavo::platform {
class EndpointVolume;
}

namespace tavo::hardware {

// Sets the master level of the default playback device to value / 1000
// (0 silent, 1000 full). A value outside 0..1000 is refused by the endpoint
// and changes nothing. Without an endpoint volume (none obtained at
// start-up) nothing happens. Returns whether the endpoint took the level;
// the program's callers do not need to look.
bool ApplyMasterLevel(platform::EndpointVolume* endpointVolume, std::int32_t value);

} // namespace tavo::hardware
