#include "platform/AtomicFile.h"

#include "platform/FileNames.h"
#include "platform/SystemErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavo::platform {

AtomicFile::~AtomicFile() {
    cancel();
}

bool AtomicFile::fail(const QString& step, int error) {
    error_ = step + QLatin1Char(' ') + systemErrorText(error);
    return false;
}

bool AtomicFile::open(const QString& target) {
    cancel();
    target_ = target;
    written_ = 0;
    error_.clear();
    const QByteArray native = nativeFileName(target);
    // Beside the target, so the rename never crosses file systems.
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : native.left(std::max<qsizetype>(slash, 1));
    const QByteArray base = slash < 0 ? native : native.mid(slash + 1);
    QByteArray pattern = folder + "/." + base + ".tmp-XXXXXX";
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        return fail(
            QCoreApplication::translate("AtomicFile", "Die Datei kann nicht angelegt werden."),
            errno);
    }
    temporary_ = pattern;
    // An existing target keeps its permissions; a new file gets the usual
    // ones (mkostemp makes it private).
    struct stat info {};
    mode_t mode = 0;
    if (::stat(native.constData(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd_, mode);
    return true;
}

qint64 AtomicFile::write(const char* data, qint64 size) {
    if (fd_ < 0) {
        error_ = QCoreApplication::translate("AtomicFile", "Die Datei ist nicht geöffnet.");
        return -1;
    }
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, data + done, static_cast<std::size_t>(size - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            fail(QCoreApplication::translate("AtomicFile",
                                             "Die Datei kann nicht geschrieben werden."),
                 n < 0 ? errno : EIO);
            return -1;
        }
        done += n;
    }
    written_ += done;
    return done;
}

bool AtomicFile::commit() {
    if (fd_ < 0) {
        error_ = QCoreApplication::translate("AtomicFile", "Die Datei ist nicht geöffnet.");
        return false;
    }
    // Every byte on the disk, and all of them, before the target is touched.
    if (::fsync(fd_) != 0) {
        return fail(
            QCoreApplication::translate("AtomicFile", "Die Datei kann nicht gesichert werden."),
            errno);
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || info.st_size != written_) {
        return fail(QCoreApplication::translate("AtomicFile", "Die Datei ist unvollständig."), EIO);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary_.constData());
        temporary_.clear();
        return fail(
            QCoreApplication::translate("AtomicFile", "Die Datei kann nicht geschlossen werden."),
            error);
    }
    if (::rename(temporary_.constData(), nativeFileName(target_).constData()) != 0) {
        const int error = errno;
        ::unlink(temporary_.constData());
        temporary_.clear();
        return fail(
            QCoreApplication::translate("AtomicFile", "Die Datei kann nicht ersetzt werden."),
            error);
    }
    temporary_.clear();
    return true;
}

void AtomicFile::cancel() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.constData());
        temporary_.clear();
    }
}

QString writeAtomically(const QString& target, const QByteArray& bytes) {
    AtomicFile file;
    if (!file.open(target) || file.write(bytes.constData(), bytes.size()) != bytes.size() ||
        !file.commit()) {
        const QString reason = file.errorString();
        file.cancel();
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(target), reason);
    }
    return {};
}

} // namespace tavo::platform
