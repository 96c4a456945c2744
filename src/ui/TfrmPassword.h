#pragma once

#include <QDialog>

namespace tavo::ui {

// The password dialog in front of the settings.
class TfrmPassword final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);

private:
    void FormCreate();
};

} // namespace tavo::ui
