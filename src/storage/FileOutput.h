#pragma once

#include "storage/Decoded.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace tavo::storage {

// Where a save writes its bytes: a temporary file in the target's folder
// that replaces the target only when everything was written and flushed.
// Tests give their own output to fail at chosen byte positions.
class FileOutput {
public:
    virtual ~FileOutput() = default;
    // Opens the temporary file beside `target`.
    virtual bool open(const QString& target) = 0;
    // Returns the number of bytes written, or -1.
    virtual qint64 write(const char* data, qint64 size) = 0;
    // Flushes and renames the temporary file over the target.
    virtual bool commit() = 0;
    // Drops the temporary file; the target stays as it was.
    virtual void cancel() = 0;
    virtual QString errorString() const = 0;
};

using FileOutputFactory = std::function<std::unique_ptr<FileOutput>()>;

// The real output (platform::AtomicFile).
std::unique_ptr<FileOutput> makeFileOutput();

// Writes `bytes` as the new content of `target`, in pieces, through
// `output`. Any failure (the folder is missing or not writable, a write
// that is refused or short, a flush or rename that fails) drops the
// temporary file, leaves an existing target untouched and returns the
// German reason; success returns an empty text.
QString saveBytes(const QString& target, const QByteArray& bytes, FileOutput& output);
QString saveBytes(const QString& target, const QByteArray& bytes,
                  const FileOutputFactory& makeOutput = {});

// Reads at most `maxBytes` from the start of a file (the program's files
// are small; anything after the layout is ignored anyway).
Decoded<QByteArray> readFileHead(const QString& fileName, qsizetype maxBytes);

} // namespace tavo::storage
