#pragma once

#include "storage/Settings.h"

#include <QString>

namespace tavo::platform {
class Messages;
class SettingsStore;
} // namespace tavo::platform

namespace tavo::storage {

struct RegistryRead {
    bool ok = true;
    QString failedAt; // the value name of the first read that failed
    bool firstStart = false;
};

// Copies the stored settings into `settings`, in the table's order. The
// first read that fails (missing key, missing boolean or integer, a value of
// the wrong type) stops the reading: the message "Fehler beim Lesen der
// Registry! Benutze Standardwerte." is shown, the colours get their error
// defaults (the two backgrounds keep the colours they have) and both devices
// the first entry; what was read before keeps its new value, the rest its
// old one. Then the first-start marker: "FirstRun" = 1 shows the
// first-start message, stores 0 and says so in `firstStart` (the caller then
// asks for the hardware settings). A missing marker counts as 0.
RegistryRead ReadRegistry(platform::SettingsStore& store, Settings& settings,
                          platform::Messages& messages);

// The first part of ReadRegistry alone: the values with the failure path,
// but no first-start handling (the store is only read).
RegistryRead readStoredSettings(platform::SettingsStore& store, Settings& settings,
                                platform::Messages& messages);

// Stores every setting but the first-start marker. False, with the reason,
// when the store cannot be written; the store on disk is then as it was.
bool WriteRegistry(platform::SettingsStore& store, const Settings& settings, QString* error);

// Creates the store as an installation would: the design values, both device
// numbers 0, and "FirstRun" = 1.
bool seedSettingsStore(platform::SettingsStore& store, QString* error);

// The language the settings choose ("system", "de", "en", "source" or a
// value this program does not know), read on its own before any window is
// built; the design value when the store lacks it.
QString storedLanguage(platform::SettingsStore& store);

// The message of a failed read.
QString registryReadFailedText();

} // namespace tavo::storage
