#pragma once

#include "engine/TestServices.h"

namespace tavo::engine {
struct AppState;
}
namespace tavo::platform {
class EndpointVolume;
}

namespace tavo::hardware {

class MIXER_e;

// The sound card's volumes during a hearing test, through the mixer layer
// and, where the system has one, the endpoint volume:
//  - prepare: PrepareSoundCard;
//  - silence (start of each ear): the wave volume to 0, and on the mixer
//    path the master volume too;
//  - setVolumes (start of each frequency): the wave volume to StepUnit x
//    WaveSteps on both channels; the master level to MasterSteps / 1000 on
//    the endpoint path, otherwise the master volume to StepUnit x
//    MasterSteps, on both channels when the control is uniform and on the
//    tested ear's channel only when it is not.
// A control without steps has no step unit and is left alone.
class MixerTestSoundCard final : public engine::TestSoundCard {
public:
    // All must outlive this object; the endpoint may be absent.
    MixerTestSoundCard(const engine::AppState& state, MIXER_e& mixer,
                       platform::EndpointVolume* endpoint);

    void prepare() override;
    void silence() override;
    void setVolumes(int ear, const engine::TCalibrationPoint& point) override;

private:
    const engine::AppState& state_;
    MIXER_e& mixer_;
    platform::EndpointVolume* endpoint_;
};

} // namespace tavo::hardware
