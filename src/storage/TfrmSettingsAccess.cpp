// The settings dialog's controls as the registry code and the rest of the
// program read and set them.

#include "storage/TfrmSettings.h"

#include "storage/SettingsHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace tavo::storage {

// --- SettingsControls: the controls by object name ---

void TfrmSettings::enableFrequencyBoxes() {
    for (auto* box : GroupBox1->findChildren<QCheckBox*>()) {
        box->setEnabled(true);
    }
}

void TfrmSettings::setChecked(const QString& control, bool checked) {
    auto* button = findChild<QAbstractButton*>(control);
    if (button == nullptr) {
        return;
    }
    if (!checked && button->autoExclusive()) {
        // Unchecking one radio button leaves its partner alone, so both may
        // end up clear.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
        return;
    }
    button->setChecked(checked);
}

bool TfrmSettings::isChecked(const QString& control) const {
    const auto* button = findChild<QAbstractButton*>(control);
    return button != nullptr && button->isChecked();
}

void TfrmSettings::setText(const QString& control, const QString& text) {
    if (auto* edit = findChild<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* label = findChild<QLabel*>(control)) {
        label->setText(text);
    }
}

QString TfrmSettings::text(const QString& control) const {
    if (const auto* edit = findChild<QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* label = findChild<QLabel*>(control)) {
        return label->text();
    }
    return {};
}

void TfrmSettings::select(const QString& list, int index) {
    if (auto* combo = findChild<QComboBox*>(list)) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

int TfrmSettings::selection(const QString& list) const {
    const auto* combo = findChild<QComboBox*>(list);
    return combo == nullptr ? -1 : combo->currentIndex();
}

std::uint32_t TfrmSettings::audiogramAreaColour() const {
    return host_.audiogramAreaColour();
}

void TfrmSettings::setAudiogramAreaColour(std::uint32_t colour) {
    host_.setAudiogramAreaColour(colour);
}

std::uint32_t TfrmSettings::windowColour() const {
    return host_.windowColour();
}

void TfrmSettings::setWindowColour(std::uint32_t colour) {
    host_.setWindowColour(colour);
}

void TfrmSettings::firstStart() {
    host_.restoreMainWindow();
    selectPage(SoundCard);
    firstStartPending_ = true;
}

// --- LiveSettings ---

bool TfrmSettings::disableScreenSaver() const {
    return chkDisableSS->isChecked();
}

bool TfrmSettings::reloadCalibrationAtStart() const {
    return chkLoadCal->isChecked();
}

QString TfrmSettings::calibrationFileName() const {
    return Label24->text();
}

bool TfrmSettings::printCalibrationFileName() const {
    return chkPrintCal->isChecked();
}

bool TfrmSettings::testFrequency(int slot) const {
    const QCheckBox* boxes[] = {Check125,  Check250,  Check500,  Check750,  Check1000, Check1500,
                                Check2000, Check3000, Check4000, Check6000, Check8000};
    return slot >= 1 && slot <= 11 && boxes[slot - 1]->isChecked();
}

QString TfrmSettings::pulseDurationText() const {
    return BeepTimeEdit->text();
}
QString TfrmSettings::pauseDurationText() const {
    return PauseTimeEdit->text();
}
QString TfrmSettings::levelStepText() const {
    return LevelStep->text();
}
QString TfrmSettings::levelStartText() const {
    return LevelStart->text();
}
QString TfrmSettings::maxTestTimeText() const {
    return TestTimeEdit->text();
}
QString TfrmSettings::minReversalsText() const {
    return ReverseEdit->text();
}
bool TfrmSettings::trialRun() const {
    return Trial->isChecked();
}
bool TfrmSettings::leftEarFirst() const {
    return FirstEar->isChecked();
}
bool TfrmSettings::resetLevelOnNewFrequency() const {
    return cboNewFreq0dB->isChecked();
}
bool TfrmSettings::resetLevelOnNewSide() const {
    return cboNewSide0dB->isChecked();
}
bool TfrmSettings::practiceDeviation() const {
    return chkPraxisabweichung->isChecked();
}
bool TfrmSettings::joystickResponse() const {
    return rdoJoystick->isChecked();
}
int TfrmSettings::waveOutDevice() const {
    return WaveOutDevice->currentIndex();
}
QString TfrmSettings::waveOutDeviceText() const {
    return WaveOutDevice->currentText();
}
bool TfrmSettings::reject1st() const {
    return Reject1st->isChecked();
}
bool TfrmSettings::realTimeCalc() const {
    return RealTimeCalc->isChecked();
}
bool TfrmSettings::showReversals() const {
    return ShowReversals->isChecked();
}
bool TfrmSettings::showThresholds() const {
    return ShowThresholds->isChecked();
}
bool TfrmSettings::markSuspicious() const {
    return MarkSuspicious->isChecked();
}

} // namespace tavo::storage
