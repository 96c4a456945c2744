// The text export: 1108 CR LF lines at their places.

#include "ByteVectors.h"
#include "storage/TextExport.h"

#include <QList>

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::storage;

namespace {

// The lines of an export; checks that every line ends in CR LF.
QList<QByteArray> linesOf(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the final line feed
    for (auto& line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

} // namespace

TEST(TextExport, RightAfterStartAndAfterNew) {
    engine::TTestResult run1;
    engine::TTestResult run2;
    engine::clearResult(run1); // the New of start-up
    engine::clearResult(run2);
    const auto lines = linesOf(encodeTextExport(run1, run2));
    ASSERT_EQ(lines.size(), kTextExportLines);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(lines[i].isEmpty());
    }
    for (int i = 4; i < 1108; ++i) {
        const bool threshold = (i >= 532 && i < 556) || i >= 1084;
        ASSERT_EQ(lines[i], threshold ? QByteArray("1000") : QByteArray("0")) << i + 1;
    }

    // After New following a test, only counts and thresholds are reset.
    run1 = testsupport::numberedRun(0);
    run1.TestDate = QStringLiteral("06-12-2026");
    run1.TestTime = QStringLiteral("9h5");
    engine::clearResult(run1);
    const auto again = linesOf(encodeTextExport(run1, run2));
    EXPECT_EQ(again[0], "06-12-2026");
    EXPECT_EQ(again[1], "9h5");
    EXPECT_EQ(again[4], "0");   // count
    EXPECT_EQ(again[5], "-30"); // first level, kept
    EXPECT_EQ(again[26], "0");  // spread of the first list
    EXPECT_EQ(again[532], "1000");
}

TEST(TextExport, EveryValueAtItsLine) {
    auto run1 = testsupport::numberedRun(0);
    auto run2 = testsupport::numberedRun(5);
    run1.TestDate = QStringLiteral("Grüße");
    run2.TestTime = QStringLiteral("10h0");
    const QByteArray bytes = encodeTextExport(run1, run2);
    const auto lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 1108);
    EXPECT_EQ(lines[0], "Gr\xFC\xDF"
                        "e");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[3], "10h0");
    // Line numbers from the layout (1-based): list (ear e, index i) of the
    // first run starts at 5 + 22·(12·e + i).
    const auto line = [&](int number) {
        return lines[number - 1].toInt();
    };
    EXPECT_EQ(line(5), 0);                                // count, left 125 Hz
    EXPECT_EQ(line(6), -30);                              // its first level: negative
    EXPECT_EQ(line(25), -11);                             // its 20th level
    EXPECT_EQ(line(26), 0);                               // its spread
    EXPECT_EQ(line(5 + 22 * 13 + 3), 1000 + 50 + 2 - 30); // right 250 Hz, level 3
    EXPECT_EQ(line(532), 11);                             // spread of right retest
    EXPECT_EQ(line(533), -7);                             // threshold left 125 Hz
    EXPECT_EQ(line(556), 500 + 11 - 7);                   // threshold right retest
    EXPECT_EQ(line(557), 5);                              // second run: first count
    EXPECT_EQ(line(558), 5 - 30);
    EXPECT_EQ(line(1085), 5 - 7);
    EXPECT_EQ(line(1108), 5 + 500 + 11 - 7);
    EXPECT_FALSE(bytes.contains(' '));
}
