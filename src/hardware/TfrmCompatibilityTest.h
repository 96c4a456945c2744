#pragma once

#include <QDialog>

namespace tavo::hardware {

// The hardware compatibility test dialog.
class TfrmCompatibilityTest final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCompatibilityTest(QWidget* parent = nullptr);

private:
    void FormCreate();
};

} // namespace tavo::hardware
