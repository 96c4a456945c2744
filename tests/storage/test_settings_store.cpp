// The settings store: the REGEDIT4 file, registry typing rules, atomic
// saves and files that do not parse.

#include "platform/regfile/RegFile.h"
#include "platform/regfile/RegFileSettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tavo::platform;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kHeader =
    "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Ardel Kanvo\\Vorlandt Klarovent]\n";

} // namespace

TEST(RegFile, WritesWhatAPersonCanRead) {
    const regfile::Values values = {
        {QStringLiteral("Min. Reversals"), regfile::ValueType::String, 0, QStringLiteral("6")},
        {QStringLiteral("Joystick"), regfile::ValueType::Dword, 10, {}},
        {QStringLiteral("Cal Filename"), regfile::ValueType::String, 0,
         QStringLiteral("C:\\Kal \"Süd\"\\kopfhörer.vkk")},
        {QStringLiteral("Mixer Device Number"), regfile::ValueType::Dword, 0xFFFFFFFF, {}},
    };
    const QByteArray file = regfile::serialize(values);
    EXPECT_EQ(file, kHeader + "\"Min. Reversals\"=\"6\"\n"
                              "\"Joystick\"=dword:0000000a\n"
                              "\"Cal Filename\"=\"C:\\\\Kal \\\"Süd\\\"\\\\kopfhörer.vkk\"\n"
                              "\"Mixer Device Number\"=dword:ffffffff\n");
    const auto parsed = regfile::parse(file);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ((*parsed)[i].name, values[i].name);
        EXPECT_EQ((*parsed)[i].type, values[i].type);
        EXPECT_EQ((*parsed)[i].dword, values[i].dword);
        EXPECT_EQ((*parsed)[i].text, values[i].text);
    }
}

TEST(RegFile, AcceptsWindowsLineEndsAndOtherValueTypes) {
    const QByteArray file = "\xEF\xBB\xBFREGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Ardel "
                            "Kanvo\\Vorlandt Klarovent]\r\n\"A\"=dword:1\r\n\"B\"=hex:01,02\r\n"
                            "\"A\"=dword:2\r\n";
    const auto parsed = regfile::parse(file);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 2u);
    EXPECT_EQ((*parsed)[0].type, regfile::ValueType::Other);
    EXPECT_EQ((*parsed)[1].name, QStringLiteral("A")); // the later line wins
    EXPECT_EQ((*parsed)[1].dword, 2u);
}

TEST(RegFile, RefusesWhatIsNotASettingsFile) {
    const QList<QByteArray> broken = {
        "",
        "REGEDIT5\n\n[HKEY_LOCAL_MACHINE\\Software\\Ardel Kanvo\\Vorlandt Klarovent]\n",
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Ardel Kanvo\\Vorlandt Klarovent]\n",
        "REGEDIT4\n\"A\"=dword:1\n",
        kHeader + "\"A\"=dword:123456789\n",
        kHeader + "\"A\"=dword:xyz\n",
        kHeader + "\"A\"=\"unterminated\n",
        kHeader + "\"A\"\"text\"\n",
        kHeader + "garbage\n",
        kHeader + kHeader.mid(10),
    };
    for (const auto& file : broken) {
        EXPECT_FALSE(regfile::parse(file)) << file.constData();
    }
}

TEST(SettingsStore, RegistryTypingRules) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.reg"));
    writeFile(path, kHeader + "\"Number\"=dword:00000007\n\"Text\"=\"sieben\"\n\"Blob\"=hex:00\n");
    RegFileSettingsStore store(path);
    ASSERT_TRUE(store.openKey(false));
    EXPECT_EQ(store.readInteger(QStringLiteral("Number")), 7u);
    EXPECT_EQ(store.readInteger(QStringLiteral("number")), 7u); // names ignore case
    EXPECT_FALSE(store.readInteger(QStringLiteral("Text")));    // wrong type
    EXPECT_FALSE(store.readInteger(QStringLiteral("Missing")));
    EXPECT_EQ(store.readText(QStringLiteral("Text")), QStringLiteral("sieben"));
    EXPECT_EQ(store.readText(QStringLiteral("Missing")), QString()); // missing text: empty
    EXPECT_FALSE(store.readText(QStringLiteral("Number")));          // wrong type
    EXPECT_FALSE(store.readText(QStringLiteral("Blob")));
    EXPECT_TRUE(store.closeKey());
    EXPECT_EQ(readFile(path), kHeader + "\"Number\"=dword:00000007\n\"Text\"=\"sieben\"\n"
                                        "\"Blob\"=hex:00\n"); // reading changes nothing
}

