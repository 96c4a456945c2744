#include "ui/AudiogramGeometry.h"

#include <algorithm>
#include <cmath>

namespace tavo::ui {

AudiogramGeometry::AudiogramGeometry(int width, int height)
    : width_(width), height_(height), rowH_(static_cast<float>(height) / 12.0F),
      pxdB_(static_cast<float>(height) / 120.0F), half_(static_cast<float>(width - 37) / 2.0F) {}

void AudiogramGeometry::setColumns(int count) {
    columns_ = std::max(count, 0);
    colW_ = columns_ > 0 ? half_ / static_cast<float>(columns_) : 0.0F;
}

// Every product and sum below is exact in double (floats times small
// integers), so the order of the terms cannot change a rounding.

double AudiogramGeometry::panelLeft(int panel) const {
    return 20.0 + panel * double{half_} + 10.0 * panel;
}

double AudiogramGeometry::columnLine(int panel, int u) const {
    return panelLeft(panel) + u * double{colW_};
}

double AudiogramGeometry::columnCentre(int panel, int r) const {
    return panelLeft(panel) + (r - 0.5) * double{colW_};
}

double AudiogramGeometry::frequencyLabelLeft(int panel, int r) const {
    return panel * double{half_} + 10.0 + (r - 0.5) * double{colW_} + 10.0 * panel;
}

double AudiogramGeometry::tableValueLeft(int panel, int r) const {
    return panel * double{half_} + 20.0 + (r - 0.5) * double{colW_} + 10.0 * panel;
}

double AudiogramGeometry::hatchLeft(int panel, int r) const {
    return panel * double{half_} + 20.0 + (r - 1) * double{colW_} + 10.0 * panel;
}

double AudiogramGeometry::hatchRight(int panel, int r) const {
    return panel * double{half_} + 21.0 + r * double{colW_} + 10.0 * panel;
}

double AudiogramGeometry::levelY(double dB) const {
    return 3.0 * double{rowH_} + 10.0 + dB * double{pxdB_};
}

double AudiogramGeometry::gridLineY(int j) const {
    return j * double{rowH_} + 10.0;
}

double AudiogramGeometry::levelLabelTop(int j) const {
    return j * double{rowH_} + 2.0;
}

double AudiogramGeometry::gridBottom() const {
    return 11.0 * double{rowH_} + 10.0;
}

double AudiogramGeometry::frequencyLabelTop() const {
    return 11.0 * double{rowH_} + 15.0;
}

double AudiogramGeometry::hatchBottom() const {
    return 11.0 * double{rowH_} + 11.0;
}

int AudiogramGeometry::px(double value) {
    constexpr double kLimit = 1 << 20;
    // nearbyint rounds in the default mode: to nearest, ties to even.
    return static_cast<int>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

} // namespace tavo::ui
