#pragma once

#include "engine/ListenerDescription.h"
#include "engine/PulseObserver.h"
#include "engine/SimRandom.h"

#include <functional>
#include <memory>
#include <optional>

namespace tavo::platform {
class SimSoundChain;
}

namespace tavo::engine {

// What the simulated listener and examiner act on: the response button
// (held or let go), the test window's button, and the test's clock.
struct ListenerHands {
    std::function<void(bool down)> setResponseButton;
    std::function<void()> pressWindowButton;
    // Runs `action` `delayMs` from now on the clock the test runs on.
    // Needed only by a listener with a latency or false presses; absent,
    // such presses happen at once.
    std::function<void(int delayMs, std::function<void()> action)> later;
};

// A listener who hears a pulse when it reaches his threshold, and the
// examiner beside him. Watching the test as it plays:
//  - on the shown scale, the pulse's level is CurrentLevel + 100 -
//    Reference (+ 5 while the second-run offset is on);
//  - by hearing level, what the simulated card plays (the buffer's peak
//    and the card's settings, SimSoundChain) plus the headphones'
//    sensitivity at the pulse's frequency, in whichever ear it reaches;
//  - compared with the ear's threshold (+ the second run's shift in run
//    2); the trial plays the frequency it copied;
//  - the exact listener (no human options) holds the button exactly while a
//    heard pulse's buffer plays (tone and gap); a scripted response forces
//    one pulse;
//  - with psychometric_slope_db a pulse m dB above the threshold is heard
//    with probability Phi(m / slope); with latency_ms the press begins that
//    long after the tone becomes audible (the envelope's onset reaches the
//    threshold) and ends that long after it stops being audible; with
//    false_press_rate a pulse not heard draws a press anyway;
//  - the examiner presses the window's button during the trial's pulse
//    `trial_pulses` and during the pulse `stop` names (once).
class SimulatedListener final : public PulseObserver {
public:
    // `sound` is needed by a listener described by hearing level and must
    // outlive this object; `seed` makes the human options reproducible.
    SimulatedListener(ListenerDescription description, ListenerHands hands,
                      const platform::SimSoundChain* sound = nullptr, std::uint64_t seed = 1);
    ~SimulatedListener() override;

    void testStarted() override;
    void pulseStarted(const PulseInfo& pulse) override;
    void pulseFinished(const PulseInfo& pulse, bool pressed) override;

    // How many dB the pulse lies above the listener's threshold at the ear
    // it reaches best; nothing when it reaches no ear.
    std::optional<double> margin(const PulseInfo& pulse) const;
    // Whether the exact listener hears a pulse (without scripted responses).
    bool hears(const PulseInfo& pulse) const;
    const ListenerDescription& description() const { return description_; }

    // A false press lasts this long.
    static constexpr int kFalsePressMs = 250;

private:
    static bool matches(const ListenerPulse& at, const PulseInfo& pulse);
    // The threshold of an ear at a frequency index in a run.
    double threshold(std::size_t ear, std::size_t index, int run) const;
    // The human timing: a press from `fromMs` to `toMs` after now.
    void pressLater(int fromMs, int toMs);
    void press();
    void release();
    bool humanTiming() const { return description_.latencyMs.has_value(); }

    ListenerDescription description_;
    ListenerHands hands_;
    const platform::SimSoundChain* sound_;
    SimRandom random_;
    bool stopDone_ = false;
    bool heldForPulse_ = false; // the exact listener's press of this pulse
    int holds_ = 0;             // presses that have begun and not ended
    int generation_ = 0;        // a new test forgets presses still to come
    // Presses still to come check that the listener is still there.
    std::shared_ptr<int> alive_;
};

} // namespace tavo::engine
