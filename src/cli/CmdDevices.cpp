#include "cli/Args.h"
#include "cli/Command.h"
#include "engine/DeviceList.h"
#include "platform/Platform.h"
#include "ui/QtMessages.h"

#include <QCoreApplication>

namespace tavo::cli {

namespace {
int runDevices(const QStringList& words) {
    const Args args(words, {}, {QStringLiteral("simulate")});
    if (!args.positional().isEmpty()) {
        throw UsageError(QCoreApplication::translate("CmdDevices", "Unerwartetes Argument: %1")
                             .arg(args.positional().first()));
    }
    auto platform = args.flag(QStringLiteral("simulate"))
                        ? platform::makeSimulatedSoundPlatform(std::make_unique<ui::QtMessages>())
                        : platform::makeRealPlatform(std::make_unique<ui::QtMessages>());
    const QStringList entries = engine::waveOutDeviceEntries(*platform->wave);
    if (const QString silent =
            engine::serverSilentMessage(platform->wave->unreachableDevices(), {});
        !silent.isEmpty()) {
        err(QStringLiteral("tavo devices: ") + silent);
        return 1;
    }
    if (entries.isEmpty()) {
        err(QCoreApplication::translate("CmdDevices", "tavo devices: keine Audiokarte gefunden."));
        return 1;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        out(QStringLiteral("%1 %2").arg(i).arg(entries[i]));
    }
    return 0;
}
} // namespace

Command devicesCommand() {
    return {QStringLiteral("devices"),
            QCoreApplication::translate("CmdDevices", "die Wiedergabegeräte auflisten"),
            QCoreApplication::translate(
                "CmdDevices",
                "tavo devices [--simulate]\n"
                "\n"
                "Listet die Wiedergabegeräte, eines pro Zeile, von 0 an nummeriert, so\n"
                "wie die Einstellungen sie unter \"Soundkarte für Hörtest\" zeigen.\n"
                "--simulate zeigt das simulierte Gerät."),
            runDevices};
}

} // namespace tavo::cli
