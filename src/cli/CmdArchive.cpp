// tavo archive: the results archive from the command line: take test files
// in, list persons and their tests, give a test's file back, erase a person.

#include "archive/Archive.h"
#include "archive/ArchiveExport.h"
#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "storage/FileOutput.h"
#include "storage/Registry.h"
#include "storage/TestFile.h"

#include <QCoreApplication>

namespace tavo::cli {

namespace {

QString usage() {
    return QCoreApplication::translate(
        "CmdArchive",
        "tavo archive import DATEI.vkt... [ARCHIV]\n"
        "tavo archive list [--person TEXT] [ARCHIV]\n"
        "tavo archive show ID [ARCHIV]\n"
        "tavo archive open ID --out DATEI.vkt [ARCHIV]\n"
        "tavo archive delete-person NAME --yes [ARCHIV]\n"
        "tavo archive export --csv TESTS.csv [--per-frequency FREQUENZEN.csv] [--person TEXT]\n"
        "                    [--from DATUM] [--to DATUM] [ARCHIV]\n"
        "ARCHIV: --archive ARCHIV.sqlite | --server [--store DATEI]\n"
        "\n"
        "Das Ergebnisarchiv: jeder Test je Person. Ohne ARCHIV das Archiv dieses\n"
        "Platzes ($XDG_DATA_HOME/tavoaudiometer/archive.sqlite); --server nimmt den\n"
        "PostgreSQL-Server der Einstellungen (Seite \"Archiv\"; --store: eine andere\n"
        "Einstellungsdatei). Ein Passwort findet libpq selbst (~/.pgpass, PGSERVICE).\n"
        "\n"
        "  import         nimmt Testdateien auf (auch von anderen Installationen); eine\n"
        "                 Datei, die schon im Archiv ist (dieselben Bytes), wird übersprungen\n"
        "  list           Personen (mit --person: deren Name TEXT enthält, Groß- und\n"
        "                 Kleinschreibung egal) mit ihren Tests: ID, Datum, Ort, OSPL,\n"
        "                 OSPR, APV, Zustand\n"
        "  show ID        ein Test mit seinen Angaben\n"
        "  open ID        schreibt die Testdatei eines Tests, Byte für Byte wie archiviert\n"
        "  delete-person  löscht eine Person mit allen ihren Tests (nur mit --yes)\n"
        "  export         schreibt CSV für eine Tabellenkalkulation (UTF-8 mit BOM,\n"
        "                 Semikolons): eine Zeile je Test, mit --per-frequency eine zweite\n"
        "                 Datei mit einer Zeile je Test, Durchlauf, Ohr und Frequenz;\n"
        "                 --from und --to (JJJJ-MM-TT oder TT.MM.JJJJ) begrenzen das Datum\n"
        "                 des ersten Durchlaufs\n"
        "\n"
        "Exit-Code 0 bei Erfolg, 1 bei einem Fehler (Archiv nicht erreichbar, Datei\n"
        "unlesbar, unbekannte ID oder Person), 2 bei falschen Argumenten.");
}

template <typename T> T orFail(Result<T> result) {
    if (!result) {
        throw Failure{result.error()};
    }
    return std::move(*result);
}

// The settings' server: host, port, database, user and SSL mode as the
// settings page "Archiv" keeps them.
archive::ArchiveLocation serverLocation(const Args& args) {
    const QString path = args.optionalText(QStringLiteral("store"))
                             .value_or(platform::RegFileSettingsStore::defaultPath());
    checkSettingsFile(path);
    platform::RegFileSettingsStore store(path);
    platform::SimMessages quiet;
    storage::Settings settings = storage::designSettings();
    storage::readStoredSettings(store, settings, quiet);
    settings.archiveOnServer = true;
    return orFail(archive::archiveLocationOf(settings));
}

std::unique_ptr<archive::Archive> openArchive(const Args& args) {
    const auto path = args.optionalText(QStringLiteral("archive"));
    if (path && args.flag(QStringLiteral("server"))) {
        throw UsageError(QCoreApplication::translate(
            "CmdArchive", "--archive und --server schließen einander aus."));
    }
    archive::ArchiveLocation location = archive::ArchiveLocation::defaultSqlite();
    if (path) {
        location.path = *path;
    } else if (args.flag(QStringLiteral("server"))) {
        location = serverLocation(args);
    }
    return orFail(archive::Archive::open(location));
}

QString testLine(const archive::TestSummary& test) {
    return QStringLiteral("  %1  %2 %3  %4  OSPL %5  OSPR %6  APV %7  %8")
        .arg(test.id, 6)
        .arg(test.testDate, test.testTime, test.location, test.ospl, test.ospr, test.apv,
             archive::stateName(test.state));
}

std::int64_t testId(const QString& word) {
    bool ok = false;
    const qlonglong id = word.toLongLong(&ok);
    if (!ok || id <= 0) {
        throw UsageError(QCoreApplication::translate("CmdArchive", "Keine Test-ID: %1").arg(word));
    }
    return id;
}

int importFiles(archive::Archive& archive, const QStringList& files) {
    if (files.isEmpty()) {
        throw UsageError(
            QCoreApplication::translate("CmdArchive", "Erwartet wird mindestens eine Testdatei."));
    }
    int failed = 0;
    for (const QString& file : files) {
        try {
            const auto imported = archive.importFile(readInput(file, storage::kMaxTestFileSize));
            if (!imported) {
                err(QStringLiteral("tavo archive: %1: %2").arg(file, imported.error()));
                ++failed;
                continue;
            }
            out(QStringLiteral("%1: %2 %3")
                    .arg(file,
                         imported->added
                             ? QCoreApplication::translate("CmdArchive", "aufgenommen als")
                             : QCoreApplication::translate("CmdArchive", "schon im Archiv als"))
                    .arg(imported->id));
        } catch (const Failure& failure) {
            err(QStringLiteral("tavo archive: ") + failure.message);
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}

int list(archive::Archive& archive, const QString& search) {
    for (const auto& person : orFail(archive.persons(search))) {
        out(QCoreApplication::translate("CmdArchive", "%1 (%n Tests)", nullptr, person.tests)
                .arg(person.name.isEmpty()
                         ? QCoreApplication::translate("CmdArchive", "(ohne Namen)")
                         : person.name));
        for (const auto& test : orFail(archive.tests(person.id))) {
            out(testLine(test));
        }
    }
    return 0;
}

int show(archive::Archive& archive, std::int64_t id) {
    const archive::TestSummary test = orFail(archive.test(id));
    out(QCoreApplication::translate("CmdArchive", "Test %1").arg(test.id));
    out(QCoreApplication::translate("CmdArchive", "Testperson:  %1").arg(test.person));
    out(QCoreApplication::translate("CmdArchive", "Testort:     %1").arg(test.location));
    out(QCoreApplication::translate("CmdArchive", "Test 1:      %1 %2")
            .arg(test.testDate, test.testTime));
    out(QCoreApplication::translate("CmdArchive", "Prüfung:     %1%2")
            .arg(test.erstpruefung ? QCoreApplication::translate("CmdArchive", "Erstprüfung ")
                                   : QString(),
                 test.screening ? QCoreApplication::translate("CmdArchive", "Überwachungsprüfung")
                                : QString()));
    out(QCoreApplication::translate("CmdArchive", "Ergebnis:    %1")
            .arg(test.ok    ? QCoreApplication::translate("CmdArchive", "i.O.")
                 : test.nok ? QCoreApplication::translate("CmdArchive", "n.i.O.")
                            : QCoreApplication::translate("CmdArchive", "keines")));
    out(QStringLiteral("OSPL: %1 dB   OSPR: %2 dB   APV: %3 dB")
            .arg(test.ospl, test.ospr, test.apv));
    out(QCoreApplication::translate("CmdArchive", "Zustand:     %1")
            .arg(archive::stateName(test.state)));
    out(QCoreApplication::translate("CmdArchive", "Platz:       %1").arg(test.station));
    out(QCoreApplication::translate("CmdArchive", "Kalibrierung: %1").arg(test.calibrationFile));
    if (!test.calibrationHash.isEmpty()) {
        out(QStringLiteral("  SHA-256:   %1").arg(test.calibrationHash));
    }
    out(QCoreApplication::translate("CmdArchive", "Archiviert:  %1").arg(test.archivedAt));
    return 0;
}

int deletePerson(archive::Archive& archive, const QString& name) {
    for (const auto& person : orFail(archive.persons(name))) {
        if (archive::personKey(person.name) == archive::personKey(name)) {
            const int tests = orFail(archive.deletePerson(person.id));
            out(QCoreApplication::translate("CmdArchive", "%1 mit %n Tests gelöscht.", nullptr,
                                            tests)
                    .arg(person.name));
            return 0;
        }
    }
    throw Failure{QCoreApplication::translate("CmdArchive", "Im Archiv gibt es keine Person „%1“.")
                      .arg(name)};
}

std::optional<QDate> dateOption(const Args& args, const QString& name) {
    const auto text = args.optionalText(name);
    if (!text) {
        return std::nullopt;
    }
    for (const QString& format : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy")}) {
        const QDate date = QDate::fromString(*text, format);
        if (date.isValid()) {
            return date;
        }
    }
    throw UsageError(
        QCoreApplication::translate("CmdArchive", "Kein Datum für --%1: %2").arg(name, *text));
}

int exportCsv(const Args& args) {
    args.require({QStringLiteral("csv")});
    archive::ExportFilter filter;
    filter.person = args.optionalText(QStringLiteral("person")).value_or(QString());
    filter.from = dateOption(args, QStringLiteral("from"));
    filter.to = dateOption(args, QStringLiteral("to"));
    auto archive = openArchive(args);
    const auto csv = orFail(archive::exportCsv(*archive, filter));
    const auto save = [](const QString& target, const QByteArray& bytes) {
        if (const QString reason = storage::saveBytes(target, bytes); !reason.isEmpty()) {
            throw Failure{QStringLiteral("%1: %2").arg(target, reason)};
        }
    };
    save(args.text(QStringLiteral("csv")), csv.tests);
    if (const auto cells = args.optionalText(QStringLiteral("per-frequency"))) {
        save(*cells, csv.cells);
    }
    out(QCoreApplication::translate("CmdArchive", "%n Tests exportiert.", nullptr, csv.rows));
    return 0;
}

int run(const QStringList& words) {
    if (words.isEmpty()) {
        throw UsageError(QCoreApplication::translate(
            "CmdArchive", "Erwartet wird import, list, show, open, delete-person oder export."));
    }
    const QString action = words.first();
    const Args args(words.mid(1),
                    {QStringLiteral("archive"), QStringLiteral("person"), QStringLiteral("out"),
                     QStringLiteral("csv"), QStringLiteral("per-frequency"), QStringLiteral("from"),
                     QStringLiteral("to"), QStringLiteral("store")},
                    {QStringLiteral("yes"), QStringLiteral("server")});
    const QStringList& rest = args.positional();
    const auto single = [&rest]() -> const QString& {
        if (rest.size() != 1) {
            throw UsageError(
                QCoreApplication::translate("CmdArchive", "Erwartet wird genau ein Argument."));
        }
        return rest.first();
    };
    if (action == QLatin1String("import")) {
        auto archive = openArchive(args);
        return importFiles(*archive, rest);
    }
    if (action == QLatin1String("list")) {
        if (!rest.isEmpty()) {
            throw UsageError(QCoreApplication::translate("CmdArchive", "Unerwartetes Argument: %1")
                                 .arg(rest.first()));
        }
        auto archive = openArchive(args);
        return list(*archive, args.optionalText(QStringLiteral("person")).value_or(QString()));
    }
    if (action == QLatin1String("show")) {
        const auto id = testId(single());
        auto archive = openArchive(args);
        return show(*archive, id);
    }
    if (action == QLatin1String("open")) {
        const auto id = testId(single());
        args.require({QStringLiteral("out")});
        auto archive = openArchive(args);
        const QByteArray bytes = orFail(archive->fileBytes(id));
        const QString target = args.text(QStringLiteral("out"));
        if (const QString reason = storage::saveBytes(target, bytes); !reason.isEmpty()) {
            throw Failure{QStringLiteral("%1: %2").arg(target, reason)};
        }
        return 0;
    }
    if (action == QLatin1String("delete-person")) {
        const QString name = single();
        if (!args.flag(QStringLiteral("yes"))) {
            throw UsageError(QCoreApplication::translate(
                "CmdArchive", "Eine Person wird nur mit --yes gelöscht."));
        }
        auto archive = openArchive(args);
        return deletePerson(*archive, name);
    }
    if (action == QLatin1String("export")) {
        if (!rest.isEmpty()) {
            throw UsageError(QCoreApplication::translate("CmdArchive", "Unerwartetes Argument: %1")
                                 .arg(rest.first()));
        }
        return exportCsv(args);
    }
    throw UsageError(
        QCoreApplication::translate("CmdArchive", "Unbekannte Aktion: %1").arg(action));
}

} // namespace

Command archiveCommand() {
    return {
        QStringLiteral("archive"),
        QCoreApplication::translate("CmdArchive", "das Ergebnisarchiv: aufnehmen, zeigen, löschen"),
        usage(), run};
}

} // namespace tavo::cli
