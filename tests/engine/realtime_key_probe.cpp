// Shows the real-time window on the display it is given and plays pulses
// one after the other through the test procedure's wait, which polls the
// response button (CTRL source) at least every 50 ms, for the real X key
// test. Writes one line per event to stdout, times in
// microseconds of the monotonic clock (the driver shares it):
//   ready <window id>          shown and exposed
//   active                     the window has the keyboard focus
//   key <press|release> <t> <key> <modifiers> <autorepeat>
//   poll <t> <seen down> <ResponsePressed>
//   mark <name> <t>            echo of "mark <name>" read from stdin
// Reads "mark <name>" and "quit" lines from stdin.

#include "engine/AppState.h"
#include "engine/Playback.h"
#include "engine/ResponseButton.h"
#include "engine/TfrmTest.h"
#include "platform/qt/QtEventPump.h"
#include "platform/sim/SimWaveOutput.h"
#include "storage/SettingsTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

using namespace tavo;

namespace {

long long nowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void emitLine(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// Logs every key event once: a key the button does not use travels on to
// the window as the same event, so repeats of one event are skipped.
class KeyLog final : public QObject {
public:
    explicit KeyLog(QWidget* window) : window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && watched == window_ && !active_) {
            active_ = true;
            emitLine("active");
        }
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto id =
            std::make_tuple(event->type(), key->key(), key->timestamp(), key->isAutoRepeat());
        if (id == last_) {
            return false;
        }
        last_ = id;
        emitLine(std::string("key ") + (event->type() == QEvent::KeyPress ? "press " : "release ") +
                 std::to_string(nowUs()) + " " + std::to_string(key->key()) + " " +
                 std::to_string(key->modifiers().toInt()) + " " +
                 (key->isAutoRepeat() ? "1" : "0"));
        return false;
    }

private:
    QWidget* window_;
    bool active_ = false;
    std::tuple<QEvent::Type, int, quint64, bool> last_{};
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    engine::AppState state;
    storage::Settings settings = storage::designSettings();
    settings.colours = {0x800000, 0x000080, 0x808080, 0x008080, 0xFF00000F, 0xFF0000, 0x0000FF};
    engine::TfrmTest window(state, settings);
    engine::ResponseButton button;
    window.setResponseButton(&button);
    KeyLog log(&window);
    app.installEventFilter(&log);

    bool quit = false;
    std::string input;
    QSocketNotifier stdinReady(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&stdinReady, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            quit = true; // the driver went away
            stdinReady.setEnabled(false);
            return;
        }
        input.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t end; (end = input.find('\n')) != std::string::npos;) {
            const std::string line = input.substr(0, end);
            input.erase(0, end + 1);
            if (line == "quit") {
                quit = true;
            } else if (line.rfind("mark ", 0) == 0) {
                emitLine(line + " " + std::to_string(nowUs()));
            }
        }
    });

    window.SetCaption(QStringLiteral("Key probe"));
    window.show();
    platform::QtEventPump pump;
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        pump.wait(10);
    }
    emitLine("ready " + std::to_string(window.winId()));

    // Pulses of 300 ms (silent) one after the other on a device that plays
    // them by the real clock, through the test procedure's own wait.
    platform::SimWaveOutput wave(pump);
    engine::ToneOutput tone(wave, pump);
    if (tone.openForRun(0) != platform::WaveResult::Ok) {
        return 1;
    }
    const engine::ToneBuffer pulse(static_cast<std::size_t>(0.3 * 44100) * 4, 0);
    while (!quit) {
        bool pressedInPulse = false;
        engine::DropLatchedPresses(engine::ResponseSource::Ctrl, nullptr, button);
        tone.startPulse(pulse);
        tone.waitForPulse([&] {
            const bool down = engine::PollResponseButton(engine::ResponseSource::Ctrl, nullptr,
                                                         button, window, pressedInPulse);
            emitLine("poll " + std::to_string(nowUs()) + " " + (down ? "1" : "0") + " " +
                     (button.pressed() ? "1" : "0"));
        });
        tone.releasePulse();
    }
    tone.closeRun();
    return 0;
}
