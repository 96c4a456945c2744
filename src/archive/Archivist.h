#pragma once

#include "archive/ArchiveTypes.h"
#include "platform/Result.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace tavo::archive {

// What became of a test handed to the archivist, or of the tests waiting.
struct ArchiveReport {
    enum class Kind {
        Archived, // in the archive
        Waiting,  // kept in the spool; sent as soon as the archive answers
        Lost,     // neither the archive nor the spool could take it
    };
    Kind kind = Kind::Archived;
    QString entryKey; // empty for the waiting tests sent on their own
    QString message;  // German, for the examiner; empty when archived
};

// Hands tests to the archive on a thread of its own, so a server that does
// not answer never holds up a test or the windows. Every test goes into the
// spool first (a local SQLite file) and leaves it only once the archive has
// it: a lost server, a locked or full database, a crash in between lose
// nothing, and the archive keeping one test per entry key, nothing is
// written twice. Reports arrive on the thread that made the archivist.
class Archivist {
public:
    explicit Archivist(QString spoolPath);
    // Waiting work is finished first; what the archive does not take by
    // then stays in the spool.
    ~Archivist();
    Archivist(const Archivist&) = delete;
    Archivist& operator=(const Archivist&) = delete;

    // Where reports go: called on `context`'s thread while it lives.
    void setReporter(QObject* context, std::function<void(const ArchiveReport&)> report);

    // Keeps the test and sends it, with every test still waiting, to the
    // archive at `where` (a refused location keeps it waiting).
    void deliver(const ArchiveEntry& entry, const Result<ArchiveLocation>& where);
    // Sends the tests still waiting, if any; reports only a failure.
    void sendWaiting(const Result<ArchiveLocation>& where);

    // Whether work is queued or under way.
    bool busy() const { return queued_.load() > 0; }
    // Waits (handling events, so reports arrive) until no work is left or
    // `timeoutMs` has passed; false on the timeout.
    bool waitUntilIdle(int timeoutMs);

private:
    struct Worker;
    void post(std::function<void(Worker&)> job);
    void report(const ArchiveReport& report);

    QThread thread_;
    QObject* inThread_ = nullptr; // lives on thread_, runs the jobs
    QObject home_;                // lives on the maker's thread, takes the reports
    std::unique_ptr<Worker> worker_;
    std::atomic<int> queued_{0};
    std::atomic<bool> closing_{false};
    // Touched on the maker's thread only.
    QPointer<QObject> reportContext_;
    std::function<void(const ArchiveReport&)> report_;
};

} // namespace tavo::archive
