#pragma once

#include "platform/EventPump.h"

#include <functional>
#include <map>

namespace tavo::platform {

// Simulated event pump with a virtual clock. wait() advances the clock at
// once and runs the actions scheduled up to the new time, in time order
// (a scripted listener pressing the response button, say). processEvents()
// runs the hook a test installed and, when asked to, delivers the pending
// Qt events so that widgets under test see their input.
class SimEventPump final : public EventPump {
public:
    explicit SimEventPump(bool deliverQtEvents = false);

    void processEvents() override;
    void wait(int ms) override;
    std::int64_t nowMs() const override { return now_; }

    // Advances the clock without running through wait() (for tests).
    void advance(std::int64_t ms);
    // Runs `action` once the clock reaches `atMs`.
    void schedule(std::int64_t atMs, std::function<void()> action);
    // Called on every processEvents().
    void setProcessEventsHook(std::function<void()> hook) { hook_ = std::move(hook); }

    int processEventsCalls() const { return processCalls_; }
    std::int64_t totalWaitedMs() const { return waited_; }

private:
    void runDue();

    bool deliverQtEvents_;
    std::int64_t now_ = 0;
    std::int64_t waited_ = 0;
    int processCalls_ = 0;
    std::multimap<std::int64_t, std::function<void()>> scheduled_;
    std::function<void()> hook_;
};

} // namespace tavo::platform
