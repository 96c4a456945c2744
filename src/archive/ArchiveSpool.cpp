#include "archive/ArchiveSpool.h"

#include "archive/Archive.h"
#include "archive/ArchiveConnection.h"
#include "storage/TestFile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

namespace tavo::archive {

namespace {

// 2 added the fit-check figures; a spool of version 1 is still read.
constexpr qint32 kPayloadVersion = 2;

QByteArray payloadOf(const ArchiveEntry& entry) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kPayloadVersion << entry.entryKey << stateName(entry.state) << entry.startedAt
        << entry.endedAt << entry.station << entry.examiner << entry.programVersion
        << entry.settings << entry.calibrationFile << entry.calibrationPerson
        << entry.calibrationDate << entry.calibrationHash << entry.fileBytes
        << entry.fitCheck.exposure << entry.fitCheck.parLeft << entry.fitCheck.parRight
        << entry.fitCheck.par84Binaural << entry.fitCheck.verdict;
    return bytes;
}

Result<ArchiveEntry> entryOf(const QByteArray& payload) {
    QDataStream in(payload);
    in.setVersion(QDataStream::Qt_6_0);
    qint32 version = 0;
    ArchiveEntry entry;
    QString state;
    in >> version >> entry.entryKey >> state >> entry.startedAt >> entry.endedAt >> entry.station >>
        entry.examiner >> entry.programVersion >> entry.settings >> entry.calibrationFile >>
        entry.calibrationPerson >> entry.calibrationDate >> entry.calibrationHash >>
        entry.fileBytes;
    if (version >= 2) {
        in >> entry.fitCheck.exposure >> entry.fitCheck.parLeft >> entry.fitCheck.parRight >>
            entry.fitCheck.par84Binaural >> entry.fitCheck.verdict;
    }
    const auto record = storage::decodeTestRecord(entry.fileBytes);
    if (version < 1 || version > kPayloadVersion || in.status() != QDataStream::Ok || !record) {
        return Result<ArchiveEntry>::failure(QCoreApplication::translate(
            "ArchiveSpool", "Ein wartender Test ist beschädigt und bleibt im Zwischenspeicher."));
    }
    entry.state = stateFromName(state).value_or(TestState::Interrupted);
    entry.record = *record;
    return entry;
}

} // namespace

Spool::Spool(std::unique_ptr<Connection> connection) : db_(std::move(connection)) {}

Spool::~Spool() = default;

QString Spool::defaultPath() {
    QString path = ArchiveLocation::defaultSqlite().path;
    path.replace(QStringLiteral("archive.sqlite"), QStringLiteral("spool.sqlite"));
    return path;
}

Result<std::unique_ptr<Spool>> Spool::open(const QString& path) {
    using Fail = Result<std::unique_ptr<Spool>>;
    ArchiveLocation location;
    location.path = path;
    auto connection = Connection::open(location);
    if (!connection) {
        return Fail::failure(connection.error());
    }
    const auto made =
        (*connection)
            ->run(QStringLiteral("CREATE TABLE IF NOT EXISTS waiting (seq INTEGER PRIMARY KEY,"
                                 " entry_key TEXT NOT NULL UNIQUE, payload BLOB NOT NULL)"));
    if (!made) {
        return Fail::failure(made.error());
    }
    return std::unique_ptr<Spool>(new Spool(std::move(*connection)));
}

Result<void> Spool::put(const ArchiveEntry& entry) {
    // A newer copy of the same test takes the place of the older one.
    const auto done = db_->run(QStringLiteral("INSERT INTO waiting (entry_key, payload)"
                                              " VALUES (?, ?) ON CONFLICT (entry_key)"
                                              " DO UPDATE SET payload = excluded.payload"),
                               {entry.entryKey, payloadOf(entry)});
    return done ? Result<void>() : Result<void>::failure(done.error());
}

Result<int> Spool::pending() {
    auto query = db_->run(QStringLiteral("SELECT count(*) FROM waiting"));
    if (!query) {
        return Result<int>::failure(query.error());
    }
    return query->next() ? query->value(0).toInt() : 0;
}

Result<int> Spool::sendTo(Archive& archive) {
    auto query = db_->run(QStringLiteral("SELECT seq, payload FROM waiting ORDER BY seq"));
    if (!query) {
        return Result<int>::failure(query.error());
    }
    std::vector<std::pair<qint64, QByteArray>> waiting;
    while (query->next()) {
        waiting.emplace_back(query->value(0).toLongLong(), query->value(1).toByteArray());
    }
    int sent = 0;
    for (const auto& [seq, payload] : waiting) {
        const auto entry = entryOf(payload);
        if (!entry) {
            return Result<int>::failure(entry.error());
        }
        if (const auto stored = archive.store(*entry); !stored) {
            return Result<int>::failure(stored.error());
        }
        // Gone from here only once the archive has it; should this step
        // fail, sending it again replaces it there.
        if (const auto removed =
                db_->run(QStringLiteral("DELETE FROM waiting WHERE seq = ?"), {qint64{seq}});
            !removed) {
            return Result<int>::failure(removed.error());
        }
        ++sent;
    }
    return sent;
}

} // namespace tavo::archive
