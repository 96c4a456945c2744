#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "engine/AppState.h"
#include "engine/DeviceList.h"
#include "hardware/MIXER_e.h"
#include "platform/Platform.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "storage/Registry.h"
#include "storage/SettingsTable.h"
#include "ui/QtMessages.h"

#include <QCoreApplication>

namespace tavo::cli {

namespace {

int runSettings(const QStringList& words) {
    const Args args(words, {QStringLiteral("store")}, {QStringLiteral("simulate")});
    if (!args.positional().isEmpty()) {
        throw UsageError(QCoreApplication::translate("CmdSettings", "Unerwartetes Argument: %1")
                             .arg(args.positional().first()));
    }
    const QString path = args.optionalText(QStringLiteral("store"))
                             .value_or(platform::RegFileSettingsStore::defaultPath());
    // A file the program would not read is reported; listing the design
    // values instead would pass them off as what the file holds.
    checkSettingsFile(path);

    // The device lists as the settings dialog fills them.
    auto platform = args.flag(QStringLiteral("simulate"))
                        ? platform::makeSimulatedSoundPlatform(std::make_unique<ui::QtMessages>())
                        : platform::makeRealPlatform(std::make_unique<ui::QtMessages>());
    platform::SimMessages quiet; // the read's failure shows in the last line
    int mixers = 0;
    const int waves = platform->wave->deviceCount();
    if (waves > 0) {
        hardware::MIXER_e mixer(*platform->mixer, quiet);
        mixer.CountMixerDevices();
        mixers = static_cast<int>(mixer.MixerDeviceCount);
    }

    platform::RegFileSettingsStore store(path);
    // The dialog starts from the design values; its lists have no entry
    // before they are filled, and show none for a number they do not have.
    storage::Settings settings = storage::designSettings();
    settings.waveOutDevice = -1;
    settings.mixerDevice = -1;
    const auto read = storage::readStoredSettings(store, settings, quiet);
    storage::clampDeviceSelections(settings, waves, mixers);
    for (const auto rows : {storage::settingsTable(), storage::addedSettingsTable()}) {
        for (const auto& row : rows) {
            out(QString::fromLatin1(row.valueName) + QLatin1Char('=') +
                storage::valueText(row, settings));
        }
    }
    out(read.ok ? QStringLiteral("read: ok") : QStringLiteral("read: failed at ") + read.failedAt);
    return 0;
}

} // namespace

Command settingsCommand() {
    return {
        QStringLiteral("settings"),
        QCoreApplication::translate("CmdSettings", "die gespeicherten Einstellungen zeigen"),
        QCoreApplication::translate(
            "CmdSettings",
            "tavo settings [--store FILE] [--simulate]\n"
            "\n"
            "Zeigt, was das Programm beim Start aus den gespeicherten Einstellungen in die\n"
            "Einstellungen übernimmt: eine Zeile NAME=WERT je Wert, in der Reihenfolge des\n"
            "Lesens (Schalter als 0/1, Texte wie im Feld, Geräte als Listenposition, -1 für\n"
            "keine, Farben als 8 Hexadezimalziffern), zuletzt \"read: ok\" oder \"read: failed\n"
            "at NAME\" (der erste Wert, der nicht gelesen werden konnte). Ohne --store die\n"
            "Einstellungsdatei des Programms. --simulate nimmt die simulierten Geräte für\n"
            "die Gerätelisten. Ändert nichts.\n"
            "Eine fehlende oder unlesbare Datei und eine, die keine Einstellungsdatei ist\n"
            "(sie beginnt nicht mit \"REGEDIT4\" oder das Programm kann sie nicht lesen),\n"
            "enden mit Code 1; falsche Argumente mit Code 2."),
        runSettings};
}

} // namespace tavo::cli
