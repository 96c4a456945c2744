#pragma once

#include "platform/SettingsStore.h"
#include "platform/regfile/RegFile.h"

namespace tavo::platform {

// The settings key as one file in REGEDIT4 syntax. Reads act on the file's
// content as it was when the key was opened; closeKey() writes the whole
// file again (temporary file in the same folder, flushed, renamed over the
// old one) when something was written. A file that does not parse counts as
// a missing key and is only replaced when the key is opened for writing.
class RegFileSettingsStore final : public SettingsStore {
public:
    explicit RegFileSettingsStore(QString path);

    // $TAVO_SETTINGS when set, else
    // $XDG_CONFIG_HOME/Ardel Kanvo/Vorlandt Klarovent.reg (~/.config/...).
    static QString defaultPath();

    QString location() const override { return path_; }
    bool exists() const override;
    bool openKey(bool create) override;
    std::optional<std::uint32_t> readInteger(const QString& name) const override;
    std::optional<QString> readText(const QString& name) const override;
    bool contains(const QString& name) const override;
    void writeInteger(const QString& name, std::uint32_t value) override;
    void writeText(const QString& name, const QString& value) override;
    bool closeKey(QString* error = nullptr) override;

    // Why the last openKey() found no key ("" when it did).
    QString openError() const { return openError_; }

private:
    const regfile::Value* find(const QString& name) const;
    void put(regfile::Value value);

    QString path_;
    bool open_ = false;
    bool dirty_ = false;
    regfile::Values values_;
    QString openError_;
};

} // namespace tavo::platform
