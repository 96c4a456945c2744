// The main window's Calibration menu: calibration by ear (new, or a check
// of the loaded one), loading a calibration file, the calibration
// information and the hardware compatibility test; and the menus' enabling
// rules.

#include "engine/AppState.h"
#include "hardware/TfrmBioCal.h"
#include "hardware/TfrmCompatibilityTest.h"
#include "platform/Platform.h"
#include "storage/TfrmCalibrationInfo.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

namespace tavo::ui {

void TfrmMain::attachCalibrationWindows(storage::TfrmCalibrationInfo* information,
                                        hardware::TfrmBioCal* byEar,
                                        hardware::TfrmCompatibilityTest* compatibility) {
    calibrationInfo_ = information;
    bioCal_ = byEar;
    compatibility_ = compatibility;
    for (QWidget* dialog : std::initializer_list<QWidget*>{information, byEar, compatibility}) {
        holdWhileShown(dialog);
    }
}

void TfrmMain::SubjCal1Click() {
    if (bioCal_ == nullptr || compatibility_ == nullptr) {
        return;
    }
    const auto answer = context_.platform.messages->show(
        tr("Vor der Kalibrierung des Audiometers sollte die Kompatibilität der "
           "Soundkarte geprüft werden.\nMöchten sie diesen Test jetzt durchführen?"),
        {}, platform::MessageType::Confirmation, platform::MessageButtons::YesNo);
    if (answer == platform::MessageAnswer::Yes) {
        // The main window stays usable beside it.
        setHolds(compatibility_, false);
        compatibility_->showBesideMainWindow();
        return;
    }
    context_.state.NewCalibrationMode = true;
    setEnabled(false);
    bioCal_->show();
}

void TfrmMain::SubjRecal1Click() {
    if (bioCal_ == nullptr) {
        return;
    }
    context_.state.NewCalibrationMode = false;
    setEnabled(false);
    bioCal_->show();
}

void TfrmMain::LoadCalibration1Click() {
    // The audiogram is not redrawn: a calibration changes no result.
    if (const auto file = chooseCalibrationFile(this)) {
        ReadCal(*file);
    }
}

void TfrmMain::CalInfo1Click() {
    if (calibrationInfo_ == nullptr) {
        return;
    }
    // The loaded calibration, read-only.
    context_.state.NewCalibrationPending = false;
    setEnabled(false);
    calibrationInfo_->show();
}

void TfrmMain::TestCompatibility1Click() {
    if (compatibility_ != nullptr) {
        setHolds(compatibility_, true);
        compatibility_->showFromCommand();
    }
}

// The Calibration menu needs a wave-output device (decided at start-up);
// checking and showing a calibration need one loaded.
void TfrmMain::Calibration2Click() {
    if (testRunning()) {
        return;
    }
    const bool menu = Calibration2->menuAction()->isEnabled();
    const bool loaded = menu && context_.state.CalibrationLoaded;
    for (QAction* action : {EarCalibration1, LoadCalibration1, TestCompatibility1}) {
        action->setEnabled(menu);
    }
    CalInfo1->setEnabled(loaded);
    CheckorRecalibratebyEar1->setEnabled(loaded);
}

bool TfrmMain::event(QEvent* event) {
    // Sent before the shortcut map looks for a matching action: a shortcut
    // acts exactly when its menu item would be shown enabled.
    if (event->type() == QEvent::ShortcutOverride) {
        applyMenuRules();
    }
    return QMainWindow::event(event);
}

} // namespace tavo::ui
