#include "hardware/MasterLevel.h"

#include "platform/EndpointVolume.h"

namespace tavo::hardware {

bool ApplyMasterLevel(platform::EndpointVolume* endpointVolume, std::int32_t value) {
    if (endpointVolume == nullptr) {
        return false;
    }
    const double level = static_cast<double>(value) / 1000.0;
    return endpointVolume->setMasterLevelScalar(static_cast<float>(level));
}

} // namespace tavo::hardware
