#pragma once

namespace tavo::engine {
struct AppState;
}

namespace tavo::hardware {

class MIXER_e;

// Puts the open mixer device's controls into the state that tests and
// calibrations assume, before they play. On the mixer path (no endpoint
// volume) the other sources are muted and the output gain set to half its
// maximum; on both paths the master on/off switch is turned off and bass
// and treble are set to half their maximum. Controls the card does not have
// are skipped. Neither the wave-output nor the master volume is touched:
// the test sets those per frequency.
void PrepareSoundCard(const engine::AppState& state, MIXER_e& mixer);

} // namespace tavo::hardware
