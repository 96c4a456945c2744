#pragma once

#include "platform/WaveOutput.h"
#include "platform/alsa/AlsaDeviceList.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

typedef struct _snd_pcm snd_pcm_t;

namespace tavo::platform {

// Wave output through ALSA. One playback thread per open channel plays the
// written buffers in order; every ALSA call on the open PCM happens on that
// thread (open and close aside, which run while the thread does not exist),
// so the GUI thread only queues headers, reads their flags and asks for a
// reset.
class AlsaWaveOutput final : public WaveOutput {
public:
    AlsaWaveOutput();
    ~AlsaWaveOutput() override;
    AlsaWaveOutput(const AlsaWaveOutput&) = delete;
    AlsaWaveOutput& operator=(const AlsaWaveOutput&) = delete;

    std::string backendName() const override { return "ALSA"; }
    int deviceCount() override;
    WaveResult deviceCaps(int device, WaveOutCaps& caps) override;
    WaveResult open(int device, const WaveFormat& format) override;
    WaveResult prepareHeader(WaveHeader& header) override;
    WaveResult write(WaveHeader& header) override;
    WaveResult reset() override;
    WaveResult unprepareHeader(WaveHeader& header) override;
    WaveResult close() override;
    bool isOpen() const override { return pcm_ != nullptr; }

    // The ALSA name of a listed device (for diagnostics and tools).
    std::string pcmName(int device);

private:
    enum class Played { Done, Reset, Failed };
    const std::vector<alsa::PlaybackDevice>& devices();
    void run();
    Played play(WaveHeader& header);
    Played waitForPlayout();
    bool resetPending();
    void finishReset();

    std::optional<std::vector<alsa::PlaybackDevice>> devices_;
    snd_pcm_t* pcm_ = nullptr;
    unsigned long periodFrames_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable resetDone_;
    std::deque<WaveHeader*> queue_;
    bool quit_ = false;
    bool resetRequested_ = false;
};

} // namespace tavo::platform
