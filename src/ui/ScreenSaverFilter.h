#pragma once

#include <QObject>

namespace tavo::engine {
struct AppState;
class LiveSettings;
} // namespace tavo::engine
namespace tavo::platform {
class ScreenSaver;
}

namespace tavo::ui {

// Keeps the desktop's screen saver off while no stop has been requested
// and the option "Disable screensaver during test" is ticked. Installed on
// the application, it looks at the two conditions on every event, so it is
// active for the whole life of the program; the screen saver service is
// only called when the outcome changes. It never consumes an event.
class ScreenSaverFilter final : public QObject {
public:
    ScreenSaverFilter(const engine::AppState& state, platform::ScreenSaver& screenSaver,
                      QObject* parent = nullptr);
    ~ScreenSaverFilter() override;

    // The live settings to read; nothing means the design value (ticked).
    void setSettings(const engine::LiveSettings* settings) { settings_ = settings; }
    // Brings the screen saver's state in line with the two conditions.
    void update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const engine::AppState& state_;
    platform::ScreenSaver& screenSaver_;
    const engine::LiveSettings* settings_ = nullptr;
};

} // namespace tavo::ui
