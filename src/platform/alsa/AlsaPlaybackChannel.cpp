#include "platform/alsa/AlsaPlaybackChannel.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <pthread.h>
#include <sched.h>
#include <thread>

namespace tavo::platform::alsa {

namespace {

// Pulses play from a 50 ms ring buffer in 5 ms periods. The sound server
// asks for data a period at a time, so between buffers the stream runs on a
// lead of a period and a half (checked on PulseAudio's null sink, also with
// a core busy), and a new buffer starts that little behind the last. A
// looping tone needs no such lead but plays for minutes: it takes a 200 ms
// ring in 50 ms periods, a tenth of the wake-ups of the server and of this
// thread (the process then needs less than twice the time of aplay playing
// the same tone); a volume change reaches it within the 200 ms.
struct Timing {
    unsigned bufferUs;
    unsigned periodUs;
};
constexpr Timing kPulseTiming{50000, 5000};
constexpr Timing kLoopTiming{200000, 50000};
constexpr int kBytesPerFrame = 4;
constexpr long kRate = 44100;

// A device that takes no data for this long has stopped: the buffer fails.
// An ALSA call that has not returned after this long counts the same.
constexpr auto kStallLimit = std::chrono::seconds(2);
// Between buffers the stream is fed with silence for this long; after that
// it stops and the next buffer starts it again (after a message box, say).
constexpr auto kIdleLimit = std::chrono::milliseconds(500);

std::chrono::microseconds durationOf(long frames) {
    return std::chrono::microseconds(std::max(frames, 0L) * 1000000 / kRate);
}

bool configure(snd_pcm_t* pcm, const WaveFormat& format, Timing timing, long& bufferFrames,
               long& periodFrames, bool& floatSamples) {
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    if (snd_pcm_hw_params_any(pcm, hw) < 0 ||
        snd_pcm_hw_params_set_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) < 0) {
        return false;
    }
    // Float where the device takes it: the playback volume then adds no
    // rounding of its own, and the server's conversion to its 16-bit sink
    // gives back the very samples at unity.
    floatSamples = snd_pcm_hw_params_test_format(pcm, hw, SND_PCM_FORMAT_FLOAT_LE) == 0;
    if (snd_pcm_hw_params_set_format(
            pcm, hw, floatSamples ? SND_PCM_FORMAT_FLOAT_LE : SND_PCM_FORMAT_S16_LE) < 0 ||
        snd_pcm_hw_params_set_channels(pcm, hw, format.channels) < 0 ||
        snd_pcm_hw_params_set_rate(pcm, hw, format.samplesPerSec, 0) < 0) {
        return false;
    }
    unsigned bufferTime = timing.bufferUs;
    unsigned periodTime = timing.periodUs;
    snd_pcm_hw_params_set_buffer_time_near(pcm, hw, &bufferTime, nullptr);
    snd_pcm_hw_params_set_period_time_near(pcm, hw, &periodTime, nullptr);
    if (snd_pcm_hw_params(pcm, hw) < 0) {
        return false;
    }
    snd_pcm_uframes_t buffer = 0;
    snd_pcm_uframes_t period = 0;
    snd_pcm_hw_params_get_buffer_size(hw, &buffer);
    snd_pcm_hw_params_get_period_size(hw, &period, nullptr);
    periodFrames = std::max<long>(static_cast<long>(period), 32);
    bufferFrames = std::max<long>(static_cast<long>(buffer), 2 * periodFrames);

    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    // Start as soon as one period is there; a shorter buffer is started
    // explicitly when it has been written completely.
    return snd_pcm_sw_params_current(pcm, sw) >= 0 &&
           snd_pcm_sw_params_set_start_threshold(pcm, sw, period) >= 0 &&
           snd_pcm_sw_params_set_avail_min(pcm, sw, period) >= 0 && snd_pcm_sw_params(pcm, sw) >= 0;
}

// For pulses, real-time scheduling where the system grants it (as root, or
// with a real-time limit): on a busy machine a late turn of this thread
// would let the stream's few milliseconds of lead run out. It sleeps between
// its short turns, so it cannot starve anything. A looping tone has lead
// enough and runs at the normal priority (the switches cost time).
void setRealTime(bool on) {
    sched_param param{};
    param.sched_priority = on ? 10 : 0;
    pthread_setschedparam(pthread_self(), on ? SCHED_RR : SCHED_OTHER, &param);
}

} // namespace

