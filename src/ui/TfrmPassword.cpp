#include "ui/TfrmPassword.h"

namespace tavo::ui {

TfrmPassword::TfrmPassword(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral("Please enter password"));
    resize(257, 90);
    FormCreate();
}

// The German captions arrive with the dialog's controls.
void TfrmPassword::FormCreate() {}

} // namespace tavo::ui
