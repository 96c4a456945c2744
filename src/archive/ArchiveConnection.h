#pragma once

#include "archive/ArchiveTypes.h"
#include "platform/Result.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <initializer_list>

namespace tavo::archive {

// One Qt SQL connection to the archive, with what differs between the two
// back ends and the German message of a failed statement.
class Connection {
public:
    static Result<std::unique_ptr<Connection>> open(const ArchiveLocation& location);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool postgres() const { return postgres_; }
    // The column types of the schema's statements ({id}, {ref}, {blob}).
    QString dialect(QString statement) const;

    // Runs a statement with its values bound in order; the query for reading.
    Result<QSqlQuery> run(const QString& statement, std::initializer_list<QVariant> values = {});
    Result<QSqlQuery> run(const QString& statement, const QVariantList& values);
    // A transaction that writes: in SQLite taken for writing at once, so two
    // programs wait for each other instead of failing halfway.
    Result<void> begin();
    Result<void> commit();
    void rollback();

    // "Das Archiv … ist nicht erreichbar: …" and the like: `sentence`, a
    // text marked for translation in the "ArchiveConnection" context, with
    // %1 for the archive and %2 for the reason.
    QString failure(const char* sentence, const QString& reason) const;

private:
    Connection(QString name, bool postgres, QString describe);

    QString name_;
    bool postgres_ = false;
    QString describe_;
};

} // namespace tavo::archive
