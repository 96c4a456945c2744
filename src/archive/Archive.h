#pragma once

#include "archive/ArchiveTypes.h"
#include "platform/Result.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace tavo::archive {

class Connection;

// The results archive: every test kept per person, in a SQLite file or a
// PostgreSQL database, through Qt SQL. Opening applies the schema's
// migrations in one transaction and refuses an archive made by a newer
// program. Every failure comes back as a German message; a failed write
// changes nothing (one transaction per operation). Used on one thread.
class Archive {
public:
    // The schema this program writes.
    static constexpr int kSchemaVersion = 3;

    // `schemaVersion`: the version to bring a new or older archive to (tests
    // make archives of an older version with it).
    static Result<std::unique_ptr<Archive>> open(const ArchiveLocation& location,
                                                 int schemaVersion = kSchemaVersion);
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    const ArchiveLocation& location() const { return location_; }

    // Writes a test, or replaces the one with the same entry key (so a
    // test written at the end of its first run is completed by the second,
    // and a copy sent twice is kept once). Gives the test's id.
    Result<std::int64_t> store(const ArchiveEntry& entry);
    // Takes a test file's bytes as an imported test. A file already archived
    // (the same bytes) is not taken again: `added` is false then.
    struct Imported {
        std::int64_t id = 0;
        bool added = false;
    };
    Result<Imported> importFile(const QByteArray& bytes);

    // Persons whose name contains `search` (case and surrounding blanks do
    // not matter; empty: everybody), by name.
    Result<std::vector<PersonSummary>> persons(const QString& search = {});
    // A person's tests, the newest first; `personId` 0: every test.
    Result<std::vector<TestSummary>> tests(std::int64_t personId);
    // One test as listed.
    Result<TestSummary> test(std::int64_t testId);
    // One run, ear and frequency of a test, as archived.
    struct Cell {
        int run = 0;
        int ear = 0;
        int frequency = 0;
        int reversalCount = 0;
        QString levels;
        int threshold = 0;
        int spread = 0;
    };
    Result<std::vector<Cell>> cells(std::int64_t testId);
    // The test file's bytes of an archived test.
    Result<QByteArray> fileBytes(std::int64_t testId);
    // Keeps the fit-check report's exposure and figures with a test.
    Result<void> saveFitCheck(std::int64_t testId, const FitCheckFigures& figures);
    // Removes a person with every test; gives how many tests went.
    Result<int> deletePerson(std::int64_t personId);
    // How many tests the person has (for the confirmation).
    Result<int> testCount(std::int64_t personId);

private:
    explicit Archive(ArchiveLocation location, std::unique_ptr<Connection> connection);

    ArchiveLocation location_;
    std::unique_ptr<Connection> db_;
};

} // namespace tavo::archive
