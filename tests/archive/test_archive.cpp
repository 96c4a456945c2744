// The results archive on SQLite and on a real PostgreSQL server (the
// private cluster scripts/test starts): a test written at the end of its
// first run and completed by the second, persons found by their name,
// imported files kept once, hostile names, erasure, and the schema's
// migration and refusal.

#include "archive/Archive.h"
#include "archive/ArchiveSpool.h"
#include "storage/TestFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace tavo;
using archive::Archive;
using archive::ArchiveEntry;
using archive::ArchiveLocation;
using archive::TestState;

namespace {

engine::TestRecord record(const QString& person, int threshold) {
    engine::TestRecord r;
    engine::clearResult(r.Test1Result);
    engine::clearResult(r.Test2Result);
    r.data.person = person;
    r.data.location = QStringLiteral("Werk 2");
    r.Test1Result.TestDate = QStringLiteral("09-12-2026");
    r.Test1Result.TestTime = QStringLiteral("9h5");
    for (int ear = 0; ear < engine::kEars; ++ear) {
        r.Test1Result.Reversals[ear][4].Count = 2;
        r.Test1Result.Reversals[ear][4].Levels[0] = threshold + 2;
        r.Test1Result.Reversals[ear][4].Levels[1] = threshold - 2;
        r.Test1Result.Thresholds[ear][4] = threshold;
    }
    r.ResultsValid = true;
    return r;
}

ArchiveEntry entry(const QString& key, const engine::TestRecord& r, TestState state) {
    ArchiveEntry e;
    e.entryKey = key;
    e.record = r;
    e.state = state;
    e.station = QStringLiteral("platz-1");
    e.fileBytes = storage::encodeTestFile(r);
    return e;
}

// A fresh database on each back end: a SQLite file, or the test cluster's
// database emptied.
struct Backend {
    const char* name;
    std::function<std::optional<ArchiveLocation>(const QTemporaryDir&)> make;
};

std::optional<ArchiveLocation> postgres() {
    if (qEnvironmentVariableIsEmpty("TAVO_PG_HOST")) {
        return std::nullopt;
    }
    ArchiveLocation location;
    location.kind = ArchiveLocation::Kind::Postgres;
    location.host = qEnvironmentVariable("TAVO_PG_HOST");
    location.port = qEnvironmentVariableIntValue("TAVO_PG_PORT");
    location.user = qEnvironmentVariable("TAVO_PG_USER");
    location.database = qEnvironmentVariable("TAVO_PG_DATABASE");
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("wipe"));
        db.setHostName(location.host);
        db.setPort(location.port);
        db.setUserName(location.user);
        db.setDatabaseName(location.database);
        if (db.open()) {
            QSqlQuery(QStringLiteral("SET client_min_messages = warning"), db);
            QSqlQuery(QStringLiteral("DROP TABLE IF EXISTS cells, tests, persons, archive_schema"),
                      db);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("wipe"));
    return location;
}

const std::vector<Backend> kBackends = {
    {"SQLite",
     [](const QTemporaryDir& dir) {
         ArchiveLocation location;
         location.path = dir.filePath(QStringLiteral("a/archive.sqlite"));
         return std::optional(location);
     }},
    {"PostgreSQL",
     [](const QTemporaryDir&) {
         return postgres();
     }},
};

} // namespace

