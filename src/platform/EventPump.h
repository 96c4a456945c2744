#pragma once

#include <cstdint>

namespace tavo::platform {

// The program's waiting loops (tone playback, the wait for the response
// button's release, the splash fade) go through this seam: process the
// pending window events, wait a while, ask the time. The real backend uses
// the Qt event loop and the monotonic clock; the simulated one a virtual
// clock that tests advance, so a whole hearing test runs in milliseconds.
class EventPump {
public:
    virtual ~EventPump() = default;

    // Delivers the window events that are pending now.
    virtual void processEvents() = 0;
    // Waits `ms` milliseconds. Window events arriving meanwhile may be
    // delivered (the real backend keeps the windows responsive).
    virtual void wait(int ms) = 0;
    // Monotonic time in milliseconds.
    virtual std::int64_t nowMs() const = 0;
    // Ends the wait() now running early, or else the next one. Callable
    // from any thread: a playback thread whose buffer has been played wakes
    // the wait for it. The simulated pump's waits run on its virtual clock
    // and ignore it.
    virtual void wake() {}
};

} // namespace tavo::platform
