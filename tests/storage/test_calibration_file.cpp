// The calibration file: bytes built by hand in both directions and the
// rejection cases.

#include "ByteVectors.h"
#include "storage/CalibrationFile.h"
#include "storage/FileOutput.h"
#include "storage/TestFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace tavo;
using namespace tavo::storage;
using testsupport::le32;
using testsupport::le64;
using testsupport::record;

namespace {

CalibrationFileContents numberedCalibration() {
    CalibrationFileContents contents;
    for (int ear = 0; ear < 2; ++ear) {
        for (int slot = 0; slot < kCalibratedSlots; ++slot) {
            contents.points[ear][slot] = engine::TCalibrationPoint{
                100 * ear + slot, 1000 - slot, -slot, 7 * ear, -0.25 * slot + ear};
        }
    }
    return contents;
}

QByteArray pointBytes(const CalibrationFileContents& contents) {
    QByteArray bytes;
    for (const auto& ear : contents.points) {
        for (const auto& point : ear) {
            bytes += le32(point.WaveSteps) + le32(point.MasterSteps) + le32(point.GainSteps) +
                     le32(point.Reserved) + le64(point.Reference);
        }
    }
    return bytes;
}

QByteArray smallFile() {
    auto contents = numberedCalibration();
    return testsupport::calibrationSignature() + record("") + record("") + record("") + record("") +
           record("06.12.2026") + record("09:05:33") + pointBytes(contents);
}

} // namespace

TEST(CalibrationFileLayout, EmptyTextsWithDateAndTimeIs604BytesBothWays) {
    auto contents = numberedCalibration();
    contents.date = QStringLiteral("06.12.2026");
    contents.time = QStringLiteral("09:05:33");
    const QByteArray expected = smallFile();
    ASSERT_EQ(expected.size(), 604);
    EXPECT_EQ(expected.left(22), QByteArray("\x12\0\0\0\x10"
                                            "Calibration Data\0",
                                            22));
    EXPECT_EQ(expected.mid(22, 6), QByteArray("\x02\0\0\0\0\0", 6));

    EXPECT_EQ(encodeCalibrationFile(contents), expected);
    const auto read = decodeCalibrationFile(expected);
    ASSERT_TRUE(read) << read.error.toStdString();
    EXPECT_EQ(read.value->date, contents.date);
    EXPECT_EQ(read.value->time, contents.time);
    EXPECT_TRUE(read.value->person.isEmpty());
    for (int ear = 0; ear < 2; ++ear) {
        for (int slot = 0; slot < kCalibratedSlots; ++slot) {
            const auto& a = read.value->points[ear][slot];
            const auto& b = contents.points[ear][slot];
            EXPECT_EQ(a.WaveSteps, b.WaveSteps);
            EXPECT_EQ(a.MasterSteps, b.MasterSteps);
            EXPECT_EQ(a.GainSteps, b.GainSteps);
            EXPECT_EQ(a.Reserved, b.Reserved);
            EXPECT_EQ(a.Reference, b.Reference);
        }
    }
    // The last point is the right ear's 8000 Hz slot, its reference last.
    EXPECT_EQ(expected.right(8), le64(-0.25 * 10 + 1));
}

TEST(CalibrationFileLayout, TextsCutTo255AndInWindows1252) {
    CalibrationFileContents contents;
    contents.person = QStringLiteral("Jürgen Weiß");
    contents.headphones = QStringLiteral("HDA 300 – 2 €");
    contents.comment = QString(300, QLatin1Char('c'));
    const QByteArray bytes = encodeCalibrationFile(contents);
    const QByteArray expected = testsupport::calibrationSignature() + record("J\xFCrgen Wei\xDF") +
                                record("HDA 300 \x96 2 \x80") + record("") + le32(257) +
                                QByteArray(1, '\xFF') + QByteArray(255, 'c') + QByteArray(1, '\0');
    EXPECT_EQ(bytes.left(expected.size()), expected);
    const auto read = decodeCalibrationFile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value->person, contents.person);
    EXPECT_EQ(read.value->headphones, contents.headphones);
    EXPECT_EQ(read.value->comment, QString(255, QLatin1Char('c')));
}

