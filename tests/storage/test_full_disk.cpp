// Saves on a disk that is really full (a 64 KiB tmpfs filled to the last
// byte): every kind of file the program and `tavo` write fails with a
// German reason and leaves the file that was there byte for byte; nothing
// is left half-written. Needs root to mount; skips and says so otherwise.

#include "engine/AppState.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/FileOutput.h"
#include "storage/Registry.h"
#include "storage/TestFile.h"
#include "storage/TextExport.h"
#include "support/TavoTool.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

using namespace tavo;

namespace {

// A small tmpfs, mounted for the test's life.
class SmallDisk {
public:
    SmallDisk() {
        if (::geteuid() != 0 || !folder_.isValid()) {
            return;
        }
        QProcess mount;
        mount.start(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("size=64k"), QStringLiteral("tmpfs"), folder_.path()});
        mounted_ = mount.waitForFinished(10000) && mount.exitCode() == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            QProcess::execute(QStringLiteral("umount"), {folder_.path()});
        }
    }
    bool mounted() const { return mounted_; }
    QString path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }

    // Writes a file until the disk takes no more.
    void fill() {
        QFile filler(path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        const QByteArray byte(1, 'x');
        while (filler.write(byte) == 1) {
        }
    }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};

QByteArray contentsOf(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST(FullDisk, EverySaveFailsAndLeavesTheOldFile) {
    SmallDisk disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "needs root to mount a small tmpfs (scripts/test runs as root in CI)";
    }
    // What is there before the disk fills up.
    const QByteArray oldTest = storage::encodeTestFile(storage::TestFileContents{});
    ASSERT_GT(oldTest.size(), 4000);
    put(disk.path("meier.vkt"), oldTest);
    put(disk.path("meier.txt"), QByteArray("the old export\n"));
    put(disk.path("ton.wav"), QByteArray("RIFF old"));
    {
        platform::RegFileSettingsStore store(disk.path("settings.reg"));
        ASSERT_TRUE(storage::seedSettingsStore(store, nullptr));
    }
    const QByteArray oldSettings = contentsOf(disk.path("settings.reg"));
    disk.fill();

    // The program's saves.
    engine::AppState state;
    engine::clearResult(state.Record.Test1Result);
    engine::clearResult(state.Record.Test2Result);
    QString error = storage::saveBytes(
        disk.path("meier.vkt"), storage::encodeTestFile(storage::TestFileContents{
                                    {}, state.Record.Test1Result, state.Record.Test2Result}));
    EXPECT_TRUE(error.contains(QStringLiteral("kein Platz"))) << error.toStdString();
    EXPECT_EQ(contentsOf(disk.path("meier.vkt")), oldTest);
    error = storage::saveBytes(
        disk.path("meier.txt"),
        storage::encodeTextExport(state.Record.Test1Result, state.Record.Test2Result));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contentsOf(disk.path("meier.txt")), QByteArray("the old export\n"));
    {
        platform::RegFileSettingsStore store(disk.path("settings.reg"));
        ASSERT_TRUE(store.openKey(false));
        store.writeText(QStringLiteral("Cal Filename"), QString(200, QLatin1Char('k')));
        QString why;
        EXPECT_FALSE(store.closeKey(&why));
        EXPECT_FALSE(why.isEmpty());
    }
    EXPECT_EQ(contentsOf(disk.path("settings.reg")), oldSettings);

    // And `tavo`'s, with exit code 1.
    const QString json = QDir::temp().filePath(QStringLiteral("tavo-full-disk.json"));
    ASSERT_EQ(
        testsupport::runTavo({QStringLiteral("convert"), disk.path("meier.vkt"), json}).exitCode,
        0);
    auto run = testsupport::runTavo({QStringLiteral("convert"), json, disk.path("meier.vkt")});
    QFile::remove(json);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(contentsOf(disk.path("meier.vkt")), oldTest);
    run = testsupport::runTavo(
        {QStringLiteral("tone"), QStringLiteral("--frequency"), QStringLiteral("1000"),
         QStringLiteral("--level"), QStringLiteral("-20"), QStringLiteral("--pulse"),
         QStringLiteral("1"), QStringLiteral("--gap"), QStringLiteral("0"), QStringLiteral("--ear"),
         QStringLiteral("left"), QStringLiteral("--out"), disk.path("ton.wav")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(contentsOf(disk.path("ton.wav")), QByteArray("RIFF old"));

    // No half-written files lie about.
    EXPECT_EQ(QDir(disk.path("")).entryList(QDir::Files | QDir::Hidden).size(), 5);
}

TEST(SettingsStore, AnEmptySettingsFileCountsAsMissing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("s.reg"));
    put(path, QByteArray());
    platform::RegFileSettingsStore store(path);
    EXPECT_FALSE(store.exists());
    // So the next start makes it again, as on a first start.
    ASSERT_TRUE(storage::seedSettingsStore(store, nullptr));
    EXPECT_TRUE(store.exists());
    EXPECT_TRUE(contentsOf(path).startsWith("REGEDIT4"));
}
