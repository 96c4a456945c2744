#pragma once

#include "hardware/CalibrationDialog.h"

class QRadioButton;

namespace tavo::hardware {

// The hardware compatibility test: a tone between 0 and -60 dB relative to
// digital full scale, at any test frequency, on one channel, with the
// card's wave, master and gain controls on sliders, so that the user hears
// whether card and headphones make quiet tones cleanly. It stores nothing;
// its controls keep their values between showings, and every showing reads
// the card's levels into the sliders again.
class TfrmCompatibilityTest final : public CalibrationDialog {
    Q_OBJECT
public:
    explicit TfrmCompatibilityTest(CalibrationDialogContext context);
    ~TfrmCompatibilityTest() override;

    // The command shows it with the main window disabled until it closes;
    // the question before a new calibration leaves the main window usable.
    void showFromCommand();
    void showBesideMainWindow();

    // --- Handlers ---
    void FormShow();
    void WaveOutSliderChange() override;
    void MasterSliderChange() override;
    void GainSliderChange() override;
    void tbrFrequencyChange();
    void ThresholdExit();
    void OnButtonClick() override;
    void btnCloseClick();
    void FormClose();

    // The frequency slot the frequency slider selects: 12 - position.
    int selectedSlot() const;
    void showChannelHint();

    QSlider* tbrFrequency = nullptr;
    QLabel* Label7 = nullptr; // "Frequenz"
    QLabel* Label8 = nullptr; // the frequency in Hz
    QLabel* Label5 = nullptr;
    QLabel* lblThresholdUnit = nullptr;
    QRadioButton* rdoLeftEar = nullptr;
    QRadioButton* rdoRightEar = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* Label9 = nullptr; // the active sound card
    QLabel* Directions = nullptr;
    QLabel* lblSoundLeft = nullptr;

    static const QString kWarning;
    static const QString kWaveZeroSteps;
    static const QString kMasterZeroSteps;

public Q_SLOTS:
    // Escape closes the window as its button does.
    void reject() override;

protected:
    void shown() override { FormShow(); }
    void closing() override { FormClose(); }
    void toneLost() override { toneOff(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    // Loops the tone at the selected frequency and the field's level; the
    // channel as the gains were set when the tone was switched on.
    void playSelected();
    void toneOff();
};

} // namespace tavo::hardware
