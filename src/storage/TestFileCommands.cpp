#include "storage/TestFileCommands.h"

#include "platform/Messages.h"
#include "storage/TestFile.h"
#include "storage/TextExport.h"

namespace tavo::storage {

namespace {

Result<void> saved(const QString& reason) {
    return reason.isEmpty() ? Result<void>() : Result<void>::failure(reason);
}

} // namespace

TestFileRead readTestRecord(const QString& fileName) {
    const auto bytes = readFileHead(fileName, kMaxTestFileSize);
    if (!bytes) {
        return {Result<engine::TestRecord>::failure(bytes.error), true};
    }
    // The whole file is read before anything is applied.
    return {decodeTestRecord(*bytes.value), false};
}

bool ReadFile(const QString& fileName, engine::TestRecord& record, platform::Messages& messages) {
    auto read = readTestRecord(fileName);
    if (!read.record) {
        messages.show(read.record.error(), {},
                      read.systemError ? platform::MessageType::Error
                                       : platform::MessageType::Plain);
        return false;
    }
    record = std::move(*read.record);
    return true;
}

Result<void> WriteFile(const QString& fileName, const engine::TestRecord& record,
                       const FileOutputFactory& output) {
    return saved(saveBytes(fileName, encodeTestFile(record), output));
}

Result<void> WriteAsciiFile(const QString& fileName, const engine::TestRecord& record,
                            const FileOutputFactory& output) {
    return saved(saveBytes(fileName, encodeTextExport(record), output));
}

} // namespace tavo::storage
