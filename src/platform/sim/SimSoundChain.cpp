#include "platform/sim/SimSoundChain.h"

#include "platform/Platform.h"
#include "platform/sim/SimEndpointVolume.h"
#include "platform/sim/SimMixer.h"
#include "platform/sim/SimWaveOutput.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavo::platform {

namespace {

constexpr double kFullScale = 32767.0;

// Adds a gain to a channel's level; silence stays silence.
void add(std::optional<double>& level, const std::optional<double>& gain) {
    level = level && gain ? std::optional<double>(*level + *gain) : std::nullopt;
}

// What one line's controls do to a channel.
std::optional<double> lineGain(const SimMixerLineDescription& line, std::size_t channel) {
    std::optional<double> gain = 0.0;
    const std::size_t lineChannels = std::max<std::uint32_t>(line.line.channels, 1);
    for (const auto& c : line.controls) {
        if (c.values.empty()) {
            continue;
        }
        const std::size_t items = std::max<std::uint32_t>(c.control.items, 1);
        const std::size_t at = std::min(channel, lineChannels - 1) * items;
        const std::uint32_t value = c.values[std::min(at, c.values.size() - 1)];
        if (c.control.type == control::Mute) {
            if (value != 0) {
                return std::nullopt;
            }
            continue;
        }
        add(gain, c.law.gainDb(value, c.control.maximum));
    }
    return gain;
}

} // namespace

SimSoundChain::SimSoundChain(const SimWaveOutput& wave, const SimMixerService& mixer,
                             const SimEndpointVolumeService* endpoint)
    : wave_(wave), mixer_(mixer), endpoint_(endpoint) {}

std::unique_ptr<SimSoundChain> SimSoundChain::of(const Platform& platform) {
    const auto* wave = dynamic_cast<const SimWaveOutput*>(platform.wave.get());
    const auto* mixer = dynamic_cast<const SimMixerService*>(platform.mixer.get());
    if (wave == nullptr || mixer == nullptr) {
        return nullptr;
    }
    const auto* endpoint = dynamic_cast<const SimEndpointVolumeService*>(platform.endpoint.get());
    return std::make_unique<SimSoundChain>(*wave, *mixer, endpoint);
}

std::array<int, 2> SimSoundChain::peaks(const std::vector<std::uint8_t>& frames) {
    std::array<int, 2> peak{};
    for (std::size_t i = 0; i + 3 < frames.size(); i += 4) {
        for (std::size_t channel = 0; channel < 2; ++channel) {
            const auto low = frames[i + 2 * channel];
            const auto high = frames[i + 2 * channel + 1];
            const auto sample =
                static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
            peak[channel] = std::max(peak[channel], std::abs(static_cast<int>(sample)));
        }
    }
    return peak;
}

SimSoundChain::Levels SimSoundChain::cardGain() const {
    Levels gain{0.0, 0.0};
    const auto& devices = mixer_.devices();
    const std::size_t device = mixer_.lastOpened().value_or(0);
    if (device < devices.size()) {
        // The first speakers destination and its wave-output source: the
        // way the program's tone goes through the card.
        for (const auto& destination : devices[device].destinations) {
            if (destination.line.line.componentType != line::DstSpeakers) {
                continue;
            }
            for (std::size_t channel = 0; channel < 2; ++channel) {
                add(gain[channel], lineGain(destination.line, channel));
            }
            const auto wave = std::find_if(
                destination.sources.begin(), destination.sources.end(),
                [](const auto& s) { return s.line.componentType == line::SrcWaveOut; });
            if (wave != destination.sources.end()) {
                for (std::size_t channel = 0; channel < 2; ++channel) {
                    add(gain[channel], lineGain(*wave, channel));
                }
            }
            break;
        }
    }
    if (endpoint_ != nullptr && endpoint_->level) {
        const auto system = endpointLevelDb(static_cast<double>(*endpoint_->level));
        for (auto& channel : gain) {
            add(channel, system);
        }
    }
    return gain;
}

std::optional<SimSoundChain::Levels> SimSoundChain::playing() const {
    if (!wave_.isOpen() || wave_.written().empty()) {
        return std::nullopt;
    }
    if (peaksOfWrite_ != wave_.writeCount()) {
        peaks_ = peaks(wave_.written().back().bytes);
        peaksOfWrite_ = wave_.writeCount();
    }
    Levels levels = cardGain();
    for (std::size_t channel = 0; channel < 2; ++channel) {
        const int peak = std::min(peaks_[channel], static_cast<int>(kFullScale));
        add(levels[channel],
            peak > 0 ? std::optional<double>(20.0 * std::log10(peak / kFullScale)) : std::nullopt);
    }
    return levels;
}

} // namespace tavo::platform
