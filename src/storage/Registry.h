#pragma once

#include <QString>

namespace tavo::engine {
struct AppState;
}
namespace tavo::platform {
class Messages;
class SettingsStore;
} // namespace tavo::platform

namespace tavo::storage {

class SettingsControls;

struct RegistryRead {
    bool ok = true;
    QString failedAt; // the value name of the first read that failed
    bool firstStart = false;
};

// Copies the stored settings into the controls and the colour table, in the
// table's order. The first read that fails (missing key, missing boolean or
// integer, a value of the wrong type) stops the reading: the message
// "Fehler beim Lesen der Registry! Benutze Standardwerte." is shown, the
// colours get their error defaults and both device lists their first entry;
// what was read before keeps its new value. Then the first-start marker:
// "FirstRun" = 1 shows the first-start message, stores 0 and hands over to
// the controls' firstStart(). A missing marker counts as 0.
RegistryRead ReadRegistry(platform::SettingsStore& store, SettingsControls& controls,
                          engine::AppState& state, platform::Messages& messages);

// The first part of ReadRegistry alone: the values into the controls and the
// colour table, with the failure path, but no first-start handling (the
// store is only read).
RegistryRead readStoredSettings(platform::SettingsStore& store, SettingsControls& controls,
                                engine::AppState& state, platform::Messages& messages);

// Stores every setting but the first-start marker from the controls and the
// colour table. False, with the reason, when the store cannot be written;
// the store on disk is then as it was.
bool WriteRegistry(platform::SettingsStore& store, const SettingsControls& controls,
                   const engine::AppState& state, QString* error);

// Creates the store as an installation would: every value at the dialog's
// design value, the colours at their defaults, both device numbers 0, and
// "FirstRun" = 1.
bool seedSettingsStore(platform::SettingsStore& store, QString* error);

// The message of a failed read.
QString registryReadFailedText();

} // namespace tavo::storage
