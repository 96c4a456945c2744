// Reading and writing the stored settings: order, failure path, radio
// group, device lists, first start, the installation's seed.

#include "engine/AppState.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "storage/Registry.h"
#include "storage/SettingsTable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace tavo;
using storage::Settings;

namespace {

const QString kReadFailed =
    QStringLiteral("Fehler beim Lesen der Registry! Benutze Standardwerte.");
const QString kFirstStart = QStringLiteral(
    "Da Sie das Programm zum ersten mal starten, überprüfen und bestätigen Sie bitte auch die "
    "Einstellungen für Soundkarte und Joystick.");

// A value by the dialog control's name.
bool isChecked(const Settings& settings, const char* control) {
    return storage::flagOf(settings, *storage::findSettingOfControl(QString::fromLatin1(control)));
}
QString text(const Settings& settings, const char* control) {
    return storage::textOf(settings, *storage::findSettingOfControl(QString::fromLatin1(control)));
}

struct Rig {
    QTemporaryDir dir;
    platform::RegFileSettingsStore store{dir.filePath(QStringLiteral("s.reg"))};
    Settings settings = storage::designSettings();
    platform::SimMessages messages;

    // As the dialog reads them, with lists of three and two devices.
    storage::RegistryRead read() {
        const auto result = storage::ReadRegistry(store, settings, messages);
        storage::clampDeviceSelections(settings, 3, 2);
        return result;
    }
    void write(const std::function<void(platform::SettingsStore&)>& values) {
        store.openKey(true);
        values(store);
        ASSERT_TRUE(store.closeKey());
    }
    // Every boolean and integer of the table, no texts.
    void writeNumbers(std::uint32_t value) {
        write([value](platform::SettingsStore& s) {
            for (const auto& row : storage::settingsTable()) {
                if (row.kind != storage::SettingKind::Text) {
                    s.writeInteger(QString::fromLatin1(row.valueName), value);
                }
            }
        });
    }
};

} // namespace

TEST(ReadRegistry, AnEmptyKeyFailsAtTheFirstValueAndKeepsTheDesign) {
    Rig rig;
    rig.write([](platform::SettingsStore&) {});
    rig.settings.colours = {1, 2, 3, 0x123456, 5, 6, 7};
    const auto read = rig.read();
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.failedAt, QStringLiteral("Test 125Hz"));
    EXPECT_EQ(rig.messages.texts(), QStringList{kReadFailed});
    // Values keep their design values.
    EXPECT_FALSE(isChecked(rig.settings, "Check125"));
    EXPECT_TRUE(isChecked(rig.settings, "Check250"));
    EXPECT_EQ(text(rig.settings, "BeepTimeEdit"), QStringLiteral("1"));
    EXPECT_TRUE(isChecked(rig.settings, "rdoCTRL"));
    // Colours get their defaults; the backgrounds keep the current colours.
    const storage::ColourTable expected = {0x800000, 0x000080, 0x808080, 0x123456,
                                           5,        0xFF0000, 0x0000FF};
    EXPECT_EQ(rig.settings.colours, expected);
    EXPECT_EQ(rig.settings.waveOutDevice, 0);
    EXPECT_EQ(rig.settings.mixerDevice, 0);
    EXPECT_FALSE(read.firstStart);
}

TEST(ReadRegistry, MissingTextsReadAsEmptyWithoutAMessage) {
    Rig rig;
    rig.writeNumbers(1);
    const auto read = rig.read();
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(rig.messages.shown().empty());
    for (const auto& row : storage::settingsTable()) {
        if (row.kind == storage::SettingKind::Text) {
            EXPECT_EQ(storage::textOf(rig.settings, row), QString()) << row.valueName;
        }
    }
    // Every colour value 1, the backgrounds too.
    EXPECT_EQ(rig.settings.colours, (storage::ColourTable{1, 1, 1, 1, 1, 1, 1}));
}

TEST(ReadRegistry, AFailureHalfWayKeepsWhatWasReadBefore) {
    Rig rig;
    rig.writeNumbers(0);
    rig.write([](platform::SettingsStore& s) {
        s.writeText(QStringLiteral("Pulse Duration(s)"), QStringLiteral("2"));
        s.writeText(QStringLiteral("Level Steps (dB)"), QStringLiteral("5"));
        s.writeInteger(QStringLiteral("Pause Duration(s)"), 3); // a number where a text belongs
    });
    rig.settings.levelStep = QStringLiteral("4");
    const auto read = rig.read();
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.failedAt, QStringLiteral("Pause Duration(s)"));
    EXPECT_FALSE(isChecked(rig.settings, "Check250")); // read before: 0
    EXPECT_EQ(rig.settings.pulseDuration, QStringLiteral("2"));
    EXPECT_EQ(rig.settings.levelStep, QStringLiteral("4")); // after: kept
    EXPECT_EQ(rig.messages.count(kReadFailed), 1);
}

