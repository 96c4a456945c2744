#include "ui/QtMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace tavo::ui {

using namespace platform;

MessageAnswer QtMessages::show(const Message& message) {
    QMessageBox box(QApplication::activeWindow());
    switch (message.type) {
    case MessageType::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageType::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageType::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageType::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageType::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    }
    box.setWindowTitle(message.caption.isEmpty() ? QApplication::applicationName()
                                                 : message.caption);
    box.setText(message.text);
    switch (message.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    // The program speaks German whatever Qt's own translations say.
    for (const auto& [button, text] :
         {std::pair{QMessageBox::Yes, "Ja"}, std::pair{QMessageBox::No, "Nein"},
          std::pair{QMessageBox::Cancel, "Abbrechen"}}) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(QString::fromUtf8(text));
        }
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Closed;
    }
}

} // namespace tavo::ui
