#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace tavo::platform {

// File names are bytes on Linux, and not every name is valid UTF-8 (an old
// disk, another locale). Qt reads such bytes as U+FFFD, which names no file.
// These functions keep every byte: valid UTF-8 becomes its characters, any
// other byte b becomes the lone surrogate U+DC00 + b, and back.
QString fileNameFromNative(const QByteArray& name);
QByteArray nativeFileName(const QString& name);

// The program's arguments (without the program's name) read that way.
QStringList argumentsFromNative(int argc, char** argv);

// Opens a file by its (possibly non-UTF-8) name. False with a reason for the
// user in `error` when it cannot be opened.
bool openFile(const QString& name, QIODevice::OpenMode mode, QFile& file, QString* error);

// Whether a name is an existing regular file.
bool isFile(const QString& name);
// Removes a file; false when it could not.
bool removeFile(const QString& name);

} // namespace tavo::platform
