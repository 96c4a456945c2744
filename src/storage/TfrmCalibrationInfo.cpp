#include "storage/TfrmCalibrationInfo.h"

namespace tavo::storage {

TfrmCalibrationInfo::TfrmCalibrationInfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCalibrationInfo"));
    setWindowTitle(QStringLiteral("Calibration Information"));
    resize(420, 300);
    FormCreate();
}

// The German captions arrive with the dialog's controls.
void TfrmCalibrationInfo::FormCreate() {}

} // namespace tavo::storage
