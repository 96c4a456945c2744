#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace tavo::platform {

namespace {

// The user's own runtime folder (XDG_RUNTIME_DIR, mode 0700); Qt makes one
// in the temporary folder where the desktop has none.
QString runtimeFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

constexpr QByteArrayView kTaken = "ok";

} // namespace

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath() const {
    return QDir(runtimeFolder()).filePath(name_ + QStringLiteral(".lock"));
}

QString SingleInstance::socketPath() const {
    return QDir(runtimeFolder()).filePath(name_ + QStringLiteral(".socket"));
}

SingleInstance::Role SingleInstance::claim(const QStringList& words, int waitMs) {
    lock_ = std::make_unique<QLockFile>(lockPath());
    // A lock whose process has gone is stale and taken over at once.
    if (lock_->tryLock(0)) {
        listen();
        return Role::First;
    }
    lock_.reset();
    return handOver(words, waitMs) ? Role::HandedOver : Role::NoAnswer;
}

void SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket a crashed program left behind is in the way.
    QLocalServer::removeServer(socketPath());
    server_->listen(socketPath());
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
                if (!peer->canReadLine()) {
                    return;
                }
                const QJsonDocument message = QJsonDocument::fromJson(peer->readLine());
                QStringList words;
                for (const auto& word : message.array()) {
                    words << word.toString();
                }
                peer->write(kTaken.data(), kTaken.size());
                peer->write("\n");
                peer->flush();
                Q_EMIT commandLine(words);
            });
        }
    });
}

bool SingleInstance::handOver(const QStringList& words, int waitMs) {
    QElapsedTimer waited;
    waited.start();
    // The running program may be starting up and not listen yet.
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketPath());
        const auto left = static_cast<int>(std::max<qint64>(1, waitMs - waited.elapsed()));
        if (socket.waitForConnected(left)) {
            break;
        }
        if (waited.elapsed() >= waitMs) {
            return false;
        }
        QThread::msleep(100);
    }
    QJsonArray list;
    for (const QString& word : words) {
        list.append(word);
    }
    socket.write(QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n');
    socket.flush();
    while (!socket.canReadLine()) {
        const auto left = waitMs - waited.elapsed();
        if (left <= 0 || !socket.waitForReadyRead(static_cast<int>(left))) {
            return false;
        }
    }
    return socket.readLine().trimmed() == kTaken;
}

} // namespace tavo::platform
