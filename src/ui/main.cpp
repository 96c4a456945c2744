// TavoAudiometer: the pure-tone audiometer "Vorlandt Klarovent".
//
//   TavoAudiometer [--simulate] [FILE]
//
// FILE is a test file (name ending in .aud, any case) to open or a
// calibration file (ending in .vkk) to load at start-up. --simulate uses
// simulated sound hardware instead of the real sound devices.

#include "engine/AppState.h"
#include "platform/Platform.h"
#include "ui/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList parameters = QApplication::arguments().mid(1);
    const bool simulate = parameters.removeAll(QStringLiteral("--simulate")) > 0;
    auto platform = simulate ? tavo::platform::makeSimulatedSoundPlatform()
                             : tavo::platform::makeRealPlatform();
    tavo::engine::AppState state;
    return tavo::ui::runProgram(app, *platform, state, parameters);
}
