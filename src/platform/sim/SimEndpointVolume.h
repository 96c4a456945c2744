#pragma once

#include "platform/EndpointVolume.h"

#include <optional>
#include <vector>

namespace tavo::platform {

// Simulated endpoint volume: remembers the level and every request.
class SimEndpointVolumeService final : public EndpointVolumeService {
public:
    explicit SimEndpointVolumeService(bool answers = true, bool activates = true)
        : answers_(answers), activates_(activates) {}

    std::string backendName() const override { return "simulated"; }
    bool serverAnswers() override { return answers_; }
    std::unique_ptr<EndpointVolume> activateDefault() override;

    // What the simulated device holds; nothing until a level was accepted.
    std::optional<float> level;
    std::vector<float> requests;
    int activations = 0;

private:
    bool answers_;
    bool activates_;
};

} // namespace tavo::platform
