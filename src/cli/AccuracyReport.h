#pragma once

#include "cli/AccuracyRun.h"
#include "engine/TestParameters.h"

#include <QStringList>

#include <vector>

namespace tavo::cli {

// What a measurement ran with.
struct AccuracyConditions {
    engine::TestParameters params; // practiceDeviation included
    engine::PopulationOptions population;
    // The calibrating listener's hearing level (the same at every ear and
    // frequency) and how far above it the loudest tone lies.
    double calibratingThreshold = 0.0;
    double loudestAbove = 60.0;
};

// The error of one summary figure against the true value over the tests.
struct FigureErrors {
    int measured = 0;  // tests that showed the figure
    int missing = 0;   // tests that showed "-" where a true value exists
    double mean = 0.0; // of measured - true
    double standardDeviation = 0.0;
    int percentile95 = 0; // of |error|, nearest rank
    int maximum = 0;      // of |error|
};

// Frequencies without a result in one run, by why.
struct MissingFrequencies {
    int tested = 0;        // ears x tested frequencies x tests
    int beyondLoudest = 0; // the person's threshold lay above the loudest tone
    int outOfTime = 0;     // time ran out (or too few reversals) below it
};

struct AccuracySummary {
    int tests = 0;
    int incomplete = 0; // a run did not run to its end
    FigureErrors ospl;
    FigureErrors ospr;
    FigureErrors apv;
    std::array<MissingFrequencies, 2> runs{};
    double meanDurationMs = 0.0;
};

// Compares every test with the true figures of its person (regenerated
// from the population) and counts the frequencies without a result.
AccuracySummary summarizeAccuracy(const AccuracyConditions& conditions,
                                  const std::vector<AccuracySample>& samples);

// The report as `tavo accuracy` prints it, in German.
QStringList accuracyReport(const AccuracyConditions& conditions, const AccuracySummary& summary);

} // namespace tavo::cli
