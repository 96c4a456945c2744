#include "archive/ArchiveExport.h"

#include "archive/Archive.h"

#include <QStringList>

namespace tavo::archive {

namespace {

QByteArray csvLine(const QStringList& fields) {
    QStringList quoted;
    for (QString field : fields) {
        field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        quoted << QLatin1Char('"') + field + QLatin1Char('"');
    }
    return quoted.join(QLatin1Char(';')).toUtf8() + "\r\n";
}

const QByteArray kBom = QByteArray("\xEF\xBB\xBF");

// The export's column names and values ("ja", "links", "i.O.") are its file
// format: the same whatever language the program speaks, so that what reads
// the files need not know it.
QString yesNo(bool value) {
    return value ? QStringLiteral("ja") : QStringLiteral("nein");
}

bool wanted(const TestSummary& test, const ExportFilter& filter) {
    if (!filter.from && !filter.to) {
        return true;
    }
    const QDate date = QDate::fromString(test.testDate, QStringLiteral("dd-MM-yyyy"));
    return date.isValid() && (!filter.from || date >= *filter.from) &&
           (!filter.to || date <= *filter.to);
}

} // namespace

Result<CsvExport> exportCsv(Archive& archive, const ExportFilter& filter) {
    using Fail = Result<CsvExport>;
    CsvExport csv;
    csv.tests = kBom + csvLine({QStringLiteral("ID"),
                                QStringLiteral("Person"),
                                QStringLiteral("Ort"),
                                QStringLiteral("Datum"),
                                QStringLiteral("Uhrzeit"),
                                QStringLiteral("Erstprüfung"),
                                QStringLiteral("Überwachung"),
                                QStringLiteral("Ergebnis"),
                                QStringLiteral("OSPL"),
                                QStringLiteral("OSPR"),
                                QStringLiteral("APV"),
                                QStringLiteral("Zustand"),
                                QStringLiteral("Platz"),
                                QStringLiteral("Kalibrierung"),
                                QStringLiteral("Archiviert"),
                                QStringLiteral("Lärmexposition"),
                                QStringLiteral("PAR links"),
                                QStringLiteral("PAR rechts"),
                                QStringLiteral("PAR84 beidohrig"),
                                QStringLiteral("Bewertung")});
    csv.cells =
        kBom + csvLine({QStringLiteral("ID"), QStringLiteral("Person"), QStringLiteral("Durchlauf"),
                        QStringLiteral("Ohr"), QStringLiteral("Frequenz (Hz)"),
                        QStringLiteral("Umkehrungen"), QStringLiteral("Pegel"),
                        QStringLiteral("Hörschwelle"), QStringLiteral("Streuung")});
    const auto persons = archive.persons(filter.person);
    if (!persons) {
        return Fail::failure(persons.error());
    }
    for (const auto& person : *persons) {
        const auto tests = archive.tests(person.id);
        if (!tests) {
            return Fail::failure(tests.error());
        }
        for (const auto& test : *tests) {
            if (!wanted(test, filter)) {
                continue;
            }
            ++csv.rows;
            const QString id = QString::number(test.id);
            csv.tests += csvLine({id,
                                  test.person,
                                  test.location,
                                  test.testDate,
                                  test.testTime,
                                  yesNo(test.erstpruefung),
                                  yesNo(test.screening),
                                  test.ok    ? QStringLiteral("i.O.")
                                  : test.nok ? QStringLiteral("n.i.O.")
                                             : QString(),
                                  test.ospl,
                                  test.ospr,
                                  test.apv,
                                  stateName(test.state),
                                  test.station,
                                  test.calibrationFile,
                                  test.archivedAt,
                                  test.fitCheck.exposure,
                                  test.fitCheck.parLeft,
                                  test.fitCheck.parRight,
                                  test.fitCheck.par84Binaural,
                                  test.fitCheck.verdict});
            const auto cells = archive.cells(test.id);
            if (!cells) {
                return Fail::failure(cells.error());
            }
            for (const auto& cell : *cells) {
                csv.cells +=
                    csvLine({id, test.person, QString::number(cell.run),
                             cell.ear == 0 ? QStringLiteral("links") : QStringLiteral("rechts"),
                             QString::number(cell.frequency), QString::number(cell.reversalCount),
                             cell.levels,
                             cell.threshold == 1000 ? QString() : QString::number(cell.threshold),
                             QString::number(cell.spread)});
            }
        }
    }
    return csv;
}

} // namespace tavo::archive
