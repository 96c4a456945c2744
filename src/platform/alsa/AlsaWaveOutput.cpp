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

using Clock = std::chrono::steady_clock;
// A device that takes no data for this long has stopped: the buffer fails.
constexpr auto kStallLimit = std::chrono::seconds(2);

bool configure(snd_pcm_t* pcm, const WaveFormat& format, unsigned long& periodFrames) {
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    if (snd_pcm_hw_params_any(pcm, hw) < 0 ||
        snd_pcm_hw_params_set_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) < 0 ||
        snd_pcm_hw_params_set_format(pcm, hw, SND_PCM_FORMAT_S16_LE) < 0 ||
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

AlsaWaveOutput::AlsaWaveOutput() = default;

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
    if (!configure(pcm, format, periodFrames_)) {
        snd_pcm_close(pcm);
        return WaveResult::BadFormat;
    }
    pcm_ = pcm;
    quit_ = false;
    resetRequested_ = false;
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
    {
        std::lock_guard lock(mutex_);
        header.flags.fetch_and(~(kHeaderDone | kHeaderFailed));
        header.flags.fetch_or(kHeaderInQueue);
        queue_.push_back(&header);
    }
    wake_.notify_all();
    return WaveResult::Ok;
}

WaveResult AlsaWaveOutput::reset() {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    std::unique_lock lock(mutex_);
    resetRequested_ = true;
    wake_.notify_all();
    // The playback thread notices within one period write (about 25 ms).
    if (!resetDone_.wait_for(lock, std::chrono::seconds(2), [this] { return !resetRequested_; })) {
        return WaveResult::Error;
    }
    return WaveResult::Ok;
}

WaveResult AlsaWaveOutput::unprepareHeader(WaveHeader& header) {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
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
    return WaveResult::Ok;
}

bool AlsaWaveOutput::resetPending() {
    std::lock_guard lock(mutex_);
    return resetRequested_;
}

// Runs on the playback thread: stop the PCM at once and return every
// queued buffer.
void AlsaWaveOutput::finishReset() {
    snd_pcm_drop(pcm_);
    snd_pcm_prepare(pcm_);
    {
        std::lock_guard lock(mutex_);
        for (auto* header : queue_) {
            header->flags.fetch_and(~kHeaderInQueue);
            header->flags.fetch_or(kHeaderDone);
        }
        queue_.clear();
        resetRequested_ = false;
    }
    resetDone_.notify_all();
}

void AlsaWaveOutput::run() {
    for (;;) {
        WaveHeader* header = nullptr;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || resetRequested_ || !queue_.empty(); });
            if (resetRequested_) {
                lock.unlock();
                finishReset();
                continue;
            }
            if (quit_) {
                return;
            }
            header = queue_.front();
        }
        const Played played = play(*header);
        if (played == Played::Reset) {
            finishReset();
            continue;
        }
        std::lock_guard lock(mutex_);
        if (!queue_.empty() && queue_.front() == header) {
            queue_.pop_front();
        }
        header->flags.fetch_and(~kHeaderInQueue);
        // A failed buffer is not "done": the waiting side sees the failure
        // flag and reports it instead of waiting for a buffer that never ends.
        header->flags.fetch_or(played == Played::Done ? kHeaderDone : kHeaderFailed);
    }
}

AlsaWaveOutput::Played AlsaWaveOutput::play(WaveHeader& header) {
    const auto state = snd_pcm_state(pcm_);
    if (state == SND_PCM_STATE_XRUN || state == SND_PCM_STATE_SETUP) {
        snd_pcm_prepare(pcm_);
    }
    const auto frames = static_cast<snd_pcm_uframes_t>(header.bufferLength / kBytesPerFrame);
    const bool looping = (header.flags.load() & kHeaderBeginLoop) != 0;
    const bool forever = looping && header.loops == kLoopUntilReset;
    const std::uint64_t loops = looping ? std::max<std::uint32_t>(header.loops, 1) : 1;

    if (frames == 0) {
        if (!forever) {
            return Played::Done;
        }
        // Nothing to repeat: just wait for the reset.
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return resetRequested_ || quit_; });
        return Played::Reset;
    }
    auto lastProgress = Clock::now();
    for (std::uint64_t pass = 0; forever || pass < loops; ++pass) {
        snd_pcm_uframes_t offset = 0;
        while (offset < frames) {
            if (resetPending()) {
                return Played::Reset;
            }
            const auto chunk = std::min<snd_pcm_uframes_t>(periodFrames_, frames - offset);
            auto written = snd_pcm_writei(pcm_, header.data + offset * kBytesPerFrame, chunk);
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
            offset += static_cast<snd_pcm_uframes_t>(written);
        }
    }
    return waitForPlayout();
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
        if (resetPending()) {
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
