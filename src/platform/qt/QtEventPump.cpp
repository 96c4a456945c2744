#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

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
    if (ms <= 0) {
        return;
    }
    if (QCoreApplication::instance() == nullptr) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    // A short local loop instead of a sleep: key presses, repaints and the
    // close button keep working while a tone plays.
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::AllEvents);
    // Once the application has been told to quit, a local loop returns at
    // once; sleep the rest so the caller's waiting loop does not spin.
    const qint64 left = ms - waited.elapsed();
    if (left > 0) {
        QThread::msleep(static_cast<unsigned long>(left));
    }
}

std::int64_t QtEventPump::nowMs() const {
    return clock_.elapsed();
}

} // namespace tavo::platform
