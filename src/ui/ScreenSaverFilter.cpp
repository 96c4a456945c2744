#include "ui/ScreenSaverFilter.h"

#include "engine/AppState.h"
#include "platform/ScreenSaver.h"
#include "storage/Settings.h"

namespace tavo::ui {

ScreenSaverFilter::ScreenSaverFilter(const engine::AppState& state,
                                     const storage::Settings& settings,
                                     platform::ScreenSaver& screenSaver, QObject* parent)
    : QObject(parent), state_(state), settings_(settings), screenSaver_(screenSaver) {}

ScreenSaverFilter::~ScreenSaverFilter() {
    screenSaver_.release();
}

void ScreenSaverFilter::update() {
    if (!state_.StopRequested && settings_.disableScreenSaver) {
        screenSaver_.inhibit();
    } else {
        screenSaver_.release();
    }
}

bool ScreenSaverFilter::eventFilter(QObject* watched, QEvent* event) {
    update();
    return QObject::eventFilter(watched, event);
}

} // namespace tavo::ui
