// Reading and writing the stored settings: order, failure path, radio
// group, device lists, first start, the installation's seed.

#include "engine/AppState.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "storage/Registry.h"
#include "storage/SettingsControls.h"
#include "storage/SettingsTable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace tavo;
using storage::PlainSettingsControls;

namespace {

const QString kReadFailed =
    QStringLiteral("Fehler beim Lesen der Registry! Benutze Standardwerte.");
const QString kFirstStart = QStringLiteral(
    "Da Sie das Programm zum ersten mal starten, überprüfen und bestätigen Sie bitte auch die "
    "Einstellungen für Soundkarte und Joystick.");

struct Rig {
    QTemporaryDir dir;
    platform::RegFileSettingsStore store{dir.filePath(QStringLiteral("s.reg"))};
    PlainSettingsControls controls{3, 2};
    engine::AppState state;
    platform::SimMessages messages;

    storage::RegistryRead read() { return storage::ReadRegistry(store, controls, state, messages); }
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
    rig.controls.setAudiogramAreaColour(0x123456);
    const auto read = rig.read();
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.failedAt, QStringLiteral("Test 125Hz"));
    EXPECT_EQ(rig.messages.texts(), QStringList{kReadFailed});
    EXPECT_TRUE(rig.controls.frequencyBoxesEnabled);
    // Controls keep their design values.
    EXPECT_FALSE(rig.controls.isChecked(QStringLiteral("Check125")));
    EXPECT_TRUE(rig.controls.isChecked(QStringLiteral("Check250")));
    EXPECT_EQ(rig.controls.text(QStringLiteral("BeepTimeEdit")), QStringLiteral("1"));
    EXPECT_TRUE(rig.controls.isChecked(QStringLiteral("rdoCTRL")));
    // Colours get their defaults; the backgrounds the current colours.
    const engine::ColourTable expected = {
        0x800000, 0x000080, 0x808080, 0x123456, storage::kButtonFace, 0xFF0000, 0x0000FF};
    EXPECT_EQ(rig.state.Colours, expected);
    EXPECT_EQ(rig.controls.areaColour, 0x123456u);
    EXPECT_EQ(rig.controls.selection(QStringLiteral("WaveOutDevice")), 0);
    EXPECT_EQ(rig.controls.selection(QStringLiteral("MixerDevice")), 0);
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
            EXPECT_EQ(rig.controls.text(QString::fromLatin1(row.control)), QString())
                << row.valueName;
        }
    }
    // Every colour value 1, applied to the area and the window too.
    EXPECT_EQ(rig.state.Colours[3], 1u);
    EXPECT_EQ(rig.controls.areaColour, 1u);
    EXPECT_EQ(rig.controls.mainColour, 1u);
}