PlaybackChannel::PlaybackChannel(std::string pcmName, const WaveFormat& format,
                                 std::shared_ptr<PlaybackVolume> volume)
    : pcmName_(std::move(pcmName)), format_(format), volume_(std::move(volume)) {}

bool PlaybackChannel::callHangs() const {
    const auto since = callSince_.load(std::memory_order_relaxed);
    return since != 0 && Clock::now() - Clock::time_point(Clock::duration(since)) > kStallLimit;
}

template <class Call> auto PlaybackChannel::device(Call&& call) {
    callSince_.store(std::max<Clock::rep>(Clock::now().time_since_epoch().count(), 1),
                     std::memory_order_relaxed);
    auto result = call();
    callSince_.store(0, std::memory_order_relaxed);
    return result;
}

void PlaybackChannel::run() {
    const WaveResult result = openPcm();
    {
        std::lock_guard lock(mutex);
        opened = result;
    }
    answer.notify_all();
    if (result == WaveResult::Ok) {
        serve();
        // Stop at once rather than play out what the ring buffer holds.
        device([this] { return snd_pcm_drop(pcm_); });
        device([this] { return snd_pcm_close(pcm_); });
        pcm_ = nullptr;
    }
    {
        std::lock_guard lock(mutex);
        ended = true;
    }
    answer.notify_all();
}

WaveResult PlaybackChannel::openPcm() {
    snd_pcm_t* opening = nullptr;
    // Non-blocking: the thread waits for room itself, so it sees a reset at
    // once and notices a device that stopped taking data instead of hanging
    // in a write.
    if (device([&] {
            return snd_pcm_open(&opening, pcmName_.c_str(), SND_PCM_STREAM_PLAYBACK,
                                SND_PCM_NONBLOCK);
        }) < 0) {
        return WaveResult::NoDriver;
    }
    pcm_ = opening;
    if (!configureFor(false)) {
        device([&] { return snd_pcm_close(opening); });
        pcm_ = nullptr;
        return WaveResult::BadFormat;
    }
    return WaveResult::Ok;
}

bool PlaybackChannel::configureFor(bool looping) {
    if (configured_ && looping == looping_) {
        return true;
    }
    if (configured_) {
        device([this] { return snd_pcm_drop(pcm_); });
        device([this] { return snd_pcm_hw_free(pcm_); });
        streaming_ = false;
    }
    configured_ = device([&] {
        return configure(pcm_, format_, looping ? kLoopTiming : kPulseTiming, bufferFrames_,
                         periodFrames_, floatSamples_);
    });
    looping_ = looping;
    setRealTime(!looping);
    // Up to a ring buffer at a time is converted into this chunk.
    const auto samples = static_cast<std::size_t>(bufferFrames_) * 2;
    floatChunk_.assign(floatSamples_ ? samples : 0, 0.0f);
    intChunk_.assign(floatSamples_ ? 0 : samples, 0);
    // Zero bits are silence in both sample formats.
    silence_.assign(samples * (floatSamples_ ? sizeof(float) : sizeof(std::int16_t)), 0);
    return configured_;
}

bool PlaybackChannel::stopPending() {
    std::lock_guard lock(mutex);
    // A thread that comes back from a hang after its output gave up on it
    // finds quit set and must not play on.
    return dropRequested || quit;
}

bool PlaybackChannel::pause(std::chrono::microseconds time) {
    std::unique_lock lock(mutex);
    return !wake.wait_for(lock, std::max(time, std::chrono::microseconds(500)),
                          [this] { return dropRequested || quit; });
}

void PlaybackChannel::stopStream() {
    device([this] { return snd_pcm_drop(pcm_); });
    device([this] { return snd_pcm_prepare(pcm_); });
    streaming_ = false;
}

