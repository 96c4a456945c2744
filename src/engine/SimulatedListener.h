#pragma once

#include "engine/ListenerDescription.h"
#include "engine/PulseObserver.h"

#include <functional>

namespace tavo::engine {

// What the simulated listener and examiner act on: the response button
// (held or let go) and the test window's button.
struct ListenerHands {
    std::function<void(bool down)> setResponseButton;
    std::function<void()> pressWindowButton;
};

// A listener who hears a pulse when its level reaches his threshold, and the
// examiner beside him. Watching the test as it plays:
//  - heard: CurrentLevel + 100 - Reference (+ 5 while the second-run offset
//    is on) >= the ear's threshold at the pulse's frequency (+ the second
//    run's shift in run 2); the trial plays the frequency it copied;
//  - the button is down exactly while a heard pulse's buffer plays (tone
//    and gap) and up otherwise; a scripted response forces one pulse;
//  - the examiner presses the window's button during the trial's pulse
//    `trial_pulses` and during the pulse `stop` names (once).
class SimulatedListener final : public PulseObserver {
public:
    SimulatedListener(ListenerDescription description, ListenerHands hands);

    void testStarted() override;
    void pulseStarted(const PulseInfo& pulse) override;
    void pulseFinished(const PulseInfo& pulse, bool pressed) override;

    // Whether the listener hears a pulse (without scripted responses).
    bool hears(const PulseInfo& pulse) const;
    const ListenerDescription& description() const { return description_; }

private:
    static bool matches(const ListenerPulse& at, const PulseInfo& pulse);

    ListenerDescription description_;
    ListenerHands hands_;
    bool stopDone_ = false;
};

} // namespace tavo::engine
