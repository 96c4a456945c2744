// The real event pump: its waits keep delivering events, and a wake from
// another thread (a playback thread whose buffer has been played) ends the
// wait now running, or the next one, early.

#include "platform/qt/QtEventPump.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <thread>

using tavo::platform::QtEventPump;

// The bounds are wide: what counts is a wait of seconds ended at once.
TEST(QtEventPump, AWakeFromAnotherThreadEndsTheWaitNowRunning) {
    QtEventPump pump;
    std::thread waker([&pump] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        pump.wake();
    });
    QElapsedTimer timer;
    timer.start();
    pump.wait(5000);
    waker.join();
    EXPECT_LT(timer.elapsed(), 2500);
}

TEST(QtEventPump, AWakeBeforeTheWaitEndsItAndIsUsedUp) {
    QtEventPump pump;
    pump.wake();
    QElapsedTimer timer;
    timer.start();
    pump.wait(5000);
    EXPECT_LT(timer.elapsed(), 2500);
    // The wake was for that wait only.
    timer.restart();
    pump.wait(100);
    EXPECT_GE(timer.elapsed(), 90);
}

TEST(QtEventPump, EventsArriveDuringAWaitWithoutEndingIt) {
    QtEventPump pump;
    int fired = 0;
    QTimer::singleShot(10, [&fired] { ++fired; });
    QTimer::singleShot(30, [&fired] { ++fired; });
    QElapsedTimer timer;
    timer.start();
    pump.wait(200);
    EXPECT_EQ(fired, 2);
    EXPECT_GE(timer.elapsed(), 190);
}
