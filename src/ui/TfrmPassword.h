#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace tavo::ui {

// The password dialog in front of the settings. The typed text stays in
// the edit for the next showing.
class TfrmPassword final : public QDialog {
    Q_OBJECT
public:
    // `showSettings` opens the settings dialog; `enableMainWindow` is called
    // whenever the dialog closes.
    TfrmPassword(std::function<void()> showSettings, std::function<void()> enableMainWindow,
                 QWidget* parent = nullptr);

    void btnOKClick();
    void btnCancelClick();

    QLineEdit* txtPassword = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> showSettings_;
    std::function<void()> enableMainWindow_;
};

} // namespace tavo::ui
