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

} // namespace tavo::platform
