#pragma once

#include <QObject>

namespace tavo::engine {
struct AppState;
}
namespace tavo::storage {
struct Settings;
}
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
    ScreenSaverFilter(const engine::AppState& state, const storage::Settings& settings,
                      platform::ScreenSaver& screenSaver, QObject* parent = nullptr);
    ~ScreenSaverFilter() override;

    // Brings the screen saver's state in line with the two conditions.
    void update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const engine::AppState& state_;
    const storage::Settings& settings_;
    platform::ScreenSaver& screenSaver_;
};

} // namespace tavo::ui