TEST(ReadRegistry, RadioButtonsAreSetInTheirOrder) {
    for (const auto& [joystick, ctrl, expectJoystick, expectCtrl] :
         std::vector<std::tuple<int, int, bool, bool>>{
             {1, 0, true, false}, {0, 1, false, true}, {1, 1, false, true}, {0, 0, false, false}}) {
        Rig rig;
        rig.writeNumbers(0);
        rig.write([&](platform::SettingsStore& s) {
            s.writeInteger(QStringLiteral("Joystick"), static_cast<std::uint32_t>(joystick));
            s.writeInteger(QStringLiteral("CTRL"), static_cast<std::uint32_t>(ctrl));
        });
        rig.read();
        EXPECT_EQ(rig.settings.joystick, expectJoystick) << joystick << ctrl;
        EXPECT_EQ(rig.settings.ctrl, expectCtrl) << joystick << ctrl;
    }
}

TEST(ReadRegistry, ADeviceNumberPastTheListLeavesNoSelectionAndIsStoredAsMinusOne) {
    Rig rig;
    rig.writeNumbers(0);
    rig.write([](platform::SettingsStore& s) {
        s.writeInteger(QStringLiteral("Wave Out Device Number"), 7);
        s.writeInteger(QStringLiteral("Mixer Device Number"), 1);
    });
    rig.read();
    EXPECT_EQ(rig.settings.waveOutDevice, -1);
    EXPECT_EQ(rig.settings.mixerDevice, 1);
    QString error;
    ASSERT_TRUE(storage::WriteRegistry(rig.store, rig.settings, &error));
    rig.store.openKey(false);
    EXPECT_EQ(rig.store.readInteger(QStringLiteral("Wave Out Device Number")), 0xFFFFFFFFu);
    EXPECT_EQ(rig.store.readInteger(QStringLiteral("Mixer Device Number")), 1u);
    rig.store.closeKey();
}

TEST(ReadRegistry, FirstStartAsksOnceThenNeverAgain) {
    Rig rig;
    ASSERT_TRUE(storage::seedSettingsStore(rig.store, nullptr));
    auto read = rig.read();
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.firstStart);
    EXPECT_EQ(rig.messages.texts(), QStringList{kFirstStart});
    rig.store.openKey(false);
    EXPECT_EQ(rig.store.readInteger(QStringLiteral("FirstRun")), 0u);
    rig.store.closeKey();

    rig.messages.clear();
    read = rig.read();
    EXPECT_FALSE(read.firstStart);
    EXPECT_TRUE(rig.messages.shown().empty());
}

TEST(ReadRegistry, AMissingFirstStartMarkerCountsAsStartedBefore) {
    Rig rig;
    rig.writeNumbers(0);
    EXPECT_FALSE(rig.read().firstStart);
    EXPECT_TRUE(rig.messages.shown().empty());

    Rig noStore; // no file at all: only the read failure is reported
    noStore.read();
    EXPECT_EQ(noStore.messages.texts(), QStringList{kReadFailed});
    EXPECT_FALSE(QFile::exists(noStore.store.location()));
}

TEST(SettingsSeed, IsTheDesignWithColourDefaultsAndFirstDevices) {
    Rig rig;
    ASSERT_TRUE(storage::seedSettingsStore(rig.store, nullptr));
    rig.settings.waveOutDevice = 2;
    rig.settings.levelStep = QStringLiteral("9");
    rig.settings.colours.fill(0);
    rig.read();
    // The seed gives exactly the design value, the devices the first entry.
    Settings design = storage::designSettings();
    EXPECT_EQ(design.waveOutDevice, 0);
    EXPECT_EQ(design.mixerDevice, 0);
    EXPECT_EQ(rig.settings, design);
    EXPECT_EQ(rig.settings.calibrationFileName, QStringLiteral("Keine Datei ausgewählt"));
}

