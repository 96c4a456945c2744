#include "platform/alsa/AlsaWaveOutput.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace tavo::platform {

namespace {

constexpr unsigned kBufferTimeUs = 100000; // 100 ms ring buffer
constexpr unsigned kPeriodTimeUs = 25000;  // written in 25 ms pieces
constexpr int kBytesPerFrame = 4;

// A device that takes no data for this long has stopped: the buffer fails.
constexpr auto kStallLimit = std::chrono::seconds(2);

bool configure(snd_pcm_t* pcm, const WaveFormat& format, unsigned long& periodFrames,
               bool& floatSamples) {
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
    unsigned bufferTime = kBufferTimeUs;
    unsigned periodTime = kPeriodTimeUs;
    snd_pcm_hw_params_set_buffer_time_near(pcm, hw, &bufferTime, nullptr);
    snd_pcm_hw_params_set_period_time_near(pcm, hw, &periodTime, nullptr);
    if (snd_pcm_hw_params(pcm, hw) < 0) {
        return false;
    }
    snd_pcm_uframes_t period = 0;
    snd_pcm_uframes_t buffer = 0;
    snd_pcm_hw_params_get_period_size(hw, &period, nullptr);
    snd_pcm_hw_params_get_buffer_size(hw, &buffer);
    periodFrames = std::max<snd_pcm_uframes_t>(period, 64);

    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    if (snd_pcm_sw_params_current(pcm, sw) < 0 ||
        // Start as soon as one period is there; a short buffer is started
        // explicitly when it has been written completely.
        snd_pcm_sw_params_set_start_threshold(pcm, sw, period) < 0 ||
        snd_pcm_sw_params_set_avail_min(pcm, sw, period) < 0 || snd_pcm_sw_params(pcm, sw) < 0) {
        return false;
    }
    (void)buffer;
    return true;
}

} // namespace

AlsaWaveOutput::AlsaWaveOutput(std::shared_ptr<PlaybackVolume> volume)
    : volume_(volume ? std::move(volume) : std::make_shared<PlaybackVolume>()) {}

AlsaWaveOutput::~AlsaWaveOutput() {
    if (isOpen()) {
        reset();
        close();
    }
}

const std::vector<alsa::PlaybackDevice>& AlsaWaveOutput::devices() {
    if (!devices_) {
        devices_ = alsa::listPlaybackDevices();
    }
    return *devices_;
}

int AlsaWaveOutput::deviceCount() {
    return static_cast<int>(devices().size());
}

WaveResult AlsaWaveOutput::deviceCaps(int device, WaveOutCaps& caps) {
    if (device < 0 || device >= deviceCount()) {
        return WaveResult::BadDeviceId;
    }
    caps = devices()[static_cast<std::size_t>(device)].caps;
    return WaveResult::Ok;
}

std::string AlsaWaveOutput::pcmName(int device) {
    if (device < 0 || device >= deviceCount()) {
        return {};
    }
    return devices()[static_cast<std::size_t>(device)].pcmName;
}

WaveResult AlsaWaveOutput::open(int device, const WaveFormat& format) {
    if (device < 0 || device >= deviceCount()) {
        return WaveResult::BadDeviceId;
    }
    if (isOpen()) {
        return WaveResult::Allocated;
    }
    if (format.formatTag != 1 || format.bitsPerSample != 16 || format.channels != 2 ||
        format.blockAlign != kBytesPerFrame) {
        return WaveResult::BadFormat;
    }
    snd_pcm_t* pcm = nullptr;
    // Non-blocking: the playback thread waits for room itself, a little at
    // a time, so it sees a reset at once and notices a device that stopped
    // taking data instead of hanging in a write.
    if (snd_pcm_open(&pcm, pcmName(device).c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) <
        0) {
        return WaveResult::NoDriver;
    }
    if (!configure(pcm, format, periodFrames_, floatSamples_)) {
        snd_pcm_close(pcm);
        return WaveResult::BadFormat;
    }
    // The thread converts one period at a time into this chunk.
    floatChunk_.assign(floatSamples_ ? periodFrames_ * 2 : 0, 0.0f);
    intChunk_.assign(floatSamples_ ? 0 : periodFrames_ * 2, 0);
    pcm_ = pcm;
    quit_ = false;
    dropRequested_ = false;
    thread_ = std::thread([this] { run(); });
    return WaveResult::Ok;
}

