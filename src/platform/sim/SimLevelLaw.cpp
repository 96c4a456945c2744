#include "platform/sim/SimLevelLaw.h"

#include <cmath>
#include <sstream>

namespace tavo::platform {

std::optional<double> SimLevelLaw::gainDb(std::uint32_t value, std::int32_t maximum) const {
    if (kind == Kind::None) {
        return 0.0;
    }
    if (kind == Kind::DbPerUnit) {
        return static_cast<double>(value) * dbPerUnit;
    }
    if (maximum <= 0 || value == 0) {
        return std::nullopt;
    }
    const double v = static_cast<double>(value);
    const double top = static_cast<double>(maximum);
    switch (kind) {
    case Kind::QuarterDb:
        return -(top - v) / (top / 255.0) / 4.0;
    case Kind::Cubic:
        return 60.0 * std::log10(v / top);
    case Kind::Amplitude:
        return 20.0 * std::log10(v / top);
    case Kind::None:
    case Kind::DbPerUnit:
        break;
    }
    return 0.0;
}

std::string SimLevelLaw::name() const {
    switch (kind) {
    case Kind::None:
        return "none";
    case Kind::QuarterDb:
        return "quarter-db";
    case Kind::Cubic:
        return "cubic";
    case Kind::Amplitude:
        return "amplitude";
    case Kind::DbPerUnit:
        break;
    }
    std::ostringstream text;
    text << dbPerUnit << " dB per unit";
    return text.str();
}

std::optional<SimLevelLaw> simLevelLawNamed(const std::string& name) {
    if (name == "none") {
        return SimLevelLaw{SimLevelLaw::Kind::None, 0.0};
    }
    if (name == "quarter-db") {
        return SimLevelLaw{SimLevelLaw::Kind::QuarterDb, 0.0};
    }
    if (name == "cubic") {
        return SimLevelLaw{SimLevelLaw::Kind::Cubic, 0.0};
    }
    if (name == "amplitude") {
        return SimLevelLaw{SimLevelLaw::Kind::Amplitude, 0.0};
    }
    return std::nullopt;
}

std::optional<double> endpointLevelDb(double scalar) {
    if (!(scalar > 0.0)) {
        return std::nullopt;
    }
    return 60.0 * std::log10(scalar);
}

} // namespace tavo::platform
