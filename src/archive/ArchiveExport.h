#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>

namespace tavo::archive {

class Archive;

// Which tests an export takes: a person's name contains `person` (case and
// surrounding blanks do not matter), the first run between `from` and `to`
// (inclusive; tests without a readable date only when neither is given).
struct ExportFilter {
    QString person;
    std::optional<QDate> from;
    std::optional<QDate> to;
};

// The CSV a German spreadsheet opens as it is: UTF-8 with a byte-order
// mark, semicolons, every field quoted (quotes doubled), CR LF. `tests`: one
// row per test; `cells`: one row per test, run, ear and frequency.
struct CsvExport {
    QByteArray tests;
    QByteArray cells;
    int rows = 0; // tests
};
Result<CsvExport> exportCsv(Archive& archive, const ExportFilter& filter);

} // namespace tavo::archive
