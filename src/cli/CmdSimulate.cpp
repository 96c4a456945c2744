// tavo simulate: a whole hearing test with a simulated listener, run by the
// program's own New Test command on its own windows (offscreen), the
// simulated sound card and a virtual clock.

#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "engine/AppState.h"
#include "engine/PulseLog.h"
#include "engine/TrackingTest.h"
#include "hardware/MIXER_e.h"
#include "platform/Platform.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "storage/FileOutput.h"
#include "storage/TfrmCalibrationInfo.h"
#include "storage/TfrmSettings.h"
#include "ui/MixerDeviceList.h"
#include "ui/Startup.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace tavo::cli {

namespace {

const QString kUsage = QStringLiteral(
    "tavo simulate --settings STORE.reg --calibration CAL.vkk --listener HOERER.json\n"
    "              --out ERGEBNIS.vkt [--pulses PULSE.csv] [--second-run-offset on|off]\n"
    "\n"
    "Führt einen kompletten Hörtest (Befehl \"Neuen Test durchführen\") mit einem\n"
    "simulierten Hörer durch: dieselbe Testprozedur wie das Programm, mit seinen\n"
    "Fenstern (unsichtbar), der simulierten Soundkarte und einer virtuellen Uhr.\n"
    "Die Einstellungen kommen aus STORE.reg (die Datei wird nicht verändert), die\n"
    "Kalibrierung aus CAL.vkk; der Hörer ist in docs/listener-json.md beschrieben.\n"
    "Das Ergebnis wird als Testdatei gespeichert.\n"
    "\n"
    "  --pulses FILE             je Puls eine Zeile CSV:\n"
    "                            run,ear,slot,frequency,pulse,level,pressed\n"
    "  --second-run-offset on|off  \"Praxisabweichung\" (Vorgabe: on)\n"
    "\n"
    "Ausgabe: die Meldungen des Tests, dann \"run 1: completed|interrupted\",\n"
    "\"run 2: completed|interrupted|not run\", \"OSPL: X\", \"OSPR: Y\", \"APV: Z\".\n"
    "Exit-Code 0, wenn der Test lief (auch wenn er abgebrochen wurde), 1 bei einem\n"
    "Fehler (eine fehlende, unlesbare oder beschädigte Einstellungs-, Kalibrierungs-\n"
    "oder Hörerdatei, keine Kalibrierung, eine Ausgabe, die nicht geschrieben werden\n"
    "kann), 2 bei falschen Argumenten.");

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
                     QStringLiteral("second-run-offset")},
                    {});
    if (!args.positional().isEmpty()) {
        throw UsageError("Unerwartetes Argument: " + args.positional().first().toStdString());
    }
    args.require({QStringLiteral("settings"), QStringLiteral("listener"), QStringLiteral("out")});
    const QString settingsPath = args.text(QStringLiteral("settings"));
    const QString listenerPath = args.text(QStringLiteral("listener"));
    const QString outPath = args.text(QStringLiteral("out"));
    const auto calibrationPath = args.optionalText(QStringLiteral("calibration"));
    const auto pulsesPath = args.optionalText(QStringLiteral("pulses"));
    bool secondRunOffset = true;
    if (const auto offset = args.optionalText(QStringLiteral("second-run-offset"))) {
        if (*offset != QLatin1String("on") && *offset != QLatin1String("off")) {
            throw UsageError("--second-run-offset nimmt \"on\" oder \"off\"");
        }
        secondRunOffset = *offset == QLatin1String("on");
    }

    QString error;
    const auto listener = engine::loadListener(listenerPath, error);
    if (!listener) {
        return fail(error);
    }
    // A file the program would not read would silently become a first
    // start with the design settings; the user meant their own.
    checkSettingsFile(settingsPath);
    // The program reports a bad calibration file in English, as a message
    // box; checked here, the user gets the tool's line.
    if (calibrationPath) {
        readCalibrationFile(*calibrationPath);
    }
    // The program may write its settings (a first start does); the user's
    // file stays as it is.
    QTemporaryDir folder;
    const QString storeCopy = folder.filePath(QStringLiteral("settings.reg"));
    if (!folder.isValid() || !QFile::copy(settingsPath, storeCopy)) {
        return fail(QStringLiteral("Die Einstellungen konnten nicht kopiert werden."));
    }
    QFile::setPermissions(storeCopy, QFile::ReadOwner | QFile::WriteOwner);

    auto platform = platform::makeVirtualPlatform();
    auto& messages = static_cast<platform::SimMessages&>(*platform->messages);
    messages.setOnShow(
        [](const platform::Message& message) { out(QStringLiteral("Meldung: ") + message.text); });
    platform::RegFileSettingsStore store(storeCopy);
    hardware::MIXER_e mixer(*platform->mixer, *platform->messages);
    ui::MixerDeviceList mixerDevices(mixer);
    engine::AppState state;
    auto windows = ui::createWindows(state, *platform, {store, mixerDevices, mixer}, {});
    ui::TestCommand* command = windows->main->testCommand();

    if (calibrationPath && !windows->calibrationInfo->ReadCal(*calibrationPath)) {
        return fail(QStringLiteral("Die Kalibrierung %1 konnte nicht geladen werden.")
                        .arg(*calibrationPath));
    }
    windows->settings->chkPraxisabweichung->setChecked(secondRunOffset);
    command->attachListener(*listener);
    engine::PulseLog log;
    if (pulsesPath) {
        command->addObserver(&log);
    }

    windows->main->NewTest1Click();

    if (!state.CalibrationLoaded) {
        return fail(engine::TrackingTest::kNeedsCalibration);
    }
    const auto& outcomes = command->procedure().outcomes();
    if (outcomes[0] == engine::RunOutcome::NotRun) {
        return fail(QStringLiteral("Der Test wurde nicht gestartet."));
    }
    if (const QString reason = windows->main->WriteFile(outPath); !reason.isEmpty()) {
        return fail(QStringLiteral("%1: %2").arg(outPath, reason));
    }
    if (pulsesPath) {
        if (const QString reason = storage::saveBytes(*pulsesPath, log.csv()); !reason.isEmpty()) {
            return fail(QStringLiteral("%1: %2").arg(*pulsesPath, reason));
        }
    }
    out(QStringLiteral("run 1: ") + outcomeText(outcomes[0]));
    out(QStringLiteral("run 2: ") + outcomeText(outcomes[1]));
    out(QStringLiteral("OSPL: ") + windows->main->txtOSPL->text());
    out(QStringLiteral("OSPR: ") + windows->main->txtOSPR->text());
    out(QStringLiteral("APV: ") + windows->main->txtAPV->text());
    return 0;
}

} // namespace

Command simulateCommand() {
    return {QStringLiteral("simulate"),
            QStringLiteral("kompletten Hörtest mit simuliertem Hörer durchführen"), kUsage, run};
}

} // namespace tavo::cli
