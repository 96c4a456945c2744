#include "platform/sim/SimEventPump.h"

#include <QCoreApplication>

namespace tavo::platform {

SimEventPump::SimEventPump(bool deliverQtEvents) : deliverQtEvents_(deliverQtEvents) {}

void SimEventPump::processEvents() {
    ++processCalls_;
    if (deliverQtEvents_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
    if (hook_) {
        hook_();
    }
}

void SimEventPump::wait(int ms) {
    if (ms > 0) {
        waited_ += ms;
        advance(ms);
    }
}

void SimEventPump::advance(std::int64_t ms) {
    now_ += ms;
    runDue();
}

void SimEventPump::schedule(std::int64_t atMs, std::function<void()> action) {
    scheduled_.emplace(atMs, std::move(action));
    runDue();
}

void SimEventPump::runDue() {
    // An action may schedule further actions; take them one at a time.
    while (!scheduled_.empty() && scheduled_.begin()->first <= now_) {
        auto action = std::move(scheduled_.begin()->second);
        scheduled_.erase(scheduled_.begin());
        action();
    }
}

} // namespace tavo::platform
