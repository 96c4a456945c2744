#pragma once

#include "platform/EventPump.h"

#include <QElapsedTimer>
#include <QObject>

#include <atomic>
#include <condition_variable>
#include <mutex>

class QEventLoop;

namespace tavo::platform {

// Real event pump: the Qt event loop and the monotonic clock.
class QtEventPump final : public EventPump {
public:
    QtEventPump();
    void processEvents() override;
    void wait(int ms) override;
    std::int64_t nowMs() const override;
    void wake() override;

private:
    // Runs a local event loop for up to `ms`; false when none can run.
    bool runLoop(qint64 ms);

    QElapsedTimer clock_;
    std::atomic<bool> woken_{false};
    // The thread that made the pump (the GUI thread) runs the waits; a
    // wake from elsewhere reaches the running wait's loop through a queued
    // call on this object.
    QObject receiver_;
    QEventLoop* running_ = nullptr;
    // Without a Qt application the waits sleep on this.
    std::mutex sleepMutex_;
    std::condition_variable sleeping_;
};

} // namespace tavo::platform
