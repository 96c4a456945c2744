#pragma once

#include "platform/Mixer.h"
#include "platform/sim/SimMixerDescription.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavo::platform {

// Simulated mixer service: the devices of a description (by default the
// built-in consumer card). The controls hold their values, so a read
// reports what was written; the results a description names are returned
// instead of doing the request. Every request is recorded.
class SimMixerService final : public MixerService {
public:
    enum class RequestKind {
        DeviceCount,
        DeviceCaps,
        Open,
        Close,
        DestinationLine,
        SourceLine,
        LineControls,
        GetDetails,
        SetDetails,
    };

    struct Request {
        RequestKind kind = RequestKind::DeviceCount;
        std::uint32_t device = 0;
        std::uint32_t destination = 0;
        std::uint32_t source = 0;
        std::uint32_t lineId = 0;
        std::uint32_t controlId = 0;
        std::uint32_t channels = 0;
        std::uint32_t items = 0;
        std::vector<std::uint32_t> values; // written, or read back
        MixerResult result = MixerResult::Ok;
    };

    SimMixerService();
    explicit SimMixerService(std::vector<SimMixerDeviceDescription> devices);

    std::string backendName() const override { return "simulated"; }
    std::uint32_t deviceCount() override;
    MixerResult deviceCaps(std::uint32_t device, MixerCaps& caps) override;
    MixerResult open(std::uint32_t device, std::unique_ptr<MixerDevice>& opened) override;

    const std::vector<Request>& requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }
    // The value requests only (get and set), in order.
    std::vector<Request> valueRequests() const;
    int openDevices() const { return openDevices_; }
    // The device opened last, if any: the card the program drives.
    std::optional<std::uint32_t> lastOpened() const { return lastOpened_; }

    // What a control of a device holds now (channel-major); empty when there
    // is no such control.
    std::vector<std::uint32_t> values(std::uint32_t device, std::uint32_t controlId) const;
    // Changes a control's value as another program would.
    void setValues(std::uint32_t device, std::uint32_t controlId,
                   std::vector<std::uint32_t> values);

    std::vector<SimMixerDeviceDescription>& devices() { return devices_; }
    const std::vector<SimMixerDeviceDescription>& devices() const { return devices_; }

private:
    friend class SimMixerDevice;

    SimMixerControlDescription* findControl(std::uint32_t device, std::uint32_t controlId,
                                            const SimMixerLineDescription** owner = nullptr);
    void record(Request request) { requests_.push_back(std::move(request)); }

    std::vector<SimMixerDeviceDescription> devices_;
    std::vector<Request> requests_;
    int openDevices_ = 0;
    std::optional<std::uint32_t> lastOpened_;
};

} // namespace tavo::platform
