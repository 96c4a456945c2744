#include "storage/Registry.h"

#include "engine/AppState.h"
#include "platform/Messages.h"
#include "platform/SettingsStore.h"
#include "storage/SettingsControls.h"
#include "storage/SettingsTable.h"

namespace tavo::storage {

namespace {

QString nameOf(const SettingRow& row) {
    return QString::fromLatin1(row.valueName);
}
QString controlOf(const SettingRow& row) {
    return QString::fromLatin1(row.control);
}

void applyColour(int slot, std::uint32_t colour, SettingsControls& controls,
                 engine::AppState& state) {
    state.Colours[static_cast<std::size_t>(slot)] = colour;
    if (slot == kAudiogramBackgroundSlot) {
        controls.setAudiogramAreaColour(colour);
    } else if (slot == kWindowBackgroundSlot) {
        controls.setWindowColour(colour);
    }
}

// Reads one value into its control; false when the read fails.
bool readRow(const SettingRow& row, const platform::SettingsStore& store,
             SettingsControls& controls, engine::AppState& state) {
    switch (row.kind) {
    case SettingKind::Boolean: {
        const auto value = store.readInteger(nameOf(row));
        if (!value) {
            return false;
        }
        controls.setChecked(controlOf(row), *value != 0);
        return true;
    }
    case SettingKind::Text: {
        const auto value = store.readText(nameOf(row));
        if (!value) {
            return false;
        }
        controls.setText(controlOf(row), *value);
        return true;
    }
    case SettingKind::Device: {
        const auto value = store.readInteger(nameOf(row));
        if (!value) {
            return false;
        }
        controls.select(controlOf(row), static_cast<std::int32_t>(*value));
        return true;
    }
    case SettingKind::Colour: {
        const auto value = store.readInteger(nameOf(row));
        if (!value) {
            return false;
        }
        applyColour(row.colourSlot, *value, controls, state);
        return true;
    }
    }
    return false;
}

void applyErrorDefaults(SettingsControls& controls, engine::AppState& state) {
    for (const auto& row : settingsTable()) {
        if (row.kind != SettingKind::Colour) {
            continue;
        }
        // The two backgrounds keep the colour the area and the window have.
        std::uint32_t colour = row.errorColour;
        if (row.colourSlot == kAudiogramBackgroundSlot) {
            colour = controls.audiogramAreaColour();
        } else if (row.colourSlot == kWindowBackgroundSlot) {
            colour = controls.windowColour();
        }
        state.Colours[static_cast<std::size_t>(row.colourSlot)] = colour;
    }
    controls.select(QStringLiteral("WaveOutDevice"), 0);
    controls.select(QStringLiteral("MixerDevice"), 0);
}

void writeRow(const SettingRow& row, platform::SettingsStore& store,
              const SettingsControls& controls, const engine::AppState& state) {
    switch (row.kind) {
    case SettingKind::Boolean:
        store.writeInteger(nameOf(row), controls.isChecked(controlOf(row)) ? 1u : 0u);
        break;
    case SettingKind::Text:
        store.writeText(nameOf(row), controls.text(controlOf(row)));
        break;
    case SettingKind::Device:
        store.writeInteger(nameOf(row),
                           static_cast<std::uint32_t>(controls.selection(controlOf(row))));
        break;
    case SettingKind::Colour:
        store.writeInteger(nameOf(row), state.Colours[static_cast<std::size_t>(row.colourSlot)]);
        break;
    }
}

} // namespace

QString registryReadFailedText() {
    return QStringLiteral("Fehler beim Lesen der Registry! Benutze Standardwerte.");
}

RegistryRead readStoredSettings(platform::SettingsStore& store, SettingsControls& controls,
                                engine::AppState& state, platform::Messages& messages) {
    RegistryRead result;
    controls.enableFrequencyBoxes();
    store.openKey(false);
    for (const auto& row : settingsTable()) {
        if (!readRow(row, store, controls, state)) {
            result.ok = false;
            result.failedAt = nameOf(row);
            break;
        }
    }
    store.closeKey();
    if (!result.ok) {
        messages.show(registryReadFailedText());
        applyErrorDefaults(controls, state);
    }
    return result;
}

RegistryRead ReadRegistry(platform::SettingsStore& store, SettingsControls& controls,
                          engine::AppState& state, platform::Messages& messages) {
    RegistryRead result = readStoredSettings(store, controls, state, messages);

    // The first-start marker. A store without it (or without the key) is
    // treated as "started before" rather than stopping the start-up.
    store.openKey(false);
    const auto firstRun = store.readInteger(QString::fromLatin1(kFirstRunValue));
    if (firstRun && *firstRun == 1) {
        messages.show(QStringLiteral(
            "Da Sie das Programm zum ersten mal starten, überprüfen und bestätigen Sie bitte "
            "auch die Einstellungen für Soundkarte und Joystick."));
        store.writeInteger(QString::fromLatin1(kFirstRunValue), 0);
        QString error;
        if (!store.closeKey(&error)) {
            messages.show(error, {}, platform::MessageType::Error);
        }
        result.firstStart = true;
        controls.firstStart();
    } else {
        store.closeKey();
    }
    return result;
}

bool WriteRegistry(platform::SettingsStore& store, const SettingsControls& controls,
                   const engine::AppState& state, QString* error) {
    store.openKey(true);
    for (const auto* row : settingsWriteOrder()) {
        writeRow(*row, store, controls, state);
    }
    return store.closeKey(error);
}

bool seedSettingsStore(platform::SettingsStore& store, QString* error) {
    store.openKey(true);
    for (const auto* row : settingsWriteOrder()) {
        switch (row->kind) {
        case SettingKind::Boolean:
            store.writeInteger(nameOf(*row), row->designChecked ? 1u : 0u);
            break;
        case SettingKind::Text:
            store.writeText(nameOf(*row), QString::fromUtf8(row->designText));
            break;
        case SettingKind::Device:
            store.writeInteger(nameOf(*row), 0);
            break;
        case SettingKind::Colour:
            store.writeInteger(nameOf(*row), row->errorColour);
            break;
        }
    }
    store.writeInteger(QString::fromLatin1(kFirstRunValue), 1);
    return store.closeKey(error);
}

} // namespace tavo::storage
