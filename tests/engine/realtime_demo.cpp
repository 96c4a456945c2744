// The real-time window by itself with a scripted test: a listener whose
// threshold drifts around 35 dB HL tracks two frequencies of the left ear
// and one of the right, the trace growing pulse by pulse, the level shown
// and the indicator lit while the listener holds the button.
//
//   realtime_demo [--delay ms] [--hold ms] [--save picture.png]
//
// --delay: time per pulse (default 120 ms); --hold: keep the last picture
// that long before quitting (default: until the window is closed); --save:
// write the window's picture at the end.

#include "engine/AppState.h"
#include "engine/LiveTrace.h"
#include "engine/TfrmTest.h"
#include "platform/qt/QtEventPump.h"
#include "storage/SettingsTable.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>

#include <cmath>

using namespace tavo;

namespace {

struct Options {
    int delayMs = 120;
    int holdMs = -1;
    QString save;
};

Options parse(const QStringList& arguments) {
    Options options;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QStringLiteral("--delay")) {
            options.delayMs = arguments[i + 1].toInt();
        } else if (arguments[i] == QStringLiteral("--hold")) {
            options.holdMs = arguments[i + 1].toInt();
        } else if (arguments[i] == QStringLiteral("--save")) {
            options.save = arguments[i + 1];
        }
    }
    return options;
}

// One frequency as the procedure plays it: pulse 1 s, gap 1 s, 30 s, level
// step 5 dB; the direction turns when the listener's answer says so.
void playFrequency(double& level, engine::TfrmTest& window, platform::QtEventPump& pump,
                   const Options& options, int ear, int hz, double threshold, int seed) {
    window.SetCaption(
        QStringLiteral("Audiogramm - Hörtest %1 Ohr bei %2 Hz ")
            .arg(ear == engine::kLeftEar ? QStringLiteral("linkes") : QStringLiteral("rechtes"))
            .arg(hz));
    window.StartTrace(ear, level, 20);
    bool rising = true;
    for (int pulse = 1; pulse <= 15 && window.isVisible(); ++pulse) {
        level += rising ? 5.0 : -5.0;
        window.DrawPulse(pulse, level);
        window.SetLevel(level);
        // The listener's threshold wanders a little from pulse to pulse.
        const double heardFrom = threshold + 3.0 * std::sin(seed + pulse * 1.7);
        const bool heard = level + 100.0 >= heardFrom;
        window.showResponse(heard);
        pump.wait(options.delayMs);
        if (heard == rising) {
            rising = !rising;
        }
    }
    window.showResponse(false);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const Options options = parse(QApplication::arguments());

    engine::AppState state;
    storage::Settings settings = storage::designSettings();
    settings.colours = {0x800000, 0x000080, 0x808080, 0x008080, 0xFF00000F, 0xFF0000, 0x0000FF};
    double level = 20.0 - 100.0;
    engine::TfrmTest window(state, settings);
    window.Next->setText(QStringLiteral("Abbrechen"));
    window.show();

    platform::QtEventPump pump;
    playFrequency(level, window, pump, options, engine::kLeftEar, 1000, 35.0, 1);
    playFrequency(level, window, pump, options, engine::kLeftEar, 2000, 40.0, 2);
    playFrequency(level, window, pump, options, engine::kRightEar, 1000, 30.0, 3);

    if (!options.save.isEmpty()) {
        window.grab().save(options.save);
    }
    if (options.holdMs >= 0) {
        pump.wait(options.holdMs);
        return 0;
    }
    return window.isVisible() ? QApplication::exec() : 0;
}
