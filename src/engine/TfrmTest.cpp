#include "engine/TfrmTest.h"

namespace tavo::engine {

TfrmTest::TfrmTest(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTest"));
    setWindowTitle(QStringLiteral("Real Time Audiogram"));
    resize(371, 419);
    FormCreate();
}

// The German captions arrive with the dialog's controls.
void TfrmTest::FormCreate() {}

} // namespace tavo::engine
