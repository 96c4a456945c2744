#pragma once

#include "archive/ArchiveTypes.h"
#include "engine/PulseObserver.h"

#include <functional>
#include <optional>

namespace tavo::engine {
struct AppState;
}
namespace tavo::storage {
struct Settings;
}

namespace tavo::archive {

class Archivist;

// Who tests where: kept with every archived test.
struct Station {
    QString hostName;
    QString examiner; // login name
    QString programVersion;

    // This machine, its user and this program.
    static Station current();
};

// Watches a New Test and hands it to the archivist: at the end of the first
// run (so a crash during the second loses nothing of the first), and again,
// completed or interrupted, at the end of the second. A test interrupted in
// its first run has no results and is not archived. Before each test the
// tests still waiting are sent.
class TestArchiver final : public engine::PulseObserver {
public:
    TestArchiver(const engine::AppState& state, const storage::Settings& settings,
                 Archivist& archivist, Station station = Station::current());

    void testStarted() override;
    void runFinished(int run, bool interrupted) override;

    // The entry as it stands (for tests): the current test's key and times.
    const ArchiveEntry& lastEntry() const { return entry_; }
    // The last test handed over whole (after its second run), so a changed
    // fit-check exposure can follow it into the archive.
    const std::optional<ArchiveEntry>& lastTest() const { return lastTest_; }
    // Sends the last test again with new fit-check figures (the archive
    // replaces it by its entry key); false when there is none.
    bool refile(const FitCheckFigures& figures);

private:
    const engine::AppState& state_;
    const storage::Settings& settings_;
    Archivist& archivist_;
    Station station_;
    ArchiveEntry entry_;
    std::optional<ArchiveEntry> lastTest_;
};

// The settings a test ran with, one "name=value" line each, as `tavo
// settings` lists them.
QString settingsText(const storage::Settings& settings);

} // namespace tavo::archive
