#include "platform/regfile/RegFileSettingsStore.h"

#include "platform/AtomicFile.h"
#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavo::platform {

RegFileSettingsStore::RegFileSettingsStore(QString path) : path_(std::move(path)) {}

QString RegFileSettingsStore::defaultPath() {
    if (const QString fromEnvironment = qEnvironmentVariable("TAVO_SETTINGS");
        !fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) {
        config = QDir::homePath() + QStringLiteral("/.config");
    }
    return config + QStringLiteral("/Ardel Kanvo/Vorlandt Klarovent.reg");
}

bool RegFileSettingsStore::exists() const {
    // An empty file (left by a save that failed somewhere) is no settings
    // file: the next start makes a new one, as on the first start.
    const QFileInfo file(path_);
    return file.exists() && file.size() > 0;
}

bool RegFileSettingsStore::openKey(bool create) {
    values_.clear();
    dirty_ = false;
    open_ = false;
    openError_.clear();
    QFile file(path_);
    if (!file.exists()) {
        openError_ =
            QCoreApplication::translate("RegFileSettingsStore", "%1 gibt es nicht.").arg(path_);
    } else if (QString reason; !openFile(path_, QIODevice::ReadOnly, file, &reason)) {
        openError_ =
            QCoreApplication::translate("RegFileSettingsStore", "%1 kann nicht gelesen werden: %2")
                .arg(path_, reason);
    } else if (
        // One byte more than any settings file has: the parser refuses a
        // larger file without all of it being read.
        auto parsed = regfile::parse(file.read(regfile::kMaxFileSize + 1))) {
        values_ = std::move(*parsed);
        open_ = true;
        return true;
    } else {
        openError_ = QCoreApplication::translate("RegFileSettingsStore",
                                                 "%1 ist keine lesbare Einstellungsdatei.")
                         .arg(path_);
    }
    if (create) {
        open_ = true;
        dirty_ = true; // the key comes into being even if nothing is written
        return true;
    }
    return false;
}

const regfile::Value* RegFileSettingsStore::find(const QString& name) const {
    if (!open_) {
        return nullptr;
    }
    for (const auto& value : values_) {
        if (value.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &value;
        }
    }
    return nullptr;
}

std::optional<std::uint32_t> RegFileSettingsStore::readInteger(const QString& name) const {
    const auto* value = find(name);
    if (value == nullptr || value->type != regfile::ValueType::Dword) {
        return std::nullopt;
    }
    return value->dword;
}

std::optional<QString> RegFileSettingsStore::readText(const QString& name) const {
    if (!open_) {
        return std::nullopt;
    }
    const auto* value = find(name);
    if (value == nullptr) {
        return QString();
    }
    if (value->type != regfile::ValueType::String) {
        return std::nullopt;
    }
    return value->text;
}

bool RegFileSettingsStore::contains(const QString& name) const {
    return open_ && find(name) != nullptr;
}

void RegFileSettingsStore::put(regfile::Value value) {
    if (!open_) {
        return;
    }
    for (auto& existing : values_) {
        if (existing.name.compare(value.name, Qt::CaseInsensitive) == 0) {
            existing = std::move(value);
            dirty_ = true;
            return;
        }
    }
    values_.push_back(std::move(value));
    dirty_ = true;
}

void RegFileSettingsStore::writeInteger(const QString& name, std::uint32_t value) {
    put({name, regfile::ValueType::Dword, value, {}});
}

void RegFileSettingsStore::writeText(const QString& name, const QString& value) {
    put({name, regfile::ValueType::String, 0, value});
}

bool RegFileSettingsStore::closeKey(QString* error) {
    const bool save = open_ && dirty_;
    open_ = false;
    if (!save) {
        return true;
    }
    dirty_ = false;
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error != nullptr) {
            *error = QCoreApplication::translate("RegFileSettingsStore",
                                                 "Der Ordner %1 kann nicht angelegt werden.")
                         .arg(folder);
        }
        return false;
    }
    if (const QString failure = writeAtomically(path_, regfile::serialize(values_));
        !failure.isEmpty()) {
        if (error != nullptr) {
            *error =
                QCoreApplication::translate("RegFileSettingsStore",
                                            "Die Einstellungen können nicht gespeichert werden: ") +
                failure;
        }
        return false;
    }
    return true;
}

} // namespace tavo::platform
