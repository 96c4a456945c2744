// The test file: bytes built by hand in both directions, the rejection
// cases, boolean texts and the radio-group rule.

#include "ByteVectors.h"
#include "storage/StringRecord.h"
#include "storage/TestFile.h"

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::storage;
using testsupport::le32;
using testsupport::record;

namespace {

// The smallest file: empty texts, only the passed mark set.
QByteArray minimalFile(const engine::TTestResult& run1, const engine::TTestResult& run2) {
    return testsupport::testHeader() + record("") + record("") + record("0") + record("0") +
           record("-1") + record("0") + record("") + record("") + record("") + record("") +
           testsupport::runArrays(run1) + testsupport::runArrays(run2);
}

void expectSameRun(const engine::TTestResult& a, const engine::TTestResult& b) {
    EXPECT_EQ(a.TestDate, b.TestDate);
    EXPECT_EQ(a.TestTime, b.TestTime);
    for (int ear = 0; ear < 2; ++ear) {
        for (int index = 0; index < 12; ++index) {
            EXPECT_EQ(a.Reversals[ear][index].Count, b.Reversals[ear][index].Count);
            EXPECT_EQ(a.Reversals[ear][index].Levels, b.Reversals[ear][index].Levels);
            EXPECT_EQ(a.Reversals[ear][index].Spread, b.Reversals[ear][index].Spread);
            EXPECT_EQ(a.Thresholds[ear][index], b.Thresholds[ear][index]);
        }
    }
}

QByteArray fileWithMarks(const QByteArray& erst, const QByteArray& screening, const QByteArray& ok,
                         const QByteArray& nok) {
    engine::TTestResult run;
    return testsupport::testHeader() + record("") + record("") + record(erst) + record(screening) +
           record(ok) + record(nok) + record("") + record("") + record("") + record("") +
           testsupport::runArrays(run) + testsupport::runArrays(run);
}

} // namespace

TEST(TestFileLayout, SmallestFileIs4499BytesBothWays) {
    TestFileContents contents;
    contents.data.ok = true;
    contents.run1 = testsupport::numberedRun(0);
    contents.run2 = testsupport::numberedRun(3);
    const QByteArray expected = minimalFile(contents.run1, contents.run2);
    ASSERT_EQ(expected.size(), 4499);

    const QByteArray written = encodeTestFile(contents);
    EXPECT_EQ(written, expected);
    // Spot checks of offsets: the first record follows the 18-byte header;
    // the last threshold of the second run ends the file.
    EXPECT_EQ(written.mid(18, 6), QByteArray("\x02\x00\x00\x00\x00\x00", 6));
    EXPECT_EQ(written.right(4), le32(3 + 500 + 11 - 7));
    EXPECT_EQ(written.mid(18 + 65 + 4, 4), le32(-30)); // first level of the first run

    const auto read = decodeTestFile(expected);
    ASSERT_TRUE(read) << read.error.toStdString();
    EXPECT_EQ(read.value->data, contents.data);
    expectSameRun(read.value->run1, contents.run1);
    expectSameRun(read.value->run2, contents.run2);
}

TEST(TestFileLayout, TextsInWindows1252CutTo255) {
    TestFileContents contents;
    contents.data.person = QString(300, QLatin1Char('a'));
    contents.data.location = QStringLiteral("Groß-Gerau €5 Ä");
    contents.data.erstpruefung = true;
    contents.data.screening = true;
    contents.data.ok = false;
    contents.data.nok = true;
    contents.run1.TestDate = QStringLiteral("06-12-2026");
    contents.run1.TestTime = QStringLiteral("9h5");
    contents.run2.TestDate = QStringLiteral("Ω");
    const QByteArray bytes = encodeTestFile(contents);

    QByteArray expected = testsupport::testHeader() + le32(257) + QByteArray(1, '\xFF') +
                          QByteArray(255, 'a') + QByteArray(1, '\0') +
                          record("Gro\xDF-Gerau \x80"
                                 "5 \xC4") +
                          record("-1") + record("-1") + record("0") + record("-1") +
                          record("06-12-2026") + record("9h5") + record("?") + record("");
    EXPECT_EQ(bytes.left(expected.size()), expected);

    const auto read = decodeTestFile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value->data.person, QString(255, QLatin1Char('a')));
    EXPECT_EQ(read.value->data.location, contents.data.location);
    EXPECT_EQ(read.value->run2.TestDate, QStringLiteral("?"));
}

TEST(TestFileLayout, PadBytesAndTrailingBytesAreIgnored) {
    engine::TTestResult run = testsupport::numberedRun(1);
    const QByteArray bytes = testsupport::testHeader('\x7F') + record("Meier", '\xAA') +
                             record("") + record("0") + record("0") + record("0", '\x01') +
                             record("-1") + record("") + record("") + record("") + record("") +
                             testsupport::runArrays(run) + testsupport::runArrays(run) + "junk";
    const auto read = decodeTestFile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value->data.person, QStringLiteral("Meier"));
    EXPECT_TRUE(read.value->data.nok);
    EXPECT_FALSE(read.value->data.ok);
}

