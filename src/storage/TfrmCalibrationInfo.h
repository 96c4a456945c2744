#pragma once

#include <QDialog>

namespace tavo::storage {

// The calibration information dialog.
class TfrmCalibrationInfo final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalibrationInfo(QWidget* parent = nullptr);

private:
    void FormCreate();
};

} // namespace tavo::storage
