#include "hardware/TfrmCompatibilityTest.h"

namespace tavo::hardware {

TfrmCompatibilityTest::TfrmCompatibilityTest(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCompatibilityTest"));
    setWindowTitle(QStringLiteral("Test Hardware Compatibility"));
    resize(560, 420);
    FormCreate();
}

void TfrmCompatibilityTest::FormCreate() {
    setWindowTitle(QStringLiteral("Kompatibilitätstest"));
}

} // namespace tavo::hardware