TEST(TestFileRejection, HeaderMustMatchExactly) {
    const QByteArray good = minimalFile({}, {});
    QByteArray bad = good;
    bad[0] = 17;
    EXPECT_EQ(decodeTestFile(bad).error, kTestFileFormatMessage);
    for (int i = 1; i <= 16; ++i) {
        bad = good;
        bad[i] = static_cast<char>(bad[i] ^ 0x20); // one letter in the other case
        EXPECT_EQ(decodeTestFile(bad).error, kTestFileFormatMessage) << i;
    }
    // A calibration file starts with a count, not the length byte 16.
    const QByteArray calibration = testsupport::calibrationSignature() + QByteArray(600, '\0');
    EXPECT_EQ(decodeTestFile(calibration).error, kTestFileFormatMessage);
    EXPECT_EQ(decodeTestFile(QByteArray()).error, kTestFileFormatMessage);
}

TEST(TestFileRejection, DamagedRecordCounts) {
    const QByteArray tail = record("") + record("0") + record("0") + record("-1") + record("0") +
                            record("") + record("") + record("") + record("") +
                            QByteArray(4416, '\0');
    // A count above 257 would overrun the 257-byte text buffer.
    const QByteArray big = le32(258) + QByteArray(1, '\xFF') + QByteArray(257, 'a');
    EXPECT_EQ(decodeTestFile(testsupport::testHeader() + big + tail).error, kTestFileFormatMessage);
    for (const std::int32_t count : {-1, 0, std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(decodeTestFile(testsupport::testHeader() + le32(count) + tail).error,
                  kTestFileFormatMessage)
            << count;
    }
    // A length byte that claims more text than the count holds.
    const QByteArray overlong = le32(4) + QByteArray("\x05"
                                                     "abc",
                                                     4);
    EXPECT_EQ(decodeTestFile(testsupport::testHeader() + overlong + tail).error,
              kTestFileFormatMessage);
    // The largest record is read.
    const QByteArray full = le32(257) + QByteArray(1, '\xFF') + QByteArray(256, 'b');
    const auto read = decodeTestFile(testsupport::testHeader() + full + tail);
    ASSERT_TRUE(read) << read.error.toStdString();
    EXPECT_EQ(read.value->data.person, QString(255, QLatin1Char('b')));
}

TEST(TestFileRejection, EveryShortenedFileIsRefused) {
    const QByteArray good = minimalFile(testsupport::numberedRun(0), testsupport::numberedRun(2));
    for (qsizetype size = 0; size < good.size(); ++size) {
        ASSERT_EQ(decodeTestFile(good.left(size)).error, kTestFileFormatMessage) << size;
    }
}

TEST(TestFileRejection, ReversalCountsBeyondTheListAreRefused) {
    for (const std::int32_t count : {21, -1}) {
        engine::TTestResult run;
        run.Reversals[1][7].Count = count;
        EXPECT_EQ(decodeTestFile(minimalFile({}, run)).error, kTestFileFormatMessage) << count;
    }
    engine::TTestResult run;
    run.Reversals[1][7].Count = 20;
    EXPECT_TRUE(decodeTestFile(minimalFile({}, run)));
}

TEST(BooleanTexts, NumbersAndWordsConvert) {
    const auto mark = [](const char* text) -> std::optional<bool> {
        const auto read = decodeTestFile(fileWithMarks(text, "0", "0", "0"));
        if (!read) {
            return std::nullopt;
        }
        return read.value->data.erstpruefung;
    };
    EXPECT_EQ(mark("-1"), true);
    EXPECT_EQ(mark("0"), false);
    EXPECT_EQ(mark("1"), true);
    EXPECT_EQ(mark("True"), true);
    EXPECT_EQ(mark("FALSE"), false);
    EXPECT_EQ(mark("tRuE"), true);
    EXPECT_EQ(mark(" 2 "), true);
    EXPECT_EQ(mark("0,0"), false);
    EXPECT_EQ(mark("0.5"), true);
    EXPECT_EQ(mark("0e7"), false);
    for (const char* text : {"x", "", "yes", "-", "1x", "Truee"}) {
        EXPECT_EQ(mark(text), std::nullopt) << text;
    }
}

TEST(BooleanTexts, AnUnconvertibleMarkIsReportedWithItsText) {
    const auto read = decodeTestFile(fileWithMarks("0", "0", "-1", "vielleicht"));
    ASSERT_FALSE(read);
    EXPECT_NE(read.error, kTestFileFormatMessage);
    EXPECT_TRUE(read.error.contains(QStringLiteral("„vielleicht“"))) << read.error.toStdString();
}

TEST(RadioGroup, IoAndNioAsTheFileSetsThem) {
    const auto marks = [](bool ok, bool nok) {
        const auto m = radioGroupRule(ok, nok);
        return std::pair{m.ok, m.nok};
    };
    EXPECT_EQ(marks(true, false), std::pair(true, false));
    EXPECT_EQ(marks(false, true), std::pair(false, true));
    EXPECT_EQ(marks(false, false), std::pair(false, false)); // neither checked
    EXPECT_EQ(marks(true, true), std::pair(false, true));    // "NIO" is set last
}

TEST(StringRecords, LengthComesFromTheLengthByte) {
    // A writer of another program may leave out the pad byte.
    QByteArray bytes = le32(4) + QByteArray("\x03xyz", 4) + le32(1) + QByteArray(1, '\0');
    ByteReader in(bytes);
    EXPECT_EQ(ReadStringRecord(in), QStringLiteral("xyz"));
    EXPECT_EQ(ReadStringRecord(in), QString());
    EXPECT_EQ(in.position(), bytes.size());
    // A refused record leaves the reader where it was.
    const QByteArray cut = le32(10) + QByteArray("\x08", 1);
    ByteReader partial(cut);
    EXPECT_EQ(ReadStringRecord(partial), std::nullopt);
    EXPECT_EQ(partial.position(), 0);
}