TEST(ReadRegistry, AFailureHalfWayKeepsWhatWasReadBefore) {
    Rig rig;
    rig.writeNumbers(0);
    rig.write([](platform::SettingsStore& s) {
        s.writeText(QStringLiteral("Pulse Duration(s)"), QStringLiteral("2"));
        s.writeText(QStringLiteral("Level Steps (dB)"), QStringLiteral("5"));
        s.writeInteger(QStringLiteral("Pause Duration(s)"), 3); // a number where a text belongs
    });
    rig.controls.setText(QStringLiteral("LevelStep"), QStringLiteral("4"));
    const auto read = rig.read();
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.failedAt, QStringLiteral("Pause Duration(s)"));
    EXPECT_FALSE(rig.controls.isChecked(QStringLiteral("Check250"))); // read before: 0
    EXPECT_EQ(rig.controls.text(QStringLiteral("BeepTimeEdit")), QStringLiteral("2"));
    EXPECT_EQ(rig.controls.text(QStringLiteral("LevelStep")), QStringLiteral("4")); // after: kept
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
        EXPECT_EQ(rig.controls.isChecked(QStringLiteral("rdoJoystick")), expectJoystick)
            << joystick << ctrl;
        EXPECT_EQ(rig.controls.isChecked(QStringLiteral("rdoCTRL")), expectCtrl)
            << joystick << ctrl;
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
    EXPECT_EQ(rig.controls.selection(QStringLiteral("WaveOutDevice")), -1);
    EXPECT_EQ(rig.controls.selection(QStringLiteral("MixerDevice")), 1);
    QString error;
    ASSERT_TRUE(storage::WriteRegistry(rig.store, rig.controls, rig.state, &error));
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
    EXPECT_EQ(rig.controls.firstStarts, 1);
    rig.store.openKey(false);
    EXPECT_EQ(rig.store.readInteger(QStringLiteral("FirstRun")), 0u);
    rig.store.closeKey();

    rig.messages.clear();
    read = rig.read();
    EXPECT_FALSE(read.firstStart);
    EXPECT_TRUE(rig.messages.shown().empty());
    EXPECT_EQ(rig.controls.firstStarts, 1);
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
    rig.controls.select(QStringLiteral("WaveOutDevice"), 2);
    rig.read();
    const PlainSettingsControls design(3, 2);
    for (const auto& row : storage::settingsTable()) {
        const QString control = QString::fromLatin1(row.control);
        switch (row.kind) {
        case storage::SettingKind::Boolean:
            EXPECT_EQ(rig.controls.isChecked(control), design.isChecked(control)) << row.valueName;
            break;
        case storage::SettingKind::Text:
            EXPECT_EQ(rig.controls.text(control), design.text(control)) << row.valueName;
            break;
        case storage::SettingKind::Device:
            EXPECT_EQ(rig.controls.selection(control), 0) << row.valueName;
            break;
        case storage::SettingKind::Colour:
            EXPECT_EQ(rig.state.Colours[row.colourSlot], row.errorColour) << row.valueName;
            break;
        }
    }
    EXPECT_EQ(rig.controls.text(QStringLiteral("Label24")),
              QStringLiteral("Keine Datei ausgewählt"));
}

TEST(WriteRegistry, RoundTripsEveryValueWithItsType) {
    Rig rig;
    rig.controls.setChecked(QStringLiteral("Check125"), true);
    rig.controls.setChecked(QStringLiteral("Trial"), false);
    rig.controls.setChecked(QStringLiteral("rdoJoystick"), true);
    rig.controls.setText(QStringLiteral("BeepTimeEdit"), QStringLiteral("0,5"));
    rig.controls.setText(QStringLiteral("Label24"), QStringLiteral("/home/prüfer/kal \"A\".vkk"));
    rig.controls.select(QStringLiteral("WaveOutDevice"), 2);
    rig.controls.select(QStringLiteral("MixerDevice"), 1);
    rig.state.Colours = {1, 2, 3, 4, 5, 6, 0xFF00000F};
    ASSERT_TRUE(storage::WriteRegistry(rig.store, rig.controls, rig.state, nullptr));

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
    const auto read = storage::ReadRegistry(same, back.controls, back.state, back.messages);
    EXPECT_TRUE(read.ok);
    for (const auto& row : storage::settingsTable()) {
        const QString control = QString::fromLatin1(row.control);
        EXPECT_EQ(back.controls.isChecked(control), rig.controls.isChecked(control))
            << row.valueName;
        EXPECT_EQ(back.controls.text(control), rig.controls.text(control)) << row.valueName;
        EXPECT_EQ(back.controls.selection(control), rig.controls.selection(control))
            << row.valueName;
    }
    EXPECT_EQ(back.state.Colours, rig.state.Colours);
}

TEST(WriteRegistry, WritesInItsOwnOrder) {
    Rig rig;
    ASSERT_TRUE(storage::WriteRegistry(rig.store, rig.controls, rig.state, nullptr));
    QFile file(rig.store.location());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_GE(lines.size(), 44);
    EXPECT_TRUE(lines[3].startsWith("\"Test 125Hz\"="));
    EXPECT_TRUE(lines[lines.size() - 4].startsWith("\"Reload Cal File\"="));
    EXPECT_TRUE(lines[lines.size() - 3].startsWith("\"Cal Filename\"="));
    EXPECT_TRUE(lines[lines.size() - 2].startsWith("\"Print Cal File\"="));
}
