#include "archive/Archive.h"

#include "archive/ArchiveCells.h"
#include "archive/ArchiveConnection.h"
#include "archive/ArchiveFitCheck.h"
#include "archive/ArchiveSchema.h"
#include "engine/Evaluation.h"
#include "storage/TestFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QSqlQuery>

namespace tavo::archive {

namespace {

QString sha256(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// LIKE's own characters in a search text match only themselves.
QString likePattern(const QString& search) {
    QString escaped = personKey(search);
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

Result<std::int64_t> personId(Connection& db, const QString& name) {
    const QString key = personKey(name);
    const auto added = db.run(QStringLiteral("INSERT INTO persons (name, name_key) VALUES (?, ?) "
                                             "ON CONFLICT (name_key) DO NOTHING"),
                              {name.trimmed(), key});
    if (!added) {
        return Result<std::int64_t>::failure(added.error());
    }
    auto query = db.run(QStringLiteral("SELECT id FROM persons WHERE name_key = ?"), {key});
    if (!query) {
        return Result<std::int64_t>::failure(query.error());
    }
    if (!query->next()) {
        return Result<std::int64_t>::failure(
            QCoreApplication::translate("Archive", "Die Person fehlt im Archiv."));
    }
    return query->value(0).toLongLong();
}

// Writes the test's row (new or replacing the one with its entry key).
Result<std::int64_t> writeTest(Connection& db, const ArchiveEntry& entry, std::int64_t person) {
    const auto& record = entry.record;
    const auto figures = engine::CalcAVP(record);
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    const QVariantList values = {qint64{person},
                                 record.data.location,
                                 int{record.data.erstpruefung},
                                 int{record.data.screening},
                                 int{record.data.ok},
                                 int{record.data.nok},
                                 record.Test1Result.TestDate,
                                 record.Test1Result.TestTime,
                                 record.Test2Result.TestDate,
                                 record.Test2Result.TestTime,
                                 entry.startedAt,
                                 entry.endedAt,
                                 entry.station,
                                 entry.examiner,
                                 entry.programVersion,
                                 entry.settings,
                                 entry.calibrationFile,
                                 entry.calibrationPerson,
                                 entry.calibrationDate,
                                 entry.calibrationHash,
                                 figures.ospl,
                                 figures.ospr,
                                 figures.apv,
                                 stateName(entry.state),
                                 entry.fileBytes,
                                 sha256(entry.fileBytes),
                                 now};
    static const QString columns = QStringLiteral(
        "person_id, location, erstpruefung, screening, verdict_ok, verdict_nok, run1_date, "
        "run1_time, run2_date, run2_time, started_at, ended_at, station, examiner, "
        "program_version, settings, calibration_file, calibration_person, calibration_date, "
        "calibration_hash, ospl, ospr, apv, state, file_bytes, file_hash, archived_at");
    auto existing =
        db.run(QStringLiteral("SELECT id FROM tests WHERE entry_key = ?"), {entry.entryKey});
    if (!existing) {
        return Result<std::int64_t>::failure(existing.error());
    }
    if (existing->next()) {
        const std::int64_t id = existing->value(0).toLongLong();
        QStringList assignments;
        for (const QString& column : columns.split(QStringLiteral(", "))) {
            assignments << column + QStringLiteral(" = ?");
        }
        QVariantList bound = values;
        bound << qint64{id};
        const auto updated = db.run(QStringLiteral("UPDATE tests SET %1 WHERE id = ?")
                                        .arg(assignments.join(QStringLiteral(", "))),
                                    bound);
        return updated ? Result<std::int64_t>(id) : Result<std::int64_t>::failure(updated.error());
    }
    QVariantList bound = values;
    bound.prepend(entry.entryKey);
    auto inserted =
        db.run(QStringLiteral("INSERT INTO tests (entry_key, %1) VALUES (?%2) RETURNING id")
                   .arg(columns, QStringLiteral(", ?").repeated(int(values.size()))),
               bound);
    if (!inserted) {
        return Result<std::int64_t>::failure(inserted.error());
    }
    if (!inserted->next()) {
        return Result<std::int64_t>::failure(
            QCoreApplication::translate("Archive", "Der Test bekam keine Nummer."));
    }
    return inserted->value(0).toLongLong();
}

TestSummary summaryOf(const QSqlQuery& row) {
    TestSummary test;
    test.id = row.value(0).toLongLong();
    test.person = row.value(1).toString();
    test.location = row.value(2).toString();
    test.erstpruefung = row.value(3).toInt() != 0;
    test.screening = row.value(4).toInt() != 0;
    test.ok = row.value(5).toInt() != 0;
    test.nok = row.value(6).toInt() != 0;
    test.testDate = row.value(7).toString();
    test.testTime = row.value(8).toString();
    test.ospl = row.value(9).toString();
    test.ospr = row.value(10).toString();
    test.apv = row.value(11).toString();
    test.state = stateFromName(row.value(12).toString()).value_or(TestState::Imported);
    test.station = row.value(13).toString();
    test.calibrationFile = row.value(14).toString();
    test.archivedAt = row.value(15).toString();
    test.calibrationHash = row.value(16).toString();
    test.fitCheck = {row.value(17).toString(), row.value(18).toString(), row.value(19).toString(),
                     row.value(20).toString(), row.value(21).toString()};
    return test;
}

} // namespace

Archive::Archive(ArchiveLocation location, std::unique_ptr<Connection> connection)
    : location_(std::move(location)), db_(std::move(connection)) {}

Archive::~Archive() = default;

Result<std::unique_ptr<Archive>> Archive::open(const ArchiveLocation& location, int schemaVersion) {
    using Fail = Result<std::unique_ptr<Archive>>;
    auto connection = Connection::open(location);
    if (!connection) {
        return Fail::failure(connection.error());
    }
    if (const auto migrated = migrate(**connection, schemaVersion); !migrated) {
        return Fail::failure(migrated.error());
    }
    return std::unique_ptr<Archive>(new Archive(location, std::move(*connection)));
}

Result<std::int64_t> Archive::store(const ArchiveEntry& entry) {
    using Fail = Result<std::int64_t>;
    if (const auto begun = db_->begin(); !begun) {
        return Fail::failure(begun.error());
    }
    const auto person = personId(*db_, entry.record.data.person);
    auto id = person ? writeTest(*db_, entry, *person) : Fail::failure(person.error());
    if (id) {
        if (const auto cells = writeCells(*db_, *id, entry.record); !cells) {
            id = Fail::failure(cells.error());
        } else if (const auto rated = writeFitCheck(*db_, *id, entry.fitCheck); !rated) {
            id = Fail::failure(rated.error());
        }
    }
    if (!id) {
        db_->rollback();
        return id;
    }
    if (const auto committed = db_->commit(); !committed) {
        return Fail::failure(committed.error());
    }
    return id;
}

Result<Archive::Imported> Archive::importFile(const QByteArray& bytes) {
    using Fail = Result<Imported>;
    const auto record = storage::decodeTestRecord(bytes);
    if (!record) {
        return Fail::failure(record.error());
    }
    auto known =
        db_->run(QStringLiteral("SELECT id FROM tests WHERE file_hash = ?"), {sha256(bytes)});
    if (!known) {
        return Fail::failure(known.error());
    }
    if (known->next()) {
        return Imported{known->value(0).toLongLong(), false};
    }
    ArchiveEntry entry;
    entry.entryKey = QStringLiteral("file:") + sha256(bytes);
    entry.record = *record;
    entry.state = TestState::Imported;
    entry.fileBytes = bytes;
    // The design values: another installation's settings are not known.
    entry.fitCheck = fitCheckFiguresOf(*record, {});
    const auto id = store(entry);
    if (!id) {
        return Fail::failure(id.error());
    }
    return Imported{*id, true};
}

Result<std::vector<PersonSummary>> Archive::persons(const QString& search) {
    using Fail = Result<std::vector<PersonSummary>>;
    auto query =
        db_->run(QStringLiteral("SELECT p.id, p.name, count(t.id), max(t.archived_at),"
                                " (SELECT location FROM tests l WHERE l.person_id = p.id"
                                "  ORDER BY l.archived_at DESC, l.id DESC LIMIT 1),"
                                " (SELECT apv FROM tests a WHERE a.person_id = p.id"
                                "  ORDER BY a.archived_at DESC, a.id DESC LIMIT 1)"
                                " FROM persons p LEFT JOIN tests t ON t.person_id = p.id"
                                " WHERE p.name_key LIKE ? ESCAPE '\\'"
                                " GROUP BY p.id, p.name, p.name_key ORDER BY p.name_key, p.id"),
                 {likePattern(search)});
    if (!query) {
        return Fail::failure(query.error());
    }
    std::vector<PersonSummary> found;
    while (query->next()) {
        PersonSummary person;
        person.id = query->value(0).toLongLong();
        person.name = query->value(1).toString();
        person.tests = query->value(2).toInt();
        person.lastTest = query->value(3).toString();
        person.location = query->value(4).toString();
        person.lastApv = query->value(5).toString();
        found.push_back(person);
    }
    return found;
}

namespace {
const QString kTestColumns = QStringLiteral(
    "SELECT t.id, p.name, t.location, t.erstpruefung, t.screening, t.verdict_ok, t.verdict_nok,"
    " t.run1_date, t.run1_time, t.ospl, t.ospr, t.apv, t.state, t.station, t.calibration_file,"
    " t.archived_at, t.calibration_hash, t.exposure, t.par_left, t.par_right, t.par84_binaural,"
    " t.verdict FROM tests t JOIN persons p ON p.id = t.person_id ");
} // namespace

Result<std::vector<TestSummary>> Archive::tests(std::int64_t personId) {
    using Fail = Result<std::vector<TestSummary>>;
    // Two statements, not "? = 0 OR person_id = ?": SQLite would not use the
    // person's index for that and read every test.
    static const QString newestFirst = QStringLiteral(" ORDER BY t.archived_at DESC, t.id DESC");
    auto query =
        personId == 0
            ? db_->run(kTestColumns + newestFirst)
            : db_->run(kTestColumns + QStringLiteral("WHERE t.person_id = ?") + newestFirst,
                       {qint64{personId}});
    if (!query) {
        return Fail::failure(query.error());
    }
    std::vector<TestSummary> found;
    while (query->next()) {
        found.push_back(summaryOf(*query));
    }
    return found;
}

Result<TestSummary> Archive::test(std::int64_t testId) {
    auto query = db_->run(kTestColumns + QStringLiteral("WHERE t.id = ?"), {qint64{testId}});
    if (!query) {
        return Result<TestSummary>::failure(query.error());
    }
    if (!query->next()) {
        return Result<TestSummary>::failure(
            QCoreApplication::translate("Archive", "Im Archiv gibt es keinen Test %1.")
                .arg(testId));
    }
    return summaryOf(*query);
}

Result<std::vector<Archive::Cell>> Archive::cells(std::int64_t testId) {
    auto query = db_->run(QStringLiteral("SELECT run, ear, frequency, reversal_count, levels,"
                                         " threshold, spread FROM cells WHERE test_id = ?"
                                         " ORDER BY run, ear, result_index"),
                          {qint64{testId}});
    if (!query) {
        return Result<std::vector<Cell>>::failure(query.error());
    }
    std::vector<Cell> found;
    while (query->next()) {
        found.push_back({query->value(0).toInt(), query->value(1).toInt(), query->value(2).toInt(),
                         query->value(3).toInt(), query->value(4).toString(),
                         query->value(5).toInt(), query->value(6).toInt()});
    }
    return found;
}

Result<QByteArray> Archive::fileBytes(std::int64_t testId) {
    auto query =
        db_->run(QStringLiteral("SELECT file_bytes FROM tests WHERE id = ?"), {qint64{testId}});
    if (!query) {
        return Result<QByteArray>::failure(query.error());
    }
    if (!query->next()) {
        return Result<QByteArray>::failure(
            QCoreApplication::translate("Archive", "Im Archiv gibt es keinen Test %1.")
                .arg(testId));
    }
    return query->value(0).toByteArray();
}

Result<void> Archive::saveFitCheck(std::int64_t testId, const FitCheckFigures& figures) {
    return writeFitCheck(*db_, testId, figures);
}

Result<int> Archive::testCount(std::int64_t personId) {
    auto query = db_->run(QStringLiteral("SELECT count(*) FROM tests WHERE person_id = ?"),
                          {qint64{personId}});
    if (!query) {
        return Result<int>::failure(query.error());
    }
    return query->next() ? query->value(0).toInt() : 0;
}

Result<int> Archive::deletePerson(std::int64_t personId) {
    if (const auto begun = db_->begin(); !begun) {
        return Result<int>::failure(begun.error());
    }
    const auto count = testCount(personId);
    const auto removed =
        count ? db_->run(QStringLiteral("DELETE FROM persons WHERE id = ?"), {qint64{personId}})
              : Result<QSqlQuery>::failure(count.error());
    if (!removed) {
        db_->rollback();
        return Result<int>::failure(removed.error());
    }
    if (removed->numRowsAffected() != 1) {
        db_->rollback();
        return Result<int>::failure(
            QCoreApplication::translate("Archive", "Im Archiv gibt es keine Person %1.")
                .arg(personId));
    }
    if (const auto committed = db_->commit(); !committed) {
        return Result<int>::failure(committed.error());
    }
    return *count;
}

} // namespace tavo::archive
