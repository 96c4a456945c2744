#pragma once

#include "cli/Args.h"

#include <cstdint>

namespace tavo::engine {
struct AppState;
}

namespace tavo::cli {

// The options that describe a tone: frequency, level and ear.
struct ToneOptions {
    std::int32_t frequency = 1000;
    double level = -20.0;
    int ear = 0;
};

ToneOptions readToneOptions(const Args& args);
// Warns on stderr when a tone of `level` dB re full scale has peaks beyond
// the 16-bit range, which the synthesis saturates.
void warnIfClipping(const QString& command, double level);

} // namespace tavo::cli
