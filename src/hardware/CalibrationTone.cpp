#include "hardware/CalibrationTone.h"

namespace tavo::hardware {

CalibrationTone::CalibrationTone(platform::WaveOutput& wave, platform::EventPump& pump)
    : output_(wave, pump) {}

CalibrationTone::~CalibrationTone() {
    stop();
}

bool CalibrationTone::start(engine::ChannelGains channels, std::int32_t frequency, double level,
                            int device) {
    stop();
    CalibrationToneBuffer.clear();
    // Never with the second run's offset: a calibration is made at the level
    // its page asks for, whatever test ran before.
    engine::synthesizePulse(frequency, CalibrationToneBuffer, level, 1.0, 0.0, channels.left,
                            channels.right);
    // The all-ones loop count: repeat until reset.
    if (output_.PreparePlay(device, CalibrationToneBuffer, -1) != platform::WaveResult::Ok ||
        output_.WriteHeader() != platform::WaveResult::Ok) {
        output_.FinishPlay();
        return false;
    }
    playing_ = true;
    return true;
}

bool CalibrationTone::failed() {
    return playing_ && output_.loopFailed();
}

void CalibrationTone::stop() {
    if (playing_) {
        output_.FinishPlay();
        playing_ = false;
    }
}

} // namespace tavo::hardware
