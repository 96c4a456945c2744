#include "engine/Playback.h"

namespace tavo::engine {

using platform::WaveResult;

platform::WaveFormat makeWaveFormat() {
    platform::WaveFormat format;
    format.formatTag = 1;
    format.channels = 2;
    format.samplesPerSec = kSampleRate;
    format.avgBytesPerSec = kSampleRate * kBytesPerFrame;
    format.blockAlign = kBytesPerFrame;
    format.bitsPerSample = 16;
    format.extraSize = 0;
    return format;
}

ToneOutput::ToneOutput(platform::WaveOutput& wave, platform::EventPump& pump)
    : wave_(wave), pump_(pump) {}

ToneOutput::~ToneOutput() {
    wave_.setDoneNotifier(nullptr);
    if (wave_.isOpen()) {
        wave_.reset();
        wave_.unprepareHeader(header_);
        wave_.close();
    }
}

void ToneOutput::pointHeaderAt(const ToneBuffer& buffer, std::uint32_t flags, std::uint32_t loops) {
    header_.data = buffer.data();
    header_.bufferLength = static_cast<std::uint32_t>(buffer.size());
    header_.bytesRecorded = 0;
    header_.user = 0;
    header_.flags.store(flags);
    header_.loops = loops;
    header_.reserved = 0;
}

WaveResult ToneOutput::PreparePlay(int device, const ToneBuffer& stream, std::int32_t loops) {
    // The one channel is busy with a tone that was not finished: leave its
    // header alone.
    if (wave_.isOpen()) {
        return WaveResult::Allocated;
    }
    format_ = makeWaveFormat();
    const std::uint32_t flags =
        loops == 1 ? 0u : (platform::kHeaderBeginLoop | platform::kHeaderEndLoop);
    pointHeaderAt(stream, flags, static_cast<std::uint32_t>(loops));
    written_ = false;
    writeFailed_ = false;
    const auto opened = wave_.open(device, format_);
    if (opened != WaveResult::Ok) {
        return opened;
    }
    return wave_.prepareHeader(header_);
}

WaveResult ToneOutput::WriteHeader() {
    const auto result = wave_.write(header_);
    written_ = result == WaveResult::Ok;
    writeFailed_ = !written_;
    return result;
}

void ToneOutput::FinishPlay() {
    if (!wave_.isOpen()) {
        return;
    }
    wave_.reset();
    wave_.unprepareHeader(header_);
    wave_.close();
    written_ = false;
}

bool ToneOutput::loopFailed() {
    if (!wave_.isOpen() || !written_) {
        return false;
    }
    // Brings the header's flags up to date with what the device reported.
    wave_.isDone(header_);
    return header_.failed();
}

WaveResult ToneOutput::openForRun(int device) {
    format_ = makeWaveFormat();
    const auto opened = wave_.open(device, format_);
    if (opened == WaveResult::Ok) {
        // The device says when a pulse has been played; the wait for it
        // ends then rather than at its next poll.
        wave_.setDoneNotifier([pump = &pump_] { pump->wake(); });
    }
    return opened;
}

WaveResult ToneOutput::startPulse(const ToneBuffer& buffer) {
    // The previous pulse must have been released first.
    if ((header_.flags.load() & platform::kHeaderInQueue) != 0) {
        return WaveResult::StillPlaying;
    }
    pointHeaderAt(buffer, 0, 1);
    written_ = false;
    writeFailed_ = true;
    const auto prepared = wave_.prepareHeader(header_);
    if (prepared != WaveResult::Ok) {
        return prepared;
    }
    return WriteHeader();
}

std::int64_t ToneOutput::waitLimitMs(std::size_t bytes) {
    const auto durationMs =
        static_cast<std::int64_t>(bytes) * 1000 / (kSampleRate * kBytesPerFrame);
    return 2 * durationMs + 1000;
}

BufferWait ToneOutput::waitForPulse(const std::function<void()>& poll) {
    const auto look = [&poll] {
        if (poll) {
            poll();
        }
    };
    if (writeFailed_ || !written_) {
        // The buffer never reached the device; still give the caller its
        // look so the button state stays current.
        look();
        return BufferWait::DeviceFailed;
    }
    const auto deadline = pump_.nowMs() + waitLimitMs(header_.bufferLength);
    for (;;) {
        // Also once more after the wait that ended with the buffer: a press
        // in its last moments still counts for this pulse.
        look();
        if (wave_.isDone(header_)) {
            return BufferWait::Done;
        }
        if (header_.failed()) {
            wave_.reset();
            return BufferWait::DeviceFailed;
        }
        if (pump_.nowMs() >= deadline) {
            wave_.reset(); // hand the buffer back before anyone frees it
            return BufferWait::TimedOut;
        }
        pump_.processEvents();
        pump_.wait(kPollIntervalMs);
    }
}

void ToneOutput::releasePulse() {
    if (wave_.isOpen()) {
        wave_.unprepareHeader(header_);
    }
    written_ = false;
}

void ToneOutput::closeRun() {
    wave_.setDoneNotifier(nullptr);
    if (!wave_.isOpen()) {
        return;
    }
    wave_.reset();
    wave_.unprepareHeader(header_);
    wave_.close();
    written_ = false;
}

} // namespace tavo::engine
