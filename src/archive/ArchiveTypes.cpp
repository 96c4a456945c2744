#include "archive/ArchiveTypes.h"

#include "storage/Settings.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace tavo::archive {

ArchiveLocation ArchiveLocation::defaultSqlite() {
    ArchiveLocation location;
    // $XDG_DATA_HOME (~/.local/share) whatever the application is called.
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty()) {
        data = QStandardPaths::writableLocation(QStandardPaths::HomeLocation) +
               QStringLiteral("/.local/share");
    }
    location.path = data + QStringLiteral("/tavoaudiometer/archive.sqlite");
    return location;
}

QString ArchiveLocation::describe() const {
    if (kind == Kind::Sqlite) {
        return QCoreApplication::translate("ArchiveTypes", "„%1“").arg(path);
    }
    QString where = database;
    if (!host.isEmpty()) {
        where = host + (port > 0 ? QStringLiteral(":%1").arg(port) : QString()) + QLatin1Char('/') +
                database;
    }
    if (!user.isEmpty()) {
        where = user + QLatin1Char('@') + where;
    }
    return QCoreApplication::translate("ArchiveTypes", "„%1“").arg(where);
}

Result<ArchiveLocation> archiveLocationOf(const storage::Settings& settings) {
    if (!settings.archiveOnServer) {
        return ArchiveLocation::defaultSqlite();
    }
    ArchiveLocation location;
    location.kind = ArchiveLocation::Kind::Postgres;
    location.host = settings.archiveHost.trimmed();
    location.database = settings.archiveDatabase.trimmed();
    location.user = settings.archiveUser.trimmed();
    location.sslMode = settings.archiveSslMode.trimmed();
    const QString port = settings.archivePort.trimmed();
    if (!port.isEmpty()) {
        bool ok = false;
        location.port = port.toInt(&ok);
        if (!ok || location.port < 1 || location.port > 65535) {
            return Result<ArchiveLocation>::failure(
                QCoreApplication::translate(
                    "ArchiveTypes",
                    "Der Port des Archivservers „%1“ ist keine Zahl von 1 bis 65535.")
                    .arg(port));
        }
    }
    return location;
}

QString stateName(TestState state) {
    switch (state) {
    case TestState::Running:
        return QStringLiteral("running");
    case TestState::Completed:
        return QStringLiteral("completed");
    case TestState::Interrupted:
        return QStringLiteral("interrupted");
    case TestState::Imported:
        return QStringLiteral("imported");
    }
    return {};
}

std::optional<TestState> stateFromName(const QString& name) {
    for (const auto state :
         {TestState::Running, TestState::Completed, TestState::Interrupted, TestState::Imported}) {
        if (stateName(state) == name) {
            return state;
        }
    }
    return std::nullopt;
}

QString personKey(const QString& name) {
    return name.trimmed().toCaseFolded();
}

} // namespace tavo::archive
