// The settings dialog as the user works it (offscreen), and the password
// dialog in front of it.

#include "engine/AppState.h"
#include "engine/ColourValue.h"
#include "platform/Language.h"
#include "storage/FieldChecks.h"
#include "storage/Registry.h"
#include "storage/SettingsHost.h"
#include "storage/SettingsTable.h"
#include "storage/TfrmSettings.h"
#include "support/TestPlatform.h"
#include "ui/Startup.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmPassword.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace tavo;

namespace {

struct FakeHost final : storage::SettingsHost {
    void repaintAudiogram() override { ++audiogramPaints; }
    void repaintTestWindowGraph() override { ++graphPaints; }
    std::uint32_t audiogramAreaColour() const override { return area; }
    void setAudiogramAreaColour(std::uint32_t colour) override { area = colour; }
    void setAudiogramGroupColour(std::uint32_t colour) override { group = colour; }
    std::uint32_t windowColour() const override { return window; }
    void setWindowColour(std::uint32_t colour) override { window = colour; }
    bool calibrationMenuEnabled() const override { return menuEnabled; }
    void setMainWindowEnabled(bool enabled) override { mainEnabled = enabled; }
    void restoreMainWindow() override {}
    std::optional<QString> chooseCalibrationFile(QWidget*) override { return chosenFile; }

    int audiogramPaints = 0;
    int graphPaints = 0;
    std::uint32_t area = 0x008080;
    std::uint32_t group = 0x008080;
    std::uint32_t window = 0xFF00000F;
    bool menuEnabled = true;
    bool mainEnabled = true;
    std::optional<QString> chosenFile;
};

struct Rig {
    Rig() {
        sim.settingsFromEarlierStart();
        dialog = std::make_unique<storage::TfrmSettings>(state, settings, sim.bundle, *sim.settings,
                                                         host, *sim.mixerDevices);
    }
    void leave(QLineEdit* field) {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(field, &out);
    }
    QString stored(const QString& name) {
        sim.settings->openKey(false);
        const auto text = sim.settings->readText(name);
        sim.settings->closeKey();
        return text.value_or(QStringLiteral("<kein Text>"));
    }

    testsupport::TestPlatform sim;
    engine::AppState state;
    storage::Settings settings = storage::designSettings();
    FakeHost host;
    std::unique_ptr<storage::TfrmSettings> dialog;
};

} // namespace