TEST(CalibrationFileLayout, ALongSignatureRecordAndLongTextsFitTheReadLimit) {
    CalibrationFileContents contents;
    for (QString* text : {&contents.person, &contents.headphones, &contents.soundcard,
                          &contents.comment, &contents.date, &contents.time}) {
        *text = QString(255, QLatin1Char('x'));
    }
    contents.points[1][10].WaveSteps = 77; // the very last point
    QByteArray bytes = encodeCalibrationFile(contents);
    // The signature's record with the largest count a reader takes.
    bytes.replace(0, 22,
                  le32(257) + QByteArray(1, '\x10') + QByteArray("Calibration Data") +
                      QByteArray(240, '\0'));
    ASSERT_EQ(bytes.size(), kMaxCalibrationFileSize);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lang.vkk"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const auto head = readFileHead(path, kMaxCalibrationFileSize);
    ASSERT_TRUE(head);
    const auto read = decodeCalibrationFile(*head.value);
    ASSERT_TRUE(read) << read.error.toStdString();
    EXPECT_EQ(read.value->points[1][10].WaveSteps, 77);
}

TEST(CalibrationFileRejection, WrongSignatureCountsAndLengths) {
    const QByteArray good = smallFile();
    QByteArray bad = good;
    bad[10] = 'x';
    EXPECT_EQ(decodeCalibrationFile(bad).error, kCalibrationFormatMessage);
    // A shorter signature text that matches as far as it goes.
    EXPECT_EQ(decodeCalibrationFile(record("Calibration") + good.mid(22)).error,
              kCalibrationFormatMessage);
    // A test file's first four bytes taken as a count are far above 257.
    TestFileContents test;
    EXPECT_EQ(decodeCalibrationFile(encodeTestFile(test)).error, kCalibrationFormatMessage);

    const QByteArray afterPerson = good.mid(28);
    const QByteArray head = good.left(22);
    EXPECT_EQ(decodeCalibrationFile(head + le32(258) + QByteArray(1, '\xFF') +
                                    QByteArray(257, 'p') + afterPerson)
                  .error,
              kCalibrationFormatMessage);
    EXPECT_EQ(decodeCalibrationFile(head + le32(-1) + afterPerson).error,
              kCalibrationFormatMessage);
    EXPECT_TRUE(decodeCalibrationFile(head + le32(257) + QByteArray(1, '\xFF') +
                                      QByteArray(256, 'p') + afterPerson));
}

TEST(CalibrationFileRejection, EveryShortenedFileIsRefused) {
    const QByteArray good = smallFile();
    for (qsizetype size = 0; size < good.size(); ++size) {
        ASSERT_EQ(decodeCalibrationFile(good.left(size)).error, kCalibrationFormatMessage) << size;
    }
    EXPECT_TRUE(decodeCalibrationFile(good + "more"));
}

TEST(CalibrationState, ReadAndNewCalibrationsFillSlotsOneToEleven) {
    engine::AppState state;
    auto contents = numberedCalibration();
    contents.date = QStringLiteral("d");
    contents.time = QStringLiteral("t");
    applyCalibrationFile(state, contents);
    EXPECT_TRUE(state.CalibrationLoaded);
    EXPECT_EQ(state.Calibration[1][1].WaveSteps, 100);
    EXPECT_EQ(state.Calibration[1][11].WaveSteps, 110);
    EXPECT_EQ(state.Calibration[0][0].MasterSteps, 0);  // trial slot untouched
    EXPECT_EQ(state.Calibration[0][12].MasterSteps, 0); // retest slot untouched
    EXPECT_EQ(state.CalibrationDate, QStringLiteral("d"));

    const auto saved = loadedCalibration(state, QStringLiteral("p"), QStringLiteral("h"),
                                         QStringLiteral("s"), QStringLiteral("c"));
    EXPECT_EQ(encodeCalibrationFile(saved).right(528), pointBytes(contents));

    state.NewCalibration[0][10].GainSteps = 42;
    state.NewCalibrationDate = QStringLiteral("07.12.2026");
    state.NewCalibrationTime = QStringLiteral("10:00:00");
    applyNewCalibration(state);
    EXPECT_EQ(state.Calibration[0][11].GainSteps, 42);
    EXPECT_EQ(state.Calibration[1][1].WaveSteps, 0);
    EXPECT_EQ(state.CalibrationDate, QStringLiteral("07.12.2026"));
    EXPECT_EQ(state.CalibrationTime, QStringLiteral("10:00:00"));
}
