#include "ui/ProgramLook.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>

namespace tavo::ui {

void substituteLayoutFonts() {
    for (const char* family : {"Arial", "MS Sans Serif", "Tahoma", "Humanst521 BT"}) {
        QFont::insertSubstitutions(QString::fromLatin1(family),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
    }
}

void installProgramIcon() {
    // One folder per size under the resource prefix.
    const QDir sizes(QStringLiteral(":/tavo/icon"));
    QIcon icon;
    for (const QString& size : sizes.entryList(QDir::Dirs)) {
        icon.addFile(sizes.filePath(size + QStringLiteral("/" TAVO_APP_ID ".png")));
    }
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVO_APP_ID));
}

} // namespace tavo::ui
