#include "hardware/PrepareSoundCard.h"

#include "engine/AppState.h"
#include "hardware/MIXER_e.h"

namespace tavo::hardware {

void PrepareSoundCard(const engine::AppState& state, MIXER_e& mixer) {
    if (!state.UseEndpointVolume) {
        for (TMixSwitchControl* mute :
             {&mixer.AuxMute, &mixer.MicMute, &mixer.LineMute, &mixer.CDMute, &mixer.SynthMute,
              &mixer.DigitalMute, &mixer.PCSpeakerMute}) {
            if (mute->Present) {
                mixer.SetSwitchState(*mute, 1, 1);
            }
        }
        if (mixer.OutputGain.Present) {
            const std::int32_t half = mixer.OutputGain.Maximum / 2;
            mixer.SetUnsignedLevel(mixer.OutputGain, half, half);
        }
    }
    if (mixer.MasterOnOff.Present) {
        mixer.SetSwitchState(mixer.MasterOnOff, 0, 0);
    }
    for (TMixUnsignedControl* tone : {&mixer.MasterBass, &mixer.MasterTreble}) {
        if (tone->Present) {
            const std::int32_t half = tone->Maximum / 2;
            mixer.SetUnsignedLevel(*tone, half, half);
        }
    }
}

} // namespace tavo::hardware
