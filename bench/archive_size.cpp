// Times the results archive at the size of a site's years: archiving one
// more test and listing one person's tests with 100 000 tests of 10 000
// persons in the archive (each under 50 ms is the goal), on SQLite and,
// when TAVO_PG_HOST names the tests' server, on PostgreSQL; reports the
// archive's size per test. The archive is filled once per back end with
// batched statements (storing 100 000 tests one by one would take minutes).
//
//   archive_size [--benchmark_repetitions=N ...]
//   TAVO_BENCH_PERSONS=1000 archive_size   (a smaller archive for a quick try)

#include "archive/Archive.h"
#include "archive/ArchiveFitCheck.h"
#include "storage/TestFile.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace tavo;

namespace {

constexpr int kTestsPerPerson = 10;

int persons() {
    const int wanted = qEnvironmentVariableIntValue("TAVO_BENCH_PERSONS");
    return wanted > 0 ? wanted : 10000;
}

// A finished test at 250 .. 8000 Hz, both runs, as the program archives one.
archive::ArchiveEntry entryOf(const QString& key, const QString& person) {
    archive::ArchiveEntry entry;
    auto& r = entry.record;
    engine::clearResult(r.Test1Result);
    engine::clearResult(r.Test2Result);
    r.data.person = person;
    r.data.location = QStringLiteral("Werk 2, Halle 4");
    for (auto* run : {&r.Test1Result, &r.Test2Result}) {
        run->TestDate = QStringLiteral("09-12-2026");
        run->TestTime = QStringLiteral("10h15");
        for (int ear = 0; ear < engine::kEars; ++ear) {
            for (const int index : {1, 2, 4, 6, 7, 8, 9, 10}) {
                const int level = run == &r.Test1Result ? 10 : 35;
                auto& list = run->Reversals[ear][index];
                list.Count = 6;
                for (int k = 0; k < 6; ++k) {
                    list.Levels[k] = level + (k % 2 == 0 ? 3 : -3);
                }
                run->Thresholds[ear][index] = level;
            }
        }
    }
    r.ResultsValid = true;
    entry.entryKey = key;
    entry.state = archive::TestState::Completed;
    entry.station = QStringLiteral("platz-1");
    entry.examiner = QStringLiteral("pruefer");
    entry.programVersion = QStringLiteral("Vorlandt Klarovent 1.0");
    entry.settings = QStringLiteral("Test 125Hz=0\nTest 250Hz=1\n").repeated(24);
    entry.calibrationFile = QStringLiteral("/home/pruefer/kalibrierung.vkk");
    entry.calibrationHash = QString(64, QLatin1Char('a'));
    entry.fileBytes = storage::encodeTestFile(r);
    entry.fitCheck = archive::fitCheckFiguresOf(r, {});
    return entry;
}

// Inserts rows of `columns` values in batches of `batch` rows through one
// prepared statement (Qt's binding slows down badly with thousands of
// placeholders in one statement).
class BatchInsert {
public:
    BatchInsert(QSqlDatabase& db, QString table, QString columns, int width, int batch)
        : db_(db), table_(std::move(table)), columns_(std::move(columns)), width_(width),
          batch_(batch), query_(db) {}
    bool add(const QVariantList& row) {
        pending_ << row;
        return pending_.size() < qsizetype(width_) * batch_ || flush();
    }
    bool flush() {
        const int rows = int(pending_.size() / width_);
        if (rows == 0) {
            return true;
        }
        if (rows != prepared_) {
            const QString one = "(" + QStringLiteral("?, ").repeated(width_ - 1) + "?)";
            QStringList all;
            for (int r = 0; r < rows; ++r) {
                all << one;
            }
            query_.prepare("INSERT INTO " + table_ + " (" + columns_ + ") VALUES " + all.join(','));
            prepared_ = rows;
        }
        for (int k = 0; k < pending_.size(); ++k) {
            query_.bindValue(k, pending_[k]);
        }
        pending_.clear();
        if (!query_.exec()) {
            std::fprintf(stderr, "%s\n", qPrintable(query_.lastError().text()));
            return false;
        }
        return true;
    }

private:
    QSqlDatabase& db_;
    QString table_;
    QString columns_;
    int width_;
    int batch_;
    QSqlQuery query_;
    QVariantList pending_;
    int prepared_ = 0;
};

// Persons, tests and cells, in one transaction.
bool fill(QSqlDatabase& db, int personCount) {
    const auto sample = entryOf(QString(), QString());
    const QString hash = QString(64, QLatin1Char('f'));
    db.transaction();
    BatchInsert persons(db, QStringLiteral("persons"), QStringLiteral("name, name_key"), 2, 100);
    for (int p = 1; p <= personCount; ++p) {
        if (!persons.add(
                {QStringLiteral("Person %1").arg(p), QStringLiteral("person %1").arg(p)})) {
            return false;
        }
    }
    BatchInsert tests(
        db, QStringLiteral("tests"),
        QStringLiteral("entry_key, person_id, location, erstpruefung, screening, verdict_ok, "
                       "verdict_nok, run1_date, run1_time, run2_date, run2_time, started_at, "
                       "ended_at, station, examiner, program_version, settings, "
                       "calibration_file, calibration_person, calibration_date, "
                       "calibration_hash, ospl, ospr, apv, state, file_bytes, file_hash, "
                       "archived_at, exposure, par_left, par_right, par84_binaural, verdict"),
        33, 20);
    BatchInsert cells(db, QStringLiteral("cells"),
                      QStringLiteral("test_id, run, ear, result_index, frequency, "
                                     "reversal_count, levels, threshold, spread"),
                      9, 64);
    if (!persons.flush()) {
        return false;
    }
    const int count = personCount * kTestsPerPerson;
    for (int t = 1; t <= count; ++t) {
        const QVariantList row = {QStringLiteral("fill-%1").arg(t),
                                  qint64{(t - 1) / kTestsPerPerson + 1},
                                  sample.record.data.location,
                                  0,
                                  1,
                                  1,
                                  0,
                                  "09-12-2026",
                                  "10h15",
                                  "09-12-2026",
                                  "10h25",
                                  "2026-12-09T10:15:00+01:00",
                                  "2026-12-09T10:35:00+01:00",
                                  sample.station,
                                  sample.examiner,
                                  sample.programVersion,
                                  sample.settings,
                                  sample.calibrationFile,
                                  "",
                                  "",
                                  sample.calibrationHash,
                                  "-25",
                                  "-25",
                                  "-25",
                                  "completed",
                                  sample.fileBytes,
                                  hash,
                                  QStringLiteral("2026-12-09T09:%1").arg(t),
                                  "85,0",
                                  sample.fitCheck.parLeft,
                                  sample.fitCheck.parRight,
                                  sample.fitCheck.par84Binaural,
                                  sample.fitCheck.verdict};
        if (!tests.add(row)) {
            return false;
        }
    }
    if (!tests.flush()) {
        return false;
    }
    // Two runs, two ears, eight frequencies per test.
    for (int t = 1; t <= count; ++t) {
        for (int run = 1; run <= 2; ++run) {
            for (int ear = 0; ear < 2; ++ear) {
                for (const int index : {1, 2, 4, 6, 7, 8, 9, 10}) {
                    if (!cells.add(
                            {qint64{t}, run, ear, index, 1000, 6, "13 7 13 7 13 7", 10, 6})) {
                        return false;
                    }
                }
            }
        }
    }
    return cells.flush() && db.commit();
}

struct Backend {
    std::unique_ptr<archive::Archive> archive;
    std::unique_ptr<QTemporaryDir> folder;
    int tests = 0;
    double bytesPerTest = 0;
};

std::unique_ptr<Backend> makeBackend(bool postgres) {
    auto backend = std::make_unique<Backend>();
    archive::ArchiveLocation location;
    QSqlDatabase db;
    if (postgres) {
        location.kind = archive::ArchiveLocation::Kind::Postgres;
        location.host = qEnvironmentVariable("TAVO_PG_HOST");
        location.port = qEnvironmentVariableIntValue("TAVO_PG_PORT");
        location.user = qEnvironmentVariable("TAVO_PG_USER");
        location.database = qEnvironmentVariable("TAVO_PG_DATABASE");
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("fill"));
        db.setHostName(location.host);
        db.setPort(location.port);
        db.setUserName(location.user);
        db.setDatabaseName(location.database);
        if (!db.open()) {
            return nullptr;
        }
        QSqlQuery(QStringLiteral("DROP TABLE IF EXISTS cells, tests, persons, archive_schema"), db);
    } else {
        backend->folder = std::make_unique<QTemporaryDir>();
        location.path = backend->folder->filePath(QStringLiteral("archive.sqlite"));
    }
    auto opened = archive::Archive::open(location);
    if (!opened) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error()));
        return nullptr;
    }
    if (!postgres) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(location.path);
        db.open();
    }
    const int count = persons();
    if (!fill(db, count)) {
        return nullptr;
    }
    backend->tests = count * kTestsPerPerson;
    QSqlQuery size(db);
    if (postgres) {
        QSqlQuery(QStringLiteral("ANALYZE"), db);
        size.exec(QStringLiteral("SELECT pg_total_relation_size('tests') + "
                                 "pg_total_relation_size('cells') + "
                                 "pg_total_relation_size('persons')"));
        size.next();
        backend->bytesPerTest = size.value(0).toDouble() / backend->tests;
    } else {
        size.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        backend->bytesPerTest = double(QFileInfo(location.path).size()) / backend->tests;
    }
    db.close();
    backend->archive = std::move(*opened);
    return backend;
}