WaveResult AlsaWaveOutput::prepareHeader(WaveHeader& header) {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    if (header.data == nullptr && header.bufferLength > 0) {
        return WaveResult::InvalidParameter;
    }
    header.flags.fetch_or(kHeaderPrepared);
    return WaveResult::Ok;
}

WaveResult AlsaWaveOutput::write(WaveHeader& header) {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    if ((header.flags.load() & kHeaderPrepared) == 0) {
        return WaveResult::Unprepared;
    }
    Entry entry;
    entry.header = &header;
    entry.frames = std::make_shared<const std::vector<std::uint8_t>>(
        header.data, header.data + header.bufferLength);
    const bool looping = (header.flags.load() & kHeaderBeginLoop) != 0;
    entry.forever = looping && header.loops == kLoopUntilReset;
    entry.loops = looping ? std::max<std::uint32_t>(header.loops, 1) : 1;
    {
        std::lock_guard lock(mutex_);
        finished_.erase(&header);
        entry.id = nextId_++;
        header.flags.fetch_and(~(kHeaderDone | kHeaderFailed));
        header.flags.fetch_or(kHeaderInQueue);
        queue_.push_back(std::move(entry));
    }
    wake_.notify_all();
    return WaveResult::Ok;
}

void AlsaWaveOutput::collect(WaveHeader& header) {
    const auto it = finished_.find(&header);
    if (it == finished_.end()) {
        return;
    }
    header.flags.fetch_and(~kHeaderInQueue);
    header.flags.fetch_or(it->second);
    finished_.erase(it);
}

bool AlsaWaveOutput::isDone(WaveHeader& header) {
    std::lock_guard lock(mutex_);
    collect(header);
    return header.done();
}

WaveResult AlsaWaveOutput::reset() {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    std::unique_lock lock(mutex_);
    // Every buffer comes back at once, played or not; the thread works on
    // copies, so the callers may free theirs whatever the device does.
    for (auto& [header, result] : finished_) {
        auto* writable = const_cast<WaveHeader*>(header);
        writable->flags.fetch_and(~kHeaderInQueue);
        writable->flags.fetch_or(result);
    }
    finished_.clear();
    for (auto& entry : queue_) {
        auto* writable = const_cast<WaveHeader*>(entry.header);
        writable->flags.fetch_and(~kHeaderInQueue);
        writable->flags.fetch_or(kHeaderDone);
    }
    queue_.clear();
    dropRequested_ = true;
    wake_.notify_all();
    // The playback thread stops the PCM within one period (about 25 ms).
    if (!dropDone_.wait_for(lock, std::chrono::seconds(2), [this] { return !dropRequested_; })) {
        return WaveResult::Error;
    }
    return WaveResult::Ok;
}

WaveResult AlsaWaveOutput::unprepareHeader(WaveHeader& header) {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    std::lock_guard lock(mutex_);
    collect(header);
    if ((header.flags.load() & kHeaderInQueue) != 0) {
        return WaveResult::StillPlaying;
    }
    header.flags.fetch_and(~kHeaderPrepared);
    return WaveResult::Ok;
}

WaveResult AlsaWaveOutput::close() {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    {
        std::lock_guard lock(mutex_);
        if (!queue_.empty()) {
            return WaveResult::StillPlaying;
        }
        quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
    snd_pcm_drop(pcm_);
    snd_pcm_close(pcm_);
    pcm_ = nullptr;
    finished_.clear();
    return WaveResult::Ok;
}

bool AlsaWaveOutput::dropPending() {
    std::lock_guard lock(mutex_);
    return dropRequested_;
}

void AlsaWaveOutput::run() {
    for (;;) {
        Entry entry;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || dropRequested_ || !queue_.empty(); });
            if (dropRequested_) {
                lock.unlock();
                // Stop the PCM at once; the buffers went back with the reset.
                snd_pcm_drop(pcm_);
                snd_pcm_prepare(pcm_);
                lock.lock();
                dropRequested_ = false;
                dropDone_.notify_all();
                continue;
            }
            if (quit_) {
                return;
            }
            entry = queue_.front();
        }
        const Played played = play(entry);
        if (played == Played::Reset) {
            continue;
        }
        std::lock_guard lock(mutex_);
        // A reset meanwhile has returned the buffer already.
        if (!queue_.empty() && queue_.front().id == entry.id) {
            queue_.pop_front();
            // A failed buffer is not "done": the waiting side sees the
            // failure and reports it instead of waiting for a buffer that
            // never ends.
            finished_[entry.header] = played == Played::Done ? kHeaderDone : kHeaderFailed;
        }
    }
}

