#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tavo::platform {

struct Platform;
class SimEndpointVolumeService;
class SimMixerService;
class SimWaveOutput;

// What the simulated sound card puts out, channel by channel: the peak of
// the samples it plays, in dB relative to a full-scale tone, changed by the
// card's settings as they stand: on the mixer device the program opened,
// the controls of the speakers destination and of its wave-output source
// with their level laws (a mute that is on silences its channel), then the
// system level (the endpoint volume, cubic). What the headphones make of
// that in a listener's ear is the listener's business.
class SimSoundChain {
public:
    // Per channel (0 left, 1 right): the level in dB, nothing when silent.
    using Levels = std::array<std::optional<double>, 2>;

    // All must outlive the chain; the endpoint may be absent (unity).
    SimSoundChain(const SimWaveOutput& wave, const SimMixerService& mixer,
                  const SimEndpointVolumeService* endpoint);
    // The chain of a platform whose sound is simulated; nothing otherwise.
    static std::unique_ptr<SimSoundChain> of(const Platform& platform);

    // The buffer written last, while the device is open, as the card plays
    // it now; nothing while nothing plays.
    std::optional<Levels> playing() const;
    // The card's gain per channel now (0 dB: unchanged).
    Levels cardGain() const;
    // The largest sample magnitude of each channel of 16-bit stereo frames.
    static std::array<int, 2> peaks(const std::vector<std::uint8_t>& frames);

private:
    const SimWaveOutput& wave_;
    const SimMixerService& mixer_;
    const SimEndpointVolumeService* endpoint_;
    // The peaks of the buffer written last (a looping tone is asked about
    // many times while a listener moves the sliders).
    mutable std::size_t peaksOfWrite_ = 0;
    mutable std::array<int, 2> peaks_{};
};

} // namespace tavo::platform
