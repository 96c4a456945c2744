#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

class QLabel;
class QSlider;

namespace tavo::engine {
struct AppState;
}
namespace tavo::storage {
struct Settings;
}
namespace tavo::platform {
struct Platform;
class EndpointVolume;
} // namespace tavo::platform

namespace tavo::hardware {

class MIXER_e;

// What the calibration dialogs are given when they are created.
struct CalibrationDialogContext {
    engine::AppState& state;
    platform::Platform& platform;
    MIXER_e& mixer;
    // The endpoint volume obtained at start-up, if any (asked when needed).
    std::function<platform::EndpointVolume*()> endpoint;
    // The wave-output device chosen in the settings; absent: design values.
    const storage::Settings* settings = nullptr;
    // Disabled while a command shows the dialog; enabled again on closing.
    QWidget* mainWindow = nullptr;
};

// Gives a widget of the layout its object name.
template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
// A named label with its text at its place.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry);

// An upright level slider with ticks on both sides; it holds the value it
// shows, the highest at the top.
QSlider* makeLevelSlider(QWidget* parent, const char* name, const QRect& geometry, int maximum,
                         int tickInterval, const QString& hint);
// A slider's range 0..maximum with ticks every maximum div 8 (at least 1).
void setSliderRange(QSlider* slider, int maximum);

// The tone's light: red (0x0000FF) while the tone is off, green (0x008000)
// while it plays.
class ToneLed final : public QWidget {
public:
    explicit ToneLed(QWidget* parent);
    void setOn(bool on);
    std::uint32_t colour() const { return colour_; } // 0x00BBGGRR

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t colour_ = 0x0000FF;
};

// Our own picture beside the sliders: a pair of headphones.
class HeadphonesPicture final : public QWidget {
public:
    explicit HeadphonesPicture(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

inline constexpr std::uint32_t kLedOff = 0x0000FF; // red
inline constexpr std::uint32_t kLedOn = 0x008000;  // green

} // namespace tavo::hardware
