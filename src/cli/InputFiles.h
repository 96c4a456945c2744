#pragma once

#include "engine/TestRecord.h"
#include "storage/CalibrationFile.h"
#include "storage/TestFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tavo::cli {

// The program's two binary file kinds.
enum class FileKind { Test, Calibration, Unknown };

// By the name: ".vkt" and ".aud" are test files, ".vkk" calibration files
// (any case).
FileKind kindByName(const QString& fileName);
// By the first bytes: the test file's header (the byte 16 and
// "VorlandtTestFile") or the calibration file's signature record.
FileKind kindBySignature(QByteArrayView bytes);

// At most `maxBytes` of a file; a missing or unreadable file is a Failure.
QByteArray readInput(const QString& fileName, qsizetype maxBytes);

// Decoded test or calibration file; anything else is a Failure whose
// message names the kind the file's signature shows, else `expected`.
storage::TestFileContents readTestFile(const QString& fileName);
// The same as the record the program opens (results valid, the verdict
// under the radio-group rule).
engine::TestRecord readTestRecordFile(const QString& fileName);
storage::CalibrationFileContents readCalibrationFile(const QString& fileName);

// Why `bytes` (the start of `fileName`) are no good file of kind `expected`
// (Unknown: of neither kind), in one line; `reason` is the reader's.
QString damagedMessage(const QString& fileName, QByteArrayView bytes, FileKind expected,
                       const QString& reason);

// A Failure unless `path` is a settings file the program can read.
void checkSettingsFile(const QString& path);

} // namespace tavo::cli
