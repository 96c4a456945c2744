#include "storage/TfrmSettings.h"

namespace tavo::storage {

TfrmSettings::TfrmSettings(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Tavo Audiometer Settings"));
    resize(560, 420);
    FormCreate();
}

// The German captions arrive with the dialog's controls.
void TfrmSettings::FormCreate() {}

} // namespace tavo::storage
