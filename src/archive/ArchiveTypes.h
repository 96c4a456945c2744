#pragma once

#include "engine/TestRecord.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tavo::storage {
struct Settings;
}

namespace tavo::archive {

// Where the archive lives: a SQLite file on this station, or a PostgreSQL
// database that several stations share. No password is ever kept here:
// libpq finds it by its own conventions (~/.pgpass, a service file, the
// PG* variables).
struct ArchiveLocation {
    enum class Kind { Sqlite, Postgres };
    Kind kind = Kind::Sqlite;
    QString path; // SQLite file
    QString host; // PostgreSQL: host name or socket folder; empty: libpq's default
    int port = 0; // 0: libpq's default
    // How long SQLite waits for another program's write before giving up.
    int busyTimeoutMs = 10000;
    QString database;
    QString user;
    QString sslMode; // empty: libpq's default (PGSSLMODE or "prefer")

    // The station's own file: $XDG_DATA_HOME/tavoaudiometer/archive.sqlite.
    static ArchiveLocation defaultSqlite();
    // For messages: the file or user@host:port/database.
    QString describe() const;
};

// The archive the settings choose: this station's file, or their server.
// A port that is no port is refused with a German message.
Result<ArchiveLocation> archiveLocationOf(const storage::Settings& settings);

// How an archived test ended.
enum class TestState { Running, Completed, Interrupted, Imported };

// The fit-check report's figures as the archive keeps them: texts as the
// report shows them ("24,4", "≥ 30,0"), empty where there is none.
struct FitCheckFigures {
    QString exposure; // dB(A), as given
    QString parLeft;
    QString parRight;
    QString par84Binaural;
    QString verdict;
};

// One test as the archive keeps it.
struct ArchiveEntry {
    // Chosen by the station when the test starts; the same test written again
    // (the end of its second run, a spooled copy sent later) replaces itself.
    QString entryKey;
    engine::TestRecord record;
    TestState state = TestState::Imported;
    QString startedAt; // ISO 8601, the station's clock; empty when not known
    QString endedAt;
    QString station;  // host name
    QString examiner; // login name
    QString programVersion;
    QString settings; // the settings the test ran with, one "name=value" line each
    QString calibrationFile;
    QString calibrationPerson;
    QString calibrationDate;
    QString calibrationHash; // SHA-256 of the calibration file's bytes, hex
    QByteArray fileBytes;    // the test file, so the test opens again exactly
    FitCheckFigures fitCheck;
};

// A person as the archive lists them.
struct PersonSummary {
    std::int64_t id = 0;
    QString name;
    QString location; // of the last test
    int tests = 0;
    QString lastTest; // archive time of the last test, ISO 8601
    QString lastApv;
};

// A test as the archive lists it.
struct TestSummary {
    std::int64_t id = 0;
    QString person;
    QString location;
    bool erstpruefung = false;
    bool screening = false;
    bool ok = false;
    bool nok = false;
    QString testDate; // first run, as in the file
    QString testTime;
    QString ospl;
    QString ospr;
    QString apv;
    TestState state = TestState::Imported;
    QString station;
    QString calibrationFile;
    QString calibrationHash;
    QString archivedAt;
    FitCheckFigures fitCheck;
};

QString stateName(TestState state);
std::optional<TestState> stateFromName(const QString& name);

// How a person's name is found: case and surrounding blanks do not matter.
QString personKey(const QString& name);

} // namespace tavo::archive
