#include "ui/QtMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
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
    // The buttons speak the program's language whatever Qt's own catalogues
    // say (or whether there are any).
    for (const auto& [button, text] :
         {std::pair{QMessageBox::Yes, QT_TRANSLATE_NOOP("QtMessages", "Ja")},
          std::pair{QMessageBox::No, QT_TRANSLATE_NOOP("QtMessages", "Nein")},
          std::pair{QMessageBox::Cancel, QT_TRANSLATE_NOOP("QtMessages", "Abbrechen")}}) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(QCoreApplication::translate("QtMessages", text));
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
