#include "engine/SimulatedListener.h"

namespace tavo::engine {

namespace {
constexpr double kSecondRunOffsetDb = 5.0;
} // namespace

SimulatedListener::SimulatedListener(ListenerDescription description, ListenerHands hands)
    : description_(std::move(description)), hands_(std::move(hands)) {}

void SimulatedListener::testStarted() {
    stopDone_ = false;
}

bool SimulatedListener::hears(const PulseInfo& pulse) const {
    const auto index = testFrequencyIndex(pulse.frequency);
    if (!index || pulse.ear < 0 || pulse.ear > 1) {
        return false;
    }
    const auto ear = static_cast<std::size_t>(pulse.ear);
    const auto i = static_cast<std::size_t>(*index);
    double threshold = description_.thresholds[ear][i];
    if (pulse.run == 2) {
        threshold += description_.secondRunShift[ear][i];
    }
    const double played =
        pulse.level + 100.0 - pulse.reference + (pulse.secondRunOffset ? kSecondRunOffsetDb : 0.0);
    return played >= threshold;
}

bool SimulatedListener::matches(const ListenerPulse& at, const PulseInfo& pulse) {
    return at.run == pulse.run && at.ear == pulse.ear && at.frequency == pulse.frequency &&
           at.pulse == pulse.pulse && at.trial == (pulse.slot == 0);
}

void SimulatedListener::pulseStarted(const PulseInfo& pulse) {
    bool down = hears(pulse);
    for (const auto& response : description_.responses) {
        if (matches(response.at, pulse)) {
            down = response.pressed;
        }
    }
    if (hands_.setResponseButton) {
        hands_.setResponseButton(down);
    }
    const bool endTrial = pulse.slot == 0 && pulse.pulse == description_.trialPulses;
    const bool stop = !stopDone_ && description_.stop && matches(*description_.stop, pulse);
    if (stop) {
        stopDone_ = true;
    }
    if ((endTrial || stop) && hands_.pressWindowButton) {
        hands_.pressWindowButton();
    }
}

void SimulatedListener::pulseFinished(const PulseInfo&, bool) {
    if (hands_.setResponseButton) {
        hands_.setResponseButton(false);
    }
}

} // namespace tavo::engine