TEST(Archive, KeepsEveryTestPerPersonOnBothBackEnds) {
    int backends = 0;
    for (const auto& backend : kBackends) {
        QTemporaryDir dir;
        const auto location = backend.make(dir);
        if (!location) {
            std::printf("%s: no server here (scripts/test starts one)\n", backend.name);
            continue;
        }
        ++backends;
        SCOPED_TRACE(backend.name);
        auto opened = Archive::open(*location);
        ASSERT_TRUE(opened) << opened.error().toStdString();
        Archive& archive = **opened;

        // Written after the first run, completed by the second: one test.
        auto first = record(QStringLiteral("  Anna Müller "), 30);
        const auto id = archive.store(entry(QStringLiteral("k1"), first, TestState::Running));
        ASSERT_TRUE(id) << id.error().toStdString();
        first.Test2Result.Thresholds[0][4] = 10;
        first.Test2Result.Thresholds[1][4] = 12;
        const auto again = archive.store(entry(QStringLiteral("k1"), first, TestState::Completed));
        ASSERT_TRUE(again);
        EXPECT_EQ(*again, *id);
        // The same person however the name is typed; a hostile one intact.
        const QString hostile =
            QStringLiteral("O'Brien; DROP TABLE tests; --\"%_\\") + QString(10000, QChar(u'ä'));
        ASSERT_TRUE(
            archive.store(entry(QStringLiteral("k2"), record(QStringLiteral("ANNA MÜLLER"), 25),
                                TestState::Interrupted)));
        ASSERT_TRUE(
            archive.store(entry(QStringLiteral("k3"), record(hostile, 40), TestState::Completed)));

        const auto everybody = archive.persons();
        ASSERT_TRUE(everybody);
        ASSERT_EQ(everybody->size(), 2u);
        const auto anna = archive.persons(QStringLiteral(" müll"));
        ASSERT_TRUE(anna);
        ASSERT_EQ(anna->size(), 1u);
        EXPECT_EQ(anna->front().name, QStringLiteral("Anna Müller"));
        EXPECT_EQ(anna->front().tests, 2);
        EXPECT_EQ(archive.persons(QStringLiteral("%"))->size(), 1u); // LIKE's % is a character
        const auto found = archive.persons(QStringLiteral("o'brien; drop"));
        ASSERT_EQ(found->size(), 1u);
        EXPECT_EQ(found->front().name, hostile);

        const auto tests = archive.tests(anna->front().id);
        ASSERT_TRUE(tests);
        ASSERT_EQ(tests->size(), 2u);
        const auto& completed = tests->at(0).id == *id ? tests->at(0) : tests->at(1);
        EXPECT_EQ(completed.state, TestState::Completed);
        EXPECT_EQ(completed.ospl, QStringLiteral("20"));
        EXPECT_EQ(completed.apv, QStringLiteral("19"));
        EXPECT_EQ(completed.station, QStringLiteral("platz-1"));
        // The file comes back byte for byte.
        EXPECT_EQ(*archive.fileBytes(*id), storage::encodeTestFile(first));

        // A file is taken once, whoever wrote it.
        const QByteArray file = storage::encodeTestFile(record(QStringLiteral("Bernd"), 35));
        const auto imported = archive.importFile(file);
        ASSERT_TRUE(imported) << imported.error().toStdString();
        EXPECT_TRUE(imported->added);
        const auto twice = archive.importFile(file);
        EXPECT_FALSE(twice->added);
        EXPECT_EQ(twice->id, imported->id);
        EXPECT_FALSE(archive.importFile(QByteArray("kein Test")));

        // Erasure: the person with every test.
        EXPECT_EQ(*archive.deletePerson(anna->front().id), 2);
        EXPECT_TRUE(archive.persons(QStringLiteral("anna"))->empty());
        EXPECT_EQ(archive.tests(0)->size(), 2u);
        EXPECT_FALSE(archive.deletePerson(anna->front().id));
        EXPECT_FALSE(archive.fileBytes(*id));
    }
    EXPECT_GE(backends, 1);
}