AlsaWaveOutput::Played AlsaWaveOutput::play(const Entry& entry) {
    const auto state = snd_pcm_state(pcm_);
    if (state == SND_PCM_STATE_XRUN || state == SND_PCM_STATE_SETUP) {
        snd_pcm_prepare(pcm_);
    }
    const auto frames = static_cast<snd_pcm_uframes_t>(entry.frames->size() / kBytesPerFrame);
    const std::uint8_t* data = entry.frames->data();
    const bool forever = entry.forever;
    const std::uint64_t loops = entry.loops;

    if (frames == 0) {
        if (!forever) {
            return Played::Done;
        }
        // Nothing to repeat: just wait for the reset.
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return dropRequested_ || quit_; });
        return Played::Reset;
    }
    auto lastProgress = Clock::now();
    for (std::uint64_t pass = 0; forever || pass < loops; ++pass) {
        snd_pcm_uframes_t offset = 0;
        while (offset < frames) {
            if (dropPending()) {
                return Played::Reset;
            }
            const auto chunk = std::min<snd_pcm_uframes_t>(periodFrames_, frames - offset);
            // The volume is read once per chunk: a buffer written after a
            // change plays at it from its first sample, a looping tone takes
            // it within the ring buffer.
            const auto gain = StereoGain::of(volume_->get());
            if (floatSamples_) {
                scaleFrames(data + offset * kBytesPerFrame, chunk, gain, floatChunk_.data());
            } else {
                scaleFrames(data + offset * kBytesPerFrame, chunk, gain, intChunk_.data());
            }
            if (const Played written = writeChunk(chunk, lastProgress); written != Played::Done) {
                return written;
            }
            offset += chunk;
        }
    }
    return waitForPlayout();
}

AlsaWaveOutput::Played AlsaWaveOutput::writeChunk(std::size_t frames,
                                                  Clock::time_point& lastProgress) {
    std::size_t offset = 0;
    while (offset < frames) {
        if (dropPending()) {
            return Played::Reset;
        }
        const void* from = floatSamples_ ? static_cast<const void*>(floatChunk_.data() + offset * 2)
                                         : static_cast<const void*>(intChunk_.data() + offset * 2);
        auto written = snd_pcm_writei(pcm_, from, frames - offset);
        if (written == -EAGAIN) {
            // The ring buffer is full: wait for room.
            if (Clock::now() - lastProgress > kStallLimit) {
                return Played::Failed;
            }
            if (snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED) {
                snd_pcm_start(pcm_);
            }
            snd_pcm_wait(pcm_, 10);
            continue;
        }
        if (written < 0) {
            written = snd_pcm_recover(pcm_, static_cast<int>(written), 1);
            if (written < 0) {
                return Played::Failed;
            }
            continue;
        }
        lastProgress = Clock::now();
        offset += static_cast<std::size_t>(written);
    }
    return Played::Done;
}

// Waits until the written frames have been played out, so that "done"
// means what it means on a sound card: the listener has heard the buffer.
AlsaWaveOutput::Played AlsaWaveOutput::waitForPlayout() {
    if (snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED) {
        snd_pcm_start(pcm_);
    }
    snd_pcm_sframes_t delay = 0;
    if (snd_pcm_delay(pcm_, &delay) < 0) {
        delay = 0;
    }
    // Never wait much longer than the data can take, whatever the device says.
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(std::max<snd_pcm_sframes_t>(delay, 0) / 44 + 500);
    for (;;) {
        if (dropPending()) {
            return Played::Reset;
        }
        const auto state = snd_pcm_state(pcm_);
        if (state != SND_PCM_STATE_RUNNING && state != SND_PCM_STATE_DRAINING) {
            return Played::Done;
        }
        if (snd_pcm_delay(pcm_, &delay) < 0 || delay <= 0 || Clock::now() > deadline) {
            return Played::Done;
        }
        const long remainingMs = static_cast<long>(delay) * 1000 / 44100;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::clamp(remainingMs, 1L, 5L)));
    }
}

} // namespace tavo::platform
