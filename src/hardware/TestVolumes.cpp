#include "hardware/TestVolumes.h"

#include "engine/AppState.h"
#include "hardware/MIXER_e.h"
#include "hardware/MasterLevel.h"
#include "hardware/PrepareSoundCard.h"

namespace tavo::hardware {

MixerTestSoundCard::MixerTestSoundCard(const engine::AppState& state, MIXER_e& mixer,
                                       platform::EndpointVolume* endpoint)
    : state_(state), mixer_(mixer), endpoint_(endpoint) {}

void MixerTestSoundCard::prepare() {
    PrepareSoundCard(state_, mixer_);
}

void MixerTestSoundCard::silence() {
    mixer_.SetUnsignedLevel(mixer_.WaveOutVolume, 0, 0);
    if (!state_.UseEndpointVolume) {
        mixer_.SetUnsignedLevel(mixer_.MasterVolume, 0, 0);
    }
}

void MixerTestSoundCard::setVolumes(int ear, const engine::TCalibrationPoint& point) {
    if (const auto unit = mixer_.WaveOutVolume.StepUnit()) {
        const std::int64_t v = *unit * point.WaveSteps;
        mixer_.SetUnsignedLevel(mixer_.WaveOutVolume, v, v);
    }
    if (state_.UseEndpointVolume) {
        ApplyMasterLevel(endpoint_, point.MasterSteps);
        return;
    }
    if (const auto unit = mixer_.MasterVolume.StepUnit()) {
        const std::int64_t m = *unit * point.MasterSteps;
        if (mixer_.MasterVolume.Uniform) {
            mixer_.SetUnsignedLevel(mixer_.MasterVolume, m, m);
        } else if (ear == engine::kLeftEar) {
            mixer_.SetUnsignedLevel(mixer_.MasterVolume, m, 0);
        } else {
            mixer_.SetUnsignedLevel(mixer_.MasterVolume, 0, m);
        }
    }
}

} // namespace tavo::hardware
