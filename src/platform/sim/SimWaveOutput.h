#pragma once

#include "platform/EventPump.h"
#include "platform/WaveOutput.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace tavo::platform {

// Simulated wave output. It records every buffer written and completes the
// buffers by the event pump's clock, one after the other, as a sound card
// would play them. It can be told to fail an open or a write, or to stop
// completing buffers altogether (a stalled device).
class SimWaveOutput final : public WaveOutput {
public:
    struct Written {
        int device = -1;
        std::vector<std::uint8_t> bytes;
        std::uint32_t loops = 0;
        std::uint32_t flagsAtWrite = 0;
        std::int64_t timeMs = 0;
    };

    // `clock` must outlive this object.
    explicit SimWaveOutput(const EventPump& clock);

    // The device list; by default one device.
    void setDevices(std::vector<WaveOutCaps> devices) { devices_ = std::move(devices); }
    void failNextOpen(WaveResult result) { openFailure_ = result; }
    void failWrites(WaveResult result) { writeFailure_ = result; }
    void setStalled(bool stalled) { stalled_ = stalled; }
    // The device breaks while playing: every queued buffer is returned
    // with the failure flag instead of the done flag.
    void failQueued();

    const std::vector<Written>& written() const { return written_; }
    // Keeps only the buffer written last (a long simulation need not hold
    // every pulse it played); written() then has at most one entry.
    void keepLastBufferOnly(bool only) { keepLastOnly_ = only; }
    // How many buffers were written so far, kept or not.
    std::size_t writeCount() const { return writes_; }
    std::vector<WaveFormat> openedFormats() const { return formats_; }
    int openCount() const { return opens_; }
    int closeCount() const { return closes_; }
    int resetCount() const { return resets_; }
    int openDevice() const { return device_; }

    std::string backendName() const override { return "simulated"; }
    int deviceCount() override { return static_cast<int>(devices_.size()); }
    WaveResult deviceCaps(int device, WaveOutCaps& caps) override;
    WaveResult open(int device, const WaveFormat& format) override;
    WaveResult prepareHeader(WaveHeader& header) override;
    WaveResult write(WaveHeader& header) override;
    WaveResult reset() override;
    WaveResult unprepareHeader(WaveHeader& header) override;
    WaveResult close() override;
    bool isOpen() const override { return device_ >= 0; }
    bool isDone(WaveHeader& header) override;

private:
    struct Queued {
        WaveHeader* header;
        std::int64_t endMs; // -1: never ends by itself
    };
    void complete();

    const EventPump& clock_;
    std::vector<WaveOutCaps> devices_;
    std::vector<Written> written_;
    std::vector<WaveFormat> formats_;
    std::deque<Queued> queue_;
    WaveResult openFailure_ = WaveResult::Ok;
    WaveResult writeFailure_ = WaveResult::Ok;
    bool stalled_ = false;
    bool keepLastOnly_ = false;
    std::size_t writes_ = 0;
    int device_ = -1;
    int opens_ = 0;
    int closes_ = 0;
    int resets_ = 0;
    std::int64_t busyUntilMs_ = 0;
};

} // namespace tavo::platform
