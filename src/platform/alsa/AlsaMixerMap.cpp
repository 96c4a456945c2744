#include "platform/alsa/AlsaMixerMap.h"

#include "platform/PlaybackVolume.h"

#include <algorithm>
#include <limits>
#include <set>
#include <utility>

namespace tavo::platform::alsa {

namespace {

// The one table that says which ALSA simple-mixer element becomes which
// control on which line. `source` 0 means the destination line itself.
// Order matters: the controls of a line are listed in table order, and the
// mixer layer keeps the last control of a type on a line, so "Headphone"
// follows "Speaker": the audiometer plays through headphones.
struct MappingRow {
    const char* element;
    Access access;
    std::uint32_t destination;
    std::uint32_t source;
    std::uint32_t controlType;
};

using A = Access;
constexpr std::uint32_t kSpeakers = line::DstSpeakers;
constexpr std::uint32_t kWaveIn = line::DstWaveIn;

constexpr MappingRow kMapping[] = {
    // The speakers destination.
    {"Master", A::PlaybackVolume, kSpeakers, 0, control::Volume},
    {"Master", A::PlaybackMute, kSpeakers, 0, control::Mute},
    {"Bass", A::PlaybackVolume, kSpeakers, 0, control::Bass},
    {"Treble", A::PlaybackVolume, kSpeakers, 0, control::Treble},
    {"Speaker", A::PlaybackVolume, kSpeakers, 0, control::Unsigned},
    {"Headphone", A::PlaybackVolume, kSpeakers, 0, control::Unsigned},
    // Its sources.
    {"PCM", A::PlaybackVolume, kSpeakers, line::SrcWaveOut, control::Volume},
    {"PCM", A::PlaybackMute, kSpeakers, line::SrcWaveOut, control::Mute},
    {"Synth", A::PlaybackVolume, kSpeakers, line::SrcSynthesizer, control::Volume},
    {"Synth", A::PlaybackMute, kSpeakers, line::SrcSynthesizer, control::Mute},
    {"CD", A::PlaybackVolume, kSpeakers, line::SrcCompactDisc, control::Volume},
    {"CD", A::PlaybackMute, kSpeakers, line::SrcCompactDisc, control::Mute},
    {"Line", A::PlaybackVolume, kSpeakers, line::SrcLine, control::Volume},
    {"Line", A::PlaybackMute, kSpeakers, line::SrcLine, control::Mute},
    {"Aux", A::PlaybackVolume, kSpeakers, line::SrcAuxiliary, control::Volume},
    {"Aux", A::PlaybackMute, kSpeakers, line::SrcAuxiliary, control::Mute},
    {"Mic", A::PlaybackVolume, kSpeakers, line::SrcMicrophone, control::Volume},
    {"Mic", A::PlaybackMute, kSpeakers, line::SrcMicrophone, control::Mute},
    {"PC Speaker", A::PlaybackVolume, kSpeakers, line::SrcPcSpeaker, control::Volume},
    {"PC Speaker", A::PlaybackMute, kSpeakers, line::SrcPcSpeaker, control::Mute},
    {"Beep", A::PlaybackVolume, kSpeakers, line::SrcPcSpeaker, control::Volume},
    {"Beep", A::PlaybackMute, kSpeakers, line::SrcPcSpeaker, control::Mute},
    {"IEC958", A::PlaybackVolume, kSpeakers, line::SrcDigital, control::Volume},
    {"IEC958", A::PlaybackMute, kSpeakers, line::SrcDigital, control::Mute},
    // The wave-in destination.
    {"Capture", A::CaptureVolume, kWaveIn, 0, control::Volume},
    {"Capture", A::CaptureMute, kWaveIn, 0, control::Mute},
    {"Capture Source", A::CaptureSelect, kWaveIn, 0, control::Mixer},
    {"Input Source", A::CaptureSelect, kWaveIn, 0, control::Mixer},
    // Its sources.
    {"Mic", A::CaptureVolume, kWaveIn, line::SrcMicrophone, control::Volume},
    {"Mic", A::CaptureOnOff, kWaveIn, line::SrcMicrophone, control::OnOff},
    {"Line", A::CaptureVolume, kWaveIn, line::SrcLine, control::Volume},
    {"CD", A::CaptureVolume, kWaveIn, line::SrcCompactDisc, control::Volume},
    {"Aux", A::CaptureVolume, kWaveIn, line::SrcAuxiliary, control::Volume},
    {"Synth", A::CaptureVolume, kWaveIn, line::SrcSynthesizer, control::Volume},
    {"IEC958", A::CaptureVolume, kWaveIn, line::SrcDigital, control::Volume},
};

// The parts of an element a control can drive; each is used once.
enum class Side {
    PlaybackVolume,
    PlaybackSwitch,
    CaptureVolume,
    CaptureSwitch,
    CaptureEnum,
    NoElement,
};

Side sideOf(Access access) {
    switch (access) {
    case A::PlaybackVolume:
        return Side::PlaybackVolume;
    case A::PlaybackMute:
        return Side::PlaybackSwitch;
    case A::CaptureVolume:
        return Side::CaptureVolume;
    case A::CaptureMute:
    case A::CaptureOnOff:
        return Side::CaptureSwitch;
    case A::CaptureSelect:
        return Side::CaptureEnum;
    case A::ProgramVolume:
        return Side::NoElement;
    }
    return Side::PlaybackVolume;
}

bool offers(const ElementInfo& e, Access access) {
    switch (access) {
    case A::PlaybackVolume:
        return e.playbackVolume;
    case A::PlaybackMute:
        return e.playbackSwitch;
    case A::CaptureVolume:
        return e.captureVolume;
    case A::CaptureMute:
    case A::CaptureOnOff:
        return e.captureSwitch;
    case A::CaptureSelect:
        return e.captureEnum && e.enumItems > 0;
    case A::ProgramVolume:
        return false; // no element has it
    }
    return false;
}

std::int32_t clampToInt32(long value) {
    return static_cast<std::int32_t>(
        std::clamp<long>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

std::string controlName(const std::string& element, const char* side, const char* kind) {
    // "Capture" + "Capture Volume" reads "Capture Volume", as ALSA names it.
    if (element == side) {
        return element + " " + kind;
    }
    return element + " " + side + " " + kind;
}

MappedControl makeControl(const ElementInfo& e, std::size_t elementIndex, Access access,
                          std::uint32_t controlType) {
    MappedControl c;
    c.element = elementIndex;
    c.access = access;
    c.info.type = controlType;
    c.info.shortName = cutUtf8(e.name, kMixerShortNameChars);
    bool joined = false;
    unsigned channels = 1;
    const char* kind = "Switch";
    const char* side = "Playback";
    switch (access) {
    case A::PlaybackVolume:
        c.rawMin = e.playbackMin;
        c.rawRange = e.playbackMax - e.playbackMin;
        joined = e.playbackVolumeJoined;
        channels = e.playbackChannels;
        kind = "Volume";
        break;
    case A::PlaybackMute:
        joined = e.playbackSwitchJoined;
        channels = e.playbackChannels;
        break;
    case A::CaptureVolume:
        c.rawMin = e.captureMin;
        c.rawRange = e.captureMax - e.captureMin;
        joined = e.captureVolumeJoined;
        channels = e.captureChannels;
        side = "Capture";
        kind = "Volume";
        break;
    case A::CaptureMute:
    case A::CaptureOnOff:
        joined = e.captureSwitchJoined;
        channels = e.captureChannels;
        side = "Capture";
        break;
    case A::CaptureSelect:
        joined = true;
        channels = 1;
        c.info.items = e.enumItems;
        c.info.flags |= control::FlagMultiple;
        break;
    case A::ProgramVolume:
        break; // made by makeProgramVolumeControl
    }
    c.channels = std::max(channels, 1u);
    if (joined || c.channels == 1) {
        c.info.flags |= control::FlagUniform;
    }
    if (!e.active) {
        c.info.flags |= control::FlagDisabled;
    }
    c.info.name = cutUtf8(access == A::CaptureSelect ? e.name : controlName(e.name, side, kind),
                          kMixerNameChars);
    if (access == A::PlaybackVolume || access == A::CaptureVolume) {
        // One step is one raw step of the card.
        const std::int32_t range = clampToInt32(c.rawRange);
        c.rawRange = range;
        c.info.minimum = 0;
        c.info.maximum = range;
        c.info.steps = static_cast<std::uint32_t>(range);
    } else {
        c.info.minimum = 0;
        c.info.maximum = 1;
        c.info.steps = 0;
    }
    return c;
}

MappedControl makeProgramVolumeControl() {
    MappedControl c;
    c.access = A::ProgramVolume;
    c.channels = 2;
    c.rawRange = PlaybackVolume::kMaximum;
    c.info.type = control::Volume;
    c.info.shortName = "Wave";
    c.info.name = "Wave Playback Volume";
    c.info.minimum = 0;
    c.info.maximum = static_cast<std::int32_t>(PlaybackVolume::kMaximum);
    c.info.steps = PlaybackVolume::kSteps;
    return c;
}

std::string lineNameOf(const ElementInfo& e) {
    return e.index == 0 ? e.name : e.name + " " + std::to_string(e.index);
}

class LayoutBuilder {
public:
    MappedLine& destination(std::uint32_t type) {
        for (auto& d : layout_.destinations) {
            if (d.line.info.componentType == type) {
                return d.line;
            }
        }
        MappedDestination d;
        d.line.info.componentType = type;
        const char* name = type == line::DstSpeakers ? "Speakers" : "Recording";
        d.line.info.shortName = name;
        d.line.info.name = name;
        layout_.destinations.push_back(std::move(d));
        return layout_.destinations.back().line;
    }

    MappedLine& source(std::uint32_t destinationType, std::uint32_t type, const std::string& name,
                       bool separate) {
        destination(destinationType);
        auto& d = destinationOf(destinationType);
        if (!separate) {
            for (auto& s : d.sources) {
                if (s.info.componentType == type) {
                    return s;
                }
            }
        }
        MappedLine s;
        s.info.componentType = type;
        s.info.shortName = cutUtf8(name, kMixerShortNameChars);
        s.info.name = cutUtf8(name, kMixerNameChars);
        d.sources.push_back(std::move(s));
        return d.sources.back();
    }

    // Whether some source of the layout so far has a wave-output volume.
    bool hasWaveOutVolume() const {
        for (const auto& d : layout_.destinations) {
            for (const auto& s : d.sources) {
                if (s.info.componentType != line::SrcWaveOut) {
                    continue;
                }
                for (const auto& c : s.controls) {
                    if (c.info.type == control::Volume) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

    MixerLayout finish(const std::vector<ElementInfo>& elements) {
        // Destinations in a fixed order: speakers, then wave-in.
        std::stable_sort(layout_.destinations.begin(), layout_.destinations.end(),
                         [](const MappedDestination& a, const MappedDestination& b) {
                             return a.line.info.componentType == line::DstSpeakers &&
                                    b.line.info.componentType != line::DstSpeakers;
                         });
        std::uint32_t nextControlId = 1;
        auto number = [&](MappedLine& l, std::uint32_t lineId, bool isSource) {
            l.info.lineId = lineId;
            l.info.controls = static_cast<std::uint32_t>(l.controls.size());
            unsigned channels = 1;
            bool active = false;
            for (auto& c : l.controls) {
                c.info.controlId = nextControlId++;
                channels = std::max(channels, c.channels);
                active = active || c.access == A::ProgramVolume || elements[c.element].active;
            }
            l.info.channels = channels;
            l.info.flags = (active ? line::FlagActive : 0u) | (isSource ? line::FlagSource : 0u);
        };
        for (std::uint32_t d = 0; d < layout_.destinations.size(); ++d) {
            auto& dest = layout_.destinations[d];
            dest.line.info.destination = d;
            dest.line.info.connections = static_cast<std::uint32_t>(dest.sources.size());
            number(dest.line, 0xFFFF0000u | d, false);
            for (std::uint32_t s = 0; s < dest.sources.size(); ++s) {
                dest.sources[s].info.destination = d;
                dest.sources[s].info.source = s;
                number(dest.sources[s], (s << 16) | d, true);
            }
            if (!dest.sources.empty()) {
                // A destination is as active as anything that feeds it.
                for (const auto& s : dest.sources) {
                    dest.line.info.flags |= s.info.flags & line::FlagActive;
                }
            }
        }
        return std::move(layout_);
    }

private:
    MappedDestination& destinationOf(std::uint32_t type) {
        for (auto& d : layout_.destinations) {
            if (d.line.info.componentType == type) {
                return d;
            }
        }
        return layout_.destinations.back(); // unreachable: destination() made it
    }

    MixerLayout layout_;
};

} // namespace

const MappedLine* MixerLayout::findLine(std::uint32_t lineId) const {
    for (const auto& d : destinations) {
        if (d.line.info.lineId == lineId) {
            return &d.line;
        }
        for (const auto& s : d.sources) {
            if (s.info.lineId == lineId) {
                return &s;
            }
        }
    }
    return nullptr;
}

const MappedControl* MixerLayout::findControl(std::uint32_t controlId) const {
    auto inLine = [controlId](const MappedLine& l) -> const MappedControl* {
        for (const auto& c : l.controls) {
            if (c.info.controlId == controlId) {
                return &c;
            }
        }
        return nullptr;
    };
    for (const auto& d : destinations) {
        if (const auto* c = inLine(d.line)) {
            return c;
        }
        for (const auto& s : d.sources) {
            if (const auto* c = inLine(s)) {
                return c;
            }
        }
    }
    return nullptr;
}

MixerLayout mapElements(const std::vector<ElementInfo>& elements, bool programVolume) {
    LayoutBuilder builder;
    std::set<std::pair<std::size_t, Side>> used;

    for (const auto& row : kMapping) {
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const ElementInfo& e = elements[i];
            if (e.name != row.element || !offers(e, row.access)) {
                continue;
            }
            MappedLine& target = row.source == 0
                                     ? builder.destination(row.destination)
                                     : builder.source(row.destination, row.source, e.name, false);
            target.controls.push_back(makeControl(e, i, row.access, row.controlType));
            used.insert({i, sideOf(row.access)});
        }
    }

    // Whatever the table does not know is still listed, as a line of its
    // own that fills no slot.
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const ElementInfo& e = elements[i];
        auto rest = [&](Access access) {
            return offers(e, access) && used.count({i, sideOf(access)}) == 0;
        };
        const bool playbackVolume = rest(A::PlaybackVolume);
        const bool playbackMute = rest(A::PlaybackMute);
        if (playbackVolume || playbackMute) {
            auto& l = builder.source(kSpeakers, line::SrcUndefined, lineNameOf(e), true);
            if (playbackVolume) {
                l.controls.push_back(makeControl(e, i, A::PlaybackVolume, control::Volume));
            }
            if (playbackMute) {
                l.controls.push_back(makeControl(e, i, A::PlaybackMute, control::Mute));
            }
        }
        const bool captureVolume = rest(A::CaptureVolume);
        const bool captureSwitch = rest(A::CaptureOnOff);
        if (captureVolume || captureSwitch) {
            auto& l = builder.source(kWaveIn, line::SrcUndefined, lineNameOf(e), true);
            if (captureVolume) {
                l.controls.push_back(makeControl(e, i, A::CaptureVolume, control::Volume));
            }
            if (captureSwitch) {
                l.controls.push_back(makeControl(e, i, A::CaptureOnOff, control::OnOff));
            }
        }
    }

    // A device without a wave volume gets ours: it scales only what the
    // program itself plays, which is all a wave volume ever did.
    if (programVolume && !builder.hasWaveOutVolume()) {
        auto& wave = builder.source(kSpeakers, line::SrcWaveOut, "Wave", true);
        wave.controls.push_back(makeProgramVolumeControl());
    }
    return builder.finish(elements);
}

} // namespace tavo::platform::alsa