TEST(FieldChecks, CorrectOnlyWhatIsOutOfRangeOrNoNumber) {
    using namespace storage;
    EXPECT_EQ(checkReverseEdit(QStringLiteral("12")), QStringLiteral("10"));
    EXPECT_EQ(checkReverseEdit(QStringLiteral("1")), QStringLiteral("2"));
    EXPECT_EQ(checkReverseEdit(QStringLiteral("abc")), QStringLiteral("6"));
    EXPECT_EQ(checkReverseEdit(QString()), QStringLiteral("6"));
    EXPECT_EQ(checkReverseEdit(QStringLiteral("7")), QStringLiteral("7"));
    EXPECT_EQ(checkTestTimeEdit(QStringLiteral("12.5")), QStringLiteral("30"));
    EXPECT_EQ(checkTestTimeEdit(QStringLiteral("75")), QStringLiteral("60"));
    EXPECT_EQ(checkTestTimeEdit(QStringLiteral("5")), QStringLiteral("10"));

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(checkBeepTimeEdit(QStringLiteral("-1"), german), QStringLiteral("0"));
    EXPECT_EQ(checkBeepTimeEdit(QStringLiteral("7"), german), QStringLiteral("5"));
    EXPECT_EQ(checkBeepTimeEdit(QStringLiteral("zwei"), german), QStringLiteral("1"));
    EXPECT_EQ(checkBeepTimeEdit(QStringLiteral("2,5"), german), QStringLiteral("2,5"));
    EXPECT_EQ(checkBeepTimeEdit(QStringLiteral("2,5"), english), QStringLiteral("1"));
    EXPECT_EQ(checkBeepTimeEdit(QStringLiteral("5,5"), german), QStringLiteral("5"));
    EXPECT_EQ(checkPauseTimeEdit(QStringLiteral("9"), german), QStringLiteral("5"));

    EXPECT_EQ(checkLevelStep(QStringLiteral("x"), german), QStringLiteral("3"));
    EXPECT_EQ(checkLevelStep(QStringLiteral("0"), german), QStringLiteral("1"));
    EXPECT_EQ(checkLevelStep(QStringLiteral("12"), german), QStringLiteral("10"));
    EXPECT_EQ(checkLevelStep(QStringLiteral("2,5"), german), QStringLiteral("2,5"));
    EXPECT_EQ(checkLevelStart(QStringLiteral("abc")), QStringLiteral("40"));
    EXPECT_EQ(checkLevelStart(QStringLiteral("120")), QStringLiteral("100"));
    EXPECT_EQ(checkLevelStart(QStringLiteral("-20")), QStringLiteral("-10"));
    EXPECT_EQ(checkLevelStart(QStringLiteral("2.5")), QStringLiteral("40"));
    EXPECT_EQ(checkLevelStart(QStringLiteral("0")), QStringLiteral("0"));

    // The report's noise: no exposure stays none; the limits are kept.
    EXPECT_EQ(checkDefaultExposure(QString(), german), QString());
    EXPECT_EQ(checkDefaultExposure(QStringLiteral("laut"), german), QString());
    EXPECT_EQ(checkDefaultExposure(QStringLiteral("130"), german), QStringLiteral("130"));
    EXPECT_EQ(checkDefaultExposure(QStringLiteral("130,1"), german), QStringLiteral("130"));
    EXPECT_EQ(checkDefaultExposure(QStringLiteral("69,9"), german), QStringLiteral("70"));
    EXPECT_EQ(checkWantedLevel(QStringLiteral("86"), german), QStringLiteral("85"));
    EXPECT_EQ(checkWantedLevel(QStringLiteral("-"), german), QStringLiteral("80"));
}

TEST(SettingsDialog, LeavingAFieldChecksThatFieldOnly) {
    Rig rig;
    rig.dialog->BeepTimeEdit->setText(QStringLiteral("4"));
    rig.dialog->PauseTimeEdit->setText(QStringLiteral("9"));
    rig.leave(rig.dialog->PauseTimeEdit);
    EXPECT_EQ(rig.dialog->PauseTimeEdit->text(), QStringLiteral("5"));
    EXPECT_EQ(rig.dialog->BeepTimeEdit->text(), QStringLiteral("4"));
    rig.dialog->ReverseEdit->setText(QStringLiteral("12"));
    rig.leave(rig.dialog->ReverseEdit);
    EXPECT_EQ(rig.dialog->ReverseEdit->text(), QStringLiteral("10"));
    rig.dialog->TestTimeEdit->setText(QStringLiteral("20.5"));
    rig.leave(rig.dialog->TestTimeEdit);
    EXPECT_EQ(rig.dialog->TestTimeEdit->text(), QStringLiteral("30"));
    rig.dialog->LevelStart->setText(QStringLiteral("laut"));
    rig.leave(rig.dialog->LevelStart);
    EXPECT_EQ(rig.dialog->LevelStart->text(), QStringLiteral("40"));
}

