// Saves replace the target only when every byte was written and flushed.

#include "FailingOutput.h"
#include "engine/AppState.h"
#include "storage/CalibrationFile.h"
#include "storage/FileOutput.h"
#include "storage/TestFile.h"

#include <QTemporaryDir>

#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::storage;
using testsupport::FailingOutput;

class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        target = dir.filePath(QStringLiteral("Herr Meier.vkt"));
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(oldBytes);
    }

    QTemporaryDir dir;
    QString target;
    const QByteArray oldBytes = QByteArrayLiteral("the previous file");
    // Larger than one write piece, so failures part-way are real.
    const QByteArray newBytes = encodeTestFile(TestFileContents{});
};

TEST_F(AtomicSave, ReplacesTheTargetWhenEverythingWasWritten) {
    ASSERT_GT(newBytes.size(), 4000);
    EXPECT_EQ(saveBytes(target, newBytes), QString());
    EXPECT_EQ(testsupport::contentsOf(target), newBytes);
    EXPECT_EQ(testsupport::filesIn(dir.path()), QStringList{QStringLiteral("Herr Meier.vkt")});
}

TEST_F(AtomicSave, AFailurePartWayLeavesTheOldFile) {
    for (const auto failure : {FailingOutput::Failure::Refused, FailingOutput::Failure::Short}) {
        for (const qint64 position : {0, 1, 17, 1023, 1024, 1025, 3000, 4498}) {
            const QString error =
                saveBytes(target, newBytes, testsupport::failingAt(failure, position));
            EXPECT_FALSE(error.isEmpty()) << position;
            EXPECT_TRUE(error.contains(QStringLiteral("nicht vollständig geschrieben")))
                << position;
            EXPECT_EQ(testsupport::contentsOf(target), oldBytes) << position;
            // No temporary file is left behind.
            EXPECT_EQ(testsupport::filesIn(dir.path()).size(), 1) << position;
        }
    }
    const QString error =
        saveBytes(target, newBytes, testsupport::failingAt(FailingOutput::Failure::Short, 100));
    EXPECT_TRUE(error.contains(QStringLiteral("nur 100 von 4499 Bytes"))) << error.toStdString();
}

// A full disk can strike at any byte: of a small file (all of them) and of a
// large one (every few bytes, and each byte around the 16 KiB a buffered
// writer keeps before it writes anything).
TEST_F(AtomicSave, AFailureAtAnyByteLeavesTheOldFile) {
    QByteArray large;
    for (int i = 0; i < 15; ++i) {
        large += newBytes;
    }
    std::vector<std::pair<const QByteArray*, std::vector<qint64>>> cases(2);
    cases[0].first = &newBytes;
    for (qint64 at = 0; at < newBytes.size(); ++at) {
        cases[0].second.push_back(at);
    }
    cases[1].first = &large;
    for (qint64 at = 0; at < large.size(); at += 997) {
        cases[1].second.push_back(at);
    }
    for (qint64 at = 16384 - 3; at <= 16384 + 3; ++at) {
        cases[1].second.push_back(at);
    }
    for (const auto& [bytes, positions] : cases) {
        for (const qint64 position : positions) {
            const QString error = saveBytes(
                target, *bytes, testsupport::failingAt(FailingOutput::Failure::Refused, position));
            ASSERT_FALSE(error.isEmpty()) << position;
            ASSERT_EQ(testsupport::contentsOf(target), oldBytes) << position;
            ASSERT_EQ(testsupport::filesIn(dir.path()).size(), 1) << position;
        }
    }
}

TEST_F(AtomicSave, AFailedFlushLeavesTheOldFile) {
    const QString error =
        saveBytes(target, newBytes, testsupport::failingAt(FailingOutput::Failure::Commit, 0));
    EXPECT_TRUE(error.contains(QStringLiteral("Datenträger voll"))) << error.toStdString();
    EXPECT_EQ(testsupport::contentsOf(target), oldBytes);
    EXPECT_EQ(testsupport::filesIn(dir.path()).size(), 1);
}

TEST_F(AtomicSave, AMissingFolderIsReportedAndNothingIsCreated) {
    const QString missing = dir.filePath(QStringLiteral("fehlt/Herr Meier.vkt"));
    const QString error = saveBytes(missing, newBytes);
    EXPECT_TRUE(error.contains(QStringLiteral("kann nicht angelegt werden")))
        << error.toStdString();
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("fehlt"))).exists());
    // A folder in the target's place cannot be replaced either.
    EXPECT_FALSE(saveBytes(dir.path(), newBytes).isEmpty());
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST(ReadFileHead, ReportsWhatCannotBeOpenedAndReadsAtMostTheLimit) {
    QTemporaryDir dir;
    const auto missing = readFileHead(dir.filePath(QStringLiteral("nichts.vkt")), 100);
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("kann nicht geöffnet werden")));
    EXPECT_FALSE(readFileHead(dir.path(), 100)); // a folder

    const QString name = dir.filePath(QStringLiteral("gross.bin"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5000, 'x'));
    file.close();
    const auto head = readFileHead(name, 100);
    ASSERT_TRUE(head);
    EXPECT_EQ(head.value->size(), 100);
}
