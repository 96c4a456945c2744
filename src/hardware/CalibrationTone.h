#pragma once

#include "engine/Playback.h"
#include "engine/ToneSynthesis.h"

#include <cstdint>

namespace tavo::engine {
struct AppState;
}

namespace tavo::hardware {

// The tone of the calibration dialogs: a one-second pulse with its rising
// and falling envelope, repeated without a gap until it is switched off, on
// the channels the state's channel gains select.
class CalibrationTone {
public:
    CalibrationTone(platform::WaveOutput& wave, platform::EventPump& pump);
    ~CalibrationTone();
    CalibrationTone(const CalibrationTone&) = delete;
    CalibrationTone& operator=(const CalibrationTone&) = delete;

    // Makes the tone (level in dB relative to digital full scale, never with
    // the second run's offset) and loops
    // it on `device`. A tone already playing is stopped first. False when
    // the device could not be opened or refused the buffer: nothing plays
    // then and the device is closed again.
    bool start(engine::ChannelGains channels, std::int32_t frequency, double level, int device);
    // Stops the tone and closes the device; nothing when none plays.
    void stop();
    bool playing() const { return playing_; }
    // The device failed while the tone played; it plays no more.
    bool failed();

    // What was played last (for tests and tools).
    const engine::ToneBuffer& buffer() const { return CalibrationToneBuffer; }

private:
    engine::ToneOutput output_;
    engine::ToneBuffer CalibrationToneBuffer;
    bool playing_ = false;
};

} // namespace tavo::hardware
