#pragma once

#include <cstdint>

namespace tavo::hardware {

class TMixControl;

// The level sliders of the calibration dialogs stand upright with the
// highest value at the top. A slider's position counts from the top (0) and
// what it shows is its maximum minus its position; the widget itself holds
// the shown value, so its groove fills up with the level.

// Whether a dialog may compute with a control: present, and with steps (so
// that it has a step unit).
bool usableForSlider(const TMixControl& control);

// What a slider over a control shows for the control's current value v:
// Steps minus the position (Maximum - v) div StepUnit, the position held to
// the slider's range 0..Steps. 0 when the control is not usable.
int shownValueForControl(const TMixControl& control, std::uint32_t value);

} // namespace tavo::hardware
