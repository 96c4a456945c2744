#include "platform/sim/SimEndpointVolume.h"

namespace tavo::platform {

namespace {
class SimEndpointVolume final : public EndpointVolume {
public:
    explicit SimEndpointVolume(SimEndpointVolumeService& service) : service_(service) {}
    bool setMasterLevelScalar(float level) override {
        service_.requests.push_back(level);
        if (!(level >= 0.0f && level <= 1.0f)) {
            return false;
        }
        service_.level = level;
        return true;
    }
    // Before the program sets it, the device is at full level.
    std::optional<float> masterLevelScalar() override { return service_.level.value_or(1.0f); }

private:
    SimEndpointVolumeService& service_;
};
} // namespace

std::unique_ptr<EndpointVolume> SimEndpointVolumeService::activateDefault() {
    if (!answers_ || !activates_) {
        return nullptr;
    }
    ++activations;
    return std::make_unique<SimEndpointVolume>(*this);
}

} // namespace tavo::platform
