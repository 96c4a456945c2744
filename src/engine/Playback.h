#pragma once

#include "engine/ToneSynthesis.h"
#include "platform/EventPump.h"
#include "platform/WaveOutput.h"

#include <functional>

namespace tavo::engine {

// The program's one wave format: PCM, 2 channels, 44100 Hz, 16 bit.
platform::WaveFormat makeWaveFormat();

// How a wait for a buffer ended.
enum class BufferWait {
    Done,         // the buffer has been played
    DeviceFailed, // the device refused the buffer or failed while playing it
    TimedOut,     // the device stopped completing buffers
};

// The single wave-output channel of the program (the device handle, its
// one buffer header and the format block), with the two ways of using it:
//  - a looping tone for the calibration dialogs (PreparePlay, WriteHeader,
//    FinishPlay), and
//  - one buffer per pulse during a test run (openForRun, startPulse,
//    waitForPulse, releasePulse, closeRun).
// The buffer handed in must stay unchanged and alive until it has been
// released (FinishPlay or releasePulse).
class ToneOutput {
public:
    // The longest time between two looks at the response button while a
    // pulse plays.
    static constexpr int kPollIntervalMs = 50;

    ToneOutput(platform::WaveOutput& wave, platform::EventPump& pump);
    ~ToneOutput();
    ToneOutput(const ToneOutput&) = delete;
    ToneOutput& operator=(const ToneOutput&) = delete;

    // Looping tone. loops = -1 repeats until FinishPlay. Returns the result
    // of the first step that failed.
    platform::WaveResult PreparePlay(int device, const ToneBuffer& stream, std::int32_t loops);
    platform::WaveResult WriteHeader();
    void FinishPlay();
    // Whether the looping tone's device failed while it played (a sound
    // server that went away, say). False while none plays.
    bool loopFailed();

    // Per-pulse playback of a run.
    platform::WaveResult openForRun(int device);               // once per run
    platform::WaveResult startPulse(const ToneBuffer& buffer); // prepare and write
    // Waits until the buffer has been played, calling `poll` (a look at the
    // response button) at the start, at least every kPollIntervalMs and
    // once more when the buffer is done; window events are processed
    // meanwhile. The device's done notifier ends the wait as soon as the
    // buffer has been played. Never hangs: a device that fails, or that
    // has not completed the buffer after twice its duration plus one
    // second, ends the wait with an error (and the buffer is returned).
    BufferWait waitForPulse(const std::function<void()>& poll);
    void releasePulse(); // unprepare
    void closeRun();     // reset and close

    bool isOpen() const { return wave_.isOpen(); }
    const platform::WaveFormat& waveFormat() const { return format_; }
    const platform::WaveHeader& header() const { return header_; }

    // The time limit of waitForPulse() for a buffer of `bytes` bytes.
    static std::int64_t waitLimitMs(std::size_t bytes);

private:
    void pointHeaderAt(const ToneBuffer& buffer, std::uint32_t flags, std::uint32_t loops);

    platform::WaveOutput& wave_;
    platform::EventPump& pump_;
    platform::WaveFormat format_{};
    platform::WaveHeader header_;
    bool written_ = false;
    bool writeFailed_ = false;
};

} // namespace tavo::engine
