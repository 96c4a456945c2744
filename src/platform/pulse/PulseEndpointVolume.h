#pragma once

#include "platform/EndpointVolume.h"

namespace tavo::platform {

// Endpoint volume through a PulseAudio-compatible server (libpulse): the
// volume of the server's default sink. The scalar maps linearly onto the
// server's volume scale (1.0 = 100 %, as the desktop's volume control shows);
// the server turns that into sound along its cubic curve (0.5 is -18.06 dB,
// 0.25 is -36.12 dB). It sets the loudest channel and keeps the balance.
class PulseEndpointVolumeService final : public EndpointVolumeService {
public:
    std::string backendName() const override { return "PulseAudio"; }
    bool serverAnswers() override;
    std::unique_ptr<EndpointVolume> activateDefault() override;
};

} // namespace tavo::platform
