#include "ui/ScreenSaverFilter.h"

#include "engine/AppState.h"
#include "engine/LiveSettings.h"
#include "platform/ScreenSaver.h"

namespace tavo::ui {

ScreenSaverFilter::ScreenSaverFilter(const engine::AppState& state,
                                     platform::ScreenSaver& screenSaver, QObject* parent)
    : QObject(parent), state_(state), screenSaver_(screenSaver) {}

ScreenSaverFilter::~ScreenSaverFilter() {
    screenSaver_.release();
}

void ScreenSaverFilter::update() {
    const bool optionTicked = settings_ == nullptr ? engine::DesignSettings().disableScreenSaver()
                                                   : settings_->disableScreenSaver();
    if (!state_.StopRequested && optionTicked) {
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
