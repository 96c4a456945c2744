#pragma once

#include "platform/Mixer.h"
#include "platform/PlaybackVolume.h"

#include <memory>
#include <string>
#include <vector>

namespace tavo::platform {

// The mixer service on ALSA: one mixer device per ALSA control device,
// `default` first (it reaches PulseAudio or PipeWire where one runs), then
// every sound card. The simple-mixer elements of a device are presented as
// destination and source lines with controls (alsa/AlsaMixerMap.h). Writes
// go to the card at once; reads first take in what changed on the card
// meanwhile, so they report what it holds.
//
// `default` on a sound server has no wave-output volume; there the device
// offers the program's own playback volume as its SRC_WAVEOUT volume
// (AlsaMixerMap.h), the one the program's wave output plays at.
class AlsaMixerService final : public MixerService {
public:
    // Without a volume the service keeps one of its own (at unity), which
    // the listing shows but no wave output plays at.
    explicit AlsaMixerService(std::shared_ptr<PlaybackVolume> volume = nullptr);

    std::string backendName() const override { return "ALSA"; }
    // Looks for the devices again.
    std::uint32_t deviceCount() override;
    MixerResult deviceCaps(std::uint32_t device, MixerCaps& caps) override;
    MixerResult open(std::uint32_t device, std::unique_ptr<MixerDevice>& opened) override;

    std::vector<std::string> unreachableDevices() const override;

    // The ALSA control name of a listed device ("default", "hw:0").
    std::string controlName(std::uint32_t device) const;

private:
    struct Entry {
        std::string ctlName;
        MixerCaps caps;
    };
    void scan();

    std::shared_ptr<PlaybackVolume> volume_;
    std::vector<Entry> devices_;
    std::vector<std::string> unreachable_;
    bool scanned_ = false;
};

} // namespace tavo::platform
