#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace tavo::platform {

// The program's settings key with registry semantics: values typed as
// 32-bit integers (REG_DWORD) or texts (REG_SZ).
//
// Use: openKey() starts an accessor session; the reads and writes act on the
// key; closeKey() ends the session and makes the writes permanent. Reading an
// integer fails (nothing) on a missing value or a value of another type;
// reading a text gives an empty text for a missing value and fails on a
// value of another type. Writes keep their types.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Where the settings live, for messages.
    virtual QString location() const = 0;
    // Whether any store exists at all (a first start after installation has
    // none; the program then creates it).
    virtual bool exists() const = 0;

    // Opens the key. Without `create` a missing or unreadable key gives
    // false and every read fails; with `create` a missing key starts empty.
    virtual bool openKey(bool create) = 0;
    virtual std::optional<std::uint32_t> readInteger(const QString& name) const = 0;
    virtual std::optional<QString> readText(const QString& name) const = 0;
    // Whether the open key holds the value at all (a text reads as empty
    // either way).
    virtual bool contains(const QString& name) const = 0;
    virtual void writeInteger(const QString& name, std::uint32_t value) = 0;
    virtual void writeText(const QString& name, const QString& value) = 0;
    // Ends the session. Changes are saved (atomically); on failure the store
    // on disk is as it was and `error` says why.
    virtual bool closeKey(QString* error = nullptr) = 0;
};

} // namespace tavo::platform
