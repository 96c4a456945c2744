#include "platform/alsa/AlsaMixer.h"

#include "platform/ServerCalls.h"
#include "platform/alsa/AlsaDeviceList.h"
#include "platform/alsa/AlsaMixerMap.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace tavo::platform {

namespace {

using alsa::Access;
using alsa::ElementInfo;
using alsa::MappedControl;
using alsa::MixerLayout;

// ALSA prints configuration errors (a card that is not there, a sound
// server that does not answer) to stderr while we probe; the device list
// says what is there.
void quietErrorHandler(const char*, int, const char*, int, const char*, ...) {}

MixerResult resultOf(int alsaError) {
    if (alsaError >= 0) {
        return MixerResult::Ok;
    }
    if (alsaError == -ENODEV || alsaError == -ENXIO || alsaError == -EBADFD) {
        return MixerResult::NoDriver;
    }
    return MixerResult::Error;
}

// A loaded simple mixer on one control device.
class SimpleMixer {
public:
    explicit SimpleMixer(const std::string& ctlName) {
        if (snd_mixer_open(&mixer_, 0) < 0) {
            mixer_ = nullptr;
            return;
        }
        if (snd_mixer_attach(mixer_, ctlName.c_str()) < 0 ||
            snd_mixer_selem_register(mixer_, nullptr, nullptr) < 0 || snd_mixer_load(mixer_) < 0) {
            snd_mixer_close(mixer_);
            mixer_ = nullptr;
            return;
        }
        for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer_); e != nullptr;
             e = snd_mixer_elem_next(e)) {
            ids_.emplace_back(snd_mixer_selem_get_name(e), snd_mixer_selem_get_index(e));
            infos_.push_back(describe(e));
        }
    }
    ~SimpleMixer() {
        if (mixer_ != nullptr) {
            snd_mixer_close(mixer_);
        }
    }
    SimpleMixer(const SimpleMixer&) = delete;
    SimpleMixer& operator=(const SimpleMixer&) = delete;

    bool loaded() const { return mixer_ != nullptr; }
    snd_mixer_t* handle() const { return mixer_; }
    // Element i of the load, looked up again by name and index: handling the
    // card's events may have removed or replaced it. Nothing when it is gone.
    snd_mixer_elem_t* element(std::size_t i) const {
        if (i >= ids_.size()) {
            return nullptr;
        }
        snd_mixer_selem_id_t* id = nullptr;
        snd_mixer_selem_id_alloca(&id);
        snd_mixer_selem_id_set_name(id, ids_[i].first.c_str());
        snd_mixer_selem_id_set_index(id, ids_[i].second);
        return snd_mixer_find_selem(mixer_, id);
    }
    const std::vector<ElementInfo>& infos() const { return infos_; }

private:
    static ElementInfo describe(snd_mixer_elem_t* e) {
        ElementInfo info;
        info.name = snd_mixer_selem_get_name(e);
        info.index = snd_mixer_selem_get_index(e);
        info.active = snd_mixer_selem_is_active(e) != 0;

        info.playbackVolume = snd_mixer_selem_has_playback_volume(e) != 0;
        info.playbackVolumeJoined = snd_mixer_selem_has_playback_volume_joined(e) != 0;
        if (info.playbackVolume) {
            snd_mixer_selem_get_playback_volume_range(e, &info.playbackMin, &info.playbackMax);
        }
        info.playbackSwitch = snd_mixer_selem_has_playback_switch(e) != 0;
        info.playbackSwitchJoined = snd_mixer_selem_has_playback_switch_joined(e) != 0;
        if (info.playbackVolume || info.playbackSwitch) {
            info.playbackChannels = static_cast<unsigned>(channelsOf(e, false).size());
        }

        info.captureVolume = snd_mixer_selem_has_capture_volume(e) != 0;
        info.captureVolumeJoined = snd_mixer_selem_has_capture_volume_joined(e) != 0;
        if (info.captureVolume) {
            snd_mixer_selem_get_capture_volume_range(e, &info.captureMin, &info.captureMax);
        }
        info.captureSwitch = snd_mixer_selem_has_capture_switch(e) != 0;
        info.captureSwitchJoined = snd_mixer_selem_has_capture_switch_joined(e) != 0;
        if (info.captureVolume || info.captureSwitch) {
            info.captureChannels = static_cast<unsigned>(channelsOf(e, true).size());
        }

        if (snd_mixer_selem_is_enumerated(e) != 0 && snd_mixer_selem_is_enum_capture(e) != 0) {
            const int items = snd_mixer_selem_get_enum_items(e);
            info.captureEnum = items > 0;
            info.enumItems = items > 0 ? static_cast<unsigned>(items) : 0u;
        }
        return info;
    }

