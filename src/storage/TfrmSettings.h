#pragma once

#include <QDialog>

namespace tavo::storage {

// The settings dialog. Created once at start-up, after the main window.
class TfrmSettings final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSettings(QWidget* parent = nullptr);

private:
    void FormCreate();
};

} // namespace tavo::storage
