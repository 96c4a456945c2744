#include "archive/ArchiveTypes.h"

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
        return QStringLiteral("„%1“").arg(path);
    }
    QString where = database;
    if (!host.isEmpty()) {
        where = host + (port > 0 ? QStringLiteral(":%1").arg(port) : QString()) + QLatin1Char('/') +
                database;
    }
    if (!user.isEmpty()) {
        where = user + QLatin1Char('@') + where;
    }
    return QStringLiteral("„%1“").arg(where);
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
