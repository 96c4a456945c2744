#include "platform/alsa/AlsaDeviceList.h"

#include "platform/ServerCalls.h"

#include <alsa/asoundlib.h>

#include <atomic>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tavo::platform::alsa {

namespace {

// Sound-server devices offered besides `default`, with the names we show.
struct ServerDevice {
    const char* pcmName;
    const char* shownName;
};
constexpr ServerDevice kServerDevices[] = {
    {"pulse", "PulseAudio Sound Server"},
    {"pipewire", "PipeWire Sound Server"},
};

// ALSA prints its configuration errors to stderr (a missing card, a sound
// server that does not answer). Those are expected while we probe devices;
// the list itself tells the user what is there.
void quietErrorHandler(const char*, int, const char*, int, const char*, ...) {}

bool canOpenForPlayback(const char* pcmName) {
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, pcmName, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        return false;
    }
    snd_pcm_close(pcm);
    return true;
}

bool hintListed(const char* pcmName) {
    void** hints = nullptr;
    if (snd_device_name_hint(-1, "pcm", &hints) < 0 || hints == nullptr) {
        return false;
    }
    bool found = false;
    for (void** hint = hints; *hint != nullptr && !found; ++hint) {
        char* name = snd_device_name_get_hint(*hint, "NAME");
        if (name != nullptr) {
            found = std::string(name) == pcmName;
            std::free(name);
        }
    }
    snd_device_name_free_hint(hints);
    return found;
}

void addCardDevices(std::vector<PlaybackDevice>& out, std::uint32_t version) {
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) {
        char ctlName[32];
        std::snprintf(ctlName, sizeof ctlName, "hw:%d", card);
        snd_ctl_t* ctl = nullptr;
        if (snd_ctl_open(&ctl, ctlName, 0) < 0) {
            continue;
        }
        snd_ctl_card_info_t* cardInfo = nullptr;
        snd_ctl_card_info_alloca(&cardInfo);
        std::string cardId = std::to_string(card);
        std::string cardName = cardId;
        if (snd_ctl_card_info(ctl, cardInfo) == 0) {
            cardId = snd_ctl_card_info_get_id(cardInfo);
            cardName = snd_ctl_card_info_get_name(cardInfo);
        }
        int device = -1;
        while (snd_ctl_pcm_next_device(ctl, &device) == 0 && device >= 0) {
            snd_pcm_info_t* pcmInfo = nullptr;
            snd_pcm_info_alloca(&pcmInfo);
            snd_pcm_info_set_device(pcmInfo, static_cast<unsigned>(device));
            snd_pcm_info_set_subdevice(pcmInfo, 0);
            snd_pcm_info_set_stream(pcmInfo, SND_PCM_STREAM_PLAYBACK);
            if (snd_ctl_pcm_info(ctl, pcmInfo) < 0) {
                continue; // capture-only device
            }
            PlaybackDevice entry;
            entry.pcmName = "plughw:CARD=" + cardId + ",DEV=" + std::to_string(device);
            entry.caps.productName =
                cutDeviceName(cardName + ": " + snd_pcm_info_get_name(pcmInfo));
            entry.caps.driverVersion = version;
            out.push_back(std::move(entry));
        }
        snd_ctl_close(ctl);
    }
}

} // namespace

std::uint32_t alsaVersionWord() {
    unsigned major = 0;
    unsigned minor = 0;
    if (std::sscanf(snd_asoundlib_version(), "%u.%u", &major, &minor) != 2) {
        return 0;
    }
    return ((major & 0xFFu) << 8) | (minor & 0xFFu);
}

std::vector<PlaybackDevice> listPlaybackDevices(std::vector<std::string>* unreachable) {
    snd_lib_error_set_handler(quietErrorHandler);
    std::vector<PlaybackDevice> devices;
    const auto version = alsaVersionWord();
    // `default` and the server's own devices go through the sound server:
    // opening them waits for it, at most a while.
    const auto serverDeviceOpens = [unreachable](const char* pcmName) {
        auto opens = std::make_shared<std::atomic<bool>>(false);
        const std::string name = pcmName;
        const bool answered = ServerCalls::instance().run(
            [opens, name] { *opens = canOpenForPlayback(name.c_str()); });
        // Refused at once by a server known not to answer counts as not
        // reached too (its queue may be full of callers waiting for it).
        if (!answered || (!opens->load() && ServerCalls::silentLately())) {
            if (unreachable != nullptr) {
                unreachable->push_back(name);
            }
            return false;
        }
        return true;
    };
    if (serverDeviceOpens("default")) {
        devices.push_back({"default", {cutDeviceName("Default Output (default)"), version}});
    }
    for (const auto& server : kServerDevices) {
        if (hintListed(server.pcmName) && serverDeviceOpens(server.pcmName)) {
            devices.push_back({server.pcmName, {cutDeviceName(server.shownName), version}});
        }
    }
    addCardDevices(devices, version);
    return devices;
}

} // namespace tavo::platform::alsa
