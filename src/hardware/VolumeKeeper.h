#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tavo::platform {
class EndpointVolume;
}

namespace tavo::hardware {

class MIXER_e;
class TMixControl;

// What the program changes on the desktop's sound devices, as it was when
// the program started, put back when it ends: the system level (endpoint
// volume) and, on the mixer device open at the start, the levels, tone
// controls and switches that the sound preparation, the test and the
// calibration dialogs set (master, wave and gain levels, bass and treble,
// the master's on/off and the sources' mutes). While the program runs its
// settings stay (a calibration's slider moves are the examiner's intent).
class VolumeKeeper {
public:
    // Reads what there is now. Both must outlive the keeper; the endpoint
    // may be absent.
    VolumeKeeper(MIXER_e& mixer, platform::EndpointVolume* endpoint);

    // Puts back what was read, as far as it can be: on the mixer only while
    // the same device is open. Runs once; later calls do nothing.
    void restore();

private:
    struct Kept {
        std::size_t slot;
        std::array<std::uint32_t, 2> values;
    };

    MIXER_e& mixer_;
    platform::EndpointVolume* endpoint_;
    std::optional<float> level_;
    std::optional<std::uint32_t> device_;
    std::vector<Kept> kept_;
    bool restored_ = false;
};

} // namespace tavo::hardware
