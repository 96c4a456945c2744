// The real-time audiogram window: its layout, the live trace drawn into the
// graph's picture (probed pixel by pixel), the bounds of the trace, the
// button, Escape and closing, and the keyboard path of the response button
// with polls on a virtual clock.

#include "engine/AppState.h"
#include "engine/LiveTrace.h"
#include "engine/ResponseButton.h"
#include "engine/TfrmTest.h"
#include "platform/sim/ScriptedGameController.h"
#include "platform/sim/SimEventPump.h"
#include "storage/SettingsTable.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <vector>

using namespace tavo;
using engine::AppState;
using engine::TfrmTest;

namespace {

constexpr std::uint32_t kNavy = 0x800000;   // left trace
constexpr std::uint32_t kMaroon = 0x000080; // right trace
constexpr std::uint32_t kGrey = 0x808080;   // grid

QColor colour(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

double hl(double dbHl) {
    return dbHl - 100.0;
}

struct Rig {
    Rig() {
        settings.colours = {kNavy, kMaroon, kGrey, 0x008080, 0xFF00000F, 0xFF0000, 0x0000FF};
        window = std::make_unique<TfrmTest>(state, settings);
        window->setResponseButton(&button);
    }
    // What the test procedure tells the window.
    void startFrequency(double dbHl, int traceStep) {
        pulses = 0;
        window->StartTrace(ear, hl(dbHl), traceStep);
    }
    void pulse(double dbHl) {
        pulses += 1;
        window->DrawPulse(pulses, hl(dbHl));
        window->SetLevel(hl(dbHl));
    }
    std::int32_t traced(int point) const {
        return window->trace().LiveTrace[static_cast<std::size_t>(point)];
    }
    QColor at(int x, int y) const { return window->graphImage().pixelColor(x, y); }
    int count(std::uint32_t value, QRect area = QRect(0, 0, 350, 349)) const {
        const QImage& image = window->graphImage();
        const QColor wanted = colour(value);
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                n += image.pixelColor(x, y) == wanted ? 1 : 0;
            }
        }
        return n;
    }

    AppState state;
    storage::Settings settings = storage::designSettings();
    engine::ResponseButton button;
    int ear = engine::kLeftEar;
    int pulses = 0;
    std::unique_ptr<TfrmTest> window;
};

// Levels of a tracking trace: up 5 dB per pulse until 45, then down.
std::vector<double> zigzag(int pulses) {
    std::vector<double> levels;
    double level = 30;
    double step = 5;
    for (int i = 0; i < pulses; ++i) {
        level += step;
        if (level >= 45 || level <= 20) {
            step = -step;
        }
        levels.push_back(level);
    }
    return levels;
}

void sendKey(QWidget* to, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
             bool autoRepeat = false) {
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(to, &event);
}

} // namespace

TEST(RealTimeWindow, LayoutCaptionsAndPlacement) {
    Rig rig;
    TfrmTest& w = *rig.window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Real Time Audiogram"));
    EXPECT_EQ(w.size(), QSize(371, 419));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
    const struct {
        const char* name;
        QPoint position;
        QSize size;
    } components[] = {{"Graph", {8, 8}, {350, 349}},  {"Shape1", {15, 380}, {22, 20}},
                      {"light", {15, 380}, {22, 20}}, {"Label1", {41, 384}, {}},
                      {"lblLevel", {184, 384}, {}},   {"Next", {272, 380}, {75, 25}}};
    for (const auto& c : components) {
        const auto* widget = w.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->pos(), c.position) << c.name;
        if (c.size.isValid()) {
            EXPECT_EQ(widget->size(), c.size) << c.name;
        }
    }
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Status Reaktionstaster"));
    EXPECT_EQ(w.Next->text(), QStringLiteral("Weiter ->"));
    EXPECT_TRUE(w.light->isHidden());

    w.show();
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((w.frameGeometry().center() - screenCentre).manhattanLength(), 2);
    EXPECT_EQ(w.focusWidget(), w.Next);
    w.hide();
}

TEST(RealTimeTrace, APulseStartsAtTheStartLevelAndTheLabelShowsTheLevel) {
    Rig rig;
    rig.startFrequency(30, 20);
    EXPECT_EQ(rig.traced(0), 130);
    EXPECT_EQ(rig.count(kNavy), 0); // nothing drawn before the first pulse
    rig.pulse(35);
    EXPECT_EQ(rig.at(25, 130), colour(kNavy));
    EXPECT_EQ(rig.at(45, 145), colour(kNavy));
    EXPECT_EQ(rig.at(35, 137), colour(kNavy)); // on the way
    EXPECT_EQ(rig.traced(1), 145);
    EXPECT_EQ(rig.window->lblLevel->text(), QStringLiteral("35"));
    rig.pulse(32.5);
    EXPECT_EQ(rig.window->lblLevel->text(), QStringLiteral("32")); // ties to even
}

