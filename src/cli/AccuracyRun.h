#pragma once

#include "engine/ListenerPopulation.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace tavo::cli {

class SimulatedProgram;

// One simulated person's hearing test as the accuracy measurement keeps it.
struct AccuracySample {
    int index = 0;
    bool completed = false; // both runs ran to their end
    // The summary figures the main window shows; nothing for "-".
    std::optional<int> ospl;
    std::optional<int> ospr;
    std::optional<int> apv;
    // [run][ear][125 .. 8000 Hz], 1000 for no result.
    std::array<std::array<std::array<int, 11>, 2>, 2> thresholds{};
    std::int64_t durationMs = 0; // both runs, on the virtual clock

    // One line of JSON, as a worker process hands it on, and back.
    QByteArray toLine() const;
    static std::optional<AccuracySample> fromLine(const QByteArray& line);
};

// Tests the people first .. first + count - 1 of the population, one after
// the other, with the program's own New Test command on `program` (its
// settings and calibration as they are), and hands on each result.
void runAccuracyTests(SimulatedProgram& program, const engine::PopulationOptions& population,
                      int first, int count, const std::function<void(const AccuracySample&)>& done);

} // namespace tavo::cli
