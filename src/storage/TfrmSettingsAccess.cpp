// The settings dialog's controls and the Settings value: loading the value
// into the controls, and every edit written back at once.

#include "storage/TfrmSettings.h"

#include "storage/Registry.h"
#include "storage/SettingsHost.h"
#include "storage/SettingsTable.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "platform/Platform.h"

namespace tavo::storage {

void TfrmSettings::enableFrequencyBoxes() {
    for (auto* box : GroupBox1->findChildren<QCheckBox*>()) {
        box->setEnabled(true);
    }
}

void TfrmSettings::readStored() {
    enableFrequencyBoxes();
    const RegistryRead read = ReadRegistry(store_, settings_, *platform_.messages);
    loadControls();
    if (read.firstStart) {
        firstStart();
    }
}

void TfrmSettings::loadControl(const SettingRow& row) {
    const QString name = QString::fromLatin1(row.control);
    switch (row.kind) {
    case SettingKind::Boolean:
        if (auto* button = findChild<QAbstractButton*>(name)) {
            const bool checked = flagOf(settings_, row);
            if (!checked && button->autoExclusive()) {
                // Unchecking one radio button leaves its partner alone, so
                // both may end up clear.
                button->setAutoExclusive(false);
                button->setChecked(false);
                button->setAutoExclusive(true);
            } else {
                button->setChecked(checked);
            }
        }
        break;
    case SettingKind::Text:
        if (auto* edit = findChild<QLineEdit*>(name)) {
            edit->setText(textOf(settings_, row));
        } else if (auto* label = findChild<QLabel*>(name)) {
            // A label only shows the value: its design text ("no file
            // chosen") is shown translated, the value stays as stored.
            const QString text = textOf(settings_, row);
            const bool design =
                *row.designText != '\0' && text == QString::fromUtf8(row.designText);
            label->setText(design ? QCoreApplication::translate("SettingsTable", row.designText)
                                  : text);
        } else if (auto* choice = findChild<QComboBox*>(name)) {
            // A list whose items carry codes shows the item of the stored
            // code; an unknown code shows the first item (the default).
            const QString value = textOf(settings_, row);
            if (choice->itemData(0).isValid()) {
                choice->setCurrentIndex(std::max(0, choice->findData(value)));
            } else {
                choice->setCurrentText(value);
            }
        }
        break;
    case SettingKind::Device:
        if (auto* combo = findChild<QComboBox*>(name)) {
            const int index = deviceOf(settings_, row);
            combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
            // The list shows no selection for an entry it does not have.
            setDevice(settings_, row, combo->currentIndex());
        }
        break;
    case SettingKind::Colour:
        break;
    }
}

void TfrmSettings::loadControls() {
    for (const auto rows : {settingsTable(), unstoredSettings(), addedSettingsTable()}) {
        for (const auto& row : rows) {
            loadControl(row);
        }
    }
    showArchiveChoice();
    host_.setAudiogramAreaColour(settings_.colours[kAudiogramBackgroundSlot]);
    host_.setWindowColour(settings_.colours[kWindowBackgroundSlot]);
}

void TfrmSettings::connectWriteBack() {
    for (const auto rows : {settingsTable(), unstoredSettings(), addedSettingsTable()}) {
        for (const auto& row : rows) {
            const QString name = QString::fromLatin1(row.control);
            if (row.kind == SettingKind::Boolean) {
                if (auto* button = findChild<QAbstractButton*>(name)) {
                    connect(button, &QAbstractButton::toggled, this,
                            [this, &row](bool on) { setFlag(settings_, row, on); });
                }
            } else if (row.kind == SettingKind::Text) {
                // The calibration file's label changes only by code, which
                // writes the value itself.
                if (auto* edit = findChild<QLineEdit*>(name)) {
                    connect(edit, &QLineEdit::textChanged, this,
                            [this, &row](const QString& text) { setText(settings_, row, text); });
                } else if (auto* choice = findChild<QComboBox*>(name)) {
                    connect(choice, &QComboBox::currentIndexChanged, this,
                            [this, &row, choice](int) {
                                const QVariant code = choice->currentData();
                                setText(settings_, row,
                                        code.isValid() ? code.toString() : choice->currentText());
                            });
                }
            } else if (row.kind == SettingKind::Device) {
                if (auto* combo = findChild<QComboBox*>(name)) {
                    connect(combo, &QComboBox::currentIndexChanged, this,
                            [this, &row](int index) { setDevice(settings_, row, index); });
                }
            }
        }
    }
}

void TfrmSettings::firstStart() {
    host_.restoreMainWindow();
    selectPage(SoundCard);
    firstStartPending_ = true;
}

} // namespace tavo::storage