public:
    // The channels an element has on one side, in ALSA's order.
    static std::vector<snd_mixer_selem_channel_id_t> channelsOf(snd_mixer_elem_t* e, bool capture) {
        std::vector<snd_mixer_selem_channel_id_t> channels;
        for (int ch = 0; ch <= SND_MIXER_SCHN_LAST; ++ch) {
            const auto id = static_cast<snd_mixer_selem_channel_id_t>(ch);
            const int has = capture ? snd_mixer_selem_has_capture_channel(e, id)
                                    : snd_mixer_selem_has_playback_channel(e, id);
            if (has != 0) {
                channels.push_back(id);
            }
        }
        return channels;
    }

private:
    snd_mixer_t* mixer_ = nullptr;
    std::vector<std::pair<std::string, unsigned>> ids_;
    std::vector<ElementInfo> infos_;
};

// The device that carries the program's playback volume.
bool offersProgramVolume(const std::string& ctlName) {
    return ctlName == "default";
}

// Whether a control device goes through a sound server (`default`, the
// server's own devices) rather than straight to a card's driver.
bool throughServer(const std::string& ctlName) {
    return ctlName.rfind("hw:", 0) != 0;
}

bool isCapture(Access access) {
    return access == Access::CaptureVolume || access == Access::CaptureMute ||
           access == Access::CaptureOnOff || access == Access::CaptureSelect;
}

// Reads a control's values from the card.
MixerResult readControl(const SimpleMixer& mixer, const MappedControl& c,
                        const MixerDetailsRequest& request, std::vector<std::uint32_t>& values) {
    // Take in what changed on the card since the last look.
    snd_mixer_handle_events(mixer.handle());
    snd_mixer_elem_t* e = mixer.element(c.element);
    if (e == nullptr) {
        return MixerResult::InvalidControl;
    }
    std::vector<std::uint32_t> read(values.size(), 0);

    if (c.access == Access::CaptureSelect) {
        unsigned selected = 0;
        const int err = snd_mixer_selem_get_enum_item(e, SND_MIXER_SCHN_FRONT_LEFT, &selected);
        if (err < 0) {
            return resultOf(err);
        }
        for (std::size_t i = 0; i < read.size(); ++i) {
            read[i] = i == selected ? 1u : 0u;
        }
        values = read;
        return MixerResult::Ok;
    }

    const bool capture = isCapture(c.access);
    const auto channels = SimpleMixer::channelsOf(e, capture);
    for (std::size_t i = 0; i < request.channels && i < channels.size(); ++i) {
        int err = 0;
        if (c.access == Access::PlaybackVolume || c.access == Access::CaptureVolume) {
            long raw = 0;
            err = capture ? snd_mixer_selem_get_capture_volume(e, channels[i], &raw)
                          : snd_mixer_selem_get_playback_volume(e, channels[i], &raw);
            read[i] = static_cast<std::uint32_t>(std::clamp(raw - c.rawMin, 0L, c.rawRange));
        } else {
            int on = 0;
            err = capture ? snd_mixer_selem_get_capture_switch(e, channels[i], &on)
                          : snd_mixer_selem_get_playback_switch(e, channels[i], &on);
            // A mute is on while the switch that lets the sound through is off.
            const bool mute = c.access != Access::CaptureOnOff;
            read[i] = (on != 0) != mute ? 1u : 0u;
        }
        if (err < 0) {
            return resultOf(err);
        }
    }
    values = read;
    return MixerResult::Ok;
}

