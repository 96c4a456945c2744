#pragma once

#include "engine/TestRecord.h"
#include "platform/Result.h"
#include "storage/FileOutput.h"

#include <QString>

namespace tavo::platform {
class Messages;
}

namespace tavo::storage {

// Reads a test file as a record (the data box, both runs, results valid).
// A file that cannot be opened or is refused gives the message to show and
// whether it is a system error (an error box) rather than a refused format.
struct TestFileRead {
    Result<engine::TestRecord> record;
    bool systemError = false;
};
TestFileRead readTestRecord(const QString& fileName);

// Reads a test file into `record`. A file that cannot be opened or is
// refused is reported through `messages` and changes nothing. The caller
// shows the record and its summary figures after a success.
bool ReadFile(const QString& fileName, engine::TestRecord& record, platform::Messages& messages);

// Writes the record as a test file, or its two runs as a text export.
// Atomic: a failed save leaves an existing file untouched and gives the
// reason.
Result<void> WriteFile(const QString& fileName, const engine::TestRecord& record,
                       const FileOutputFactory& output = {});
Result<void> WriteAsciiFile(const QString& fileName, const engine::TestRecord& record,
                            const FileOutputFactory& output = {});

} // namespace tavo::storage
