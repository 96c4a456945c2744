// Every New Test reaches the results archive without anyone saving it, also
// when the archive fails in the middle of a test: a locked database, a full
// disk, a PostgreSQL server that stops. The program's windows run a test on
// the simulated sound card with a person pressing the CTRL key; the test
// must be in the archive once after its first run, be waiting in the spool
// after the fault, and arrive exactly once, completed, when the archive is
// back. A test with a simulated listener examined nobody: never archived.

#include "archive/Archive.h"
#include "archive/ArchiveSpool.h"
#include "archive/Archivist.h"
#include "engine/AppState.h"
#include "engine/Evaluation.h"
#include "engine/TrackingTest.h"
#include "storage/CalibrationFile.h"
#include "storage/TestFile.h"
#include "storage/TfrmCalibrationInfo.h"
#include "storage/TfrmSettings.h"
#include "support/TestPlatform.h"
#include "ui/TestCommand.h"
#include "ui/TfrmFitCheck.h"
#include "ui/TfrmMain.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <sys/mount.h>

#include <utility>

using namespace tavo;
using archive::Archive;
using archive::TestState;

namespace {

// Presses CTRL through every pulse at 25 dB HL or more, as a person would.
struct Person final : engine::PulseObserver {
    explicit Person(engine::ResponseButton& button) : button(button) {}
    void pulseStarted(const engine::PulseInfo& pulse) override {
        if (pulse.level >= 25 - 100) {
            button.keyDown(true);
        }
    }
    void pulseFinished(const engine::PulseInfo&, bool) override { button.keyUp(); }
    engine::ResponseButton& button;
};

// Runs `action` once the first run has ended.
struct AfterFirstRun final : engine::PulseObserver {
    void runFinished(int run, bool) override {
        if (run == 1 && action) {
            std::exchange(action, {})();
        }
    }
    std::function<void()> action;
};

// What breaks the archive after the first run and mends it afterwards.
struct Fault {
    const char* name;
    std::function<bool(const QString& folder, storage::Settings& settings)> prepare;
    std::function<void()> breakIt;
    std::function<void()> mend;
    std::function<void()> cleanUp = [] {
    };
};

QString sourceDir() {
    return qEnvironmentVariable("TAVO_SOURCE_DIR");
}

bool dbCtl(const QStringList& words) {
    QProcess bash;
    bash.start(QStringLiteral("bash"),
               {QStringLiteral("-c"), QStringLiteral("source '%1/scripts/lib/db-server.sh' && %2")
                                          .arg(sourceDir(), words.join(QLatin1Char(' ')))});
    return bash.waitForFinished(60000) && bash.exitCode() == 0;
}

struct Program {
    explicit Program(const QString& folder) : spoolPath(folder + QStringLiteral("/spool.sqlite")) {
        sim.settingsFromEarlierStart();
        windows = ui::createWindows(state, sim.bundle, sim.services(), {});
        for (auto* box : {windows->settings->Check250, windows->settings->Check500,
                          windows->settings->Check2000, windows->settings->Check3000,
                          windows->settings->Check4000, windows->settings->Check6000,
                          windows->settings->Check8000}) {
            box->setChecked(false);
        }
        windows->settings->Trial->setChecked(false);
        // A calibration file, loaded as the calibration information does.
        storage::CalibrationFileContents calibration;
        calibration.person = QStringLiteral("Kalibrierer");
        for (auto& ear : calibration.points) {
            for (auto& point : ear) {
                point.WaveSteps = 16;
                point.MasterSteps = 400;
            }
        }
        calibrationBytes = storage::encodeCalibrationFile(calibration);
        calibrationFile = folder + QStringLiteral("/werk.vkk");
        QFile file(calibrationFile);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(calibrationBytes) > 0);
        file.close();
        EXPECT_TRUE(windows->calibrationInfo->ReadCal(calibrationFile));
        windows->main->txtTestName->setText(QStringLiteral("  Erika Muster "));
    }
    ui::TestCommand& command() { return *windows->main->testCommand(); }
    archive::ArchiveLocation location() const {
        return *archive::archiveLocationOf(windows->settingsValue);
    }
    std::vector<archive::TestSummary> archived() {
        auto archive = Archive::open(location());
        EXPECT_TRUE(archive) << archive.error().toStdString();
        if (!archive) {
            return {};
        }
        const auto tests = (*archive)->tests(0);
        return tests ? *tests : std::vector<archive::TestSummary>{};
    }
    int waiting() {
        auto spool = archive::Spool::open(spoolPath);
        const auto pending = spool ? (*spool)->pending() : Result<int>::failure({});
        return pending ? *pending : -1;
    }
    QStringList warnings() const {
        QStringList texts;
        for (const auto& message : sim.messages->shown()) {
            if (message.caption == QLatin1String("Archiv")) {
                texts << message.text;
            }
        }
        return texts;
    }