// Writes a control's values to the card.
MixerResult writeControl(const SimpleMixer& mixer, const MappedControl& c,
                         const MixerDetailsRequest& request,
                         const std::vector<std::uint32_t>& values) {
    snd_mixer_handle_events(mixer.handle());
    snd_mixer_elem_t* e = mixer.element(c.element);
    if (e == nullptr) {
        return MixerResult::InvalidControl;
    }

    if (c.access == Access::CaptureSelect) {
        const auto chosen =
            std::find_if(values.begin(), values.end(), [](std::uint32_t v) { return v != 0; });
        if (chosen == values.end()) {
            return MixerResult::InvalidParameter; // a selection needs one item
        }
        const auto item = static_cast<unsigned>(chosen - values.begin());
        int err = snd_mixer_selem_set_enum_item(e, SND_MIXER_SCHN_FRONT_LEFT, item);
        unsigned other = 0;
        if (err >= 0 && snd_mixer_selem_get_enum_item(e, SND_MIXER_SCHN_FRONT_RIGHT, &other) >= 0) {
            err = snd_mixer_selem_set_enum_item(e, SND_MIXER_SCHN_FRONT_RIGHT, item);
        }
        return resultOf(err);
    }

    const bool capture = isCapture(c.access);
    const auto channels = SimpleMixer::channelsOf(e, capture);
    const bool all = request.channels == 1;
    if (!all && request.channels > channels.size()) {
        return MixerResult::InvalidParameter;
    }
    for (std::size_t i = 0; i < request.channels; ++i) {
        int err = 0;
        if (c.access == Access::PlaybackVolume || c.access == Access::CaptureVolume) {
            const long raw = c.rawMin + std::min(static_cast<long>(values[i]), c.rawRange);
            if (capture) {
                err = all ? snd_mixer_selem_set_capture_volume_all(e, raw)
                          : snd_mixer_selem_set_capture_volume(e, channels[i], raw);
            } else {
                err = all ? snd_mixer_selem_set_playback_volume_all(e, raw)
                          : snd_mixer_selem_set_playback_volume(e, channels[i], raw);
            }
        } else {
            const bool on = values[i] != 0;
            const bool mute = c.access != Access::CaptureOnOff;
            const int passes = on != mute ? 1 : 0;
            if (capture) {
                err = all ? snd_mixer_selem_set_capture_switch_all(e, passes)
                          : snd_mixer_selem_set_capture_switch(e, channels[i], passes);
            } else {
                err = all ? snd_mixer_selem_set_playback_switch_all(e, passes)
                          : snd_mixer_selem_set_playback_switch(e, channels[i], passes);
            }
        }
        if (err < 0) {
            return resultOf(err);
        }
    }
    return MixerResult::Ok;
}

// The result of a mixer call that the server worker makes.
struct CallResult {
    MixerResult result = MixerResult::Error;
    std::vector<std::uint32_t> values;
};

class AlsaMixerDevice final : public MixerDevice {
public:
    // `volume`: the program's playback volume where the device offers it.
    // A device that goes through the sound server is driven on the server
    // worker (ServerCalls), so that a stopped server cannot hang a call.
    AlsaMixerDevice(std::shared_ptr<SimpleMixer> mixer, std::shared_ptr<PlaybackVolume> volume,
                    bool viaServer)
        : mixer_(std::move(mixer)), volume_(std::move(volume)), viaServer_(viaServer),
          layout_(alsa::mapElements(mixer_->infos(), volume_ != nullptr)) {}
    ~AlsaMixerDevice() override {
        // Closing a server's mixer talks to the server too.
        if (viaServer_) {
            ServerCalls::instance().release(std::move(mixer_));
        }
    }
    AlsaMixerDevice(const AlsaMixerDevice&) = delete;
    AlsaMixerDevice& operator=(const AlsaMixerDevice&) = delete;

