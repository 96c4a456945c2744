#include "ui/TfrmPassword.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace tavo::ui {

namespace {
const QString kPassword = QStringLiteral("qmz47");
}

TfrmPassword::TfrmPassword(std::function<void()> showSettings,
                           std::function<void()> enableMainWindow, QWidget* parent)
    // Kept in front: the main window is disabled behind it.
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      showSettings_(std::move(showSettings)), enableMainWindow_(std::move(enableMainWindow)) {
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(tr("Please enter password"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(257, 90);

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setGeometry(16, 16, 225, 22);
    txtPassword->installEventFilter(this);
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(80, 52, 75, 25);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(166, 52, 75, 25);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TfrmPassword::btnOKClick() {
    // A wrong password closes the dialog without a word.
    if (txtPassword->text() == kPassword && showSettings_) {
        showSettings_();
    }
    close();
}

void TfrmPassword::btnCancelClick() {
    close();
}

void TfrmPassword::hideEvent(QHideEvent* event) {
    if (enableMainWindow_) {
        enableMainWindow_();
    }
    QDialog::hideEvent(event);
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtPassword && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        btnCancelClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tavo::ui
