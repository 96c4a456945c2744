#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <utility>

namespace tavo::platform {

QtEventPump::QtEventPump() {
    clock_.start();
}

void QtEventPump::processEvents() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void QtEventPump::wait(int ms) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const qint64 left = ms - waited.elapsed();
        if (woken_.exchange(false) || left <= 0) {
            return;
        }
        // Once the application has been told to quit no local loop runs;
        // then, and without an application, the rest is slept.
        if (QCoreApplication::instance() == nullptr || !runLoop(left)) {
            std::unique_lock lock(sleepMutex_);
            sleeping_.wait_for(lock, std::chrono::milliseconds(left),
                               [this] { return woken_.load(); });
            woken_ = false;
            return;
        }
    }
}

bool QtEventPump::runLoop(qint64 ms) {
    // A short local loop instead of a sleep: key presses, repaints and the
    // close button keep working while a tone plays. A wake quits it (a wake
    // meant for an earlier wait may too; the caller then goes on waiting).
    QEventLoop loop;
    QEventLoop* outer = std::exchange(running_, &loop);
    QTimer::singleShot(std::chrono::milliseconds(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    const int code = loop.exec(QEventLoop::AllEvents);
    running_ = outer;
    return code == 0;
}

void QtEventPump::wake() {
    woken_ = true;
    { std::lock_guard lock(sleepMutex_); }
    sleeping_.notify_all();
    if (QCoreApplication::instance() != nullptr) {
        QMetaObject::invokeMethod(
            &receiver_,
            [this] {
                if (running_ != nullptr) {
                    running_->quit();
                }
            },
            Qt::QueuedConnection);
    }
}

std::int64_t QtEventPump::nowMs() const {
    return clock_.elapsed();
}

} // namespace tavo::platform
