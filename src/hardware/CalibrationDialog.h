#pragma once

#include "hardware/CalibrationTone.h"
#include "hardware/CalibrationWidgets.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

namespace tavo::hardware {

class TMixUnsignedControl;

// What calibration by ear and the compatibility test share: the sound
// card's wave, master and gain sliders with their values and notes, the
// looped tone with its button and light, the two master paths (the card's
// master control, or the system level in thousandths where the endpoint
// volume is used), and what showing and closing the window do.
class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    ~CalibrationDialog() override;

    bool tonePlaying() const { return tone_.playing(); }
    const CalibrationTone& tone() const { return tone_; }
    // The channels the tone plays on (the page's or the chosen ear).
    engine::ChannelGains toneChannels() const { return toneChannels_; }

    QSlider* WaveOutSlider = nullptr;
    QSlider* MasterSlider = nullptr;
    QSlider* GainSlider = nullptr;
    QLabel* WaveLabel = nullptr;
    QLabel* MasterLabel = nullptr;
    QLabel* GainLabel = nullptr;
    QLabel* lblWaveOut = nullptr;
    QLabel* lblMasterOut = nullptr;
    QLabel* Label4 = nullptr; // "Gain Factor"
    // Why a slider is disabled (no such control, or no steps).
    QLabel* lblWaveNote = nullptr;
    QLabel* lblMasterNote = nullptr;
    QLineEdit* Threshold = nullptr;
    QPushButton* OnButton = nullptr;
    ToneLed* shpLED = nullptr;

    // The tone button's captions: the constants as written here, the
    // functions as shown. The button's state is read by comparing its
    // caption with onText().
    static const QString kOn;  // "Ein"
    static const QString kOff; // "Aus"
    static QString onText();
    static QString offText();

protected:
    CalibrationDialog(CalibrationDialogContext context, const char* objectName,
                      const QString& layoutCaption, QSize size);

    // The wave and master columns at the given left edges, the gain column
    // on `gainParent` at `gainLeft`; the sliders' changes go to the
    // subclass's handlers.
    void buildLevelSliders(int waveLeft, int masterLeft, QWidget* gainParent, int gainLeft,
                           int top);
    // The yellow level field, the tone's button and its light.
    void buildToneControls(const QRect& field, const QPoint& button, const QString& buttonHint);
    // The level field as a whole number held to lowest..highest (a text
    // that is no whole number counts as 0); the field then shows the value
    // used.
    int takeLevelField(int lowest, int highest);

    // A slider over a control: its range 0..Steps and, when `read`, the
    // card's current value. A control the dialog cannot compute with leaves
    // the slider disabled at 0, with the reason in `note` (if any).
    void setUpSlider(QSlider* slider, QLabel* note, TMixUnsignedControl& control, bool read);
    // On the endpoint path the master slider keeps 0..1000 and its value.
    void setUpEndpointMaster();
    bool endpointPath() const;

    // Sends the wave slider's value (both channels) to the card and shows
    // it; returns it.
    int applyWave();
    // The master slider's value to the system level (endpoint path) or to
    // the card's master control on both channels; returns it.
    int applyMaster();

    // Loops the tone on the settings' wave-output device and lights up;
    // false, said in a message, when the device cannot play it.
    bool startTone(std::int32_t frequency, double level);
    void setToneChannels(engine::ChannelGains channels) { toneChannels_ = channels; }
    // Stops the tone and turns the light and the button back.
    void stopTone();
    // The device failed while the tone played: the tone is off (as the
    // button turns it off) before the message.
    virtual void toneLost() { stopTone(); }

    void enableMainWindow();

    // Showing (not by the window system) and closing.
    virtual void shown() = 0;
    virtual void closing() = 0;
    virtual void WaveOutSliderChange() = 0;
    virtual void MasterSliderChange() = 0;
    virtual void GainSliderChange() = 0;
    virtual void OnButtonClick() = 0;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    CalibrationDialogContext context_;

private:
    void watchTone();

    CalibrationTone tone_;
    engine::ChannelGains toneChannels_;
    // Looks at the playing tone's device a few times a second.
    QTimer* toneWatch_ = nullptr;
};

} // namespace tavo::hardware
