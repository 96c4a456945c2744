#include "platform/alsa/AlsaWaveOutput.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

namespace tavo::platform {

namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned kBufferTimeUs = 100000; // 100 ms ring buffer
constexpr unsigned kPeriodTimeUs = 25000;  // written in 25 ms pieces
constexpr int kBytesPerFrame = 4;

// A device that takes no data for this long has stopped: the buffer fails.
// An ALSA call that has not returned after this long counts the same.
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
    snd_pcm_hw_params_get_period_size(hw, &period, nullptr);
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
    return true;
}

enum class Played { Done, Reset, Failed };

// A written buffer as the playback thread sees it: its own copy of the
// frames, so nothing the caller frees is ever read on that thread. The
// header pointer is only a key; the thread never follows it.
struct Entry {
    const WaveHeader* header = nullptr;
    std::shared_ptr<const std::vector<std::uint8_t>> frames;
    bool forever = false;
    std::uint64_t loops = 1;
    std::uint64_t id = 0;
};

} // namespace

// Everything the playback thread touches. The thread holds it as long as it
// runs, so the output may forget a channel whose thread hangs in the device.
struct AlsaWaveOutput::Channel {
    Channel(std::string name, const WaveFormat& wanted, std::shared_ptr<PlaybackVolume> shared)
        : pcmName(std::move(name)), format(wanted), volume(std::move(shared)) {}

    // Set before the thread starts.
    const std::string pcmName;
    const WaveFormat format;
    const std::shared_ptr<PlaybackVolume> volume;

    // The thread's own: the PCM and one chunk as the PCM takes it.
    snd_pcm_t* pcm = nullptr;
    unsigned long periodFrames = 0;
    bool floatSamples = false;
    std::vector<float> floatChunk;
    std::vector<std::int16_t> intChunk;

    // Shared; the thread never holds the lock during an ALSA call, so the
    // GUI thread always gets it at once.
    std::mutex mutex;
    std::condition_variable wake;   // to the thread: a buffer, a drop, quit
    std::condition_variable answer; // to the GUI: opened, dropped, ended
    std::deque<Entry> queue;
    // Buffers the thread has finished (kHeaderDone or kHeaderFailed), until
    // the GUI thread looks at their headers. Only the GUI thread writes to
    // headers.
    std::map<const WaveHeader*, std::uint32_t> finished;
    std::uint64_t nextId = 0;
    bool quit = false;
    bool dropRequested = false;
    std::optional<WaveResult> opened;
    bool ended = false; // the PCM is closed, the thread returns

    // When the ALSA call now running began (steady clock ticks), 0 between
    // calls: the GUI thread's view of a thread that hangs in the device.
    std::atomic<Clock::rep> callSince{0};

    void run();
    bool callHangs() const {
        const auto since = callSince.load(std::memory_order_relaxed);
        return since != 0 && Clock::now() - Clock::time_point(Clock::duration(since)) > kStallLimit;
    }

private:
    template <class Call> auto device(Call&& call) {
        callSince.store(std::max<Clock::rep>(Clock::now().time_since_epoch().count(), 1),
                        std::memory_order_relaxed);
        auto result = call();
        callSince.store(0, std::memory_order_relaxed);
        return result;
    }
    WaveResult openPcm();
    void serve();
    Played play(const Entry& entry);
    // Writes the converted chunk (`frames` frames) completely.
    Played writeChunk(std::size_t frames, Clock::time_point& lastProgress);
    Played waitForPlayout();
    bool stopPending();
};

void AlsaWaveOutput::Channel::run() {
    const WaveResult result = openPcm();
    {
        std::lock_guard lock(mutex);
        opened = result;
    }
    answer.notify_all();
    if (result == WaveResult::Ok) {
        serve();
        // Stop at once rather than play out what the ring buffer holds.
        device([this] { return snd_pcm_drop(pcm); });
        device([this] { return snd_pcm_close(pcm); });
        pcm = nullptr;
    }
    {
        std::lock_guard lock(mutex);
        ended = true;
    }
    answer.notify_all();
}

