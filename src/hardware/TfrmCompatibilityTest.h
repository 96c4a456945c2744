#pragma once

#include "hardware/CalibrationTone.h"
#include "hardware/CalibrationWidgets.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tavo::hardware {

class TMixUnsignedControl;

// The hardware compatibility test: a tone between 0 and -60 dB relative to
// digital full scale, at any test frequency, on one channel, with the
// card's wave, master and gain controls on sliders, so that the user hears
// whether card and headphones make quiet tones cleanly. It stores nothing;
// its controls keep their values between showings, and every showing reads
// the card's levels into the sliders again.
class TfrmCompatibilityTest final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCompatibilityTest(CalibrationDialogContext context, QWidget* parent = nullptr);
    ~TfrmCompatibilityTest() override;

    // Whether a showing disables the main window until the dialog closes:
    // the command does, the question before a new calibration does not.
    void showFromCommand();
    void showBesideMainWindow();

    // --- Handlers ---
    void FormShow();
    void WaveOutSliderChange();
    void MasterSliderChange();
    void GainSliderChange();
    void tbrFrequencyChange();
    void ThresholdExit();
    void OnButtonClick();
    void btnCloseClick();
    void FormClose();

    bool tonePlaying() const { return tone_.playing(); }
    const CalibrationTone& tone() const { return tone_; }
    // The frequency slot the frequency slider selects: 12 - position.
    int selectedSlot() const;

    QSlider* WaveOutSlider = nullptr;
    QSlider* MasterSlider = nullptr;
    QSlider* GainSlider = nullptr;
    QLabel* WaveLabel = nullptr;
    QLabel* MasterLabel = nullptr;
    QLabel* GainLabel = nullptr;
    QLabel* lblWaveOut = nullptr;
    QLabel* lblMasterOut = nullptr;
    QLabel* Label4 = nullptr; // "Gain Factor"
    QLabel* lblWaveNote = nullptr;
    QLabel* lblMasterNote = nullptr;
    QSlider* tbrFrequency = nullptr;
    QLabel* Label7 = nullptr; // "Frequenz"
    QLabel* Label8 = nullptr; // the frequency in Hz
    QLineEdit* Threshold = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblThresholdUnit = nullptr;
    QRadioButton* rdoLeftEar = nullptr;
    QRadioButton* rdoRightEar = nullptr;
    QPushButton* OnButton = nullptr;
    ToneLed* shpLED = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* Label9 = nullptr; // the active sound card
    QLabel* Directions = nullptr;
    QLabel* lblSoundLeft = nullptr;

    static const QString kOn;  // "Ein"
    static const QString kOff; // "Aus"
    static const QString kWarning;
    static const QString kWaveZeroSteps;
    static const QString kMasterZeroSteps;

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void setUpFromControl(QSlider* slider, QLabel* note, TMixUnsignedControl& control, bool usable);
    void startTone();
    void toneOff();
    bool endpointPath() const;

    CalibrationDialogContext context_;
    CalibrationTone tone_;
    bool disablesMainWindow_ = true;
};

} // namespace tavo::hardware
