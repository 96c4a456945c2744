#pragma once

#include "archive/ArchiveTypes.h"
#include "platform/Result.h"

#include <QString>

#include <memory>

namespace tavo::archive {

class Archive;
class Connection;

// The station's waiting room for tests the archive could not take (a server
// down, a locked or full database): a SQLite file beside the station's
// archive, mode 0600. A test waits there under its entry key (writing it
// again replaces it) and leaves only once the archive has it, so nothing is
// lost and, the archive keeping one test per entry key, nothing is doubled.
class Spool {
public:
    static Result<std::unique_ptr<Spool>> open(const QString& path);
    // $XDG_DATA_HOME/tavoaudiometer/spool.sqlite
    static QString defaultPath();
    ~Spool();
    Spool(const Spool&) = delete;
    Spool& operator=(const Spool&) = delete;

    Result<void> put(const ArchiveEntry& entry);
    Result<int> pending();
    // Sends every waiting test, the oldest first; stops at the first the
    // archive refuses (it stays, with the rest). Gives how many were sent.
    Result<int> sendTo(Archive& archive);

private:
    explicit Spool(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> db_;
};

} // namespace tavo::archive
