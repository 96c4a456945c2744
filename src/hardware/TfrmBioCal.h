#pragma once

#include <QDialog>

namespace tavo::hardware {

// The calibration-by-ear dialog.
class TfrmBioCal final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBioCal(QWidget* parent = nullptr);

private:
    void FormCreate();
};

} // namespace tavo::hardware
