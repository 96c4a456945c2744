// TavoAudiometer: the pure-tone audiometer "Vorlandt Klarovent".
//
//   TavoAudiometer [--simulate [--listener LISTENER.json]] [FILE]
//
// FILE is a test file (name ending in .aud or .vkt, any case) to open or a
// calibration file (ending in .vkk) to load at start-up. --simulate uses
// simulated sound hardware instead of the real sound devices; --listener
// adds a simulated listener who answers the test, and the test starts at
// once (a demonstration without headphones).

#include "engine/AppState.h"
#include "engine/ListenerDescription.h"
#include "platform/Platform.h"
#include "ui/Startup.h"

#include <QApplication>

#include <cstdio>

namespace {

void complain(const QString& text) {
    std::fprintf(stderr, "TavoAudiometer: %s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList parameters = QApplication::arguments().mid(1);
    const bool simulate = parameters.removeAll(QStringLiteral("--simulate")) > 0;

    tavo::ui::ProgramOptions options;
    const qsizetype listenerAt = parameters.indexOf(QStringLiteral("--listener"));
    if (listenerAt >= 0) {
        if (listenerAt + 1 >= parameters.size()) {
            complain(QStringLiteral("--listener braucht den Namen einer Hörerdatei."));
            return 2;
        }
        if (!simulate) {
            complain(QStringLiteral(
                "--listener geht nur zusammen mit --simulate (simulierte Soundkarte)."));
            return 2;
        }
        QString error;
        options.listener = tavo::engine::loadListener(parameters.at(listenerAt + 1), error);
        if (!options.listener) {
            complain(error);
            return 1;
        }
        parameters.remove(listenerAt, 2);
        // The listener's demonstration calibration, unless a file was named.
        if (parameters.isEmpty() && !options.listener->calibration.isEmpty()) {
            parameters << options.listener->calibration;
        }
    }

    auto platform = simulate ? tavo::platform::makeSimulatedSoundPlatform()
                             : tavo::platform::makeRealPlatform();
    tavo::engine::AppState state;
    return tavo::ui::runProgram(app, *platform, state, parameters, options);
}
