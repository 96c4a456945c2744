#pragma once

#include <QByteArray>
#include <QString>

namespace tavo::platform {

// A file written as a whole or not at all. The data goes into a new file
// beside the target; commit() makes sure every byte reached the disk
// (written unbuffered, synced, size checked) and only then renames it over
// the target, so an existing file stays byte for byte as it was when
// anything fails - a full disk included, which a buffered writer only sees
// at its last flush. The new file takes an existing target's permissions.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the new file beside `target`. False with a reason for the user.
    bool open(const QString& target);
    // Writes all of `size` bytes or fails (-1); the file is then unusable.
    qint64 write(const char* data, qint64 size);
    // Syncs, checks and renames over the target.
    bool commit();
    // Drops the new file; the target stays as it was.
    void cancel();
    // Why the last step failed, in the program's language.
    QString errorString() const { return error_; }

private:
    bool fail(const QString& step, int error);

    QString target_;
    QByteArray temporary_; // native name
    int fd_ = -1;
    qint64 written_ = 0;
    QString error_;
};

// Writes `bytes` as the new content of `target` through an AtomicFile.
// Returns the reason of a failure (for the user), empty when saved.
QString writeAtomically(const QString& target, const QByteArray& bytes);

} // namespace tavo::platform