    MixerResult destinationLine(std::uint32_t destination, MixerLine& line) override {
        if (destination >= layout_.destinations.size()) {
            return MixerResult::InvalidParameter;
        }
        line = layout_.destinations[destination].line.info;
        return MixerResult::Ok;
    }

    MixerResult sourceLine(std::uint32_t destination, std::uint32_t source,
                           MixerLine& line) override {
        if (destination >= layout_.destinations.size() ||
            source >= layout_.destinations[destination].sources.size()) {
            return MixerResult::InvalidParameter;
        }
        line = layout_.destinations[destination].sources[source].info;
        return MixerResult::Ok;
    }

    MixerResult lineControls(std::uint32_t lineId, std::vector<MixerControl>& controls) override {
        const auto* found = layout_.findLine(lineId);
        if (found == nullptr) {
            return MixerResult::InvalidLine;
        }
        controls.clear();
        for (const auto& c : found->controls) {
            controls.push_back(c.info);
        }
        return MixerResult::Ok;
    }

protected:
    MixerResult readDetails(const MixerDetailsRequest& request,
                            std::span<std::uint32_t> values) override {
        const MappedControl* c = nullptr;
        if (const auto refused = check(request, c); refused != MixerResult::Ok) {
            return refused;
        }
        if (c->access == Access::ProgramVolume) {
            const auto levels = volume_->get();
            values[0] = levels.left;
            if (values.size() > 1) {
                values[1] = levels.right;
            }
            return MixerResult::Ok;
        }
        auto done = std::make_shared<CallResult>();
        done->values.assign(values.begin(), values.end());
        if (!onCard([mixer = mixer_, control = *c, request, done] {
                done->result = readControl(*mixer, control, request, done->values);
            })) {
            return MixerResult::Error;
        }
        if (done->result == MixerResult::Ok) {
            std::copy(done->values.begin(), done->values.end(), values.begin());
        }
        return done->result;
    }

    MixerResult writeDetails(const MixerDetailsRequest& request,
                             std::span<const std::uint32_t> values) override {
        const MappedControl* c = nullptr;
        if (const auto refused = check(request, c); refused != MixerResult::Ok) {
            return refused;
        }
        if (c->access == Access::ProgramVolume) {
            // One channel sets both.
            volume_->set(values[0], values.size() > 1 ? values[1] : values[0]);
            return MixerResult::Ok;
        }
        auto done = std::make_shared<CallResult>();
        if (!onCard([mixer = mixer_, control = *c, request,
                     written = std::vector<std::uint32_t>(values.begin(), values.end()),
                     done] { done->result = writeControl(*mixer, control, request, written); })) {
            return MixerResult::Error;
        }
        return done->result;
    }

private:
    // Runs a call on the card: here, or for a server's device on the
    // server worker; false when the server did not answer in time.
    bool onCard(std::function<void()> call) const {
        if (!viaServer_) {
            call();
            return true;
        }
        return ServerCalls::instance().run(std::move(call));
    }

    MixerResult check(const MixerDetailsRequest& request, const MappedControl*& c) const {
        c = layout_.findControl(request.controlId);
        if (c == nullptr) {
            return MixerResult::InvalidControl;
        }
        if (request.items != c->info.items || request.channels > c->channels) {
            return MixerResult::InvalidParameter;
        }
        return MixerResult::Ok;
    }

    std::shared_ptr<SimpleMixer> mixer_;
    std::shared_ptr<PlaybackVolume> volume_;
    bool viaServer_;
    MixerLayout layout_;
};

