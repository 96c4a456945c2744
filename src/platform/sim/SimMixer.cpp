#include "platform/sim/SimMixer.h"

#include <algorithm>
#include <type_traits>

namespace tavo::platform {

// One open device of the simulated service.
class SimMixerDevice final : public MixerDevice {
public:
    SimMixerDevice(SimMixerService& service, std::uint32_t device)
        : service_(service), device_(device) {
        ++service_.openDevices_;
    }
    ~SimMixerDevice() override {
        --service_.openDevices_;
        SimMixerService::Request r;
        r.kind = SimMixerService::RequestKind::Close;
        r.device = device_;
        service_.record(std::move(r));
    }
    SimMixerDevice(const SimMixerDevice&) = delete;
    SimMixerDevice& operator=(const SimMixerDevice&) = delete;

    MixerResult destinationLine(std::uint32_t destination, MixerLine& line) override {
        SimMixerService::Request r;
        r.kind = SimMixerService::RequestKind::DestinationLine;
        r.device = device_;
        r.destination = destination;
        auto& dests = described().destinations;
        if (destination >= dests.size()) {
            r.result = MixerResult::InvalidParameter;
        } else {
            r.result = dests[destination].line.lineResult;
            if (r.result == MixerResult::Ok) {
                line = dests[destination].line.line;
            }
        }
        const auto result = r.result;
        service_.record(std::move(r));
        return result;
    }

    MixerResult sourceLine(std::uint32_t destination, std::uint32_t source,
                           MixerLine& line) override {
        SimMixerService::Request r;
        r.kind = SimMixerService::RequestKind::SourceLine;
        r.device = device_;
        r.destination = destination;
        r.source = source;
        auto& dests = described().destinations;
        if (destination >= dests.size() || source >= dests[destination].sources.size()) {
            r.result = MixerResult::InvalidParameter;
        } else {
            const auto& from = dests[destination].sources[source];
            r.result = from.lineResult;
            if (r.result == MixerResult::Ok) {
                line = from.line;
            }
        }
        const auto result = r.result;
        service_.record(std::move(r));
        return result;
    }

    MixerResult lineControls(std::uint32_t lineId, std::vector<MixerControl>& controls) override {
        SimMixerService::Request r;
        r.kind = SimMixerService::RequestKind::LineControls;
        r.device = device_;
        r.lineId = lineId;
        const SimMixerLineDescription* found = nullptr;
        for (const auto& dest : described().destinations) {
            if (dest.line.line.lineId == lineId) {
                found = &dest.line;
            }
            for (const auto& source : dest.sources) {
                if (source.line.lineId == lineId) {
                    found = &source;
                }
            }
        }
        if (found == nullptr) {
            r.result = MixerResult::InvalidLine;
        } else {
            r.result = found->controlsResult;
            if (r.result == MixerResult::Ok) {
                controls.clear();
                for (const auto& c : found->controls) {
                    controls.push_back(c.control);
                }
            }
        }
        const auto result = r.result;
        service_.record(std::move(r));
        return result;
    }

protected:
    MixerResult readDetails(const MixerDetailsRequest& request,
                            std::span<std::uint32_t> values) override {
        auto r = requestRecord(SimMixerService::RequestKind::GetDetails, request);
        const SimMixerLineDescription* owner = nullptr;
        SimMixerControlDescription* c = service_.findControl(device_, request.controlId, &owner);
        r.result = check(c, owner, request, c == nullptr ? MixerResult::Ok : c->getResult);
        if (r.result == MixerResult::Ok) {
            const std::size_t items = itemsOf(*c);
            for (std::size_t ch = 0; ch < request.channels; ++ch) {
                for (std::size_t i = 0; i < items; ++i) {
                    values[ch * items + i] = c->values[ch * items + i];
                }
            }
            r.values.assign(values.begin(), values.end());
        }
        const auto result = r.result;
        service_.record(std::move(r));
        return result;
    }

    MixerResult writeDetails(const MixerDetailsRequest& request,
                             std::span<const std::uint32_t> values) override {
        auto r = requestRecord(SimMixerService::RequestKind::SetDetails, request);
        r.values.assign(values.begin(), values.end());
        const SimMixerLineDescription* owner = nullptr;
        SimMixerControlDescription* c = service_.findControl(device_, request.controlId, &owner);
        r.result = check(c, owner, request, c == nullptr ? MixerResult::Ok : c->setResult);
        if (r.result == MixerResult::Ok) {
            const std::size_t items = itemsOf(*c);
            const std::size_t lineChannels = owner->line.channels;
            // One channel drives them all.
            for (std::size_t ch = 0; ch < lineChannels; ++ch) {
                const std::size_t from = request.channels == 1 ? 0 : ch;
                if (from >= request.channels) {
                    break;
                }
                for (std::size_t i = 0; i < items; ++i) {
                    c->values[ch * items + i] = values[from * items + i];
                }
            }
        }
        const auto result = r.result;
        service_.record(std::move(r));
        return result;
    }

private:
    SimMixerDeviceDescription& described() { return service_.devices_[device_]; }

