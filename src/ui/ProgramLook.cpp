#include "ui/ProgramLook.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace tavo::ui {

bool loadGermanTranslations(QApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool loaded = false;
    for (const char* catalogue : {"qtbase_de", "qt_de"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(catalogue), folder)) {
            QApplication::installTranslator(translator);
            loaded = true;
        } else {
            delete translator;
        }
    }
    return loaded;
}

void substituteLayoutFonts() {
    for (const char* family : {"Arial", "MS Sans Serif", "Tahoma", "Humanst521 BT"}) {
        QFont::insertSubstitutions(QString::fromLatin1(family),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
    }
}

} // namespace tavo::ui
