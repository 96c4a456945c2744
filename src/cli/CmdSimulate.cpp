// tavo simulate: a whole hearing test with a simulated listener, run by the
// program's own New Test command without any window, on the simulated sound
// card and a virtual clock.

#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/HeadlessTest.h"
#include "cli/InputFiles.h"
#include "engine/Evaluation.h"
#include "engine/PulseLog.h"
#include "engine/TrackingTest.h"
#include "platform/sim/SimMessages.h"
#include "storage/FileOutput.h"
#include "storage/TestFileCommands.h"
#include "ui/TestCommand.h"

#include <QCoreApplication>

#include <limits>

namespace tavo::cli {

namespace {

QString usage() {
    return QCoreApplication::translate(
        "CmdSimulate",
        "tavo simulate --settings STORE.reg --calibration CAL.vkk --listener HOERER.json\n"
        "              --out ERGEBNIS.vkt [--pulses PULSE.csv] [--second-run-offset on|off]\n"
        "              [--seed N]\n"
        "\n"
        "Führt einen kompletten Hörtest (Befehl \"Neuen Test durchführen\") mit einem\n"
        "simulierten Hörer durch: dieselbe Testprozedur wie das Programm, ohne Fenster,\n"
        "mit der simulierten Soundkarte und einer virtuellen Uhr.\n"
        "Die Einstellungen kommen aus STORE.reg (die Datei wird nicht verändert), die\n"
        "Kalibrierung aus CAL.vkk; der Hörer ist in docs/listener-json.md beschrieben.\n"
        "Das Ergebnis wird als Testdatei gespeichert.\n"
        "\n"
        "  --pulses FILE             je Puls eine Zeile CSV:\n"
        "                            run,ear,slot,frequency,pulse,level,pressed\n"
        "  --second-run-offset on|off  \"Praxisabweichung\" (Vorgabe: on)\n"
        "  --seed N                  Startwert der Zufallszahlen eines menschlicheren Hörers\n"
        "                            (psychometric_slope_db, false_press_rate; Vorgabe 1)\n"
        "\n"
        "Ausgabe: die Meldungen des Tests, dann \"run 1: completed|interrupted\",\n"
        "\"run 2: completed|interrupted|not run\", \"OSPL: X\", \"OSPR: Y\", \"APV: Z\".\n"
        "Exit-Code 0, wenn der Test lief (auch wenn er abgebrochen wurde), 1 bei einem\n"
        "Fehler (eine fehlende, unlesbare oder beschädigte Einstellungs-, Kalibrierungs-\n"
        "oder Hörerdatei, keine Kalibrierung, eine Ausgabe, die nicht geschrieben werden\n"
        "kann), 2 bei falschen Argumenten.");
}

QString outcomeText(engine::RunOutcome outcome) {
    switch (outcome) {
    case engine::RunOutcome::Completed:
        return QStringLiteral("completed");
    case engine::RunOutcome::Interrupted:
        return QStringLiteral("interrupted");
    case engine::RunOutcome::NotRun:
        break;
    }
    return QStringLiteral("not run");
}

int fail(const QString& message) {
    err(QStringLiteral("tavo simulate: ") + message);
    return 1;
}

int run(const QStringList& words) {
    const Args args(words,
                    {QStringLiteral("settings"), QStringLiteral("calibration"),
                     QStringLiteral("listener"), QStringLiteral("out"), QStringLiteral("pulses"),
                     QStringLiteral("second-run-offset"), QStringLiteral("seed")},
                    {});
    if (!args.positional().isEmpty()) {
        throw UsageError(QCoreApplication::translate("CmdSimulate", "Unerwartetes Argument: %1")
                             .arg(args.positional().first()));
    }
    args.require({QStringLiteral("settings"), QStringLiteral("listener"), QStringLiteral("out")});
    const QString settingsPath = args.text(QStringLiteral("settings"));
    const QString listenerPath = args.text(QStringLiteral("listener"));
    const QString outPath = args.text(QStringLiteral("out"));
    const auto calibrationPath = args.optionalText(QStringLiteral("calibration"));
    const auto pulsesPath = args.optionalText(QStringLiteral("pulses"));
    const bool secondRunOffset = onOffOption(args, QStringLiteral("second-run-offset"), true);
    const auto seed = static_cast<std::uint64_t>(
        args.optionalInteger(QStringLiteral("seed"), 0, std::numeric_limits<int>::max())
            .value_or(1));

    QString error;
    const auto listener = engine::loadListener(listenerPath, error);
    if (!listener) {
        return fail(error);
    }
    // A file the program would not read would silently become a first
    // start with the design settings; the user meant their own.
    checkSettingsFile(settingsPath);
    if (calibrationPath) {
        readCalibrationFile(*calibrationPath);
    }
    HeadlessTest program(settingsPath);
    program.messages().setOnShow([](const platform::Message& message) {
        out(QCoreApplication::translate("CmdSimulate", "Meldung: %1").arg(message.text));
    });
    ui::TestCommand& command = program.command();
    if (calibrationPath) {
        program.loadCalibration(*calibrationPath);
    }
    program.settings.practiceDeviation = secondRunOffset;
    command.attachListener(
        *listener, [&program] { program.window().pressButton(); }, seed);
    engine::PulseLog log;
    if (pulsesPath) {
        command.addObserver(&log);
    }

    command.run();

    if (!program.state.CalibrationLoaded) {
        return fail(engine::TrackingTest::shown(engine::TrackingTest::kNeedsCalibration));
    }
    const auto& outcomes = command.procedure().outcomes();
    if (outcomes[0] == engine::RunOutcome::NotRun) {
        return fail(QCoreApplication::translate("CmdSimulate", "Der Test wurde nicht gestartet."));
    }
    if (const auto saved = storage::WriteFile(outPath, program.state.Record); !saved) {
        return fail(QStringLiteral("%1: %2").arg(outPath, saved.error()));
    }
    if (pulsesPath) {
        if (const QString reason = storage::saveBytes(*pulsesPath, log.csv()); !reason.isEmpty()) {
            return fail(QStringLiteral("%1: %2").arg(*pulsesPath, reason));
        }
    }
    out(QStringLiteral("run 1: ") + outcomeText(outcomes[0]));
    out(QStringLiteral("run 2: ") + outcomeText(outcomes[1]));
    const auto figures = engine::CalcAVP(program.state.Record);
    out(QStringLiteral("OSPL: ") + figures.ospl);
    out(QStringLiteral("OSPR: ") + figures.ospr);
    out(QStringLiteral("APV: ") + figures.apv);
    return 0;
}

} // namespace

Command simulateCommand() {
    return {QStringLiteral("simulate"),
            QCoreApplication::translate("CmdSimulate",
                                        "kompletten Hörtest mit simuliertem Hörer durchführen"),
            usage(), run};
}

} // namespace tavo::cli
