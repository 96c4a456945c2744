#include "hardware/SliderScale.h"

#include "hardware/MIXER_e.h"

#include <algorithm>

namespace tavo::hardware {

bool usableForSlider(const TMixControl& control) {
    const auto unit = control.StepUnit();
    return control.Present && control.Steps > 0 && unit && *unit > 0;
}

int shownValueForControl(const TMixControl& control, std::uint32_t value) {
    if (!usableForSlider(control)) {
        return 0;
    }
    const std::int64_t position =
        (static_cast<std::int64_t>(control.Maximum) - static_cast<std::int64_t>(value)) /
        *control.StepUnit();
    return static_cast<int>(control.Steps) -
           static_cast<int>(std::clamp<std::int64_t>(position, 0, control.Steps));
}

} // namespace tavo::hardware
