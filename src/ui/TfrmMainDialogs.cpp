// The main window's dialogs: the settings (behind the password, or the
// graph page directly) and the rule that keeps the main window disabled
// exactly while a dialog that holds it is shown.

#include "storage/TfrmSettings.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmPassword.h"

#include <QEvent>

#include <algorithm>

namespace tavo::ui {

void TfrmMain::attachDialogs(storage::TfrmSettings* settings, TfrmPassword* password) {
    settings_ = settings;
    password_ = password;
    holdWhileShown(settings);
    holdWhileShown(password);
}

void TfrmMain::holdWhileShown(QWidget* dialog) {
    if (dialog == nullptr) {
        return;
    }
    holders_.emplace_back(dialog, true);
    dialog->installEventFilter(this);
}

void TfrmMain::setHolds(QWidget* dialog, bool holds) {
    for (auto& [holder, holding] : holders_) {
        if (holder == dialog) {
            holding = holds;
        }
    }
}

bool TfrmMain::heldByDialog() const {
    return std::any_of(holders_.begin(), holders_.end(), [](const auto& holder) {
        return holder.second && !holder.first.isNull() && holder.first->isVisible();
    });
}

void TfrmMain::applyHold() {
    const bool free = !heldByDialog();
    if (isEnabled() != free) {
        setEnabled(free);
    }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        applyHold();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Whoever enabled or disabled the window, the dialogs shown decide.
    if (event->type() == QEvent::EnabledChange) {
        applyHold();
    }
}

void TfrmMain::Options1Click() {
    if (password_ == nullptr) {
        return;
    }
    // The settings the password opens run beside the enabled main window.
    setHolds(settings_, false);
    setEnabled(false);
    password_->show();
}

void TfrmMain::Settings1Click() {
    if (settings_ == nullptr) {
        return;
    }
    settings_->selectPage(settings_->GraphSettings);
    setHolds(settings_, true);
    setEnabled(false);
    settings_->show();
}

} // namespace tavo::ui