TEST(WriteRegistry, RoundTripsEveryValueWithItsType) {
    Rig rig;
    // Every stored value away from its design value.
    for (const auto& row : storage::settingsTable()) {
        if (row.kind == storage::SettingKind::Boolean) {
            storage::setFlag(rig.settings, row, !row.designChecked);
        }
    }
    rig.settings.joystick = true;
    rig.settings.ctrl = false;
    rig.settings.pulseDuration = QStringLiteral("0,5");
    rig.settings.pauseDuration = QStringLiteral("2");
    rig.settings.levelStep = QStringLiteral("5");
    rig.settings.levelStart = QStringLiteral("-10");
    rig.settings.maxTestTime = QStringLiteral("60");
    rig.settings.minReversals = QStringLiteral("10");
    rig.settings.calibrationFileName = QStringLiteral("/home/prüfer/kal \"A\".vkk");
    rig.settings.waveOutDevice = 2;
    rig.settings.mixerDevice = 1;
    rig.settings.colours = {1, 2, 3, 4, 5, 6, 0xFF00000F};
    ASSERT_TRUE(storage::WriteRegistry(rig.store, rig.settings, nullptr));

    // Types as stored.
    rig.store.openKey(false);
    for (const auto& row : storage::settingsTable()) {
        const QString name = QString::fromLatin1(row.valueName);
        if (row.kind == storage::SettingKind::Text) {
            EXPECT_FALSE(rig.store.readInteger(name)) << row.valueName;
        } else {
            EXPECT_TRUE(rig.store.readInteger(name)) << row.valueName;
            EXPECT_FALSE(rig.store.readText(name)) << row.valueName;
        }
    }
    EXPECT_FALSE(rig.store.readInteger(QStringLiteral("FirstRun"))); // never written here
    rig.store.closeKey();

    Rig back;
    platform::RegFileSettingsStore same(rig.store.location());
    const auto read = storage::ReadRegistry(same, back.settings, back.messages);
    EXPECT_TRUE(read.ok);
    // Every stored row comes back; the values that are not stored stay.
    EXPECT_EQ(back.settings, rig.settings);
    for (const auto& row : storage::settingsTable()) {
        if (row.kind == storage::SettingKind::Text) {
            EXPECT_NE(storage::textOf(back.settings, row), QString::fromUtf8(row.designText))
                << row.valueName;
        }
    }
}

TEST(WriteRegistry, WritesInItsOwnOrder) {
    Rig rig;
    ASSERT_TRUE(storage::WriteRegistry(rig.store, rig.settings, nullptr));
    QFile file(rig.store.location());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_GE(lines.size(), 50);
    EXPECT_TRUE(lines[3].startsWith("\"Test 125Hz\"="));
    // The values added later follow the others.
    const auto archive = qsizetype(storage::addedSettingsTable().size());
    EXPECT_TRUE(lines[lines.size() - 4 - archive].startsWith("\"Reload Cal File\"="));
    EXPECT_TRUE(lines[lines.size() - 3 - archive].startsWith("\"Cal Filename\"="));
    EXPECT_TRUE(lines[lines.size() - 2 - archive].startsWith("\"Print Cal File\"="));
    EXPECT_TRUE(lines[lines.size() - 2].startsWith("\"Language\"="));
}

// An installation older than the archive has none of its values: they read
// as their design values, without the read failing or a message.
TEST(ReadRegistry, AStoreWithoutTheArchiveValuesReadsThemAsDesigned) {
    Rig rig;
    rig.settings.archiveOnServer = true;
    rig.settings.archiveHost = QStringLiteral("db.example");
    ASSERT_TRUE(storage::WriteRegistry(rig.store, rig.settings, nullptr));
    QFile file(rig.store.location());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QByteArray& line) { return line.startsWith("\"Archive"); }),
                lines.end());
    file.resize(0);
    file.write(lines.join('\n'));
    file.close();

    Rig back;
    platform::RegFileSettingsStore older(rig.store.location());
    back.settings.archiveOnServer = true;
    back.settings.archivePort = QStringLiteral("1");
    EXPECT_TRUE(storage::ReadRegistry(older, back.settings, back.messages).ok);
    const storage::Settings design = storage::designSettings();
    EXPECT_FALSE(back.settings.archiveOnServer);
    EXPECT_EQ(back.settings.archivePort, design.archivePort);
    EXPECT_EQ(back.settings.archiveDatabase, QStringLiteral("tavoaudiometer"));
    EXPECT_EQ(back.settings.pulseDuration, rig.settings.pulseDuration);
    EXPECT_TRUE(back.messages.shown().empty());
}
