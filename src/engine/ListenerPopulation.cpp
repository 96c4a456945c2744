#include "engine/ListenerPopulation.h"

#include "engine/Evaluation.h"
#include "engine/SimRandom.h"
#include "engine/ToneSynthesis.h"

#include <QCoreApplication>

#include <algorithm>

namespace tavo::engine {

namespace {
constexpr double kBestHearing = -10.0;
constexpr double kWorstHearing = 20.0;
} // namespace

ListenerDescription populationListener(const PopulationOptions& options, int index) {
    SimRandom random(SimRandom::derive(options.seed, static_cast<std::uint64_t>(index)));
    ListenerDescription listener;
    listener.scale = ListenerScale::HearingLevel;
    listener.name = QCoreApplication::translate("ListenerPopulation", "Hörer %1").arg(index + 1);
    const double own = random.uniform(kBestHearing, kWorstHearing);
    for (auto& ear : listener.thresholds) {
        const double earLevel = own + random.uniform(-3.0, 3.0);
        for (double& threshold : ear) {
            threshold =
                std::clamp(earLevel + random.uniform(-3.0, 3.0), kBestHearing, kWorstHearing);
        }
    }
    // Drawn whether used or not, so that a person hears the same with and
    // without a plug.
    for (auto& ear : listener.secondRunShift) {
        for (double& attenuation : ear) {
            attenuation = random.uniform(10.0, 35.0);
        }
    }
    if (!options.plug) {
        listener.secondRunShift = {};
    }
    const double slope = random.uniform(1.0, 3.0);
    const double latency = random.uniform(150.0, 400.0);
    const double falsePresses = random.uniform(0.0, 0.03);
    if (options.human) {
        listener.psychometricSlopeDb = slope;
        listener.latencyMs = latency;
        listener.falsePressRate = falsePresses;
    }
    return listener;
}

ListenerDescription normalHearingListener() {
    ListenerDescription listener;
    listener.scale = ListenerScale::HearingLevel;
    listener.name =
        QCoreApplication::translate("ListenerPopulation", "Normalhörende Person (0 dB HL)");
    return listener;
}

std::optional<TrueFigures> trueFigures(const ListenerDescription& listener,
                                       const std::array<bool, 12>& tested, bool practiceDeviation) {
    std::array<double, 2> mean{};
    int count = 0;
    for (std::size_t slot = 1; slot <= 11; ++slot) {
        if (!tested[slot]) {
            continue;
        }
        ++count;
        for (std::size_t ear = 0; ear < 2; ++ear) {
            // First run: the threshold; second run: the threshold with the
            // shift, found that much lower on the shown scale when the
            // tones are 5 dB louder.
            mean[ear] += -listener.secondRunShift[ear][slot - 1] +
                         (practiceDeviation ? kSecondRunOffsetDb : 0.0);
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    TrueFigures figures;
    figures.ospl = RoundHalfUp(mean[0] / count);
    figures.ospr = RoundHalfUp(mean[1] / count);
    figures.apv = RoundHalfUp((static_cast<double>(figures.ospl) + figures.ospr) / 2.0);
    return figures;
}

} // namespace tavo::engine
