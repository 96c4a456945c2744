#pragma once

#include "engine/AppState.h"
#include "platform/Result.h"
#include "storage/Decoded.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tavo::storage {

using engine::TestData;

// Everything a test file holds: the data box and both runs (dates, times,
// reversal lists and thresholds).
struct TestFileContents {
    TestData data;
    engine::TTestResult run1;
    engine::TTestResult run2;
};

// A record's file part, and the record a file gives: its results valid, the
// verdict under the radio-group rule (radioGroupRule), as the program shows
// and saves it.
TestFileContents fileContentsOf(const engine::TestRecord& record);
engine::TestRecord recordFrom(TestFileContents contents);

// The refusal of a damaged test file. The constant holds the text as written
// here; testFileFormatMessage() is the text the readers give and the user
// sees (translated when a catalogue is installed), so compare a reader's
// error with that.
inline constexpr char kTestFileFormatText[] =
    QT_TRANSLATE_NOOP("TestFile", "Dateiformat nicht erkannt");
inline const QString kTestFileFormatMessage = QString::fromUtf8(kTestFileFormatText);
QString testFileFormatMessage();

// Size of the fixed part (header, ten empty string records, the four
// arrays) and of the largest file the layout allows.
inline constexpr qsizetype kTestFileHeaderSize = 18;
inline constexpr qsizetype kTestFileArraysSize = 2 * (2112 + 96);
inline constexpr qsizetype kMaxTestFileSize =
    kTestFileHeaderSize + 10 * (255 + 6) + kTestFileArraysSize;

// The test file's bytes. Texts are cut to 255 characters, marks written as
// "-1" / "0", pad bytes as 0.
QByteArray encodeTestFile(const TestFileContents& contents);

// Reads a test file's bytes as a whole. Refused with "Dateiformat nicht
// erkannt": a wrong header, a damaged string record, a file shorter than
// its layout, a reversal count outside 0..20 (the program never records
// more than 20 reversals). Refused with its own message: a mark text that
// is no boolean. Bytes after the layout are ignored.
Decoded<TestFileContents> decodeTestFile(QByteArrayView bytes);
// The same as a record.
QByteArray encodeTestFile(const engine::TestRecord& record);
Result<engine::TestRecord> decodeTestRecord(QByteArrayView bytes);
// Whether the bytes begin with a test file's signature (the length byte 16
// and "VorlandtTestFile"), whatever follows.
bool startsLikeTestFile(QByteArrayView bytes);

// "IO" and "NIO" form one radio group. Applied in file order: checking
// "IO" unchecks "NIO", checking "NIO" unchecks "IO"; unchecking one leaves
// its partner alone, so "0" for both leaves neither checked.
struct RadioMarks {
    bool ok = false;
    bool nok = false;
};
RadioMarks radioGroupRule(bool okFromFile, bool nokFromFile);

} // namespace tavo::storage
