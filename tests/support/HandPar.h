#pragma once

#include <cmath>
#include <map>

namespace tavo::testsupport {

// The personal attenuation rating of band attenuations (centre frequency ->
// dB), written out as the manual gives it, for checking the program's.
inline double handPar(const std::map<int, double>& bands) {
    const std::map<int, double> weighting = {{125, -16.1}, {250, -8.6}, {500, -3.2}, {1000, 0},
                                             {2000, 1.2},  {4000, 1.0}, {8000, -1.1}};
    double open = 0;
    double occluded = 0;
    for (const auto& [centre, a] : bands) {
        open += std::pow(10, 0.1 * (100 + weighting.at(centre)));
        occluded += std::pow(10, 0.1 * (100 + weighting.at(centre) - a));
    }
    return 10 * std::log10(open) - 10 * std::log10(occluded);
}

} // namespace tavo::testsupport
