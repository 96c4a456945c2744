#include "archive/ArchiveSchema.h"

#include "archive/ArchiveCells.h"
#include "archive/ArchiveConnection.h"
#include "archive/ArchiveFitCheck.h"
#include "storage/TestFile.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace tavo::archive {

namespace {

// Version 1: persons and their tests with the test file's bytes.
const char* const kVersion1[] = {
    "CREATE TABLE persons (id {id}, name TEXT NOT NULL, name_key TEXT NOT NULL UNIQUE)",
    "CREATE TABLE tests (id {id}, entry_key TEXT NOT NULL UNIQUE,"
    " person_id {ref} NOT NULL REFERENCES persons (id) ON DELETE CASCADE,"
    " location TEXT NOT NULL, erstpruefung INTEGER NOT NULL, screening INTEGER NOT NULL,"
    " verdict_ok INTEGER NOT NULL, verdict_nok INTEGER NOT NULL,"
    " run1_date TEXT NOT NULL, run1_time TEXT NOT NULL,"
    " run2_date TEXT NOT NULL, run2_time TEXT NOT NULL,"
    " started_at TEXT NOT NULL, ended_at TEXT NOT NULL, station TEXT NOT NULL,"
    " examiner TEXT NOT NULL, program_version TEXT NOT NULL, settings TEXT NOT NULL,"
    " calibration_file TEXT NOT NULL, calibration_person TEXT NOT NULL,"
    " calibration_date TEXT NOT NULL, calibration_hash TEXT NOT NULL,"
    " ospl TEXT NOT NULL, ospr TEXT NOT NULL, apv TEXT NOT NULL, state TEXT NOT NULL,"
    " file_bytes {blob} NOT NULL, file_hash TEXT NOT NULL, archived_at TEXT NOT NULL)",
    "CREATE INDEX tests_by_person ON tests (person_id, archived_at)",
    "CREATE INDEX tests_by_file ON tests (file_hash)",
};

// Version 2: every run, ear and frequency as a row of its own (for the
// per-frequency export and the fit-check report), filled from the files of
// the tests archived before.
const char* const kVersion2[] = {
    "CREATE TABLE cells (test_id {ref} NOT NULL REFERENCES tests (id) ON DELETE CASCADE,"
    " run INTEGER NOT NULL, ear INTEGER NOT NULL, result_index INTEGER NOT NULL,"
    " frequency INTEGER NOT NULL, reversal_count INTEGER NOT NULL, levels TEXT NOT NULL,"
    " threshold INTEGER NOT NULL, spread INTEGER NOT NULL,"
    " PRIMARY KEY (test_id, run, ear, result_index))",
};

// Version 3: the fit-check report's exposure and figures with each test,
// computed for the tests archived before.
const char* const kVersion3[] = {
    "ALTER TABLE tests ADD COLUMN exposure TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE tests ADD COLUMN par_left TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE tests ADD COLUMN par_right TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE tests ADD COLUMN par84_binaural TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE tests ADD COLUMN verdict TEXT NOT NULL DEFAULT ''",
};

template <std::size_t N> Result<void> runAll(Connection& db, const char* const (&statements)[N]) {
    for (const char* statement : statements) {
        if (const auto done = db.run(db.dialect(QString::fromLatin1(statement))); !done) {
            return Result<void>::failure(done.error());
        }
    }
    return {};
}

// Runs `derive` on every archived test whose file still reads (a migration
// adding what follows from the files).
template <typename Derive> Result<void> forEachArchivedTest(Connection& db, Derive derive) {
    auto query = db.run(QStringLiteral("SELECT id, file_bytes FROM tests"));
    if (!query) {
        return Result<void>::failure(query.error());
    }
    std::vector<std::pair<qint64, QByteArray>> files;
    while (query->next()) {
        files.emplace_back(query->value(0).toLongLong(), query->value(1).toByteArray());
    }
    for (const auto& [id, bytes] : files) {
        if (const auto record = storage::decodeTestRecord(bytes)) {
            if (const auto written = derive(id, *record); !written) {
                return written;
            }
        }
    }
    return {};
}

Result<void> fillCells(Connection& db) {
    return forEachArchivedTest(db, [&db](qint64 id, const engine::TestRecord& record) {
        return writeCells(db, id, record);
    });
}

// With the design values: the settings each test ran with are only kept as text.
Result<void> fillFitCheck(Connection& db) {
    return forEachArchivedTest(db, [&db](qint64 id, const engine::TestRecord& record) {
        return writeFitCheck(db, id, fitCheckFiguresOf(record, {}));
    });
}

Result<int> storedVersion(Connection& db) {
    // A new archive has no version table yet.
    auto made = db.run(QStringLiteral("CREATE TABLE IF NOT EXISTS archive_schema "
                                      "(version INTEGER NOT NULL)"));
    if (!made) {
        return Result<int>::failure(made.error());
    }
    auto query = db.run(QStringLiteral("SELECT max(version) FROM archive_schema"));
    if (!query) {
        return Result<int>::failure(query.error());
    }
    return query->next() && !query->value(0).isNull() ? query->value(0).toInt() : 0;
}

} // namespace

Result<void> migrate(Connection& db, int programVersion) {
    if (const auto begun = db.begin(); !begun) {
        return begun;
    }
    const auto version = storedVersion(db);
    if (!version) {
        db.rollback();
        return Result<void>::failure(version.error());
    }
    if (*version > programVersion) {
        db.rollback();
        return Result<void>::failure(
            QCoreApplication::translate(
                "ArchiveSchema",
                "Das Archiv wurde von einer neueren Programmversion angelegt "
                "(Schema %1, dieses Programm kennt bis %2). Es wird nicht verändert; "
                "bitte aktualisieren Sie das Programm.")
                .arg(*version)
                .arg(programVersion));
    }
    Result<void> step;
    if (*version < 1) {
        step = runAll(db, kVersion1);
    }
    if (step && *version < 2 && programVersion >= 2) {
        step = runAll(db, kVersion2);
        if (step) {
            step = fillCells(db);
        }
    }
    if (step && *version < 3 && programVersion >= 3) {
        step = runAll(db, kVersion3);
        if (step) {
            step = fillFitCheck(db);
        }
    }
    if (step && *version < programVersion) {
        const auto noted = db.run(QStringLiteral("INSERT INTO archive_schema (version) VALUES (?)"),
                                  {programVersion});
        if (!noted) {
            step = Result<void>::failure(noted.error());
        }
    }
    if (!step) {
        db.rollback();
        return step;
    }
    return db.commit();
}

} // namespace tavo::archive
