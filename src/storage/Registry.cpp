#include "storage/Registry.h"

#include "platform/Messages.h"
#include "platform/SettingsStore.h"
#include "storage/SettingsTable.h"

#include <QCoreApplication>

namespace tavo::storage {

namespace {

QString nameOf(const SettingRow& row) {
    return QString::fromLatin1(row.valueName);
}

// Reads one value into the settings; false when the read fails.
bool readRow(const SettingRow& row, const platform::SettingsStore& store, Settings& settings) {
    if (row.kind == SettingKind::Text) {
        const auto value = store.readText(nameOf(row));
        if (value) {
            setText(settings, row, *value);
        }
        return value.has_value();
    }
    const auto value = store.readInteger(nameOf(row));
    if (!value) {
        return false;
    }
    switch (row.kind) {
    case SettingKind::Boolean:
        setFlag(settings, row, *value != 0);
        break;
    case SettingKind::Device:
        setDevice(settings, row, static_cast<std::int32_t>(*value));
        break;
    case SettingKind::Colour:
        settings.colours[static_cast<std::size_t>(row.colourSlot)] = *value;
        break;
    case SettingKind::Text:
        break;
    }
    return true;
}

void setDesignValue(Settings& settings, const SettingRow& row) {
    if (row.kind == SettingKind::Text) {
        setText(settings, row, QString::fromUtf8(row.designText));
    } else if (row.kind == SettingKind::Boolean) {
        setFlag(settings, row, row.designChecked);
    }
}

void applyErrorDefaults(Settings& settings) {
    for (const auto& row : settingsTable()) {
        // The two backgrounds keep the colour the area and the window have.
        if (row.kind == SettingKind::Colour && row.colourSlot != kAudiogramBackgroundSlot &&
            row.colourSlot != kWindowBackgroundSlot) {
            settings.colours[static_cast<std::size_t>(row.colourSlot)] = row.errorColour;
        }
    }
    settings.waveOutDevice = 0;
    settings.mixerDevice = 0;
}

void writeRow(const SettingRow& row, platform::SettingsStore& store, const Settings& settings) {
    switch (row.kind) {
    case SettingKind::Boolean:
        store.writeInteger(nameOf(row), flagOf(settings, row) ? 1u : 0u);
        break;
    case SettingKind::Text:
        store.writeText(nameOf(row), textOf(settings, row));
        break;
    case SettingKind::Device:
        store.writeInteger(nameOf(row), static_cast<std::uint32_t>(deviceOf(settings, row)));
        break;
    case SettingKind::Colour:
        store.writeInteger(nameOf(row), settings.colours[static_cast<std::size_t>(row.colourSlot)]);
        break;
    }
}

} // namespace

QString registryReadFailedText() {
    return QCoreApplication::translate("Registry",
                                       "Fehler beim Lesen der Registry! Benutze Standardwerte.");
}

RegistryRead readStoredSettings(platform::SettingsStore& store, Settings& settings,
                                platform::Messages& messages) {
    RegistryRead result;
    store.openKey(false);
    for (const auto& row : settingsTable()) {
        if (!readRow(row, store, settings)) {
            result.ok = false;
            result.failedAt = nameOf(row);
            break;
        }
    }
    // Values added to the program later: a store of an older installation
    // lacks them, and each it lacks keeps its design value.
    for (const auto& row : addedSettingsTable()) {
        if (!store.contains(nameOf(row)) || !readRow(row, store, settings)) {
            setDesignValue(settings, row);
        }
    }
    store.closeKey();
    if (!result.ok) {
        messages.show(registryReadFailedText());
        applyErrorDefaults(settings);
    }
    return result;
}

RegistryRead ReadRegistry(platform::SettingsStore& store, Settings& settings,
                          platform::Messages& messages) {
    RegistryRead result = readStoredSettings(store, settings, messages);

    // The first-start marker. A store without it (or without the key) is
    // treated as "started before" rather than stopping the start-up.
    store.openKey(false);
    const auto firstRun = store.readInteger(QString::fromLatin1(kFirstRunValue));
    if (firstRun && *firstRun == 1) {
        messages.show(QCoreApplication::translate(
            "Registry",
            "Da Sie das Programm zum ersten mal starten, überprüfen und bestätigen Sie bitte "
            "auch die Einstellungen für Soundkarte und Joystick."));
        store.writeInteger(QString::fromLatin1(kFirstRunValue), 0);
        QString error;
        if (!store.closeKey(&error)) {
            messages.show(error, {}, platform::MessageType::Error);
        }
        result.firstStart = true;
    } else {
        store.closeKey();
    }
    return result;
}

bool WriteRegistry(platform::SettingsStore& store, const Settings& settings, QString* error) {
    store.openKey(true);
    for (const auto* row : settingsWriteOrder()) {
        writeRow(*row, store, settings);
    }
    for (const auto& row : addedSettingsTable()) {
        writeRow(row, store, settings);
    }
    return store.closeKey(error);
}

bool seedSettingsStore(platform::SettingsStore& store, QString* error) {
    store.openKey(true);
    const Settings design = designSettings();
    for (const auto* row : settingsWriteOrder()) {
        writeRow(*row, store, design);
    }
    for (const auto& row : addedSettingsTable()) {
        writeRow(row, store, design);
    }
    store.writeInteger(QString::fromLatin1(kFirstRunValue), 1);
    return store.closeKey(error);
}

QString storedLanguage(platform::SettingsStore& store) {
    const SettingRow* row = findSetting(QStringLiteral("Language"));
    const QString design = QString::fromUtf8(row->designText);
    if (!store.exists() || !store.openKey(false)) {
        return design;
    }
    const std::optional<QString> value = store.readText(nameOf(*row));
    store.closeKey();
    return value.value_or(design);
}

} // namespace tavo::storage
