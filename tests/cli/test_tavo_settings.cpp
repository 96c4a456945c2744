// `tavo settings`: what the program would load from a settings file.

#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/Registry.h"
#include "storage/SettingsTable.h"
#include "support/TavoTool.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace tavo;

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines;
    QString err;
};

Run settings(const QStringList& arguments) {
    const auto run = testsupport::runTavo(
        QStringList{QStringLiteral("settings"), QStringLiteral("--simulate")} + arguments);
    return {run.exitCode, run.lines(), run.err};
}

} // namespace

TEST(TavoSettings, ListsEveryValueInReadingOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.reg"));
    platform::RegFileSettingsStore store(path);
    ASSERT_TRUE(storage::seedSettingsStore(store, nullptr));
    store.openKey(false);
    store.writeInteger(QStringLiteral("Wave Out Device Number"), 5); // past the simulated list
    store.writeText(QStringLiteral("Min. Reversals"), QStringLiteral("8"));
    store.closeKey();
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    const auto run = settings({QStringLiteral("--store"), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    std::vector<storage::SettingRow> table(storage::settingsTable().begin(),
                                           storage::settingsTable().end());
    table.insert(table.end(), storage::addedSettingsTable().begin(),
                 storage::addedSettingsTable().end());
    ASSERT_EQ(run.lines.size(), qsizetype(table.size()) + 1);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_TRUE(run.lines[qsizetype(i)].startsWith(QString::fromLatin1(table[i].valueName) +
                                                       QLatin1Char('=')))
            << run.lines[qsizetype(i)].toStdString();
    }
    EXPECT_TRUE(run.lines.contains(QStringLiteral("Archive On Server=0")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("Test 125Hz=0")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("Min. Reversals=8")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("Wave Out Device Number=-1")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("Mixer Device Number=0")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("Colour Application Background=FF00000F")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("Cal Filename=Keine Datei ausgewählt")));
    EXPECT_EQ(run.lines.last(), QStringLiteral("read: ok"));

    // Looking changes nothing, not even the first-start marker.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST(TavoSettings, ReportsWhereReadingStopped) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.reg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // The key without its values: a settings file the reader takes, whose
    // first value is missing.
    file.write("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Ardel Kanvo\\Vorlandt Klarovent]\n");
    file.close();
    const auto damaged = settings({QStringLiteral("--store"), path});
    EXPECT_EQ(damaged.exitCode, 0) << damaged.err.toStdString();
    EXPECT_EQ(damaged.lines.last(), QStringLiteral("read: failed at Test 125Hz"));
    EXPECT_TRUE(damaged.lines.contains(QStringLiteral("Test 250Hz=1"))); // the design value
    EXPECT_TRUE(damaged.lines.contains(QStringLiteral("Wave Out Device Number=0")));

    // No settings file at all is a failure (the messages: test_tavo_exit_codes).
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kaputt");
    file.close();
    for (const QString& store : {path, dir.filePath(QStringLiteral("nix.reg"))}) {
        const auto refused = settings({QStringLiteral("--store"), store});
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_FALSE(refused.err.isEmpty());
        EXPECT_TRUE(refused.lines.isEmpty());
    }
}