void storeOneMore(benchmark::State& state, Backend* backend) {
    int next = 0;
    for (auto _ : state) {
        const auto stored = backend->archive->store(
            entryOf(QStringLiteral("bench-%1-%2").arg(state.thread_index()).arg(++next),
                    QStringLiteral("Person %1").arg(persons() / 2)));
        if (!stored) {
            state.SkipWithError(qPrintable(stored.error()));
            break;
        }
    }
    state.counters["bytes_per_test"] = backend->bytesPerTest;
    state.counters["tests"] = backend->tests;
}

void listOnePerson(benchmark::State& state, Backend* backend) {
    const std::int64_t person = persons() / 3;
    for (auto _ : state) {
        const auto tests = backend->archive->tests(person);
        if (!tests || tests->size() < kTestsPerPerson) {
            state.SkipWithError("the person's tests are missing");
            break;
        }
        benchmark::DoNotOptimize(tests->size());
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::vector<std::unique_ptr<Backend>> backends;
    for (const bool postgres : {false, true}) {
        if (postgres && qEnvironmentVariableIsEmpty("TAVO_PG_HOST")) {
            std::printf("PostgreSQL: TAVO_PG_HOST is not set, not measured.\n");
            continue;
        }
        const char* name = postgres ? "PostgreSQL" : "SQLite";
        auto backend = makeBackend(postgres);
        QSqlDatabase::removeDatabase(QStringLiteral("fill"));
        if (!backend) {
            std::fprintf(stderr, "%s: the archive could not be filled.\n", name);
            return 1;
        }
        std::printf("%s: %d tests of %d persons, %.0f bytes per test\n", name, backend->tests,
                    persons(), backend->bytesPerTest);
        benchmark::RegisterBenchmark((std::string(name) + "/StoreOneMoreTest").c_str(),
                                     storeOneMore, backend.get())
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string(name) + "/ListOnePersonsTests").c_str(),
                                     listOnePerson, backend.get())
            ->Unit(benchmark::kMillisecond);
        backends.push_back(std::move(backend));
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