std::string productNameOf(const std::string& ctlName) {
    std::string name = ctlName;
    snd_ctl_t* ctl = nullptr;
    if (snd_ctl_open(&ctl, ctlName.c_str(), 0) >= 0) {
        snd_ctl_card_info_t* info = nullptr;
        snd_ctl_card_info_alloca(&info);
        if (snd_ctl_card_info(ctl, info) >= 0 && *snd_ctl_card_info_get_name(info) != '\0') {
            name = snd_ctl_card_info_get_name(info);
        }
        snd_ctl_close(ctl);
    }
    if (ctlName == "default") {
        name += " (default)";
    }
    return cutUtf8(name, kMixerProductNameChars);
}

} // namespace

AlsaMixerService::AlsaMixerService(std::shared_ptr<PlaybackVolume> volume)
    : volume_(volume ? std::move(volume) : std::make_shared<PlaybackVolume>()) {}

void AlsaMixerService::scan() {
    snd_lib_error_set_handler(quietErrorHandler);
    devices_.clear();
    unreachable_.clear();
    std::vector<std::string> names{"default"};
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) {
        names.push_back("hw:" + std::to_string(card));
    }
    const auto version = alsa::alsaVersionWord();
    for (const auto& ctlName : names) {
        // What a device is, looked at where it may hang (a server's device
        // on the server worker).
        auto found = std::make_shared<std::optional<Entry>>();
        const auto look = [found, ctlName] {
            SimpleMixer mixer(ctlName);
            if (!mixer.loaded()) {
                return; // no such control device here
            }
            const auto layout = alsa::mapElements(mixer.infos(), offersProgramVolume(ctlName));
            Entry entry;
            entry.ctlName = ctlName;
            entry.caps.productName = productNameOf(ctlName);
            entry.caps.destinations = static_cast<std::uint32_t>(layout.destinations.size());
            *found = std::move(entry);
        };
        if (!throughServer(ctlName)) {
            look();
        } else if (!ServerCalls::instance().run(look) || (!*found && ServerCalls::silentLately())) {
            // Not there, or refused at once by a server known not to
            // answer (its queue may be full of callers waiting for it).
            unreachable_.push_back(ctlName);
            continue;
        }
        if (*found) {
            (*found)->caps.driverVersion = version;
            devices_.push_back(std::move(**found));
        }
    }
    scanned_ = true;
}

std::uint32_t AlsaMixerService::deviceCount() {
    scan();
    return static_cast<std::uint32_t>(devices_.size());
}

MixerResult AlsaMixerService::deviceCaps(std::uint32_t device, MixerCaps& caps) {
    if (!scanned_) {
        scan();
    }
    if (device >= devices_.size()) {
        return MixerResult::BadDeviceId;
    }
    caps = devices_[device].caps;
    return MixerResult::Ok;
}

MixerResult AlsaMixerService::open(std::uint32_t device, std::unique_ptr<MixerDevice>& opened) {
    if (!scanned_) {
        scan();
    }
    if (device >= devices_.size()) {
        return MixerResult::BadDeviceId;
    }
    const std::string ctlName = devices_[device].ctlName;
    const bool viaServer = throughServer(ctlName);
    auto loaded = std::make_shared<std::shared_ptr<SimpleMixer>>();
    const auto load = [loaded, ctlName] {
        *loaded = std::make_shared<SimpleMixer>(ctlName);
    };
    if (!viaServer) {
        load();
    } else if (!ServerCalls::instance().run(load)) {
        unreachable_.push_back(ctlName);
        return MixerResult::NoDriver;
    }
    std::shared_ptr<SimpleMixer> mixer = std::move(*loaded);
    if (!mixer->loaded()) {
        if (viaServer) {
            ServerCalls::instance().release(std::move(mixer));
        }
        return MixerResult::NoDriver;
    }
    const bool program = offersProgramVolume(ctlName);
    opened =
        std::make_unique<AlsaMixerDevice>(std::move(mixer), program ? volume_ : nullptr, viaServer);
    return MixerResult::Ok;
}

std::vector<std::string> AlsaMixerService::unreachableDevices() const {
    return unreachable_;
}

std::string AlsaMixerService::controlName(std::uint32_t device) const {
    return device < devices_.size() ? devices_[device].ctlName : std::string();
}

} // namespace tavo::platform
