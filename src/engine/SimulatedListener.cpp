#include "engine/SimulatedListener.h"

#include "engine/ToneSynthesis.h"
#include "platform/sim/SimSoundChain.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavo::engine {

namespace {

// The share of a pulse, from its start, before the envelope's onset has
// risen to the listener's threshold when the flat part lies `margin` dB
// above it (the envelope sin^2(2 pi t) over the first quarter).
double audibleFrom(double margin) {
    const double envelope = std::pow(10.0, -std::max(margin, 0.0) / 20.0);
    return std::asin(std::sqrt(std::min(envelope, 1.0))) / (2.0 * std::numbers::pi);
}

int milliseconds(double seconds) {
    return static_cast<int>(std::lround(seconds * 1000.0));
}

} // namespace

SimulatedListener::SimulatedListener(ListenerDescription description, ListenerHands hands,
                                     const platform::SimSoundChain* sound, std::uint64_t seed)
    : description_(std::move(description)), hands_(std::move(hands)), sound_(sound), random_(seed),
      alive_(std::make_shared<int>(0)) {}

SimulatedListener::~SimulatedListener() = default;

void SimulatedListener::testStarted() {
    stopDone_ = false;
    ++generation_;
    if (holds_ > 0 || heldForPulse_) {
        holds_ = 0;
        heldForPulse_ = false;
        if (hands_.setResponseButton) {
            hands_.setResponseButton(false);
        }
    }
}

double SimulatedListener::threshold(std::size_t ear, std::size_t index, int run) const {
    double level = description_.thresholds[ear][index];
    if (run == 2) {
        level += description_.secondRunShift[ear][index];
    }
    return level;
}

std::optional<double> SimulatedListener::margin(const PulseInfo& pulse) const {
    const auto index = testFrequencyIndex(pulse.frequency);
    if (!index) {
        return std::nullopt;
    }
    const auto i = static_cast<std::size_t>(*index);
    if (description_.scale == ListenerScale::Shown) {
        if (pulse.ear < 0 || pulse.ear > 1) {
            return std::nullopt;
        }
        const double played = pulse.level + 100.0 - pulse.reference +
                              (pulse.secondRunOffset ? kSecondRunOffsetDb : 0.0);
        return played - threshold(static_cast<std::size_t>(pulse.ear), i, pulse.run);
    }
    // By hearing level: what reaches each ear, the better one counts.
    const auto playing = sound_ != nullptr ? sound_->playing() : std::nullopt;
    if (!playing) {
        return std::nullopt;
    }
    std::optional<double> best;
    for (std::size_t ear = 0; ear < 2; ++ear) {
        if (const auto& level = (*playing)[ear]) {
            const double inEar = *level + description_.headphones[ear][i];
            const double above = inEar - threshold(ear, i, pulse.run);
            best = best ? std::max(*best, above) : above;
        }
    }
    return best;
}

bool SimulatedListener::hears(const PulseInfo& pulse) const {
    const auto above = margin(pulse);
    return above && *above >= 0.0;
}

bool SimulatedListener::matches(const ListenerPulse& at, const PulseInfo& pulse) {
    return at.run == pulse.run && at.ear == pulse.ear && at.frequency == pulse.frequency &&
           at.pulse == pulse.pulse && at.trial == (pulse.slot == 0);
}

void SimulatedListener::press() {
    if (holds_++ == 0 && hands_.setResponseButton) {
        hands_.setResponseButton(true);
    }
}

void SimulatedListener::release() {
    if (holds_ > 0 && --holds_ == 0 && hands_.setResponseButton) {
        hands_.setResponseButton(false);
    }
}

void SimulatedListener::pressLater(int fromMs, int toMs) {
    if (!hands_.later) {
        press();
        release();
        return;
    }
    const std::weak_ptr<int> alive = alive_;
    const int generation = generation_;
    const auto act = [this, alive, generation](bool down) {
        if (alive.expired() || generation != generation_) {
            return;
        }
        down ? press() : release();
    };
    hands_.later(fromMs, [act] { act(true); });
    hands_.later(std::max(toMs, fromMs), [act] { act(false); });
}

void SimulatedListener::pulseStarted(const PulseInfo& pulse) {
    const auto above = margin(pulse);
    std::optional<bool> forced;
    for (const auto& response : description_.responses) {
        if (matches(response.at, pulse)) {
            forced = response.pressed;
        }
    }
    // The threshold of this one pulse: the listener's, blurred by the
    // psychometric slope.
    double effective = above.value_or(-1.0e9);
    if (above && description_.psychometricSlopeDb > 0.0) {
        effective -= description_.psychometricSlopeDb * random_.normal();
    }
    const bool heard = above && effective >= 0.0;
    const bool falsePress = !heard && description_.falsePressRate > 0.0 &&
                            random_.uniform() < description_.falsePressRate;

    if (forced || !humanTiming()) {
        // The whole buffer, from now until it has been played.
        if (forced.value_or(heard || falsePress)) {
            heldForPulse_ = true;
            press();
        }
    } else if (heard) {
        const double pulseMs = pulse.pulseSeconds * 1000.0;
        const double onset = audibleFrom(effective) * pulseMs;
        const int latency = static_cast<int>(std::lround(*description_.latencyMs));
        pressLater(static_cast<int>(std::lround(onset)) + latency,
                   static_cast<int>(std::lround(pulseMs - onset)) + latency);
    } else if (falsePress) {
        const int at = milliseconds(random_.uniform() * (pulse.pulseSeconds + pulse.gapSeconds));
        pressLater(at, at + kFalsePressMs);
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
    if (heldForPulse_) {
        heldForPulse_ = false;
        release();
    }
}

} // namespace tavo::engine
