#include "storage/TestFile.h"

#include "storage/BooleanText.h"
#include "storage/StringRecord.h"

#include <QCoreApplication>

namespace tavo::storage {

namespace {

using engine::kEars;
using engine::kMaxReversals;
using engine::kResultIndexes;
using engine::TTestResult;

constexpr char kSignature[] = "VorlandtTestFile";
constexpr int kSignatureLength = 16;

void writeArrays(ByteWriter& out, const TTestResult& run) {
    for (int ear = 0; ear < kEars; ++ear) {
        for (int index = 0; index < kResultIndexes; ++index) {
            const auto& list = run.Reversals[ear][index];
            out.int32(list.Count);
            for (const auto level : list.Levels) {
                out.int32(level);
            }
            out.int32(list.Spread);
        }
    }
    for (int ear = 0; ear < kEars; ++ear) {
        for (int index = 0; index < kResultIndexes; ++index) {
            out.int32(run.Thresholds[ear][index]);
        }
    }
}

bool readArrays(ByteReader& in, TTestResult& run) {
    const auto next = [&in](std::int32_t& value) {
        const auto read = in.int32();
        if (read) {
            value = *read;
        }
        return read.has_value();
    };
    for (int ear = 0; ear < kEars; ++ear) {
        for (int index = 0; index < kResultIndexes; ++index) {
            auto& list = run.Reversals[ear][index];
            if (!next(list.Count) || list.Count < 0 || list.Count > kMaxReversals) {
                return false;
            }
            for (auto& level : list.Levels) {
                if (!next(level)) {
                    return false;
                }
            }
            if (!next(list.Spread)) {
                return false;
            }
        }
    }
    for (int ear = 0; ear < kEars; ++ear) {
        for (int index = 0; index < kResultIndexes; ++index) {
            if (!next(run.Thresholds[ear][index])) {
                return false;
            }
        }
    }
    return true;
}

QString booleanMessage(const QString& text) {
    return QCoreApplication::translate("TestFile",
                                       "Die Datei enthält keinen gültigen Wahrheitswert: „%1“")
        .arg(text);
}

} // namespace

QString testFileFormatMessage() {
    return QCoreApplication::translate("TestFile", kTestFileFormatText);
}

QByteArray encodeTestFile(const TestFileContents& contents) {
    ByteWriter out;
    out.byte(kSignatureLength);
    out.raw(kSignature);
    out.byte(0);
    const auto& data = contents.data;
    for (const QString& text :
         {data.person, data.location, booleanText(data.erstpruefung), booleanText(data.screening),
          booleanText(data.ok), booleanText(data.nok), contents.run1.TestDate,
          contents.run1.TestTime, contents.run2.TestDate, contents.run2.TestTime}) {
        WriteStringRecord(out, text);
    }
    writeArrays(out, contents.run1);
    writeArrays(out, contents.run2);
    return out.bytes();
}

bool startsLikeTestFile(QByteArrayView bytes) {
    return bytes.size() > kSignatureLength &&
           static_cast<unsigned char>(bytes.front()) == kSignatureLength &&
           bytes.sliced(1, kSignatureLength) == QByteArrayView(kSignature);
}

Decoded<TestFileContents> decodeTestFile(QByteArrayView bytes) {
    using Result = Decoded<TestFileContents>;
    ByteReader in(bytes);
    const auto header = in.raw(kTestFileHeaderSize);
    // The pad byte after the signature is not compared.
    if (!header || static_cast<unsigned char>(header->front()) != kSignatureLength ||
        header->sliced(1, kSignatureLength) != QByteArrayView(kSignature)) {
        return Result::failure(testFileFormatMessage());
    }

    std::array<QString, 10> texts;
    for (auto& text : texts) {
        const auto record = ReadStringRecord(in);
        if (!record) {
            return Result::failure(testFileFormatMessage());
        }
        text = *record;
    }
    TestFileContents contents;
    contents.data.person = texts[0];
    contents.data.location = texts[1];
    std::array<bool*, 4> marks = {&contents.data.erstpruefung, &contents.data.screening,
                                  &contents.data.ok, &contents.data.nok};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const auto value = parseBooleanText(texts[2 + i]);
        if (!value) {
            return Result::failure(booleanMessage(texts[2 + i]));
        }
        *marks[i] = *value;
    }
    contents.run1.TestDate = texts[6];
    contents.run1.TestTime = texts[7];
    contents.run2.TestDate = texts[8];
    contents.run2.TestTime = texts[9];
    if (!readArrays(in, contents.run1) || !readArrays(in, contents.run2)) {
        return Result::failure(testFileFormatMessage());
    }
    return Result::success(std::move(contents));
}

RadioMarks radioGroupRule(bool okFromFile, bool nokFromFile) {
    // "IO" is set first; "NIO" then has the last word, and checking it
    // unchecks "IO".
    return RadioMarks{okFromFile && !nokFromFile, nokFromFile};
}

TestFileContents fileContentsOf(const engine::TestRecord& record) {
    return {record.data, record.Test1Result, record.Test2Result};
}

engine::TestRecord recordFrom(TestFileContents contents) {
    engine::TestRecord record;
    record.data = std::move(contents.data);
    // The verdict as the program shows it: one radio group.
    const RadioMarks marks = radioGroupRule(record.data.ok, record.data.nok);
    record.data.ok = marks.ok;
    record.data.nok = marks.nok;
    record.Test1Result = std::move(contents.run1);
    record.Test2Result = std::move(contents.run2);
    record.ResultsValid = true;
    return record;
}

QByteArray encodeTestFile(const engine::TestRecord& record) {
    return encodeTestFile(fileContentsOf(record));
}

Result<engine::TestRecord> decodeTestRecord(QByteArrayView bytes) {
    auto contents = decodeTestFile(bytes);
    if (!contents) {
        return Result<engine::TestRecord>::failure(contents.error);
    }
    return recordFrom(std::move(*contents.value));
}

} // namespace tavo::storage
