#include "platform/SystemErrors.h"

#include <cerrno>

namespace tavo::platform {

QString systemErrorText(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("Das Speicherkontingent ist ausgeschöpft.");
#endif
    case EACCES:
    case EPERM:
        return QStringLiteral("Keine Berechtigung.");
    case ENOENT:
        return QStringLiteral("Die Datei oder der Ordner existiert nicht.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR:
        return QStringLiteral("Das ist ein Ordner.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EEXIST:
        return QStringLiteral("Die Datei existiert bereits.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Dateiname ist zu lang.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Zu viele offene Dateien.");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler des Datenträgers.");
    case EXDEV:
        return QStringLiteral("Die Datei liegt auf einem anderen Datenträger.");
    case EBUSY:
        return QStringLiteral("Die Datei ist in Gebrauch.");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß.");
    default:
        return QStringLiteral("Systemfehler Nr. %1.").arg(error);
    }
}

QString jsonErrorText(QJsonParseError::ParseError error) {
    switch (error) {
    case QJsonParseError::NoError:
        return QStringLiteral("kein Fehler");
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("ein Objekt ist nicht mit „}“ abgeschlossen");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("nach einem Namen fehlt „:“");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("eine Liste ist nicht mit „]“ abgeschlossen");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("zwischen zwei Werten fehlt „,“");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("ungültiger Wert");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("der Text endet mitten in einer Zahl");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("ungültige Zahl");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("ungültige Escape-Folge");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("ungültiges UTF-8");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("eine Zeichenkette ist nicht abgeschlossen");
    case QJsonParseError::MissingObject:
        return QStringLiteral("ein Objekt wurde erwartet");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("zu tief verschachtelt");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("das Dokument ist zu groß");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("nach dem Ende folgt noch Text");
    }
    return QStringLiteral("JSON-Fehler Nr. %1").arg(static_cast<int>(error));
}

} // namespace tavo::platform
