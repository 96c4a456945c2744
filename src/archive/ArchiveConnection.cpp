#include "archive/ArchiveConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

#include <algorithm>
#include <atomic>

namespace tavo::archive {

namespace {

const char* const kReportsError =
    QT_TRANSLATE_NOOP("ArchiveConnection", "Das Archiv %1 meldet einen Fehler: %2");

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("tavo-archive-%1").arg(++counter);
}

// A new SQLite file is made by us first, readable by the owner alone: the
// archive holds health data.
Result<void> prepareSqliteFile(const QString& path) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return Result<void>::failure(
            QCoreApplication::translate("ArchiveConnection",
                                        "Der Ordner %1 kann nicht angelegt werden.")
                .arg(info.absolutePath()));
    }
    if (!info.exists()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return Result<void>::failure(file.errorString());
        }
        file.close();
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return {};
}

} // namespace

Connection::Connection(QString name, bool postgres, QString describe)
    : name_(std::move(name)), postgres_(postgres), describe_(std::move(describe)) {}

Connection::~Connection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isOpen()) {
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name_);
}

Result<std::unique_ptr<Connection>> Connection::open(const ArchiveLocation& location) {
    using Fail = Result<std::unique_ptr<Connection>>;
    const bool postgres = location.kind == ArchiveLocation::Kind::Postgres;
    const QString driver = postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    std::unique_ptr<Connection> connection(
        new Connection(nextConnectionName(), postgres, location.describe()));
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        return Fail::failure(connection->failure(
            QT_TRANSLATE_NOOP("ArchiveConnection", "Das Archiv %1 kann nicht geöffnet werden: %2"),
            postgres
                ? QCoreApplication::translate(
                      "ArchiveConnection", "Der PostgreSQL-Treiber von Qt (Paket libqt6sql6-psql) "
                                           "ist nicht installiert.")
                : QCoreApplication::translate(
                      "ArchiveConnection",
                      "Der SQLite-Treiber von Qt (Paket libqt6sql6-sqlite) ist "
                      "nicht installiert.")));
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection->name_);
    if (postgres) {
        db.setHostName(location.host);
        if (location.port > 0) {
            db.setPort(location.port);
        }
        db.setDatabaseName(location.database);
        db.setUserName(location.user);
        // No password: libpq takes it from ~/.pgpass, a service file or the
        // PG* variables. A server that does not answer is given up soon.
        QString options = QStringLiteral("connect_timeout=5");
        if (!location.sslMode.isEmpty()) {
            options += QStringLiteral(";sslmode=") + location.sslMode;
        }
        db.setConnectOptions(options);
    } else {
        if (const auto prepared = prepareSqliteFile(location.path); !prepared) {
            return Fail::failure(connection->failure(
                QT_TRANSLATE_NOOP("ArchiveConnection",
                                  "Das Archiv %1 kann nicht angelegt werden: %2"),
                prepared.error()));
        }
        db.setDatabaseName(location.path);
        db.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(std::max(0, location.busyTimeoutMs)));
    }
    if (!db.open()) {
        return Fail::failure(connection->failure(
            QT_TRANSLATE_NOOP("ArchiveConnection", "Das Archiv %1 ist nicht erreichbar: %2"),
            db.lastError().text()));
    }
    if (postgres) {
        // The server's notices ("already exists, skipping") are no news.
        if (const auto quiet =
                connection->run(QStringLiteral("SET client_min_messages TO WARNING"));
            !quiet) {
            return Fail::failure(quiet.error());
        }
    } else {
        // Several programs on one machine write at once; the tests' cells go
        // with their test.
        for (const char* pragma :
             {"PRAGMA journal_mode=WAL", "PRAGMA foreign_keys=ON", "PRAGMA synchronous=NORMAL"}) {
            if (const auto done = connection->run(QString::fromLatin1(pragma)); !done) {
                return Fail::failure(done.error());
            }
        }
    }
    return connection;
}

QString Connection::dialect(QString statement) const {
    statement.replace(QStringLiteral("{id}"), postgres_ ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                                                        : QStringLiteral("INTEGER PRIMARY KEY"));
    statement.replace(QStringLiteral("{ref}"),
                      postgres_ ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER"));
    statement.replace(QStringLiteral("{blob}"),
                      postgres_ ? QStringLiteral("BYTEA") : QStringLiteral("BLOB"));
    return statement;
}

Result<QSqlQuery> Connection::run(const QString& statement,
                                  std::initializer_list<QVariant> values) {
    return run(statement, QVariantList(values));
}

Result<QSqlQuery> Connection::run(const QString& statement, const QVariantList& values) {
    QSqlQuery query(QSqlDatabase::database(name_, false));
    // A statement without values runs as it is: PostgreSQL cannot prepare
    // the schema's statements.
    if (values.isEmpty()) {
        if (!query.exec(statement)) {
            return Result<QSqlQuery>::failure(failure(kReportsError, query.lastError().text()));
        }
        return query;
    }
    if (!query.prepare(statement)) {
        return Result<QSqlQuery>::failure(failure(kReportsError, query.lastError().text()));
    }
    for (const QVariant& value : values) {
        // An empty text is stored as one, never as NULL.
        if (value.typeId() == QMetaType::QString && value.toString().isNull()) {
            query.addBindValue(QStringLiteral(""));
        } else {
            query.addBindValue(value);
        }
    }
    if (!query.exec()) {
        return Result<QSqlQuery>::failure(failure(kReportsError, query.lastError().text()));
    }
    return query;
}

Result<void> Connection::begin() {
    if (postgres_) {
        if (!QSqlDatabase::database(name_, false).transaction()) {
            return Result<void>::failure(
                failure(kReportsError, QSqlDatabase::database(name_, false).lastError().text()));
        }
        return {};
    }
    const auto begun = run(QStringLiteral("BEGIN IMMEDIATE"));
    return begun ? Result<void>() : Result<void>::failure(begun.error());
}

Result<void> Connection::commit() {
    if (postgres_) {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (!db.commit()) {
            const QString reason = db.lastError().text();
            db.rollback();
            return Result<void>::failure(failure(kReportsError, reason));
        }
        return {};
    }
    const auto done = run(QStringLiteral("COMMIT"));
    if (!done) {
        rollback();
        return Result<void>::failure(done.error());
    }
    return {};
}

void Connection::rollback() {
    if (postgres_) {
        QSqlDatabase::database(name_, false).rollback();
    } else {
        QSqlQuery(QStringLiteral("ROLLBACK"), QSqlDatabase::database(name_, false));
    }
}

QString Connection::failure(const char* sentence, const QString& reason) const {
    return QCoreApplication::translate("ArchiveConnection", sentence)
        .arg(describe_, reason.trimmed());
}

} // namespace tavo::archive