TEST(SettingsDialog, CreationSetsTheGermanTextsAndFillsTheDeviceLists) {
    Rig rig;
    auto& d = *rig.dialog;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Tavo Audiometer Settings"));
    EXPECT_EQ(d.SettingsPages->tabText(0), QStringLiteral("Testverfahren"));
    EXPECT_EQ(d.SettingsPages->tabText(1), QStringLiteral("Hardware"));
    EXPECT_EQ(d.SettingsPages->tabText(4), QStringLiteral("Calibration"));
    EXPECT_EQ(d.Cancel->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(d.Reject1st->text(), QStringLiteral("Erste Umkehrung verwerfen"));
    EXPECT_EQ(d.rdoJoystick->text(), QStringLiteral("Joystick (empfohlen)"));
    EXPECT_EQ(d.ColourList->itemText(3), QStringLiteral("Hintergrund Audiogramm"));
    EXPECT_EQ(d.Change->text(), QStringLiteral("Change..."));
    EXPECT_TRUE(d.Check1000->isEnabled()); // enabled by reading the settings
    EXPECT_FALSE(d.chkDisableSS->isVisibleTo(&d));
    EXPECT_TRUE(d.chkDisableSS->isChecked());

    ASSERT_EQ(d.WaveOutDevice->count(), 1);
    EXPECT_EQ(d.WaveOutDevice->itemText(0),
              QStringLiteral("Simulated Wave Device Driver Version 1.0"));
    EXPECT_EQ(d.WaveOutDevice->currentIndex(), 0);
    ASSERT_GE(d.MixerDevice->count(), 1);
    EXPECT_TRUE(d.MixerDevice->itemText(0).contains(QStringLiteral(" Driver Version ")));
    // The device check opened the stored mixer device.
    EXPECT_EQ(rig.sim.mixerLayer->openedIndex(), 0u);
    EXPECT_TRUE(rig.sim.messages->shown().empty());
}

// Every row of the settings table has its control, which starts at the
// table's design value (the store here is missing, so nothing is read over
// it), and every control writes an edit into the value at once, which OK
// stores and a new dialog shows again.
TEST(SettingsDialog, ShowsTheTableRowByRowAndWritesEveryEditThroughToTheStore) {
    testsupport::TestPlatform sim;
    sim.mixer->devices().push_back(sim.mixer->devices().front());
    platform::WaveOutCaps card;
    ASSERT_EQ(sim.wave->deviceCaps(0, card), platform::WaveResult::Ok);
    sim.wave->setDevices({card, card});
    engine::AppState state;
    storage::Settings settings = storage::designSettings();
    FakeHost host;
    auto dialog = std::make_unique<storage::TfrmSettings>(state, settings, sim.bundle,
                                                          *sim.settings, host, *sim.mixerDevices);
    int rows = 0;
    for (const auto table : {storage::settingsTable(), storage::unstoredSettings()}) {
        for (const auto& row : table) {
            const QString name = QString::fromLatin1(row.control);
            if (row.kind == storage::SettingKind::Boolean) {
                const auto* button = dialog->findChild<QAbstractButton*>(name);
                ASSERT_NE(button, nullptr) << row.control;
                EXPECT_EQ(button->isChecked(), row.designChecked) << row.control;
                ++rows;
            } else if (row.kind == storage::SettingKind::Text) {
                const auto* edit = dialog->findChild<QLineEdit*>(name);
                const auto* label = dialog->findChild<QLabel*>(name);
                ASSERT_TRUE(edit != nullptr || label != nullptr) << row.control;
                EXPECT_EQ(edit != nullptr ? edit->text() : label->text(),
                          QString::fromUtf8(row.designText))
                    << row.control;
                ++rows;
            } else if (row.kind == storage::SettingKind::Device) {
                ASSERT_NE(dialog->findChild<QComboBox*>(name), nullptr) << row.control;
                ++rows;
            }
        }
    }
    EXPECT_EQ(rows, 36);

    // Every control away from its design value, as a user would change it.
    for (const auto& row : storage::settingsTable()) {
        const QString name = QString::fromLatin1(row.control);
        if (row.kind == storage::SettingKind::Boolean && name != QLatin1String("rdoCTRL")) {
            dialog->findChild<QAbstractButton*>(name)->click();
        } else if (auto* edit = dialog->findChild<QLineEdit*>(name)) {
            edit->setText(edit->text() + QLatin1Char('0'));
        }
    }
    dialog->WaveOutDevice->setCurrentIndex(1);
    dialog->MixerDevice->setCurrentIndex(1);
    host.chosenFile = QStringLiteral("/kal/neu.vkk");
    dialog->btnChooseCalClick();
    for (const auto& row : storage::settingsTable()) {
        switch (row.kind) {
        case storage::SettingKind::Boolean:
            EXPECT_NE(storage::flagOf(settings, row), row.designChecked) << row.valueName;
            break;
        case storage::SettingKind::Text:
            EXPECT_NE(storage::textOf(settings, row), QString::fromUtf8(row.designText))
                << row.valueName;
            break;
        case storage::SettingKind::Device:
            EXPECT_EQ(storage::deviceOf(settings, row), 1) << row.valueName;
            break;
        case storage::SettingKind::Colour:
            break;
        }
    }
    EXPECT_EQ(settings.levelStart, QStringLiteral("400"));
    EXPECT_TRUE(settings.joystick);
    EXPECT_FALSE(settings.ctrl);
    EXPECT_TRUE(settings.reloadCalibration);
    dialog->OKClick();

    // A new dialog over the stored copy shows and holds the same.
    const storage::Settings edited = settings;
    storage::Settings again = storage::designSettings();
    auto second = std::make_unique<storage::TfrmSettings>(state, again, sim.bundle, *sim.settings,
                                                          host, *sim.mixerDevices);
    EXPECT_EQ(again, edited);
    EXPECT_EQ(second->LevelStart->text(), QStringLiteral("400"));
    EXPECT_TRUE(second->rdoJoystick->isChecked());
    EXPECT_EQ(second->Label24->text(), QStringLiteral("/kal/neu.vkk"));
    EXPECT_EQ(second->MixerDevice->currentIndex(), 1);
}

TEST(SettingsDialog, CancelUndoesUnsavedChanges) {
    Rig rig;
    rig.dialog->show();
    EXPECT_FALSE(rig.host.mainEnabled);
    rig.dialog->BeepTimeEdit->setText(QStringLiteral("2"));
    rig.dialog->Check125->setChecked(true);
    rig.dialog->CancelClick();
    EXPECT_EQ(rig.dialog->BeepTimeEdit->text(), QStringLiteral("1"));
    EXPECT_FALSE(rig.dialog->Check125->isChecked());
    EXPECT_FALSE(rig.dialog->isVisible());
    EXPECT_TRUE(rig.host.mainEnabled);
}

// The page "Archiv": the server's fields only for a server; every edit goes
// into the value, OK into the store, Cancel back to the stored; the check
// names what it reached or why not.
TEST(SettingsDialog, ArchivePageChoosesTheServerAndChecksIt) {
    Rig rig;
    auto& page = *rig.dialog;
    EXPECT_TRUE(page.rdoArchiveLocal->isChecked());
    EXPECT_FALSE(page.edtArchiveHost->isEnabled());
    EXPECT_EQ(page.cbxArchiveSslMode->currentText(), QStringLiteral("prefer"));
    page.rdoArchiveServer->click();
    ASSERT_TRUE(page.edtArchiveHost->isEnabled());
    page.edtArchiveHost->setText(QStringLiteral("/kein/socket"));
    page.edtArchivePort->setText(QStringLiteral("0"));
    page.cbxArchiveSslMode->setCurrentText(QStringLiteral("require"));
    EXPECT_TRUE(rig.settings.archiveOnServer);
    EXPECT_EQ(rig.settings.archiveSslMode, QStringLiteral("require"));
    page.btnArchiveCheckClick();
    EXPECT_EQ(rig.sim.messages->texts().value(0),
              QStringLiteral("Der Port des Archivservers „0“ ist keine Zahl von 1 bis 65535."));
    page.edtArchivePort->setText(QStringLiteral("5432"));
    page.btnArchiveCheckClick();
    EXPECT_TRUE(rig.sim.messages->texts().value(1).startsWith(
        QStringLiteral("Das Archiv „/kein/socket:5432/tavoaudiometer“")))
        << rig.sim.messages->texts().value(1).toStdString();
    page.OKClick();
    EXPECT_EQ(rig.stored(QStringLiteral("Archive Host")), QStringLiteral("/kein/socket"));

    page.rdoArchiveLocal->click();
    page.edtArchiveUser->setText(QStringLiteral("jemand"));
    page.CancelClick();
    EXPECT_TRUE(rig.settings.archiveOnServer);
    EXPECT_TRUE(page.rdoArchiveServer->isChecked());
    EXPECT_EQ(page.edtArchiveUser->text(), QString());
    EXPECT_EQ(page.cbxArchiveSslMode->currentText(), QStringLiteral("require"));
}

TEST(SettingsDialog, TheLanguageIsStoredAsItsCodeAndChosenAtTheNextStart) {
    Rig rig;
    auto& page = *rig.dialog;
    ASSERT_EQ(page.cbxLanguage->count(), 4);
    EXPECT_EQ(page.cbxLanguage->currentData().toString(), QStringLiteral("system"));
    EXPECT_EQ(storage::storedLanguage(*rig.sim.settings), QStringLiteral("system"));
    const QStringList codes = {QStringLiteral("system"), QStringLiteral("de"), QStringLiteral("en"),
                               QStringLiteral("source")};
    const platform::Language chosen[] = {platform::Language::German, platform::Language::German,
                                         platform::Language::English, platform::Language::Source};
    for (int i = 3; i >= 0; --i) {
        page.cbxLanguage->setCurrentIndex(i);
        EXPECT_EQ(rig.settings.language, codes[i]);
        page.OKClick();
        const QString stored = storage::storedLanguage(*rig.sim.settings);
        EXPECT_EQ(stored, codes[i]);
        // The start reads it before any window; --lang still wins.
        EXPECT_EQ(platform::chooseLanguage(std::nullopt, stored, platform::Language::German),
                  chosen[i]);
        EXPECT_EQ(platform::chooseLanguage(platform::Language::English, stored,
                                           platform::Language::German),
                  platform::Language::English);
    }
    // A value this program does not know shows the system language and
    // leaves the choice to the locale.
    rig.sim.settings->openKey(true);
    rig.sim.settings->writeText(QStringLiteral("Language"), QStringLiteral("klingonisch"));
    rig.sim.settings->closeKey();
    storage::Settings again = storage::designSettings();
    storage::TfrmSettings second(rig.state, again, rig.sim.bundle, *rig.sim.settings, rig.host,
                                 *rig.sim.mixerDevices);
    EXPECT_EQ(second.cbxLanguage->currentIndex(), 0);
    EXPECT_EQ(platform::chooseLanguage(std::nullopt, storage::storedLanguage(*rig.sim.settings),
                                       platform::Language::English),
              platform::Language::English);
}

TEST(SettingsDialog, EscapeIsCancelButClosingTheWindowOnlyHidesIt) {
    Rig rig;
    rig.dialog->show();
    rig.dialog->BeepTimeEdit->setText(QStringLiteral("2"));
    QTest::keyClick(rig.dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(rig.dialog->isVisible());
    EXPECT_EQ(rig.dialog->BeepTimeEdit->text(), QStringLiteral("1"));
    EXPECT_TRUE(rig.host.mainEnabled);

    rig.dialog->show();
    rig.dialog->BeepTimeEdit->setText(QStringLiteral("3"));
    rig.dialog->close();
    EXPECT_FALSE(rig.dialog->isVisible());
    EXPECT_EQ(rig.dialog->BeepTimeEdit->text(), QStringLiteral("3")); // the live value stays
}

TEST(SettingsDialog, OkStoresAndRepaints) {
    Rig rig;
    rig.dialog->show();
    rig.dialog->LevelStep->setText(QStringLiteral("5"));
    rig.host.chosenFile = QStringLiteral("/kal/Kopfhörer DT48.vkk");
    rig.dialog->btnChooseCalClick();
    EXPECT_EQ(rig.dialog->Label24->text(), QStringLiteral("/kal/Kopfhörer DT48.vkk"));
    EXPECT_TRUE(rig.dialog->chkLoadCal->isChecked());
    EXPECT_EQ(rig.stored(QStringLiteral("Cal Filename")), QStringLiteral("Keine Datei ausgewählt"));
    const int paints = rig.host.audiogramPaints;
    rig.dialog->OKClick();
    EXPECT_EQ(rig.host.audiogramPaints, paints + 1);
    EXPECT_FALSE(rig.dialog->isVisible());
    EXPECT_EQ(rig.stored(QStringLiteral("Level Steps (dB)")), QStringLiteral("5"));
    EXPECT_EQ(rig.stored(QStringLiteral("Cal Filename")),
              QStringLiteral("/kal/Kopfhörer DT48.vkk"));
    EXPECT_TRUE(rig.settings.reloadCalibration);
    EXPECT_EQ(rig.settings.levelStep, QStringLiteral("5"));
}

TEST(SettingsDialog, AudiogramBackgroundChangeThenCancel) {
    Rig rig;
    rig.dialog->show();
    rig.dialog->ColourList->setCurrentIndex(3);
    rig.dialog->pickColour = [](const QColor&) {
        return QColor(10, 20, 30);
    };
    rig.dialog->ChangeClick();
    const std::uint32_t chosen = 0x1E140A;
    EXPECT_EQ(rig.settings.colours[3], chosen);
    EXPECT_EQ(rig.host.area, chosen);
    EXPECT_EQ(rig.host.group, chosen);
    rig.dialog->CancelClick();
    // Reading the settings sets the area's colour only; the group box keeps
    // the chosen one.
    EXPECT_EQ(rig.settings.colours[3], 0x008080u);
    EXPECT_EQ(rig.host.area, 0x008080u);
    EXPECT_EQ(rig.host.group, chosen);
}

TEST(SettingsDialog, ColourEntriesActWhereTheyBelong) {
    Rig rig;
    rig.dialog->pickColour = [](const QColor& start) {
        EXPECT_TRUE(start.isValid());
        return QColor(255, 0, 0);
    };
    rig.dialog->ColourList->setCurrentIndex(0);
    rig.dialog->ChangeClick();
    EXPECT_EQ(rig.settings.colours[0], 0x0000FFu);
    EXPECT_EQ(rig.host.graphPaints, 1);
    rig.dialog->ColourList->setCurrentIndex(4);
    rig.dialog->ChangeClick();
    EXPECT_EQ(rig.host.window, 0x0000FFu);
    EXPECT_EQ(rig.host.graphPaints, 1);
    // A cancelled colour dialog changes nothing.
    rig.dialog->pickColour = [](const QColor&) {
        return std::optional<QColor>();
    };
    rig.dialog->ColourList->setCurrentIndex(6);
    rig.dialog->ChangeClick();
    EXPECT_EQ(rig.settings.colours[6], 0x0000FFu);
    EXPECT_EQ(rig.host.graphPaints, 1);
}

TEST(SettingsDialog, RejectFirstReversalRecomputesAtOnceAndCancelRestores) {
    Rig rig;
    auto& list = rig.state.Record.Test1Result.Reversals[0][4];
    list.Count = 4;
    list.Levels[0] = 40;
    list.Levels[1] = 30;
    list.Levels[2] = 38;
    list.Levels[3] = 28;
    rig.state.Record.Test1Result.Thresholds[0][4] = 32;
    ASSERT_TRUE(rig.dialog->Reject1st->isChecked());
    const int paints = rig.host.audiogramPaints;
    rig.dialog->Reject1st->click();
    EXPECT_EQ(rig.state.Record.Test1Result.Thresholds[0][4], 34);
    EXPECT_GT(rig.host.audiogramPaints, paints);
    rig.dialog->CancelClick();
    EXPECT_TRUE(rig.dialog->Reject1st->isChecked());
    EXPECT_EQ(rig.state.Record.Test1Result.Thresholds[0][4], 32);
}

TEST(SettingsDialog, JoystickItemsAndTestLight) {
    Rig rig;
    auto& d = *rig.dialog;
    d.show();
    EXPECT_FALSE(d.light->isVisibleTo(d.SoundCard));
    d.rdoJoystick->setChecked(true);
    EXPECT_TRUE(d.light->isVisibleTo(d.SoundCard));
    EXPECT_TRUE(d.Label26->isVisibleTo(d.SoundCard));

    d.selectPage(d.SoundCard); // opened on the page: no light yet
    EXPECT_FALSE(d.joystickTimerActive());
    d.SettingsPages->setCurrentWidget(d.TestProcedure);
    d.SettingsPages->setCurrentWidget(d.SoundCard); // the user's change
    EXPECT_TRUE(d.joystickTimerActive());

    rig.sim.controller->press(3);
    QTest::qWait(120);
    EXPECT_EQ(d.lightColour(), 0x0000FFu);
    rig.sim.controller->releaseAll();
    QTest::qWait(120);
    EXPECT_EQ(d.lightColour(), 0u);
    rig.sim.controller->press(0);
    rig.sim.controller->attached = false; // the query fails: black
    QTest::qWait(120);
    EXPECT_EQ(d.lightColour(), 0u);

    d.SettingsPages->setCurrentWidget(d.GraphSettings);
    EXPECT_FALSE(d.joystickTimerActive());
    const int queries = rig.sim.controller->queries;
    QTest::qWait(120);
    EXPECT_EQ(rig.sim.controller->queries, queries);
    d.SettingsPages->setCurrentWidget(d.SoundCard);
    d.close();
    EXPECT_FALSE(d.joystickTimerActive());
}

TEST(SettingsDialog, WithoutSoundDevicesTheListsSayNoDevices) {
    testsupport::TestPlatform sim;
    sim.settingsFromEarlierStart();
    sim.wave->setDevices({});
    engine::AppState state;
    storage::Settings settings = storage::designSettings();
    FakeHost host;
    host.menuEnabled = false;
    storage::TfrmSettings dialog(state, settings, sim.bundle, *sim.settings, host,
                                 *sim.mixerDevices);
    EXPECT_EQ(dialog.WaveOutDevice->count(), 0);
    EXPECT_EQ(dialog.MixerDevice->count(), 0);
    EXPECT_EQ(sim.messages->texts(), QStringList{QStringLiteral("Invalid Device Number !")});
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    QTest::qWait(20);
    EXPECT_FALSE(dialog.WaveOutDevice->isEnabled());
    EXPECT_FALSE(dialog.MixerDevice->isEnabled());
    EXPECT_EQ(dialog.WaveOutDevice->placeholderText(), QStringLiteral("No Devices present"));
}

TEST(SettingsDialog, ChoosingAMixerDeviceOpensItAtOnce) {
    testsupport::TestPlatform sim;
    sim.mixer->devices().push_back(sim.mixer->devices().front());
    sim.settingsFromEarlierStart();
    engine::AppState state;
    storage::Settings settings = storage::designSettings();
    FakeHost host;
    storage::TfrmSettings dialog(state, settings, sim.bundle, *sim.settings, host,
                                 *sim.mixerDevices);
    ASSERT_EQ(dialog.MixerDevice->count(), 2);
    EXPECT_EQ(sim.mixerLayer->openedIndex(), 0u);
    dialog.MixerDevice->setCurrentIndex(1); // by the program: nothing opened
    EXPECT_EQ(sim.mixerLayer->openedIndex(), 0u);
    Q_EMIT dialog.MixerDevice->activated(1); // the user's choice
    EXPECT_EQ(sim.mixerLayer->openedIndex(), 1u);
    // Cancelled: the stored device is the open one again.
    dialog.CancelClick();
    EXPECT_EQ(dialog.MixerDevice->currentIndex(), 0);
    EXPECT_EQ(sim.mixerLayer->openedIndex(), 0u);
}

TEST(PasswordDialog, OnlyTheExactPasswordOpensTheSettings) {
    int settingsShown = 0;
    int enabled = 0;
    ui::TfrmPassword password([&] { ++settingsShown; }, [&] { ++enabled; });
    EXPECT_EQ(password.txtPassword->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(password.btnOK->isDefault());

    password.show();
    password.txtPassword->setText(QStringLiteral("QMZ47"));
    password.btnOKClick();
    EXPECT_EQ(settingsShown, 0);
    EXPECT_FALSE(password.isVisible());
    EXPECT_EQ(enabled, 1);

    password.show();
    EXPECT_EQ(password.txtPassword->text(), QStringLiteral("QMZ47")); // kept for the next time
    password.txtPassword->setText(QStringLiteral("qmz47"));
    password.btnOKClick();
    EXPECT_EQ(settingsShown, 1);
    EXPECT_EQ(enabled, 2);

    password.show();
    QTest::keyClick(password.txtPassword, Qt::Key_Escape);
    EXPECT_FALSE(password.isVisible());
    EXPECT_EQ(settingsShown, 1);
    EXPECT_EQ(enabled, 3);
}

TEST(FirstStart, ShowsOneMessageThePasswordAndThenTheHardwarePage) {
    testsupport::TestPlatform sim;
    engine::AppState state;
    ui::ensureSettingsStore(*sim.settings, *sim.messages);
    ASSERT_TRUE(sim.settings->exists());
    {
        auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
        EXPECT_FALSE(windows->password->isVisible()); // not before the main window
        ui::showProgramWindows(*windows);
        EXPECT_TRUE(windows->main->isVisible());
        EXPECT_EQ(
            sim.messages->texts(),
            QStringList{QStringLiteral("Da Sie das Programm zum ersten mal starten, überprüfen "
                                       "und bestätigen Sie bitte auch die Einstellungen für "
                                       "Soundkarte und Joystick.")});
        EXPECT_TRUE(windows->password->isVisible());
        EXPECT_FALSE(windows->main->isEnabled());
        windows->password->txtPassword->setText(QStringLiteral("qmz47"));
        windows->password->btnOKClick();
        EXPECT_TRUE(windows->settings->isVisible());
        EXPECT_EQ(windows->settings->SettingsPages->currentWidget(), windows->settings->SoundCard);
        EXPECT_TRUE(windows->main->isEnabled()); // opened through the password
        windows->settings->OKClick();
    }
    sim.messages->clear();
    auto again = ui::createWindows(state, sim.bundle, sim.services(), {});
    ui::showProgramWindows(*again);
    EXPECT_TRUE(sim.messages->shown().empty());
    EXPECT_FALSE(again->password->isVisible());
}

TEST(MainWindowCommands, GraphSettingsOpenOnTheGraphPageWithoutPassword) {
    testsupport::TestPlatform sim;
    sim.settingsFromEarlierStart();
    engine::AppState state;
    auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
    windows->main->Settings1Click();
    EXPECT_TRUE(windows->settings->isVisible());
    EXPECT_FALSE(windows->password->isVisible());
    EXPECT_EQ(windows->settings->SettingsPages->currentWidget(), windows->settings->GraphSettings);
    EXPECT_FALSE(windows->main->isEnabled());
    windows->settings->CancelClick();
    EXPECT_TRUE(windows->main->isEnabled());

    windows->main->Options1Click();
    EXPECT_TRUE(windows->password->isVisible());
    EXPECT_FALSE(windows->main->isEnabled());
    windows->password->btnCancelClick();
    EXPECT_TRUE(windows->main->isEnabled());
    EXPECT_FALSE(windows->settings->isVisible());
}