void PlaybackChannel::serve() {
    long idleDelay = 0; // the stream's delay after the last feeding
    for (;;) {
        QueuedBuffer next;
        {
            std::unique_lock lock(mutex);
            const auto due = [this] {
                return quit || dropRequested || !queue.empty();
            };
            if (streaming_) {
                // Wake when the stream needs feeding again.
                wake.wait_for(lock, untilFeeding(idleDelay), due);
            } else {
                wake.wait(lock, due);
            }
            if (dropRequested) {
                lock.unlock();
                // Stop the PCM at once; the buffers went back with the reset.
                stopStream();
                lock.lock();
                dropRequested = false;
                answer.notify_all();
                continue;
            }
            if (quit) {
                return;
            }
            if (queue.empty()) {
                lock.unlock();
                if (Clock::now() - lastBufferEnd_ > kIdleLimit) {
                    stopStream(); // only silence was left to play
                } else {
                    keepFed(idleDelay);
                }
                continue;
            }
            next = queue.front();
        }
        const Played played = play(next);
        lastBufferEnd_ = Clock::now();
        if (played == Played::Reset) {
            continue;
        }
        std::lock_guard lock(mutex);
        // A reset meanwhile has returned the buffer already.
        if (!queue.empty() && queue.front().id == next.id) {
            queue.pop_front();
            // A failed buffer is not "done": the waiting side sees the
            // failure and reports it instead of waiting for a buffer that
            // never ends.
            finished[next.header] = played == Played::Done ? kHeaderDone : kHeaderFailed;
            if (onFinished) {
                onFinished();
            }
        }
    }
}

PlaybackChannel::Played PlaybackChannel::play(const QueuedBuffer& buffer) {
    if (!configureFor(buffer.forever)) {
        return Played::Failed;
    }
    const auto state = device([this] { return snd_pcm_state(pcm_); });
    if (state == SND_PCM_STATE_XRUN || state == SND_PCM_STATE_SETUP) {
        device([this] { return snd_pcm_prepare(pcm_); });
        streaming_ = false;
    }
    const auto frames = buffer.frames->size() / kBytesPerFrame;
    if (frames == 0) {
        if (!buffer.forever) {
            return Played::Done;
        }
        // Nothing to repeat: just wait for the reset.
        std::unique_lock lock(mutex);
        wake.wait(lock, [this] { return dropRequested || quit; });
        return Played::Reset;
    }
    auto lastProgress = Clock::now();
    for (std::uint64_t pass = 0; buffer.forever || pass < buffer.loops; ++pass) {
        if (const Played written = writeFrames(buffer.frames->data(), frames, lastProgress);
            written != Played::Done) {
            return written;
        }
    }
    return waitForPlayout();
}

std::optional<long> PlaybackChannel::filled() {
    const auto avail = device([this] { return snd_pcm_avail_update(pcm_); });
    if (avail < 0) {
        return std::nullopt;
    }
    return std::max(bufferFrames_ - static_cast<long>(avail), 0L);
}

PlaybackChannel::Played PlaybackChannel::writeFrames(const std::uint8_t* data, std::size_t frames,
                                                     Clock::time_point& lastProgress) {
    std::size_t offset = 0;
    while (offset < frames) {
        if (stopPending()) {
            return Played::Reset;
        }
        const auto left = static_cast<long>(frames - offset);
        const auto fill = filled();
        if (!fill) {
            // Ran dry: start again from here.
            if (device([this] { return snd_pcm_prepare(pcm_); }) < 0) {
                return Played::Failed;
            }
            continue;
        }
        const long room = bufferFrames_ - *fill;
        // Refill when half the ring is free (or what is left fits): fewer
        // wake-ups than a period at a time, and never below half a ring.
        const long wanted = std::min(bufferFrames_ / 2, left);
        if (room < wanted) {
            if (Clock::now() - lastProgress > kStallLimit) {
                return Played::Failed;
            }
            if (device([this] { return snd_pcm_state(pcm_); }) == SND_PCM_STATE_PREPARED) {
                device([this] { return snd_pcm_start(pcm_); });
            }
            if (!pause(durationOf(wanted - room))) {
                return Played::Reset;
            }
            continue;
        }
        const long count = std::min(room, left);
        // The volume is read once per piece: a buffer written after a
        // change plays at it from its first sample, a looping tone takes it
        // within the ring buffer.
        const auto gain = StereoGain::of(volume_->get());
        const std::uint8_t* from = data + offset * kBytesPerFrame;
        const auto pieceFrames = static_cast<std::size_t>(count);
        const void* piece = nullptr;
        if (floatSamples_) {
            scaleFrames(from, pieceFrames, gain, floatChunk_.data());
            piece = floatChunk_.data();
        } else {
            scaleFrames(from, pieceFrames, gain, intChunk_.data());
            piece = intChunk_.data();
        }
        const auto written = device(
            [&] { return snd_pcm_writei(pcm_, piece, static_cast<snd_pcm_uframes_t>(count)); });
        if (written == -EAGAIN) {
            continue;
        }
        if (written < 0) {
            if (device([&] { return snd_pcm_recover(pcm_, static_cast<int>(written), 1); }) < 0) {
                return Played::Failed;
            }
            continue;
        }
        lastProgress = Clock::now();
        offset += static_cast<std::size_t>(written);
        streaming_ =
            streaming_ || device([this] { return snd_pcm_state(pcm_); }) == SND_PCM_STATE_RUNNING;
    }
    return Played::Done;
}