    static std::size_t itemsOf(const SimMixerControlDescription& c) {
        return c.control.items == 0 ? 1u : c.control.items;
    }

    SimMixerService::Request requestRecord(SimMixerService::RequestKind kind,
                                           const MixerDetailsRequest& request) const {
        SimMixerService::Request r;
        r.kind = kind;
        r.device = device_;
        r.controlId = request.controlId;
        r.channels = request.channels;
        r.items = request.items;
        return r;
    }

    static MixerResult check(const SimMixerControlDescription* c,
                             const SimMixerLineDescription* owner,
                             const MixerDetailsRequest& request, MixerResult described) {
        if (c == nullptr || owner == nullptr) {
            return MixerResult::InvalidControl;
        }
        if (described != MixerResult::Ok) {
            return described;
        }
        if (request.channels > owner->line.channels || request.items != c->control.items) {
            return MixerResult::InvalidParameter;
        }
        return MixerResult::Ok;
    }

    SimMixerService& service_;
    std::uint32_t device_;
};

SimMixerService::SimMixerService() : SimMixerService(builtInSimMixerDevices()) {}

SimMixerService::SimMixerService(std::vector<SimMixerDeviceDescription> devices)
    : devices_(std::move(devices)) {}

std::uint32_t SimMixerService::deviceCount() {
    Request r;
    r.kind = RequestKind::DeviceCount;
    record(std::move(r));
    return static_cast<std::uint32_t>(devices_.size());
}

MixerResult SimMixerService::deviceCaps(std::uint32_t device, MixerCaps& caps) {
    Request r;
    r.kind = RequestKind::DeviceCaps;
    r.device = device;
    if (device >= devices_.size()) {
        r.result = MixerResult::BadDeviceId;
    } else {
        r.result = devices_[device].capsResult;
        if (r.result == MixerResult::Ok) {
            caps = devices_[device].caps;
        }
    }
    const auto result = r.result;
    record(std::move(r));
    return result;
}

MixerResult SimMixerService::open(std::uint32_t device, std::unique_ptr<MixerDevice>& opened) {
    Request r;
    r.kind = RequestKind::Open;
    r.device = device;
    r.result = device >= devices_.size() ? MixerResult::BadDeviceId : devices_[device].openResult;
    const auto result = r.result;
    record(std::move(r));
    if (result == MixerResult::Ok) {
        opened = std::make_unique<SimMixerDevice>(*this, device);
        lastOpened_ = device;
    }
    return result;
}

std::vector<SimMixerService::Request> SimMixerService::valueRequests() const {
    std::vector<Request> out;
    std::copy_if(requests_.begin(), requests_.end(), std::back_inserter(out), [](const Request& r) {
        return r.kind == RequestKind::GetDetails || r.kind == RequestKind::SetDetails;
    });
    return out;
}

namespace {
// The control and the line that owns it, in a const or a mutable device list.
template <typename Devices>
auto* controlIn(Devices& devices, std::uint32_t device, std::uint32_t controlId,
                const SimMixerLineDescription** owner) {
    using Control = std::remove_reference_t<decltype(devices[0].destinations[0].line.controls[0])>;
    if (device >= devices.size()) {
        return static_cast<Control*>(nullptr);
    }
    auto inLine = [&](auto& line) -> Control* {
        for (auto& c : line.controls) {
            if (c.control.controlId == controlId) {
                if (owner != nullptr) {
                    *owner = &line;
                }
                return &c;
            }
        }
        return nullptr;
    };
    for (auto& dest : devices[device].destinations) {
        if (auto* c = inLine(dest.line)) {
            return c;
        }
        for (auto& source : dest.sources) {
            if (auto* c = inLine(source)) {
                return c;
            }
        }
    }
    return static_cast<Control*>(nullptr);
}
} // namespace

SimMixerControlDescription* SimMixerService::findControl(std::uint32_t device,
                                                         std::uint32_t controlId,
                                                         const SimMixerLineDescription** owner) {
    return controlIn(devices_, device, controlId, owner);
}

std::vector<std::uint32_t> SimMixerService::values(std::uint32_t device,
                                                   std::uint32_t controlId) const {
    const SimMixerControlDescription* c = controlIn(devices_, device, controlId, nullptr);
    return c == nullptr ? std::vector<std::uint32_t>{} : c->values;
}

void SimMixerService::setValues(std::uint32_t device, std::uint32_t controlId,
                                std::vector<std::uint32_t> values) {
    SimMixerControlDescription* c = findControl(device, controlId);
    if (c != nullptr && values.size() == c->values.size()) {
        c->values = std::move(values);
    }
}

} // namespace tavo::platform
