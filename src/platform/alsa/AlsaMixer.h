#pragma once

#include "platform/Mixer.h"

#include <string>
#include <vector>

namespace tavo::platform {

// The mixer service on ALSA: one mixer device per ALSA control device,
// `default` first (it reaches PulseAudio or PipeWire where one runs), then
// every sound card. The simple-mixer elements of a device are presented as
// destination and source lines with controls (alsa/AlsaMixerMap.h). Writes
// go to the card at once; reads first take in what changed on the card
// meanwhile, so they report what it holds.
class AlsaMixerService final : public MixerService {
public:
    std::string backendName() const override { return "ALSA"; }
    // Looks for the devices again.
    std::uint32_t deviceCount() override;
    MixerResult deviceCaps(std::uint32_t device, MixerCaps& caps) override;
    MixerResult open(std::uint32_t device, std::unique_ptr<MixerDevice>& opened) override;

    // The ALSA control name of a listed device ("default", "hw:0").
    std::string controlName(std::uint32_t device) const;

private:
    struct Entry {
        std::string ctlName;
        MixerCaps caps;
    };
    void scan();

    std::vector<Entry> devices_;
    bool scanned_ = false;
};

} // namespace tavo::platform