TEST(RealTimeTrace, FifteenSegmentsOfTwentyPixelsEndAt325AndTheNextFrequencyStartsClean) {
    Rig rig;
    rig.startFrequency(30, 20);
    const auto levels = zigzag(15);
    for (double level : levels) {
        rig.pulse(level);
    }
    for (int a = 0; a <= 15; ++a) {
        const int y = a == 0 ? 130 : engine::traceY(hl(levels[a - 1]));
        EXPECT_EQ(rig.traced(a), y) << a;
        EXPECT_EQ(rig.at(25 + 20 * a, y), colour(kNavy)) << a;
    }
    EXPECT_EQ(rig.count(kNavy, QRect(326, 0, 24, 349)), 0);

    // Next frequency, right ear: the old trace is gone, the grid is back.
    rig.ear = engine::kRightEar;
    rig.startFrequency(50, 20);
    EXPECT_EQ(rig.count(kNavy), 0);
    EXPECT_EQ(rig.at(325, 130), colour(kGrey)); // the 30 dB line under the old end
    rig.pulse(55);
    EXPECT_EQ(rig.at(25, 190), colour(kMaroon));
    EXPECT_EQ(rig.at(45, 205), colour(kMaroon));
}

TEST(RealTimeTrace, ARepaintWithoutPulsesShowsOnlyTheGrid) {
    Rig rig;
    rig.startFrequency(30, 20);
    for (double level : zigzag(10)) {
        rig.pulse(level);
    }
    // The trial's wrap: the trace starts again, nothing recorded after it.
    rig.window->WrapTrace(hl(50));
    rig.window->GraphPaint();

    const QColor grey = colour(kGrey);
    const QColor background = rig.window->palette().color(QPalette::Button);
    for (int i = 0; i <= 11; ++i) {
        const int y = 30 * i + 10;
        for (int x : {22, 100, 200, 325}) {
            EXPECT_EQ(rig.at(x, y), grey) << x << "," << y;
        }
        EXPECT_EQ(rig.at(326, y), i == 11 ? grey : background) << y; // the axis runs to 326
    }
    for (int y : {10, 100, 339, 340}) {
        EXPECT_EQ(rig.at(24, y), grey) << y;
    }
    EXPECT_EQ(rig.at(24, 341), background);
    EXPECT_EQ(rig.at(200, 340), grey);
    EXPECT_EQ(rig.at(200, 25), background);
    // Right of the labels nothing but grid and background.
    const QImage& image = rig.window->graphImage();
    for (int y = 20; y < 349; ++y) {
        for (int x = 25; x < 350; ++x) {
            const QColor c = image.pixelColor(x, y);
            ASSERT_TRUE(c == grey || c == background) << x << "," << y;
        }
    }
    // Labels were written left of the lines: some ink there.
    int ink = 0;
    for (int y = 124; y < 140; ++y) {
        for (int x = 3; x < 22; ++x) {
            ink += image.pixelColor(x, y) != background ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 10);
}

TEST(RealTimeTrace, AColourChangeRepaintsTheTraceInTheNewColour) {
    Rig rig;
    rig.startFrequency(30, 20);
    const auto levels = zigzag(8);
    for (double level : levels) {
        rig.pulse(level);
    }
    constexpr std::uint32_t kGreen = 0x00C000;
    rig.settings.colours[0] = kGreen;
    rig.window->GraphPaint();
    EXPECT_EQ(rig.count(kNavy), 0);
    EXPECT_EQ(rig.at(25, 130), colour(kGreen));
    EXPECT_EQ(rig.at(25 + 20 * 8, engine::traceY(hl(levels[7]))), colour(kGreen));
    // The run goes on in the new colour.
    rig.pulse(40);
    EXPECT_EQ(rig.at(25 + 20 * 9, engine::traceY(hl(40))), colour(kGreen));
    // A hidden window shown again draws from the state as well.
    rig.settings.colours[0] = kNavy;
    rig.window->show();
    EXPECT_EQ(rig.at(25, 130), colour(kNavy));
    EXPECT_EQ(rig.count(kGreen), 0);
    rig.window->hide();
}

TEST(RealTimeTrace, TheNextRunsWindowComesUpWithTheBareGrid) {
    Rig rig;
    rig.window->showTestWindow();
    rig.startFrequency(30, 20);
    for (double level : zigzag(6)) {
        rig.pulse(level);
    }
    EXPECT_GT(rig.count(kNavy), 0);
    rig.window->hideTestWindow();
    rig.window->showTestWindow();
    EXPECT_EQ(rig.count(kNavy), 0);
    rig.window->hideTestWindow();
}

TEST(RealTimeTrace, LongFrequenciesAndAZeroStepStayInsideTheTrace) {
    Rig rig;

    // A step of 1 pixel: 300 pulses fit the graph but not the record.
    rig.startFrequency(30, 1);
    const auto levels = zigzag(300);
    for (double level : levels) {
        rig.pulse(level);
    }
    EXPECT_EQ(rig.traced(200), engine::traceY(hl(levels[199])));
    // Drawn live to the end...
    EXPECT_EQ(rig.at(325, engine::traceY(hl(levels[299]))), colour(kNavy));
    EXPECT_EQ(rig.at(300, engine::traceY(hl(levels[274]))), colour(kNavy));
    // ...and a repaint draws the recorded 200 pulses.
    rig.window->GraphPaint();
    EXPECT_EQ(rig.at(225, engine::traceY(hl(levels[199]))), colour(kNavy));
    EXPECT_EQ(rig.count(kNavy, QRect(226, 0, 124, 349)), 0);

    // A trial with a step of 0 never wraps: all on x = 25, nothing written past.
    rig.startFrequency(30, 0);
    for (double level : zigzag(5000)) {
        rig.pulse(level);
    }
    rig.window->GraphPaint();
    EXPECT_GT(rig.count(kNavy, QRect(25, 0, 1, 349)), 0);
    EXPECT_EQ(rig.count(kNavy), rig.count(kNavy, QRect(25, 0, 1, 349)));

    // A pulse number below one draws nothing.
    rig.startFrequency(30, 20);
    rig.window->DrawPulse(-3, hl(40));
    rig.window->DrawPulse(0, hl(40));
    EXPECT_EQ(rig.count(kNavy), 0);
}

TEST(RealTimeTrace, GeometryRoundsTiesToEvenAndTheTrialWrapIsBounded) {
    EXPECT_EQ(engine::traceY(hl(-10)), 10);
    EXPECT_EQ(engine::traceY(hl(100)), 340);
    EXPECT_EQ(engine::traceY(hl(0.5)), 42); // 41.5
    EXPECT_EQ(engine::traceY(hl(1.5)), 44); // 44.5
    EXPECT_EQ(engine::levelDbHl(hl(30.5)), 30);
    EXPECT_EQ(engine::levelDbHl(hl(31.5)), 32);
    EXPECT_EQ(engine::traceY(1e300), 1'000'000); // absurd, but defined
    // A trial wraps at 300 pixels, or after 200 pulses when the step is 0.
    EXPECT_FALSE(engine::liveTraceFull(14, 20));
    EXPECT_TRUE(engine::liveTraceFull(15, 20));
    EXPECT_FALSE(engine::liveTraceFull(199, 0));
    EXPECT_TRUE(engine::liveTraceFull(200, 0));
}

TEST(RealTimeWindowEvents, TheButtonEscapeAndClosingRequestAStop) {
    Rig rig;
    TfrmTest& w = *rig.window;
    w.show();
    QTest::mouseClick(w.Next, Qt::LeftButton);
    EXPECT_TRUE(rig.state.StopRequested);

    for (QWidget* target : {static_cast<QWidget*>(w.Next), static_cast<QWidget*>(&w)}) {
        rig.state.StopRequested = false;
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_TRUE(rig.state.StopRequested) << target->objectName().toStdString();
        EXPECT_TRUE(w.isVisible()) << "Escape is the button, not a close";
    }

    rig.state.StopRequested = false;
    w.close();
    EXPECT_TRUE(rig.state.StopRequested);
    EXPECT_FALSE(w.isVisible());
}

TEST(RealTimeWindowKeys, CtrlSetsAndAnyKeyUpClearsThroughTheButtonAndTheWindow) {
    Rig rig;
    TfrmTest& w = *rig.window;
    const engine::ResponseButton& pressedButton = rig.button;
    for (QWidget* target : {static_cast<QWidget*>(w.Next), static_cast<QWidget*>(&w)}) {
        const std::string name = target->objectName().toStdString();
        // Ctrl itself, reported without the modifier (X11) and with it.
        sendKey(target, QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
        EXPECT_TRUE(pressedButton.pressed()) << name;
        sendKey(target, QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier);
        EXPECT_FALSE(pressedButton.pressed()) << name;
        sendKey(target, QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
        EXPECT_TRUE(pressedButton.pressed()) << name;
        // Another key with Ctrl held keeps it; its release clears it.
        sendKey(target, QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
        EXPECT_TRUE(pressedButton.pressed()) << name;
        sendKey(target, QEvent::KeyRelease, Qt::Key_A, Qt::ControlModifier);
        EXPECT_FALSE(pressedButton.pressed()) << name;
        // Ctrl's auto-repeat sets it again; a repeat's release is no release.
        sendKey(target, QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, true);
        EXPECT_TRUE(pressedButton.pressed()) << name;
        sendKey(target, QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier, true);
        EXPECT_TRUE(pressedButton.pressed()) << name;
        // A key without Ctrl clears it.
        sendKey(target, QEvent::KeyPress, Qt::Key_B, Qt::NoModifier);
        EXPECT_FALSE(pressedButton.pressed()) << name;
        sendKey(target, QEvent::KeyRelease, Qt::Key_B, Qt::NoModifier);
        rig.button.takeLatchedPress();
    }
}

TEST(RealTimeWindowKeys, LosingTheKeyboardCountsAsARelease) {
    Rig rig;
    TfrmTest& w = *rig.window;
    QWidget other;
    w.show();
    QApplication::setActiveWindow(&w);
    QApplication::processEvents();
    sendKey(w.Next, QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    ASSERT_TRUE(rig.button.pressed());
    // Focus goes elsewhere while CTRL is down: its release will never come.
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    EXPECT_FALSE(rig.button.pressed());
    rig.button.takeLatchedPress();
}

namespace {

// The procedure's wait loop on a virtual clock: poll, process events, wait
// 50 ms. Keys scheduled on the clock arrive during the waits, as they do
// while a tone plays.
struct PollLoop {
    explicit PollLoop(Rig& r, engine::ResponseSource s) : rig(r), source(s) {}
    void keyAt(std::int64_t ms, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
        pump.schedule(
            ms, [this, type, key, modifiers] { sendKey(rig.window->Next, type, key, modifiers); });
    }
    void run(int polls) {
        for (int i = 0; i < polls; ++i) {
            const bool down = engine::PollResponseButton(source, &controller, rig.button,
                                                         *rig.window, pressedInPulse);
            seen.push_back(down);
            flag.push_back(rig.button.pressed());
            light.push_back(!rig.window->light->isHidden());
            pump.processEvents();
            pump.wait(50);
        }
    }
    Rig& rig;
    engine::ResponseSource source;
    platform::SimEventPump pump{true};
    platform::ScriptedGameController controller;
    bool pressedInPulse = false;
    std::vector<bool> seen, flag, light;
};

} // namespace

TEST(RealTimeWindowKeys, APollSeesCtrlHeld120MsAndATwentyMsTapBetweenPolls) {
    Rig rig;
    PollLoop loop(rig, engine::ResponseSource::Ctrl);
    // Held from 30 to 150 ms: polls at 50 and 100 find it down.
    loop.keyAt(30, QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
    loop.keyAt(150, QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier);
    // Tapped from 260 to 280 ms, between the polls at 250 and 300.
    loop.keyAt(260, QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
    loop.keyAt(280, QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier);
    loop.run(8); // polls at 0, 50, ..., 350

    const std::vector<bool> seen = {false, true, true, false, false, false, true, false};
    EXPECT_EQ(loop.seen, seen);
    EXPECT_EQ(loop.light, seen); // the indicator follows every poll
    // Held: the flag itself was up. Tapped: only the latch saw it, the flag
    // was already down, so a wait for release would end.
    EXPECT_EQ(loop.flag, (std::vector<bool>{false, true, true, false, false, false, false, false}));
    EXPECT_TRUE(loop.pressedInPulse);
}

TEST(RealTimeWindowKeys, WithTheControllerAnyButtonCountsAndCtrlDoesNot) {
    Rig rig;
    PollLoop loop(rig, engine::ResponseSource::Joystick);
    loop.keyAt(30, QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
    loop.pump.schedule(120, [&] { loop.controller.press(2); });
    loop.pump.schedule(170, [&] { loop.controller.release(2); });
    loop.pump.schedule(220, [&] { loop.controller.press(0); });
    loop.pump.schedule(270, [&] { loop.controller.attached = false; });
    loop.run(7); // 0 .. 300
    const std::vector<bool> seen = {false, false, false, true, false, true, false};
    EXPECT_EQ(loop.seen, seen);
    EXPECT_EQ(loop.light, seen);
    EXPECT_EQ(loop.flag, seen);
}
