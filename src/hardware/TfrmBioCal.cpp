#include "hardware/TfrmBioCal.h"

namespace tavo::hardware {

TfrmBioCal::TfrmBioCal(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBioCal"));
    setWindowTitle(QStringLiteral("Calibration by Ear"));
    resize(560, 420);
    FormCreate();
}

void TfrmBioCal::FormCreate() {
    setWindowTitle(QStringLiteral("Kalibrierung nach Gehör"));
}

} // namespace tavo::hardware
