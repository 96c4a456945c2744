#include "platform/SystemErrors.h"

#include <QCoreApplication>

#include <cerrno>

namespace tavo::platform {

QString systemErrorText(int error) {
    switch (error) {
    case ENOSPC:
        return QCoreApplication::translate("SystemErrors",
                                           "Auf dem Datenträger ist kein Platz mehr frei.");
#ifdef EDQUOT
    case EDQUOT:
        return QCoreApplication::translate("SystemErrors",
                                           "Das Speicherkontingent ist ausgeschöpft.");
#endif
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("SystemErrors", "Keine Berechtigung.");
    case ENOENT:
        return QCoreApplication::translate("SystemErrors",
                                           "Die Datei oder der Ordner existiert nicht.");
    case ENOTDIR:
        return QCoreApplication::translate("SystemErrors", "Ein Teil des Pfades ist kein Ordner.");
    case EISDIR:
        return QCoreApplication::translate("SystemErrors", "Das ist ein Ordner.");
    case EROFS:
        return QCoreApplication::translate("SystemErrors", "Der Datenträger ist schreibgeschützt.");
    case EEXIST:
        return QCoreApplication::translate("SystemErrors", "Die Datei existiert bereits.");
    case ENAMETOOLONG:
        return QCoreApplication::translate("SystemErrors", "Der Dateiname ist zu lang.");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("SystemErrors", "Zu viele offene Dateien.");
    case EIO:
        return QCoreApplication::translate("SystemErrors", "Ein-/Ausgabefehler des Datenträgers.");
    case EXDEV:
        return QCoreApplication::translate("SystemErrors",
                                           "Die Datei liegt auf einem anderen Datenträger.");
    case EBUSY:
        return QCoreApplication::translate("SystemErrors", "Die Datei ist in Gebrauch.");
    case EFBIG:
        return QCoreApplication::translate("SystemErrors", "Die Datei ist zu groß.");
    default:
        return QCoreApplication::translate("SystemErrors", "Systemfehler Nr. %1.").arg(error);
    }
}

QString jsonErrorText(QJsonParseError::ParseError error) {
    switch (error) {
    case QJsonParseError::NoError:
        return QCoreApplication::translate("SystemErrors", "kein Fehler");
    case QJsonParseError::UnterminatedObject:
        return QCoreApplication::translate("SystemErrors",
                                           "ein Objekt ist nicht mit „}“ abgeschlossen");
    case QJsonParseError::MissingNameSeparator:
        return QCoreApplication::translate("SystemErrors", "nach einem Namen fehlt „:“");
    case QJsonParseError::UnterminatedArray:
        return QCoreApplication::translate("SystemErrors",
                                           "eine Liste ist nicht mit „]“ abgeschlossen");
    case QJsonParseError::MissingValueSeparator:
        return QCoreApplication::translate("SystemErrors", "zwischen zwei Werten fehlt „,“");
    case QJsonParseError::IllegalValue:
        return QCoreApplication::translate("SystemErrors", "ungültiger Wert");
    case QJsonParseError::TerminationByNumber:
        return QCoreApplication::translate("SystemErrors", "der Text endet mitten in einer Zahl");
    case QJsonParseError::IllegalNumber:
        return QCoreApplication::translate("SystemErrors", "ungültige Zahl");
    case QJsonParseError::IllegalEscapeSequence:
        return QCoreApplication::translate("SystemErrors", "ungültige Escape-Folge");
    case QJsonParseError::IllegalUTF8String:
        return QCoreApplication::translate("SystemErrors", "ungültiges UTF-8");
    case QJsonParseError::UnterminatedString:
        return QCoreApplication::translate("SystemErrors",
                                           "eine Zeichenkette ist nicht abgeschlossen");
    case QJsonParseError::MissingObject:
        return QCoreApplication::translate("SystemErrors", "ein Objekt wurde erwartet");
    case QJsonParseError::DeepNesting:
        return QCoreApplication::translate("SystemErrors", "zu tief verschachtelt");
    case QJsonParseError::DocumentTooLarge:
        return QCoreApplication::translate("SystemErrors", "das Dokument ist zu groß");
    case QJsonParseError::GarbageAtEnd:
        return QCoreApplication::translate("SystemErrors", "nach dem Ende folgt noch Text");
    }
    return QCoreApplication::translate("SystemErrors", "JSON-Fehler Nr. %1")
        .arg(static_cast<int>(error));
}

} // namespace tavo::platform
