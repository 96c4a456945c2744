#pragma once

#include "platform/WaveOutput.h"
#include "platform/alsa/AlsaDeviceList.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

typedef struct _snd_pcm snd_pcm_t;

namespace tavo::platform {

// Wave output through ALSA. One playback thread per open channel plays the
// written buffers in order; every ALSA call on the open PCM happens on that
// thread (open and close aside, which run while the thread does not exist).
// The GUI thread queues copies of the buffers, asks for a reset and updates
// the headers' flags from what the thread reports: the thread never touches
// the caller's memory, so a device that hangs cannot make it read a freed
// buffer or write to a freed header.
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
    bool isDone(WaveHeader& header) override;

    // The ALSA name of a listed device (for diagnostics and tools).
    std::string pcmName(int device);

private:
    enum class Played { Done, Reset, Failed };
    // A written buffer as the playback thread sees it: its own copy of the
    // frames, so nothing the caller frees is ever read on that thread.
    struct Entry {
        const WaveHeader* header = nullptr;
        std::shared_ptr<const std::vector<std::uint8_t>> frames;
        bool forever = false;
        std::uint64_t loops = 1;
        std::uint64_t id = 0;
    };

    const std::vector<alsa::PlaybackDevice>& devices();
    void run();
    Played play(const Entry& entry);
    Played waitForPlayout();
    bool dropPending();
    // GUI thread, mutex held: moves the playback thread's result for this
    // header into the header's flags.
    void collect(WaveHeader& header);

    std::optional<std::vector<alsa::PlaybackDevice>> devices_;
    snd_pcm_t* pcm_ = nullptr;
    unsigned long periodFrames_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable dropDone_;
    std::deque<Entry> queue_;
    // Buffers the playback thread has finished (kHeaderDone or
    // kHeaderFailed), until the GUI thread looks at their headers. Only the
    // GUI thread writes to headers.
    std::map<const WaveHeader*, std::uint32_t> finished_;
    std::uint64_t nextId_ = 0;
    bool quit_ = false;
    bool dropRequested_ = false;
};

} // namespace tavo::platform
