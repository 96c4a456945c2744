#pragma once

#include <memory>
#include <optional>
#include <string>

namespace tavo::platform {

// The master volume of the default playback device.
class EndpointVolume {
public:
    virtual ~EndpointVolume() = default;
    // level is the master level scalar, 0.0 (silent) to 1.0 (full). A level
    // outside that range is refused (false) and changes nothing.
    virtual bool setMasterLevelScalar(float level) = 0;
    // The master level now (0.0 .. 1.0); nothing when it cannot be read.
    virtual std::optional<float> masterLevelScalar() { return std::nullopt; }
};

// The system's endpoint-volume service. On Linux that is a
// PulseAudio-compatible sound server (PulseAudio itself or PipeWire's
// PulseAudio server).
class EndpointVolumeService {
public:
    virtual ~EndpointVolumeService() = default;
    virtual std::string backendName() const = 0;
    // Whether the service answers now. Decides at start-up whether the
    // master level goes through the endpoint volume or the mixer.
    virtual bool serverAnswers() = 0;
    // The endpoint volume of the default playback device, or nothing when
    // the service, the device or the activation fails.
    virtual std::unique_ptr<EndpointVolume> activateDefault() = 0;
};

} // namespace tavo::platform
