// `tavo archive` on a SQLite file, as a user runs it: files taken in once,
// persons found however their name is typed, a test given back byte for
// byte, a person erased only when asked with --yes, and the failures.

#include "engine/TestRecord.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/FileOutput.h"
#include "storage/Registry.h"
#include "storage/TestFile.h"
#include "support/TavoTool.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace tavo;
using testsupport::runTavo;

namespace {

QByteArray testFile(const QString& person, int threshold) {
    engine::TestRecord record;
    engine::clearResult(record.Test1Result);
    engine::clearResult(record.Test2Result);
    record.data.person = person;
    record.Test1Result.Thresholds[0][4] = threshold;
    record.Test2Result.Thresholds[0][4] = threshold - 20;
    return storage::encodeTestFile(record);
}

} // namespace

TEST(TavoArchive, TakesFilesOnceFindsPersonsGivesFilesBackAndErasesOnRequest) {
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("archiv.sqlite"));
    const auto path = [&dir](const char* name) {
        return dir.filePath(QString::fromLatin1(name));
    };
    const QString hostile = QStringLiteral("Ö'Neil; \"x\"");
    ASSERT_TRUE(
        storage::saveBytes(path("a.vkt"), testFile(QStringLiteral("Anna Weber"), 40)).isEmpty());
    ASSERT_TRUE(storage::saveBytes(path("b.vkt"), testFile(hostile, 35)).isEmpty());
    const QStringList where = {QStringLiteral("--archive"), archive};

    auto run = runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("import"),
                                   path("a.vkt"), path("b.vkt"), path("a.vkt")} +
                       where);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.lines(),
              (QStringList{path("a.vkt") + QStringLiteral(": aufgenommen als 1"),
                           path("b.vkt") + QStringLiteral(": aufgenommen als 2"),
                           path("a.vkt") + QStringLiteral(": schon im Archiv als 1")}));

    run = runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("list"),
                              QStringLiteral("--person"), QStringLiteral("  ANNA ")} +
                  where);
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines().size(), 2);
    EXPECT_EQ(run.lines()[0], QStringLiteral("Anna Weber (1 Tests)"));
    EXPECT_TRUE(run.lines()[1].contains(QStringLiteral("APV 20"))) << run.out.toStdString();

    run = runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("open"),
                              QStringLiteral("2"), QStringLiteral("--out"), path("back.vkt")} +
                  where);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile back(path("back.vkt"));
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), testFile(hostile, 35));

    // The export, read back by Python's csv module as a spreadsheet would.
    run = runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("export"),
                              QStringLiteral("--csv"), path("tests.csv"),
                              QStringLiteral("--per-frequency"), path("cells.csv")} +
                  where);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.lines(), QStringList{QStringLiteral("2 Tests exportiert.")});
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv,sys\n"
                                 "for name in sys.argv[1:]:\n"
                                 "    rows = list(csv.reader(open(name, encoding='utf-8-sig',"
                                 " newline=''), delimiter=';'))\n"
                                 "    print(len(rows), '|'.join(r[1] for r in rows[1:]),"
                                 " rows[1][-2] if 'cells' in name else rows[1][10])\n"),
                  path("tests.csv"), path("cells.csv")});
    ASSERT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()),
              QStringLiteral("3 Anna Weber|%1 20\n5 Anna Weber|Anna Weber|%1|%1 40\n").arg(hostile))
        << python.readAllStandardError().toStdString();
    EXPECT_EQ(runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("export"),
                                  QStringLiteral("--csv"), path("t.csv"), QStringLiteral("--from"),
                                  QStringLiteral("gestern")} +
                      where)
                  .exitCode,
              2);

    // Erasure only with --yes; then the person and her test are gone.
    const QStringList erase = {QStringLiteral("archive"), QStringLiteral("delete-person"), hostile};
    EXPECT_EQ(runTavo(erase + where).exitCode, 2);
    run = runTavo(erase + where + QStringList{QStringLiteral("--yes")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.lines(), QStringList{hostile + QStringLiteral(" mit 1 Tests gelöscht.")});
    run = runTavo(
        QStringList{QStringLiteral("archive"), QStringLiteral("show"), QStringLiteral("2")} +
        where);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("tavo archive: Im Archiv gibt es keinen Test 2.\n"));

    // A file that is no test file, an archive that cannot be made, bad words.
    ASSERT_TRUE(storage::saveBytes(path("x.vkt"), QByteArray("kein Test")).isEmpty());
    EXPECT_EQ(
        runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("import"), path("x.vkt")} +
                where)
            .exitCode,
        1);
    run = runTavo({QStringLiteral("archive"), QStringLiteral("list"), QStringLiteral("--archive"),
                   QStringLiteral("/proc/kein/archiv.sqlite")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        run.err.startsWith(QStringLiteral("tavo archive: Das Archiv „/proc/kein/archiv.sqlite“")))
        << run.err.toStdString();
    EXPECT_EQ(
        runTavo({QStringLiteral("archive"), QStringLiteral("show"), QStringLiteral("x")}).exitCode,
        2);
    EXPECT_EQ(runTavo({QStringLiteral("archive"), QStringLiteral("frobnicate")}).exitCode, 2);
}

