#pragma once

#include "platform/PlaybackVolume.h"
#include "platform/WaveOutput.h"
#include "platform/alsa/AlsaDeviceList.h"

#include <chrono>
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
//
// The thread plays every chunk at the program's playback volume, read once
// per chunk as it copies the chunk into the PCM: a change acts from the
// first sample of the next buffer written after it (on a looping tone,
// within the ring buffer's latency). The PCM takes float samples where the
// device accepts them, so the volume costs no extra rounding and unity
// plays the very 16-bit samples; otherwise 16 bit, rounded once.
class AlsaWaveOutput final : public WaveOutput {
public:
    // Without a volume the output keeps one of its own, at unity.
    explicit AlsaWaveOutput(std::shared_ptr<PlaybackVolume> volume = nullptr);
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
    using Clock = std::chrono::steady_clock;
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
    // Writes the converted chunk (`frames` frames) completely.
    Played writeChunk(std::size_t frames, Clock::time_point& lastProgress);
    Played waitForPlayout();
    bool dropPending();
    // GUI thread, mutex held: moves the playback thread's result for this
    // header into the header's flags.
    void collect(WaveHeader& header);

    std::optional<std::vector<alsa::PlaybackDevice>> devices_;
    std::shared_ptr<PlaybackVolume> volume_;
    snd_pcm_t* pcm_ = nullptr;
    unsigned long periodFrames_ = 0;
    // One chunk as the PCM takes it; sized on open, used by the thread only.
    bool floatSamples_ = false;
    std::vector<float> floatChunk_;
    std::vector<std::int16_t> intChunk_;
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
