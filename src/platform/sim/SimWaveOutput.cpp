#include "platform/sim/SimWaveOutput.h"

#include <algorithm>

namespace tavo::platform {

namespace {
constexpr std::int64_t kBytesPerSecond = 44100 * 4;
} // namespace

SimWaveOutput::SimWaveOutput(const EventPump& clock)
    : clock_(clock), devices_{{"Simulated Wave Device", 0x0100}} {}

WaveResult SimWaveOutput::deviceCaps(int device, WaveOutCaps& caps) {
    if (device < 0 || device >= deviceCount()) {
        return WaveResult::BadDeviceId;
    }
    caps = devices_[static_cast<std::size_t>(device)];
    caps.productName = cutDeviceName(caps.productName);
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::open(int device, const WaveFormat& format) {
    if (openFailure_ != WaveResult::Ok) {
        const auto result = openFailure_;
        openFailure_ = WaveResult::Ok;
        return result;
    }
    if (device < 0 || device >= deviceCount()) {
        return WaveResult::BadDeviceId;
    }
    if (isOpen()) {
        return WaveResult::Allocated;
    }
    if (format.formatTag != 1 || format.channels == 0 || format.bitsPerSample != 16) {
        return WaveResult::BadFormat;
    }
    device_ = device;
    formats_.push_back(format);
    ++opens_;
    busyUntilMs_ = clock_.nowMs();
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::prepareHeader(WaveHeader& header) {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    header.flags.fetch_or(kHeaderPrepared);
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::write(WaveHeader& header) {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    if ((header.flags.load() & kHeaderPrepared) == 0) {
        return WaveResult::Unprepared;
    }
    if (writeFailure_ != WaveResult::Ok) {
        return writeFailure_;
    }
    Written record;
    record.device = device_;
    record.bytes.assign(header.data, header.data + header.bufferLength);
    record.loops = header.loops;
    record.flagsAtWrite = header.flags.load();
    record.timeMs = clock_.nowMs();
    if (keepLastOnly_) {
        written_.clear();
    }
    written_.push_back(std::move(record));
    ++writes_;

    header.flags.fetch_and(~kHeaderDone);
    header.flags.fetch_or(kHeaderInQueue);
    const bool loopsForever =
        (header.flags.load() & kHeaderBeginLoop) != 0 && header.loops == kLoopUntilReset;
    std::int64_t endMs = -1;
    if (!loopsForever && !stalled_) {
        const std::int64_t loops = std::max<std::int64_t>(1, header.loops);
        // Round up: a buffer is done only once its last frame has played.
        const std::int64_t durationMs =
            (static_cast<std::int64_t>(header.bufferLength) * 1000 * loops + kBytesPerSecond - 1) /
            kBytesPerSecond;
        const std::int64_t start = std::max(busyUntilMs_, clock_.nowMs());
        endMs = start + durationMs;
        busyUntilMs_ = endMs;
    }
    queue_.push_back({&header, endMs});
    complete();
    return WaveResult::Ok;
}

void SimWaveOutput::complete() {
    const auto now = clock_.nowMs();
    while (!queue_.empty() && queue_.front().endMs >= 0 && queue_.front().endMs <= now) {
        auto* header = queue_.front().header;
        queue_.pop_front();
        header->flags.fetch_and(~kHeaderInQueue);
        header->flags.fetch_or(kHeaderDone);
    }
}

void SimWaveOutput::failQueued() {
    for (auto& queued : queue_) {
        queued.header->flags.fetch_and(~kHeaderInQueue);
        queued.header->flags.fetch_or(kHeaderFailed);
    }
    queue_.clear();
}

bool SimWaveOutput::isDone(WaveHeader& header) {
    complete();
    return header.done();
}

WaveResult SimWaveOutput::reset() {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    ++resets_;
    for (auto& queued : queue_) {
        queued.header->flags.fetch_and(~kHeaderInQueue);
        queued.header->flags.fetch_or(kHeaderDone);
    }
    queue_.clear();
    busyUntilMs_ = clock_.nowMs();
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::unprepareHeader(WaveHeader& header) {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    complete();
    if ((header.flags.load() & kHeaderInQueue) != 0) {
        return WaveResult::StillPlaying;
    }
    header.flags.fetch_and(~kHeaderPrepared);
    return WaveResult::Ok;
}

WaveResult SimWaveOutput::close() {
    if (!isOpen()) {
        return WaveResult::InvalidHandle;
    }
    complete();
    if (!queue_.empty()) {
        return WaveResult::StillPlaying;
    }
    device_ = -1;
    ++closes_;
    return WaveResult::Ok;
}

} // namespace tavo::platform