WaveResult AlsaWaveOutput::Channel::openPcm() {
    snd_pcm_t* opening = nullptr;
    // Non-blocking: the thread waits for room itself, a little at a time,
    // so it sees a reset at once and notices a device that stopped taking
    // data instead of hanging in a write.
    if (device([&] {
            return snd_pcm_open(&opening, pcmName.c_str(), SND_PCM_STREAM_PLAYBACK,
                                SND_PCM_NONBLOCK);
        }) < 0) {
        return WaveResult::NoDriver;
    }
    if (!device([&] { return configure(opening, format, periodFrames, floatSamples); })) {
        device([&] { return snd_pcm_close(opening); });
        return WaveResult::BadFormat;
    }
    // One period at a time is converted into this chunk.
    floatChunk.assign(floatSamples ? periodFrames * 2 : 0, 0.0f);
    intChunk.assign(floatSamples ? 0 : periodFrames * 2, 0);
    pcm = opening;
    return WaveResult::Ok;
}

bool AlsaWaveOutput::Channel::stopPending() {
    std::lock_guard lock(mutex);
    // A thread that comes back from a hang after its output gave up on it
    // finds quit set and must not play on.
    return dropRequested || quit;
}

void AlsaWaveOutput::Channel::serve() {
    for (;;) {
        Entry entry;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return quit || dropRequested || !queue.empty(); });
            if (dropRequested) {
                lock.unlock();
                // Stop the PCM at once; the buffers went back with the reset.
                device([this] { return snd_pcm_drop(pcm); });
                device([this] { return snd_pcm_prepare(pcm); });
                lock.lock();
                dropRequested = false;
                answer.notify_all();
                continue;
            }
            if (quit) {
                return;
            }
            entry = queue.front();
        }
        const Played played = play(entry);
        if (played == Played::Reset) {
            continue;
        }
        std::lock_guard lock(mutex);
        // A reset meanwhile has returned the buffer already.
        if (!queue.empty() && queue.front().id == entry.id) {
            queue.pop_front();
            // A failed buffer is not "done": the waiting side sees the
            // failure and reports it instead of waiting for a buffer that
            // never ends.
            finished[entry.header] = played == Played::Done ? kHeaderDone : kHeaderFailed;
        }
    }
}

Played AlsaWaveOutput::Channel::play(const Entry& entry) {
    const auto state = device([this] { return snd_pcm_state(pcm); });
    if (state == SND_PCM_STATE_XRUN || state == SND_PCM_STATE_SETUP) {
        device([this] { return snd_pcm_prepare(pcm); });
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
        std::unique_lock lock(mutex);
        wake.wait(lock, [this] { return dropRequested || quit; });
        return Played::Reset;
    }
    auto lastProgress = Clock::now();
    for (std::uint64_t pass = 0; forever || pass < loops; ++pass) {
        snd_pcm_uframes_t offset = 0;
        while (offset < frames) {
            if (stopPending()) {
                return Played::Reset;
            }
            const auto chunk = std::min<snd_pcm_uframes_t>(periodFrames, frames - offset);
            // The volume is read once per chunk: a buffer written after a
            // change plays at it from its first sample, a looping tone takes
            // it within the ring buffer.
            const auto gain = StereoGain::of(volume->get());
            if (floatSamples) {
                scaleFrames(data + offset * kBytesPerFrame, chunk, gain, floatChunk.data());
            } else {
                scaleFrames(data + offset * kBytesPerFrame, chunk, gain, intChunk.data());
            }
            if (const Played written = writeChunk(chunk, lastProgress); written != Played::Done) {
                return written;
            }
            offset += chunk;
        }
    }
    return waitForPlayout();
}

