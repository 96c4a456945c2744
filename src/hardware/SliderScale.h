#pragma once

#include <cstdint>

namespace tavo::hardware {

class TMixControl;

// The level sliders of the calibration dialogs stand upright with position
// 0 at the top; what they show is their maximum minus their position, so
// the top end is the highest value.
inline int shownValue(int maximum, int position) {
    return maximum - position;
}
inline int positionFor(int maximum, int value) {
    return maximum - value;
}

// Whether a dialog may compute with a control: present, and with steps (so
// that it has a step unit).
bool usableForSlider(const TMixControl& control);

// The slider position that shows a control's current value v:
// (Maximum - v) div StepUnit, held to the slider's range 0..Steps.
// 0 when the control is not usable.
int positionForControl(const TMixControl& control, std::uint32_t value);

} // namespace tavo::hardware