TEST(Archive, SqliteFileIsPrivateAndTheSchemaMigratesOrIsRefused) {
    QTemporaryDir dir;
    ArchiveLocation location;
    location.path = dir.filePath(QStringLiteral("archive.sqlite"));
    {
        // An archive of the first schema with one test.
        auto old = Archive::open(location, 1);
        ASSERT_TRUE(old) << old.error().toStdString();
        EXPECT_EQ(QFile::permissions(location.path) & 0x0077, 0); // nobody but the owner
        auto r = record(QStringLiteral("Carla"), 30);
        r.Test2Result.Thresholds[0][4] = 20;
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(location.path);
        ASSERT_TRUE(db.open());
        QSqlQuery(QStringLiteral("INSERT INTO persons (name, name_key) VALUES ('Carla', 'carla')"),
                  db);
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO tests (entry_key, person_id, location, erstpruefung, screening,"
            " verdict_ok, verdict_nok, run1_date, run1_time, run2_date, run2_time, started_at,"
            " ended_at, station, examiner, program_version, settings, calibration_file,"
            " calibration_person, calibration_date, calibration_hash, ospl, ospr, apv, state,"
            " file_bytes, file_hash, archived_at) VALUES ('old', 1, '', 0, 0, 1, 0, '', '', '',"
            " '', '', '', '', '', '', '', '', '', '', '', '', '', '', 'completed', ?, 'h', '')"));
        insert.addBindValue(storage::encodeTestFile(r));
        ASSERT_TRUE(insert.exec());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));
    {
        // Opened by this program: the migration fills the cells of the old test.
        auto current = Archive::open(location);
        ASSERT_TRUE(current) << current.error().toStdString();
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v2"));
        db.setDatabaseName(location.path);
        ASSERT_TRUE(db.open());
        QSqlQuery cells(QStringLiteral("SELECT run, ear, frequency, threshold, levels FROM cells "
                                       "ORDER BY run, ear"),
                        db);
        std::vector<QString> rows;
        while (cells.next()) {
            rows.push_back(QStringLiteral("%1 %2 %3 %4 %5")
                               .arg(cells.value(0).toInt())
                               .arg(cells.value(1).toInt())
                               .arg(cells.value(2).toInt())
                               .arg(cells.value(3).toInt())
                               .arg(cells.value(4).toString()));
        }
        EXPECT_EQ(rows, (std::vector<QString>{QStringLiteral("1 0 1000 30 32 28"),
                                              QStringLiteral("1 1 1000 30 32 28"),
                                              QStringLiteral("2 0 1000 20 ")}));
        // ... and rates it (one band: no PAR, no verdict).
        const auto rated = (*current)->test(1);
        ASSERT_TRUE(rated);
        EXPECT_EQ(rated->fitCheck.verdict, QStringLiteral("Keine Bewertung"));
        EXPECT_EQ(rated->fitCheck.parLeft, QString());
        // A newer program's archive: refused, and left as it was.
        QSqlQuery(QStringLiteral("INSERT INTO archive_schema (version) VALUES (9)"), db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v2"));
    QFile file(location.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const auto refused = Archive::open(location);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().contains(QStringLiteral("neueren Programmversion")))
        << refused.error().toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST(Archive, TwoProgramsWritingAtOnceLoseNothingAndDoubleNothing) {
    int backends = 0;
    for (const auto& backend : kBackends) {
        QTemporaryDir dir;
        const auto location = backend.make(dir);
        if (!location) {
            continue;
        }
        ++backends;
        SCOPED_TRACE(backend.name);
        // Made first, so both writers find the schema in place.
        ASSERT_TRUE(Archive::open(*location));
        const QString target = location->kind == ArchiveLocation::Kind::Sqlite
                                   ? location->path
                                   : QStringLiteral("postgres");
        QProcess a;
        QProcess b;
        const QString writer = qEnvironmentVariable("TAVO_ARCHIVE_WRITER");
        a.start(writer, {target, QStringLiteral("a"), QStringLiteral("200")});
        b.start(writer, {target, QStringLiteral("b"), QStringLiteral("200")});
        for (QProcess* p : {&a, &b}) {
            ASSERT_TRUE(p->waitForFinished(120000));
            EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        }
        auto opened = Archive::open(*location);
        ASSERT_TRUE(opened);
        const auto all = (*opened)->tests(0);
        ASSERT_TRUE(all);
        EXPECT_EQ(all->size(), 400u);
        const auto persons = (*opened)->persons();
        ASSERT_EQ(persons->size(), 20u);
        for (const auto& person : *persons) {
            EXPECT_EQ(person.tests, 20) << person.name.toStdString();
        }
    }
    EXPECT_GE(backends, 1);
}

TEST(Archive, TheSpoolKeepsWhatTheArchiveRefusesAndSendsItOnce) {
    QTemporaryDir dir;
    ArchiveLocation location;
    location.path = dir.filePath(QStringLiteral("archive.sqlite"));
    auto opened = Archive::open(location);
    ASSERT_TRUE(opened);
    Archive& archive = **opened;
    auto spool = archive::Spool::open(dir.filePath(QStringLiteral("spool.sqlite")));
    ASSERT_TRUE(spool) << spool.error().toStdString();

    // The archive refuses (its table is away, as on a server in trouble):
    // the test waits, its later copy in its place.
    const auto away = [&](const char* from, const char* to) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("x"));
        db.setDatabaseName(location.path);
        ASSERT_TRUE(db.open());
        QSqlQuery(QStringLiteral("ALTER TABLE %1 RENAME TO %2")
                      .arg(QString::fromLatin1(from), QString::fromLatin1(to)),
                  db);
        db.close();
    };
    away("tests", "tests_away");
    QSqlDatabase::removeDatabase(QStringLiteral("x"));
    auto running =
        entry(QStringLiteral("k"), record(QStringLiteral("Dora"), 30), TestState::Running);
    EXPECT_FALSE(archive.store(running));
    ASSERT_TRUE((*spool)->put(running));
    auto done = running;
    done.state = TestState::Completed;
    ASSERT_TRUE((*spool)->put(done));
    ASSERT_TRUE((*spool)->put(
        entry(QStringLiteral("k2"), record(QStringLiteral("Emil"), 20), TestState::Interrupted)));
    EXPECT_EQ(*(*spool)->pending(), 2);
    EXPECT_FALSE((*spool)->sendTo(archive));
    EXPECT_EQ(*(*spool)->pending(), 2);

    // Back: both arrive once, the completed copy of the first.
    away("tests_away", "tests");
    QSqlDatabase::removeDatabase(QStringLiteral("x"));
    EXPECT_EQ(*(*spool)->sendTo(archive), 2);
    EXPECT_EQ(*(*spool)->pending(), 0);
    EXPECT_EQ(*(*spool)->sendTo(archive), 0);
    ASSERT_TRUE(archive.store(done)); // sent again: still one test
    const auto all = archive.tests(0);
    ASSERT_EQ(all->size(), 2u);
    for (const auto& test : *all) {
        EXPECT_EQ(test.state, test.person == QStringLiteral("Dora") ? TestState::Completed
                                                                    : TestState::Interrupted);
    }
}
