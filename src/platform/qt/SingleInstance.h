#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;

namespace tavo::platform {

// One program at a time for the user. The first start holds a lock file in
// the user's runtime folder and listens on a local socket beside it; a
// later start (also a double-click on a file) finds the lock held, hands
// its command line over through the socket and ends. A lock left by a
// program that crashed is stale (its process is gone) and taken over, and
// so is the socket it left.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,      // this is the program: commandLine() brings later starts' words
        HandedOver, // the running program took the command line: end now
        NoAnswer,   // a program runs but did not take it in time
    };

    // `name` names the lock and the socket (tests use their own).
    explicit SingleInstance(QString name = QStringLiteral("tavoaudiometer"));
    ~SingleInstance() override;

    // Becomes the program, or hands `words` to the one that runs, waiting
    // for its answer at most `waitMs`.
    Role claim(const QStringList& words, int waitMs = 3000);

    // Where the lock and the socket are.
    QString lockPath() const;
    QString socketPath() const;

Q_SIGNALS:
    // A later start's command line, on the event loop.
    void commandLine(const QStringList& words);

private:
    bool handOver(const QStringList& words, int waitMs);
    void listen();

    QString name_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace tavo::platform
