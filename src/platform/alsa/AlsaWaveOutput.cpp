#include "platform/alsa/AlsaWaveOutput.h"

#include "platform/alsa/AlsaPlaybackChannel.h"

#include <algorithm>

namespace tavo::platform {

namespace {
constexpr int kBytesPerFrame = 4;
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
        devices_ = alsa::listPlaybackDevices(&unreachable_);
    }
    return *devices_;
}

std::vector<std::string> AlsaWaveOutput::unreachableDevices() {
    devices();
    return unreachable_;
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
    {
        // The thread outlives this output: it must not call back into it.
        std::lock_guard lock(channel_->mutex);
        channel_->onFinished = nullptr;
    }
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
    auto channel = std::make_shared<alsa::PlaybackChannel>(pcmName(device), format, volume_);
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
    channel->onFinished = doneNotifier_;
    lock.unlock();
    channel_ = std::move(channel);
    thread_ = std::move(thread);
    stuck_ = false;
    return WaveResult::Ok;
}

void AlsaWaveOutput::setDoneNotifier(std::function<void()> notify) {
    doneNotifier_ = std::move(notify);
    if (channel_) {
        std::lock_guard lock(channel_->mutex);
        channel_->onFinished = doneNotifier_;
    }
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
    alsa::QueuedBuffer entry;
    entry.header = &header;
    entry.frames = std::make_shared<const std::vector<std::uint8_t>>(
        header.data, header.data + header.bufferLength);
    const bool looping = (header.flags.load() & kHeaderBeginLoop) != 0;
    entry.forever = looping && header.loops == kLoopUntilReset;
    entry.loops = looping ? std::max<std::uint32_t>(header.loops, 1) : 1;
    alsa::PlaybackChannel& channel = *channel_;
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
    alsa::PlaybackChannel& channel = *channel_;
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
    alsa::PlaybackChannel& channel = *channel_;
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
        // The playback thread sees the request at once and stops the PCM.
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
    alsa::PlaybackChannel& channel = *channel_;
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
    alsa::PlaybackChannel& channel = *channel_;
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