    testsupport::TestPlatform sim;
    engine::AppState state;
    std::unique_ptr<ui::ProgramWindows> windows;
    QString spoolPath;
    QByteArray calibrationBytes;
    QString calibrationFile;
};

} // namespace

TEST(Archiving, ATestReachesTheArchiveOnceWhateverFailsInTheMiddle) {
    QTemporaryDir dir;
    std::vector<Fault> faults;
    faults.push_back({"nothing", [](const QString&, storage::Settings&) { return true; }, [] {},
                      [] {
                      }});

    // Another program holds the SQLite archive for writing.
    auto locker = std::make_shared<QSqlDatabase>();
    faults.push_back(
        {"locked",
         [locker](const QString& folder, storage::Settings&) {
             *locker =
                 QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
             locker->setDatabaseName(folder + QStringLiteral("/tavoaudiometer/archive.sqlite"));
             return true;
         },
         [locker] {
             ASSERT_TRUE(locker->open());
             QSqlQuery(*locker).exec(QStringLiteral("BEGIN EXCLUSIVE"));
             ASSERT_TRUE(
                 QSqlQuery(*locker).exec(QStringLiteral("INSERT INTO archive_schema VALUES (2)")));
         },
         [locker] {
             QSqlQuery(*locker).exec(QStringLiteral("ROLLBACK"));
             locker->close();
         }});

    // The archive's disk runs full (a small file system of its own).
    auto mounted = std::make_shared<QString>();
    faults.push_back(
        {"full disk",
         [mounted](const QString& folder, storage::Settings&) {
             const QString target = folder + QStringLiteral("/tavoaudiometer");
             QDir().mkpath(target);
             if (::mount("tmpfs", target.toLocal8Bit().constData(), "tmpfs", 0, "size=2m") != 0) {
                 return false;
             }
             *mounted = target;
             return true;
         },
         [mounted] {
             QFile filler(*mounted + QStringLiteral("/filler"));
             ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
             const QByteArray block(4096, 'x');
             while (filler.write(block) == block.size() && filler.flush()) {
             }
         },
         [mounted] { QFile::remove(*mounted + QStringLiteral("/filler")); },
         [mounted] {
             if (!mounted->isEmpty()) {
                 ::umount(mounted->toLocal8Bit().constData());
             }
         }});

    // The PostgreSQL server stops (a cluster of this test's own).
    auto cluster = std::make_shared<QString>();
    const QString port = QStringLiteral("55437");
    faults.push_back(
        {"server stopped",
         [cluster, port](const QString&, storage::Settings& settings) {
             if (qEnvironmentVariableIsEmpty("TAVO_PG_HOST")) {
                 return false;
             }
             QProcess bash;
             bash.start(QStringLiteral("bash"),
                        {QStringLiteral("-c"),
                         QStringLiteral("source '%1/scripts/lib/db-server.sh' && "
                                        "tavo_start_db_server %2 >&2 && echo \"$TAVO_PG_DIR\"")
                             .arg(sourceDir(), port)});
             if (!bash.waitForFinished(120000) || bash.exitCode() != 0) {
                 return false;
             }
             *cluster = QString::fromLocal8Bit(bash.readAllStandardOutput()).trimmed();
             settings.archiveOnServer = true;
             settings.archiveHost = *cluster;
             settings.archivePort = port;
             settings.archiveUser = QStringLiteral("tavo");
             settings.archiveDatabase = QStringLiteral("archiv");
             return !cluster->isEmpty();
         },
         [cluster, port] {
             ASSERT_TRUE(
                 dbCtl({QStringLiteral("tavo_db_ctl"), *cluster, port, QStringLiteral("stop")}));
         },
         [cluster, port] {
             ASSERT_TRUE(
                 dbCtl({QStringLiteral("tavo_db_ctl"), *cluster, port, QStringLiteral("start")}));
         },
         [cluster, port] {
             if (!cluster->isEmpty()) {
                 dbCtl({QStringLiteral("tavo_db_ctl"), *cluster, port, QStringLiteral("stop")});
                 QDir(*cluster).removeRecursively();
             }
         }});

    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.name);
        const QString folder = dir.filePath(QString::fromLatin1(fault.name));
        QDir().mkpath(folder);
        qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
        Program program(folder);
        // Unmounted and stopped also when a check fails half-way.
        const std::unique_ptr<const Fault, void (*)(const Fault*)> cleanUp(
            &fault, [](const Fault* done) { done->cleanUp(); });
        if (!fault.prepare(folder, program.windows->settingsValue)) {
            std::printf("[ SKIPPED  ] %s: not possible here (needs root, mount and the tests' "
                        "PostgreSQL)\n",
                        fault.name);
            continue;
        }
        archive::Archivist archivist(program.spoolPath);
        program.windows->main->attachArchivist(&archivist);
        Person person(program.command().procedure().responseButton());
        program.command().addObserver(&person);

        // After the first run the test is in the archive, running, with the
        // first run only; then the archive fails.
        AfterFirstRun firstRun;
        firstRun.action = [&] {
            ASSERT_TRUE(archivist.waitUntilIdle(30000));
            const auto tests = program.archived();
            ASSERT_EQ(tests.size(), 1u);
            EXPECT_EQ(tests[0].state, TestState::Running);
            EXPECT_EQ(tests[0].person, QStringLiteral("Erika Muster"));
            EXPECT_EQ(tests[0].ospl, QStringLiteral("-"));
            fault.breakIt();
        };
        program.command().addObserver(&firstRun);
        program.windows->main->NewTest1Click();
        ASSERT_TRUE(program.state.Record.ResultsValid);
        ASSERT_TRUE(archivist.waitUntilIdle(60000));

        const bool broken = std::string(fault.name) != "nothing";
        if (broken) {
            // The test went on; the examiner is told, and the test waits here.
            ASSERT_EQ(program.warnings().size(), 1) << program.warnings().join('\n').toStdString();
            EXPECT_TRUE(program.warnings()[0].startsWith(
                QStringLiteral("Die Ergebnisse sind noch nicht archiviert.")));
            EXPECT_EQ(program.waiting(), 1);
            fault.mend();
            // The next test (or start) sends it.
            archivist.sendWaiting(archive::archiveLocationOf(program.windows->settingsValue));
            ASSERT_TRUE(archivist.waitUntilIdle(60000));
        }
        EXPECT_EQ(program.warnings().size(), broken ? 1 : 0);
        EXPECT_EQ(program.waiting(), 0);
        const auto tests = program.archived();
        ASSERT_EQ(tests.size(), 1u);
        const auto& test = tests[0];
        EXPECT_EQ(test.state, TestState::Completed);
        EXPECT_EQ(test.ospl, engine::CalcAVP(program.state.Record).ospl);
        EXPECT_EQ(test.apv, engine::CalcAVP(program.state.Record).apv);
        EXPECT_EQ(test.calibrationFile, program.calibrationFile);
        auto archive = Archive::open(program.location());
        ASSERT_TRUE(archive);
        EXPECT_EQ(*(*archive)->fileBytes(test.id), storage::encodeTestFile(program.state.Record));
        EXPECT_EQ(test.calibrationHash,
                  QString::fromLatin1(
                      QCryptographicHash::hash(program.calibrationBytes, QCryptographicHash::Sha256)
                          .toHex()));
        archive->reset();

        // The report's exposure follows the test into the archive.
        if (!broken) {
            program.windows->main->Report1Click();
            auto* report = program.windows->main->fitCheckWindow();
            ASSERT_NE(report, nullptr);
            report->edtExposure->setText(QStringLiteral("97"));
            Q_EMIT report->edtExposure->editingFinished();
            ASSERT_TRUE(archivist.waitUntilIdle(30000));
            const auto refiled = program.archived();
            ASSERT_EQ(refiled.size(), 1u);
            EXPECT_EQ(refiled[0].fitCheck.exposure, QStringLiteral("97,0"));
            EXPECT_EQ(refiled[0].state, TestState::Completed);
        }

        // A simulated listener's test examined nobody: not archived.
        if (!broken) {
            engine::ListenerDescription listener;
            listener.thresholds[0].fill(30);
            listener.thresholds[1].fill(20);
            program.windows->main->attachListener(listener);
            program.windows->main->NewTest1Click();
            ASSERT_TRUE(program.state.Record.ResultsValid);
            ASSERT_TRUE(archivist.waitUntilIdle(30000));
            EXPECT_EQ(program.archived().size(), 1u);
        }
        program.windows->main->attachArchivist(nullptr);
    }
}
