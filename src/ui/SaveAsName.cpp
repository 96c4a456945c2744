#include "ui/SaveAsName.h"

#include "engine/TestRecord.h"

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

QString proposedFileName(const engine::TestRecord& record) {
    SaveAsNameParts parts;
    parts.location = record.data.location;
    parts.person = record.data.person;
    parts.firstExamination = record.data.erstpruefung;
    parts.followUp = record.data.screening;
    parts.inOrder = record.data.ok;
    parts.testDate = record.Test1Result.TestDate;
    parts.testTime = record.Test1Result.TestTime;
    return proposedFileName(parts);
}

} // namespace tavo::ui
