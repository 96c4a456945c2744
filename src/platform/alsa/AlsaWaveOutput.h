#pragma once

#include "platform/PlaybackVolume.h"
#include "platform/WaveOutput.h"
#include "platform/alsa/AlsaDeviceList.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace tavo::platform {

namespace alsa {
class PlaybackChannel;
}

// Wave output through ALSA. One playback thread per open channel does every
// ALSA call on its PCM, from snd_pcm_open to snd_pcm_close, and plays the
// written buffers in order. The GUI thread queues copies of the buffers,
// asks for a reset and updates the headers' flags from what the thread
// reports: the thread never touches the caller's memory, so a device that
// hangs cannot make it read a freed buffer or write to a freed header.
//
// A sound server that stops answering (stopped, or busy elsewhere) can hold
// the thread inside an ALSA call for any length of time. So everything the
// thread uses (the PCM, queue, lock, chunk and volume) lives in one shared
// channel object, and the GUI thread only ever waits for it with a bound:
// open, reset and close give up after 2 s, report Error, and from then on
// the channel counts as failed. A queued buffer is failed (kHeaderFailed)
// when the device takes no data for 2 s or an ALSA call has not come back
// for 2 s; a reset that the thread cannot carry out returns the buffers with
// kHeaderDone and kHeaderFailed. close() of a failed channel does not wait
// again: it leaves the thread and the channel to themselves, and the thread
// closes the PCM and frees the channel if the call ever returns.
//
// "Done" means played out (the PCM's delay has run down), as on a sound
// card; the thread then calls the done notifier, so a waiting caller need
// not poll. Between the buffers of a run the stream keeps running on a few
// milliseconds of silence (alsa::PlaybackChannel). Writes are non-blocking,
// so the thread sees a reset at once.
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
    std::vector<std::string> unreachableDevices() override;
    WaveResult deviceCaps(int device, WaveOutCaps& caps) override;
    WaveResult open(int device, const WaveFormat& format) override;
    WaveResult prepareHeader(WaveHeader& header) override;
    WaveResult write(WaveHeader& header) override;
    WaveResult reset() override;
    WaveResult unprepareHeader(WaveHeader& header) override;
    WaveResult close() override;
    bool isOpen() const override { return channel_ != nullptr; }
    bool isDone(WaveHeader& header) override;
    void setDoneNotifier(std::function<void()> notify) override;

    // The ALSA name of a listed device (for diagnostics and tools).
    std::string pcmName(int device);

private:
    // How long the GUI thread waits for the playback thread to open, stop
    // or close the PCM before it counts the device as failed.
    static constexpr std::chrono::seconds kAnswerLimit{2};

    const std::vector<alsa::PlaybackDevice>& devices();
    // Leaves the playback thread to itself and forgets the channel.
    void abandon();

    std::optional<std::vector<alsa::PlaybackDevice>> devices_;
    std::vector<std::string> unreachable_;
    std::shared_ptr<PlaybackVolume> volume_;
    std::shared_ptr<alsa::PlaybackChannel> channel_;
    std::function<void()> doneNotifier_;
    std::thread thread_;
    // A wait for the playback thread timed out: it is stuck in the device,
    // so nothing waits for it again.
    bool stuck_ = false;
};

} // namespace tavo::platform