TEST(SettingsStore, WritesKeepTheirTypesAndReachTheDiskAtClose) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu/Ardel Kanvo/s.reg"));
    RegFileSettingsStore store(path);
    EXPECT_FALSE(store.exists());
    EXPECT_FALSE(store.openKey(false));
    EXPECT_FALSE(store.readInteger(QStringLiteral("A")));
    EXPECT_FALSE(store.readText(QStringLiteral("B"))); // no key: even a text read fails
    ASSERT_TRUE(store.openKey(true));
    store.writeInteger(QStringLiteral("A"), 1);
    store.writeText(QStringLiteral("B"), QStringLiteral("12"));
    EXPECT_FALSE(QFile::exists(path));
    QString error;
    ASSERT_TRUE(store.closeKey(&error)) << error.toStdString();
    EXPECT_TRUE(store.exists());

    RegFileSettingsStore again(path);
    ASSERT_TRUE(again.openKey(false));
    EXPECT_EQ(again.readInteger(QStringLiteral("A")), 1u);
    EXPECT_FALSE(again.readInteger(QStringLiteral("B")));
    EXPECT_EQ(again.readText(QStringLiteral("B")), QStringLiteral("12"));
    again.writeText(QStringLiteral("A"), QStringLiteral("now a text"));
    ASSERT_TRUE(again.closeKey());
    RegFileSettingsStore third(path);
    ASSERT_TRUE(third.openKey(false));
    EXPECT_FALSE(third.readInteger(QStringLiteral("A")));
    EXPECT_EQ(third.readText(QStringLiteral("A")), QStringLiteral("now a text"));
    third.closeKey();
    // Only the store itself is left in the folder: no temporary files.
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("neu/Ardel Kanvo"))).entryList(QDir::Files),
              QStringList{QStringLiteral("s.reg")});
}

TEST(SettingsStore, AFileThatDoesNotParseIsAMissingKeyUntilWrittenAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.reg"));
    const QByteArray damaged = kHeader + "\"Test 125Hz\"=dword:zz\n";
    writeFile(path, damaged);
    RegFileSettingsStore store(path);
    EXPECT_TRUE(store.exists());
    EXPECT_FALSE(store.openKey(false));
    EXPECT_FALSE(store.openError().isEmpty());
    EXPECT_FALSE(store.readInteger(QStringLiteral("Test 125Hz")));
    store.writeInteger(QStringLiteral("FirstRun"), 0); // not open for writing: ignored
    EXPECT_TRUE(store.closeKey());
    EXPECT_EQ(readFile(path), damaged);

    ASSERT_TRUE(store.openKey(true));
    store.writeInteger(QStringLiteral("Test 125Hz"), 1);
    ASSERT_TRUE(store.closeKey());
    EXPECT_EQ(readFile(path), kHeader + "\"Test 125Hz\"=dword:00000001\n");
}

TEST(SettingsStore, AFailedSaveLeavesTheOldFileAndSaysWhy) {
    QTemporaryDir dir;
    // The folder the store should live in is a file: nothing can be created.
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    writeFile(blocker, "x");
    RegFileSettingsStore store(blocker + QStringLiteral("/s.reg"));
    ASSERT_TRUE(store.openKey(true));
    store.writeInteger(QStringLiteral("A"), 1);
    QString error;
    EXPECT_FALSE(store.closeKey(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(blocker), QByteArray("x"));
}

TEST(SettingsStore, DefaultPathFollowsTheEnvironment) {
    qputenv("TAVO_SETTINGS", "/tmp/eigene.reg");
    EXPECT_EQ(RegFileSettingsStore::defaultPath(), QStringLiteral("/tmp/eigene.reg"));
    qunsetenv("TAVO_SETTINGS");
    qputenv("XDG_CONFIG_HOME", "/tmp/cfg");
    EXPECT_EQ(RegFileSettingsStore::defaultPath(),
              QStringLiteral("/tmp/cfg/Ardel Kanvo/Vorlandt Klarovent.reg"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegFileSettingsStore::defaultPath(),
              QDir::homePath() + QStringLiteral("/.config/Ardel Kanvo/Vorlandt Klarovent.reg"));
}
