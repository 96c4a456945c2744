#include "ui/SaveAsName.h"

namespace tavo::ui {

QString proposedFileName(const SaveAsNameParts& parts) {
    QString name = parts.location + QLatin1Char(' ') + parts.person;
    if (parts.firstExamination) {
        name += QStringLiteral(" Erstprüfung");
    }
    if (parts.followUp) {
        name += QStringLiteral(" Überwachungsprüfung");
    }
    name += parts.inOrder ? QStringLiteral(" IO ") : QStringLiteral(" NIO ");
    name += parts.testDate + QLatin1Char('-') + parts.testTime;
    for (const QChar c : {u'<', u'>', u'"', u':', u'/', u'\\'}) {
        name.replace(c, QLatin1Char('-'));
    }
    return name;
}

bool savesTextExport(const QString& fileName, bool textFilterChosen) {
    return fileName.endsWith(QStringLiteral(".txt"), Qt::CaseSensitive) || textFilterChosen;
}

} // namespace tavo::ui
