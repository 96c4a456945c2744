#pragma once

#include "hardware/CalibrationDialog.h"

#include <functional>

class QFrame;

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
class TfrmBioCal final : public CalibrationDialog {
    Q_OBJECT
public:
    // `handOver` shows the calibration information dialog with the given
    // comment once the last page is done.
    TfrmBioCal(CalibrationDialogContext context,
               std::function<void(const QString& comment)> handOver);
    ~TfrmBioCal() override;

    // --- Handlers ---
    void FormActivate();
    void Preparepage();
    void WaveOutSliderChange() override;
    void MasterSliderChange() override;
    void GainSliderChange() override;
    void OnButtonClick() override;
    void ThresholdKeyDown(int key);
    void PreviousClick();
    void NextClick();
    void FormClose();

    // The known threshold the field takes, in dB HL: the tone is played 60 dB
    // below it, so 60 is full scale.
    static constexpr int kLowestKnownThreshold = -10;
    static constexpr int kHighestKnownThreshold = 60;

    // The page shown: ear 0 left, 1 right; slot 1..11.
    int CalibrationEar = 0;
    int CalibrationSlot = 1;
    bool KnownThresholdMode = false;

    QFrame* GainBox = nullptr;
    QLabel* Label6 = nullptr; // "dB"
    QLabel* lblFreqSide = nullptr;
    QPushButton* Previous = nullptr;
    QPushButton* Next = nullptr;
    QLabel* lblInstructions = nullptr;
    QLabel* Directions = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    HeadphonesPicture* Image1 = nullptr;

public Q_SLOTS:
    // Escape: the Previous button.
    void reject() override;

protected:
    void shown() override { FormActivate(); }
    void closing() override { FormClose(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void setUpSliders();
    engine::TCalibrationPoint& pagePoint();
    const engine::TCalibrationPoint& startingPoint() const;
    void setSliderValues(const engine::TCalibrationPoint& point);
    void finish();

    std::function<void(const QString& comment)> handOver_;
    bool gainShown_ = false;
};

} // namespace tavo::hardware