long PlaybackChannel::keepFed(long& delay) {
    // Judged by the delay, which the server's timing makes exact to a few
    // frames, not by the ring's fill, which moves in whole requests of the
    // server: a lead of a period and a half keeps the server from running
    // dry, and it is all the next buffer waits behind.
    const long lead = periodFrames_ + periodFrames_ / 2;
    snd_pcm_sframes_t now = 0;
    if (device([&] { return snd_pcm_delay(pcm_, &now); }) < 0) {
        delay = 0;
        return 0;
    }
    delay = static_cast<long>(now);
    const auto fill = filled();
    if (!fill || delay >= lead) {
        return 0;
    }
    const long count = std::min(lead + periodFrames_ / 2 - delay, bufferFrames_ - *fill);
    const auto written = device([&] {
        return snd_pcm_writei(pcm_, silence_.data(), static_cast<snd_pcm_uframes_t>(count));
    });
    const long fed = std::max<long>(static_cast<long>(written), 0L);
    delay += fed;
    return fed;
}

std::chrono::microseconds PlaybackChannel::untilFeeding(long delay) const {
    return durationOf(std::clamp(delay - (periodFrames_ + periodFrames_ / 2), 20L, periodFrames_));
}

// Waits until the buffer's last frame has been played, feeding silence
// behind it meanwhile, so that "done" means what it means on a sound card:
// the listener has heard the buffer.
PlaybackChannel::Played PlaybackChannel::waitForPlayout() {
    if (device([this] { return snd_pcm_state(pcm_); }) == SND_PCM_STATE_PREPARED) {
        device([this] { return snd_pcm_start(pcm_); });
    }
    streaming_ = true;
    long silenceAfter = 0;
    snd_pcm_sframes_t delay = 0;
    if (device([&] { return snd_pcm_delay(pcm_, &delay); }) < 0) {
        delay = 0;
    }
    // Never wait much longer than the data can take, whatever the device says.
    const auto deadline = Clock::now() + durationOf(delay) + std::chrono::milliseconds(500);
    for (;;) {
        if (stopPending()) {
            return Played::Reset;
        }
        const auto state = device([this] { return snd_pcm_state(pcm_); });
        if (state != SND_PCM_STATE_RUNNING && state != SND_PCM_STATE_DRAINING) {
            streaming_ = false; // ran dry: everything written has been played
            return Played::Done;
        }
        if (device([&] { return snd_pcm_delay(pcm_, &delay); }) < 0 || delay <= silenceAfter ||
            Clock::now() > deadline) {
            return Played::Done;
        }
        long ahead = 0;
        const long fed = keepFed(ahead);
        silenceAfter += fed;
        // Sleep until the buffer's end or until the stream needs feeding.
        const long toEnd = ahead - silenceAfter;
        const long toFeed = ahead - (periodFrames_ + periodFrames_ / 2);
        const long frames = std::clamp(std::min(toEnd, toFeed), 20L, 4 * periodFrames_);
        if (!pause(durationOf(frames))) {
            return Played::Reset;
        }
    }
}

} // namespace tavo::platform::alsa
