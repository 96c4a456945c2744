// tavo report: the fit-check report of a test file as text, JSON or PDF.

#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "engine/FitCheckText.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "storage/FileOutput.h"
#include "storage/Registry.h"
#include "storage/Settings.h"
#include "ui/FitCheckPainter.h"

#include <QJsonDocument>

#include <QCoreApplication>

namespace tavo::cli {

namespace {

void save(const QString& target, const QByteArray& bytes) {
    if (const QString reason = storage::saveBytes(target, bytes); !reason.isEmpty()) {
        throw Failure{QStringLiteral("%1: %2").arg(target, reason)};
    }
}

int runReport(const QStringList& words) {
    const Args args(words,
                    {QStringLiteral("test"), QStringLiteral("exposure"), QStringLiteral("settings"),
                     QStringLiteral("pdf"), QStringLiteral("json")},
                    {});
    if (!args.positional().isEmpty()) {
        throw UsageError(QCoreApplication::translate("CmdReport", "Unerwartetes Argument: %1")
                             .arg(args.positional().first()));
    }
    args.require({QStringLiteral("test")});
    const auto pdf = args.optionalText(QStringLiteral("pdf"));
    const auto json = args.optionalText(QStringLiteral("json"));
    if (pdf) {
        requireSuffix(QStringLiteral("pdf"), *pdf, {QStringLiteral("pdf")});
    }
    if (json) {
        requireSuffix(QStringLiteral("json"), *json, {QStringLiteral("json")});
    }
    std::optional<double> exposure;
    if (args.optionalText(QStringLiteral("exposure"))) {
        exposure = args.number(QStringLiteral("exposure"), 0, 200);
    }
    storage::Settings settings = storage::designSettings();
    if (const auto path = args.optionalText(QStringLiteral("settings"))) {
        checkSettingsFile(*path);
        platform::RegFileSettingsStore store(*path);
        platform::SimMessages quiet;
        storage::readStoredSettings(store, settings, quiet);
    }
    const engine::TestRecord record = readTestRecordFile(args.text(QStringLiteral("test")));
    const auto document =
        engine::fitCheckDocument(record, engine::fitCheckParameters(settings, exposure));
    for (const QString& line : engine::fitCheckText(document)) {
        out(line);
    }
    if (json) {
        save(*json, QJsonDocument(engine::fitCheckJson(document)).toJson());
    }
    if (pdf) {
        save(*pdf, ui::fitCheckPdf(document));
    }
    return 0;
}

} // namespace

Command reportCommand() {
    return {
        QStringLiteral("report"),
        QCoreApplication::translate("CmdReport", "der Prüfbericht eines Tests (PAR, Bewertung)"),
        QCoreApplication::translate(
            "CmdReport",
            "tavo report --test DATEI.vkt [--exposure DB] [--settings S.reg]\n"
            "            [--pdf BERICHT.pdf] [--json BERICHT.json]\n"
            "\n"
            "Der Prüfbericht des Gehörschutzes: die Dämpfung je Ohr und Frequenz (2. minus\n"
            "1. Durchlauf), die PAR je Ohr und beidohrig mit PAR84 und PAR95, gegen die\n"
            "Lärmexposition --exposure (dB(A); ohne: die der Einstellungen, sonst keine\n"
            "Bewertung) die Bewertung und die Hinweise. Ausgabe als Text; --json und --pdf\n"
            "schreiben dieselben Zahlen als JSON (docs/fit-check-json.md) und PDF.\n"
            "--settings nimmt Pegelschritt, Richtungswechsel und Zielpegel aus einer\n"
            "Einstellungsdatei (sonst die Vorgabewerte).\n"
            "\n"
            "Exit-Code 0 bei Erfolg, 1 bei einer unlesbaren Datei, 2 bei falschen\n"
            "Argumenten."),
        runReport};
}

} // namespace tavo::cli
