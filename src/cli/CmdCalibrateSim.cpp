// tavo calibrate-sim: a calibration by ear in the program's own windows
// (offscreen), with a simulated calibrating listener at the headphones of the
// simulated sound card; saves what the dialog saves.

#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "cli/SimulatedProgram.h"
#include "engine/AppState.h"
#include "ui/SimulatedCalibration.h"

#include <QCoreApplication>

namespace tavo::cli {

namespace {

QString usage() {
    return QCoreApplication::translate(
        "CmdCalibrateSim",
        "tavo calibrate-sim --listener HOERER.json --out KALIBRIERUNG.vkk\n"
        "                   [--mixer KARTE.json] [--settings STORE.reg]\n"
        "\n"
        "Kalibriert das Audiometer nach Gehör wie im Programm (\"Neue Kalibrierung nach\n"
        "Gehör\", alle 22 Seiten, in seinen unsichtbaren Fenstern) mit einem simulierten\n"
        "Hörer an der simulierten Soundkarte: auf jeder Seite schaltet er den Ton ein und\n"
        "stellt Wave- und Master-Regler so, dass der Ton auf seiner Hörschwelle liegt\n"
        "(so genau die Regler es erlauben); der Gain-Regler bleibt unten. Der Hörer muss\n"
        "nach Hörpegel beschrieben sein (\"scale\": \"hearing-level\", docs/listener-json.md);\n"
        "mit \"known_audiogram\": true gibt er seine Hörschwellen im gelben Feld ein.\n"
        "Gespeichert wird, was der Dialog speichert.\n"
        "\n"
        "  --mixer KARTE.json     eine andere simulierte Soundkarte (docs/mixer-device-json.md)\n"
        "  --settings STORE.reg   Einstellungen (wird nicht verändert; Vorgabe: die\n"
        "                         Auslieferungswerte)\n"
        "\n"
        "Ausgabe: je Seite Ohr, Frequenz, Reglerstellung und wie weit der Ton dann über (+)\n"
        "oder unter (-) der Hörschwelle liegt. Eine Seite, deren Ton nicht auf 3 dB an die\n"
        "Schwelle kommt, wird auf stderr gemeldet. Exit-Code 0, wenn die Kalibrierung\n"
        "gespeichert wurde, 1 bei einem Fehler, 2 bei falschen Argumenten.");
}

int run(const QStringList& words) {
    const Args args(words,
                    {QStringLiteral("listener"), QStringLiteral("out"), QStringLiteral("mixer"),
                     QStringLiteral("settings")},
                    {});
    if (!args.positional().isEmpty()) {
        throw UsageError(QCoreApplication::translate("CmdCalibrateSim", "Unerwartetes Argument: %1")
                             .arg(args.positional().first()));
    }
    args.require({QStringLiteral("listener"), QStringLiteral("out")});
    const QString outPath = args.text(QStringLiteral("out"));
    requireSuffix(QStringLiteral("out"), outPath, {QStringLiteral("vkk")});
    const auto settingsPath = args.optionalText(QStringLiteral("settings"));

    const engine::ListenerDescription listener =
        readListener(args.text(QStringLiteral("listener")));
    if (listener.scale != engine::ListenerScale::HearingLevel) {
        throw Failure{QCoreApplication::translate(
            "CmdCalibrateSim", "Der kalibrierende Hörer muss nach Hörpegel beschrieben sein "
                               "(\"scale\": \"hearing-level\").")};
    }
    std::optional<std::vector<platform::SimMixerDeviceDescription>> mixer;
    if (const auto mixerPath = args.optionalText(QStringLiteral("mixer"))) {
        mixer = readMixerDescription(*mixerPath);
    }
    if (settingsPath) {
        checkSettingsFile(*settingsPath);
    }

    SimulatedProgram program(settingsPath.value_or(QString()), std::move(mixer));
    const auto calibration = ui::calibrateWithSimulatedListener(
        program.windows(), program.platform(), listener, outPath);
    int missed = 0;
    for (const auto& page : calibration.pages) {
        out(QCoreApplication::translate("CmdCalibrateSim",
                                        "  %1 %2 Hz: Wave %3, Master %4, Ton %5 dB%6")
                .arg(page.ear == engine::kLeftEar
                         ? QCoreApplication::translate("CmdCalibrateSim", "links ")
                         : QCoreApplication::translate("CmdCalibrateSim", "rechts"))
                .arg(engine::kInitialFrequencies[static_cast<std::size_t>(page.slot)], 4)
                .arg(page.wave, 3)
                .arg(page.master, 4)
                .arg(signedDecibels(page.offsetDb), 6)
                .arg(page.reached ? QString()
                                  : QCoreApplication::translate("CmdCalibrateSim",
                                                                "  (Schwelle nicht erreicht)")));
        missed += page.reached ? 0 : 1;
    }
    if (!calibration.error.isEmpty()) {
        throw Failure{calibration.error};
    }
    if (missed > 0) {
        err(QCoreApplication::translate(
                "CmdCalibrateSim",
                "tavo calibrate-sim: Warnung: auf %1 von 22 Seiten kommt der Ton mit "
                "keiner Reglerstellung auf 3 dB an die Hörschwelle.")
                .arg(missed));
    }
    out(QCoreApplication::translate("CmdCalibrateSim", "Gespeichert: %1").arg(outPath));
    return 0;
}

} // namespace

Command calibrateSimCommand() {
    return {QStringLiteral("calibrate-sim"),
            QCoreApplication::translate("CmdCalibrateSim",
                                        "Kalibrierung nach Gehör mit simuliertem Hörer"),
            usage(), run};
}

} // namespace tavo::cli
