#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavo::platform {

// Result codes of the wave-output service. The numbers follow the classic
// multimedia error codes so that a future Windows backend can pass its own
// results through unchanged.
enum class WaveResult : std::uint32_t {
    Ok = 0,
    Error = 1,
    BadDeviceId = 2,
    Allocated = 4,
    InvalidHandle = 5,
    NoDriver = 6,
    NoMemory = 7,
    InvalidParameter = 11,
    BadFormat = 32,
    StillPlaying = 33,
    Unprepared = 34,
};

const char* waveResultName(WaveResult result);

// The format block handed to open(). The program only ever plays
// 44100 Hz, 16 bit, 2 channel PCM (see engine/WaveFormat.h).
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;
};

// Header flag bits.
inline constexpr std::uint32_t kHeaderDone = 0x1;
inline constexpr std::uint32_t kHeaderPrepared = 0x2;
inline constexpr std::uint32_t kHeaderBeginLoop = 0x4;
inline constexpr std::uint32_t kHeaderEndLoop = 0x8;
inline constexpr std::uint32_t kHeaderInQueue = 0x10;
// Set by a backend instead of kHeaderDone when the device failed while
// playing the buffer, so that a waiting caller can give up at once.
inline constexpr std::uint32_t kHeaderFailed = 0x1000;

// The loop count that means "repeat until reset" (all bits set).
inline constexpr std::uint32_t kLoopUntilReset = 0xFFFFFFFFu;

// One buffer header. The caller owns the header and the memory it points
// at; both must stay alive until the buffer is done (or the device was
// reset) and the header unprepared. `flags` is written by a backend's
// playback thread, hence atomic.
struct WaveHeader {
    const std::uint8_t* data = nullptr;
    std::uint32_t bufferLength = 0;
    std::uint32_t bytesRecorded = 0;
    std::uintptr_t user = 0;
    std::atomic<std::uint32_t> flags{0};
    std::uint32_t loops = 1;
    std::uint32_t reserved = 0;

    bool done() const { return (flags.load(std::memory_order_acquire) & kHeaderDone) != 0; }
    bool failed() const { return (flags.load(std::memory_order_acquire) & kHeaderFailed) != 0; }
};

struct WaveOutCaps {
    std::string productName;     // at most 31 characters
    std::uint32_t driverVersion; // major in bits 8..15, minor in bits 0..7
};

// The wave-output service: a list of playback devices and one output
// channel that plays buffers in the order written.
//
// Guarantees of every backend:
//  - deviceCount() and deviceCaps() never open a channel;
//  - only one channel is open at a time; open() while open gives Allocated;
//  - write() queues the header and returns at once; the backend sets
//    kHeaderDone when the buffer (all its loops) has been played, or when
//    reset() returns it;
//  - reset() returns every queued buffer (done flag set) before it returns;
//  - unprepare() of a queued header gives StillPlaying;
//  - nothing ever blocks longer than a short, bounded time.
class WaveOutput {
public:
    virtual ~WaveOutput() = default;

    virtual std::string backendName() const = 0;
    virtual int deviceCount() = 0;
    virtual WaveResult deviceCaps(int device, WaveOutCaps& caps) = 0;
    // The devices the list leaves out because the sound server they go
    // through did not answer when the list was made ("default", "pulse").
    virtual std::vector<std::string> unreachableDevices() { return {}; }

    virtual WaveResult open(int device, const WaveFormat& format) = 0;
    virtual WaveResult prepareHeader(WaveHeader& header) = 0;
    virtual WaveResult write(WaveHeader& header) = 0;
    virtual WaveResult reset() = 0;
    virtual WaveResult unprepareHeader(WaveHeader& header) = 0;
    virtual WaveResult close() = 0;
    virtual bool isOpen() const = 0;

    // The done flag of a header. A backend whose buffers complete by a
    // clock it does not own (the simulation) brings the flag up to date here.
    virtual bool isDone(WaveHeader& header) { return header.done(); }

    // Called, on any thread, whenever a written buffer has finished (played
    // or failed), so that a caller waiting for it can look at once instead
    // of at its next poll; empty to stop. It must be quick and thread-safe
    // (waking the event pump is what it is for). A backend whose buffers
    // complete by a clock the caller drives (the simulation) has nothing to
    // tell and ignores it.
    virtual void setDoneNotifier(std::function<void()> notify) { static_cast<void>(notify); }
};

// Cuts a device name to the 31 characters that the caps record holds
// (counting characters, not bytes, so a UTF-8 name is never split).
std::string cutDeviceName(const std::string& name);

} // namespace tavo::platform
