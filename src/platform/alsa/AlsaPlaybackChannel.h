#pragma once

#include "platform/PlaybackVolume.h"
#include "platform/WaveOutput.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

typedef struct _snd_pcm snd_pcm_t;

namespace tavo::platform::alsa {

using Clock = std::chrono::steady_clock;

// A written buffer as the playback thread sees it: its own copy of the
// frames, so nothing the caller frees is ever read on that thread. The
// header pointer is only a key; the thread never follows it.
struct QueuedBuffer {
    const WaveHeader* header = nullptr;
    std::shared_ptr<const std::vector<std::uint8_t>> frames;
    bool forever = false;
    std::uint64_t loops = 1;
    std::uint64_t id = 0;
};

// One open playback channel: everything its thread touches, and the
// thread's work. The thread makes every ALSA call on the PCM, opening and
// closing included, and never holds the lock during one, so the GUI thread
// (AlsaWaveOutput) always gets the lock at once. The thread holds the
// channel as long as it runs, so the output may forget a channel whose
// thread hangs in the device.
//
// The stream keeps running between the buffers of a run: once a buffer has
// been written, silence follows it, a few milliseconds at a time, until the
// next buffer comes (or nothing has come for a while, or a reset). A buffer
// then starts behind those few milliseconds instead of restarting a stream
// that ran dry, which costs a period and more. A buffer is done when its
// last frame has been played: when the frames the device still has to play
// (its delay) are no more than the silence written after it.
class PlaybackChannel {
public:
    PlaybackChannel(std::string pcmName, const WaveFormat& format,
                    std::shared_ptr<PlaybackVolume> volume);

    // The thread's whole life: opens the PCM and says how that went, plays
    // what is queued until told to quit, closes the PCM.
    void run();

    // Whether an ALSA call has been running for longer than a device that
    // has stopped may take: the GUI thread's view of a thread that hangs.
    bool callHangs() const;

    // Shared between the thread and the output, under `mutex`.
    std::mutex mutex;
    std::condition_variable wake;   // to the thread: a buffer, a drop, quit
    std::condition_variable answer; // to the output: opened, dropped, ended
    std::deque<QueuedBuffer> queue;
    // Buffers the thread has finished (kHeaderDone or kHeaderFailed), until
    // the output looks at their headers. Only the output writes to headers.
    std::map<const WaveHeader*, std::uint32_t> finished;
    std::uint64_t nextId = 0;
    bool quit = false;
    bool dropRequested = false;
    std::optional<WaveResult> opened;
    bool ended = false; // the PCM is closed, the thread returns
    // Called on the thread, with the lock held, when a buffer has finished.
    std::function<void()> onFinished;

private:
    enum class Played { Done, Reset, Failed };

    template <class Call> auto device(Call&& call);
    WaveResult openPcm();
    // Sets the PCM up for pulses or for a looping tone, unless it is.
    bool configureFor(bool looping);
    void serve();
    void stopStream();
    Played play(const QueuedBuffer& buffer);
    Played writeFrames(const std::uint8_t* data, std::size_t frames,
                       Clock::time_point& lastProgress);
    Played waitForPlayout();
    // Tops the running stream up with silence when it holds less than the
    // lead; the frames written. `delay` becomes the stream's delay after it.
    long keepFed(long& delay);
    // How long a stream with this delay may go without feeding.
    std::chrono::microseconds untilFeeding(long delay) const;
    bool stopPending();
    // Sleeps up to `time`; false when a reset or quit came meanwhile.
    bool pause(std::chrono::microseconds time);
    // Frames in the ring buffer not yet taken by the device; nothing on an
    // underrun.
    std::optional<long> filled();

    const std::string pcmName_;
    const WaveFormat format_;
    const std::shared_ptr<PlaybackVolume> volume_;
    // When the ALSA call now running began (steady clock ticks), 0 between
    // calls.
    std::atomic<Clock::rep> callSince_{0};

    // The thread's own.
    snd_pcm_t* pcm_ = nullptr;
    long bufferFrames_ = 0;
    long periodFrames_ = 0;
    bool floatSamples_ = false;
    std::vector<float> floatChunk_;
    std::vector<std::int16_t> intChunk_;
    std::vector<std::uint8_t> silence_; // one ring buffer of zero frames
    bool streaming_ = false;            // started, and fed between buffers
    bool configured_ = false;
    bool looping_ = false;
    Clock::time_point lastBufferEnd_{};
};

} // namespace tavo::platform::alsa
