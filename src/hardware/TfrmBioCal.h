#pragma once

#include "hardware/CalibrationTone.h"
#include "hardware/CalibrationWidgets.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace tavo::engine {
struct TCalibrationPoint;
}

namespace tavo::hardware {

// Calibration by ear. A listener moves the sound card's wave, master and
// gain sliders until a looped tone of known digital level sits exactly at
// his threshold, for each ear and each of the eleven test frequencies (22
// pages, left ear first). What the sliders show on a page is that page's
// point of NewCalibration; after the last page the calibration information
// dialog takes the result over.
//
// Created once at start-up; every showing starts afresh (FormActivate).
class TfrmBioCal final : public QDialog {
    Q_OBJECT
public:
    // `handOver` shows the calibration information dialog with the given
    // comment once the last page is done.
    TfrmBioCal(CalibrationDialogContext context,
               std::function<void(const QString& comment)> handOver, QWidget* parent = nullptr);
    ~TfrmBioCal() override;

    // --- Handlers ---
    void FormActivate();
    void Preparepage();
    void WaveOutSliderChange();
    void MasterSliderChange();
    void GainSliderChange();
    void OnButtonClick();
    void ThresholdKeyDown(int key);
    void PreviousClick();
    void NextClick();
    void FormClose();

    // The page shown: ear 0 left, 1 right; slot 1..11.
    int CalibrationEar = 0;
    int CalibrationSlot = 1;
    bool KnownThresholdMode = false;
    bool tonePlaying() const { return tone_.playing(); }
    const CalibrationTone& tone() const { return tone_; }

    QSlider* WaveOutSlider = nullptr;
    QSlider* MasterSlider = nullptr;
    QSlider* GainSlider = nullptr;
    QLabel* WaveLabel = nullptr;
    QLabel* MasterLabel = nullptr;
    QLabel* GainLabel = nullptr;
    QLabel* lblWaveOut = nullptr;
    QLabel* lblMasterOut = nullptr;
    QLabel* Label4 = nullptr; // "Gain Factor"
    QFrame* GainBox = nullptr;
    // Why a slider is disabled (no such control, or no steps).
    QLabel* lblWaveNote = nullptr;
    QLabel* lblMasterNote = nullptr;
    QLineEdit* Threshold = nullptr;
    QLabel* Label6 = nullptr; // "dB"
    QPushButton* OnButton = nullptr;
    ToneLed* shpLED = nullptr;
    QLabel* lblFreqSide = nullptr;
    QPushButton* Previous = nullptr;
    QPushButton* Next = nullptr;
    QLabel* lblInstructions = nullptr;
    QLabel* Directions = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    HeadphonesPicture* Image1 = nullptr;

    static const QString kOn;  // "Ein"
    static const QString kOff; // "Aus"

public Q_SLOTS:
    // Escape: the Previous button.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildSliders();
    void buildToneGenerator();
    void FormCreate();
    void setUpSliders();
    engine::TCalibrationPoint& pagePoint();
    const engine::TCalibrationPoint& startingPoint() const;
    void setSliderPositions(const engine::TCalibrationPoint& point);
    void toneOff();
    void startTone();
    bool endpointPath() const;
    void finish();

    CalibrationDialogContext context_;
    std::function<void(const QString& comment)> handOver_;
    CalibrationTone tone_;
    bool gainShown_ = false;
};

} // namespace tavo::hardware
