#include "archive/Archivist.h"

#include "archive/Archive.h"
#include "archive/ArchiveSpool.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>

namespace tavo::archive {

namespace {

QString waitingText(const QString& reason) {
    return QCoreApplication::translate(
               "Archivist", "Die Ergebnisse sind noch nicht archiviert.\n%1\nSie warten auf diesem "
                            "Platz und werden gesendet, sobald das Archiv erreichbar ist "
                            "(spätestens beim nächsten Start oder Test).")
        .arg(reason);
}

QString lostText(const QString& reason) {
    return QCoreApplication::translate(
               "Archivist", "Die Ergebnisse konnten weder archiviert noch auf diesem Platz "
                            "zurückgehalten werden.\n%1\nBitte speichern Sie den Test als Datei.")
        .arg(reason);
}

} // namespace

// Everything the jobs touch; used on the archivist's thread only, where its
// database connections were opened.
struct Archivist::Worker {
    QString spoolPath;
    std::unique_ptr<Spool> spool;
    std::unique_ptr<Archive> archive;

    Result<Spool*> openSpool() {
        if (!spool) {
            auto opened = Spool::open(spoolPath);
            if (!opened) {
                return Result<Spool*>::failure(opened.error());
            }
            spool = std::move(*opened);
        }
        return spool.get();
    }

    Result<Archive*> openArchive(const Result<ArchiveLocation>& where) {
        if (!where) {
            return Result<Archive*>::failure(where.error());
        }
        if (archive && !sameLocation(archive->location(), *where)) {
            archive.reset();
        }
        if (!archive) {
            auto opened = Archive::open(*where);
            if (!opened) {
                return Result<Archive*>::failure(opened.error());
            }
            archive = std::move(*opened);
        }
        return archive.get();
    }

    // Sends what waits; a failure drops the connection, so the next attempt
    // connects afresh (a restarted server, a new setting).
    Result<void> sendAll(const Result<ArchiveLocation>& where) {
        auto opened = openArchive(where);
        if (!opened) {
            return Result<void>::failure(opened.error());
        }
        if (const auto sent = spool->sendTo(**opened); !sent) {
            archive.reset();
            return Result<void>::failure(sent.error());
        }
        return {};
    }

    static bool sameLocation(const ArchiveLocation& a, const ArchiveLocation& b) {
        return a.kind == b.kind && a.path == b.path && a.host == b.host && a.port == b.port &&
               a.database == b.database && a.user == b.user && a.sslMode == b.sslMode;
    }
};

Archivist::Archivist(QString spoolPath) : worker_(std::make_unique<Worker>()) {
    worker_->spoolPath = std::move(spoolPath);
    thread_.setObjectName(QStringLiteral("archive"));
    inThread_ = new QObject;
    inThread_->moveToThread(&thread_);
    thread_.start();
}

Archivist::~Archivist() {
    closing_ = true;
    // The connections close on the thread that opened them.
    QMetaObject::invokeMethod(inThread_, [this] {
        worker_.reset();
        inThread_->moveToThread(QCoreApplication::instance() != nullptr
                                    ? QCoreApplication::instance()->thread()
                                    : nullptr);
        thread_.quit();
    });
    thread_.wait();
    delete inThread_;
}

void Archivist::setReporter(QObject* context, std::function<void(const ArchiveReport&)> report) {
    reportContext_ = context;
    report_ = std::move(report);
}

void Archivist::post(std::function<void(Worker&)> job) {
    ++queued_;
    QMetaObject::invokeMethod(inThread_, [this, job = std::move(job)] {
        job(*worker_);
        --queued_;
    });
}

void Archivist::report(const ArchiveReport& report) {
    // Called on the archivist's thread; the reporter is looked at on the
    // maker's, where it is set and where its context may go away.
    QMetaObject::invokeMethod(&home_, [this, report] {
        if (reportContext_ && report_) {
            report_(report);
        }
    });
}

void Archivist::deliver(const ArchiveEntry& entry, const Result<ArchiveLocation>& where) {
    post([this, entry, where](Worker& worker) {
        ArchiveReport result{ArchiveReport::Kind::Archived, entry.entryKey, {}};
        const auto spool = worker.openSpool();
        const auto kept = spool ? (*spool)->put(entry) : Result<void>::failure(spool.error());
        if (!kept) {
            // Without the spool the archive is the only place left.
            auto archive = worker.openArchive(where);
            const auto stored =
                archive ? (*archive)->store(entry) : Result<std::int64_t>::failure(archive.error());
            if (!stored) {
                worker.archive.reset();
                result = {ArchiveReport::Kind::Lost, entry.entryKey,
                          lostText(kept.error() + QLatin1Char('\n') + stored.error())};
            }
        } else if (closing_) {
            result = {ArchiveReport::Kind::Waiting, entry.entryKey,
                      waitingText(
                          QCoreApplication::translate("Archivist", "Das Programm wird beendet."))};
        } else if (const auto sent = worker.sendAll(where); !sent) {
            result = {ArchiveReport::Kind::Waiting, entry.entryKey, waitingText(sent.error())};
        }
        report(result);
    });
}

void Archivist::sendWaiting(const Result<ArchiveLocation>& where) {
    post([this, where](Worker& worker) {
        if (closing_) {
            return;
        }
        const auto spool = worker.openSpool();
        const auto waiting = spool ? (*spool)->pending() : Result<int>::failure(spool.error());
        if (waiting && *waiting == 0) {
            return;
        }
        const auto sent = waiting ? worker.sendAll(where) : Result<void>::failure(waiting.error());
        if (!sent) {
            report(
                {ArchiveReport::Kind::Waiting,
                 {},
                 QCoreApplication::translate(
                     "Archivist", "Noch nicht archivierte Tests warten weiter auf diesem Platz.\n"
                                  "%1")
                     .arg(sent.error())});
        }
    });
}

bool Archivist::waitUntilIdle(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (busy()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    // The last job's report is queued before its count drops.
    QCoreApplication::processEvents();
    return true;
}

} // namespace tavo::archive