Played AlsaWaveOutput::Channel::writeChunk(std::size_t frames, Clock::time_point& lastProgress) {
    std::size_t offset = 0;
    while (offset < frames) {
        if (stopPending()) {
            return Played::Reset;
        }
        const void* from = floatSamples ? static_cast<const void*>(floatChunk.data() + offset * 2)
                                        : static_cast<const void*>(intChunk.data() + offset * 2);
        auto written = device([&] { return snd_pcm_writei(pcm, from, frames - offset); });
        if (written == -EAGAIN) {
            // The ring buffer is full: wait for room.
            if (Clock::now() - lastProgress > kStallLimit) {
                return Played::Failed;
            }
            if (device([this] { return snd_pcm_state(pcm); }) == SND_PCM_STATE_PREPARED) {
                device([this] { return snd_pcm_start(pcm); });
            }
            device([this] { return snd_pcm_wait(pcm, 10); });
            continue;
        }
        if (written < 0) {
            written = device([&] { return snd_pcm_recover(pcm, static_cast<int>(written), 1); });
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
Played AlsaWaveOutput::Channel::waitForPlayout() {
    if (device([this] { return snd_pcm_state(pcm); }) == SND_PCM_STATE_PREPARED) {
        device([this] { return snd_pcm_start(pcm); });
    }
    snd_pcm_sframes_t delay = 0;
    if (device([&] { return snd_pcm_delay(pcm, &delay); }) < 0) {
        delay = 0;
    }
    // Never wait much longer than the data can take, whatever the device says.
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(std::max<snd_pcm_sframes_t>(delay, 0) / 44 + 500);
    for (;;) {
        if (stopPending()) {
            return Played::Reset;
        }
        const auto state = device([this] { return snd_pcm_state(pcm); });
        if (state != SND_PCM_STATE_RUNNING && state != SND_PCM_STATE_DRAINING) {
            return Played::Done;
        }
        if (device([&] { return snd_pcm_delay(pcm, &delay); }) < 0 || delay <= 0 ||
            Clock::now() > deadline) {
            return Played::Done;
        }
        const long remainingMs = static_cast<long>(delay) * 1000 / 44100;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::clamp(remainingMs, 1L, 5L)));
    }
}

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

void AlsaWaveOutput::abandon() {
    thread_.detach();
    channel_.reset();
    stuck_ = false;
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
    auto channel = std::make_shared<Channel>(pcmName(device), format, volume_);
    // Even opening the PCM can hang (a sound server that takes the
    // connection but never answers), so the thread does that too.
    std::thread thread([channel] { channel->run(); });
    std::unique_lock lock(channel->mutex);
    if (!channel->answer.wait_for(lock, kAnswerLimit,
                                  [&channel] { return channel->opened.has_value(); })) {
        // It closes the PCM again should the open ever return.
        channel->quit = true;
        lock.unlock();
        thread.detach();
        return WaveResult::Error;
    }
    const WaveResult opened = *channel->opened;
    if (opened != WaveResult::Ok) {
        // The thread has nothing left to do but return.
        const bool ended =
            channel->answer.wait_for(lock, kAnswerLimit, [&channel] { return channel->ended; });
        lock.unlock();
        if (ended) {
            thread.join();
        } else {
            thread.detach();
        }
        return opened;
    }
    lock.unlock();
    channel_ = std::move(channel);
    thread_ = std::move(thread);
    stuck_ = false;
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
    if (stuck_) {
        // The thread hangs in the device; nothing would ever play.
        return WaveResult::Error;
    }
    Entry entry;
    entry.header = &header;
    entry.frames = std::make_shared<const std::vector<std::uint8_t>>(
        header.data, header.data + header.bufferLength);
    const bool looping = (header.flags.load() & kHeaderBeginLoop) != 0;
    entry.forever = looping && header.loops == kLoopUntilReset;
    entry.loops = looping ? std::max<std::uint32_t>(header.loops, 1) : 1;
    Channel& channel = *channel_;
    {
        std::lock_guard lock(channel.mutex);
        channel.finished.erase(&header);
        entry.id = channel.nextId++;
        header.flags.fetch_and(~(kHeaderDone | kHeaderFailed));
        header.flags.fetch_or(kHeaderInQueue);
        channel.queue.push_back(std::move(entry));
    }
    channel.wake.notify_all();
    return WaveResult::Ok;
}

namespace {
// GUI thread, channel locked: moves the playback thread's result for this
// header into the header's flags.
void collect(std::map<const WaveHeader*, std::uint32_t>& finished, WaveHeader& header) {
    const auto it = finished.find(&header);
    if (it == finished.end()) {
        return;
    }
    header.flags.fetch_and(~kHeaderInQueue);
    header.flags.fetch_or(it->second);
    finished.erase(it);
}
} // namespace

bool AlsaWaveOutput::isDone(WaveHeader& header) {
    if (!isOpen()) {
        return header.done();
    }
    Channel& channel = *channel_;
    std::lock_guard lock(channel.mutex);
    if (!channel.queue.empty() && channel.callHangs()) {
        // The thread has hung in the device for longer than a stalled write
        // may take: every queued buffer fails, as it would on the thread.
        for (const auto& entry : channel.queue) {
            channel.finished[entry.header] = kHeaderFailed;
        }
        channel.queue.clear();
        stuck_ = true;
    }
    collect(channel.finished, header);
    return header.done();
}

WaveResult AlsaWaveOutput::reset() {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    Channel& channel = *channel_;
    std::unique_lock lock(channel.mutex);
    // Every buffer comes back at once, played or not; the thread works on
    // copies, so the callers may free theirs whatever the device does.
    for (auto& [header, result] : channel.finished) {
        auto* writable = const_cast<WaveHeader*>(header);
        writable->flags.fetch_and(~kHeaderInQueue);
        writable->flags.fetch_or(result);
    }
    channel.finished.clear();
    std::vector<WaveHeader*> returned;
    for (auto& entry : channel.queue) {
        auto* writable = const_cast<WaveHeader*>(entry.header);
        writable->flags.fetch_and(~kHeaderInQueue);
        writable->flags.fetch_or(kHeaderDone);
        returned.push_back(writable);
    }
    channel.queue.clear();
    // Asked even of a thread that hangs, so that it stops the PCM should it
    // ever come back.
    channel.dropRequested = true;
    channel.wake.notify_all();
    stuck_ = stuck_ || channel.callHangs();
    if (!stuck_) {
        // The playback thread stops the PCM within one period (about 25 ms).
        stuck_ = !channel.answer.wait_for(lock, kAnswerLimit,
                                          [&channel] { return !channel.dropRequested; });
    }
    if (stuck_) {
        // Returned, but not played: a caller that looks sees the failure.
        for (auto* header : returned) {
            header->flags.fetch_or(kHeaderFailed);
        }
        return WaveResult::Error;
    }
    return WaveResult::Ok;
}

WaveResult AlsaWaveOutput::unprepareHeader(WaveHeader& header) {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    Channel& channel = *channel_;
    std::lock_guard lock(channel.mutex);
    collect(channel.finished, header);
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
    Channel& channel = *channel_;
    std::unique_lock lock(channel.mutex);
    if (!channel.queue.empty()) {
        return WaveResult::StillPlaying;
    }
    channel.quit = true;
    channel.wake.notify_all();
    // A thread known to hang is not waited for a second time.
    const bool ended =
        !stuck_ && !channel.callHangs() &&
        channel.answer.wait_for(lock, kAnswerLimit, [&channel] { return channel.ended; });
    lock.unlock();
    if (!ended) {
        // The thread closes the PCM and lets the channel go if the device
        // ever lets it return.
        abandon();
        return WaveResult::Error;
    }
    thread_.join(); // it has closed the PCM; only returning is left
    channel_.reset();
    stuck_ = false;
    return WaveResult::Ok;
}

} // namespace tavo::platform