// --server: the PostgreSQL server the settings page "Archiv" names (the
// tests' server, in a database of this test's own), with no password kept.
TEST(TavoArchive, TakesTheServerFromTheSettings) {
    if (qEnvironmentVariableIsEmpty("TAVO_PG_HOST")) {
        GTEST_SKIP() << "no PostgreSQL server for the tests (scripts/test starts one)";
    }
    const QString database = QStringLiteral("tavo_cli_archiv");
    const auto admin = [&](const QString& statement) {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
        db.setHostName(qEnvironmentVariable("TAVO_PG_HOST"));
        db.setPort(qEnvironmentVariableIntValue("TAVO_PG_PORT"));
        db.setUserName(qEnvironmentVariable("TAVO_PG_USER"));
        db.setDatabaseName(QStringLiteral("postgres"));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(statement);
        db.close();
    };
    admin(QStringLiteral("DROP DATABASE IF EXISTS ") + database);
    admin(QStringLiteral("CREATE DATABASE ") + database);
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));

    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("s.reg"));
    platform::RegFileSettingsStore store(settings);
    ASSERT_TRUE(storage::seedSettingsStore(store, nullptr));
    const auto point = [&](const QString& port) {
        store.openKey(false);
        store.writeText(QStringLiteral("Archive Host"), qEnvironmentVariable("TAVO_PG_HOST"));
        store.writeText(QStringLiteral("Archive Port"), port);
        store.writeText(QStringLiteral("Archive Database"), database);
        store.writeText(QStringLiteral("Archive User"), qEnvironmentVariable("TAVO_PG_USER"));
        store.writeText(QStringLiteral("Archive SSL Mode"), QStringLiteral("disable"));
        ASSERT_TRUE(store.closeKey());
    };
    point(qEnvironmentVariable("TAVO_PG_PORT"));
    const QString file = dir.filePath(QStringLiteral("a.vkt"));
    ASSERT_TRUE(storage::saveBytes(file, testFile(QStringLiteral("Anna Weber"), 40)).isEmpty());
    const QStringList server = {QStringLiteral("--server"), QStringLiteral("--store"), settings};

    auto run =
        runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("import"), file} + server);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.lines(), QStringList{file + QStringLiteral(": aufgenommen als 1")});
    run = runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("list")} + server);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.lines().value(0), QStringLiteral("Anna Weber (1 Tests)"));
    EXPECT_EQ(runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("list"),
                                  QStringLiteral("--archive"), dir.filePath("x.sqlite")} +
                      server)
                  .exitCode,
              2);

    point(QStringLiteral("65536"));
    run = runTavo(QStringList{QStringLiteral("archive"), QStringLiteral("list")} + server);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("tavo archive: Der Port des Archivservers „65536“ ist keine "
                                      "Zahl von 1 bis 65535.\n"));
    admin(QStringLiteral("DROP DATABASE IF EXISTS ") + database);
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
}
