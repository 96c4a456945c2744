#pragma once

#include "engine/AppState.h"

#include <QByteArray>

namespace tavo::storage {

inline constexpr int kTextExportLines = 1108;

// The text export of both runs: 1108 lines ended by CR LF, one value a
// line: the two dates and times, then for each run its reversal lists (all
// 20 levels, also those beyond Count) and its thresholds, ear-major.
// Texts in Windows-1252.
QByteArray encodeTextExport(const engine::TTestResult& run1, const engine::TTestResult& run2);
inline QByteArray encodeTextExport(const engine::TestRecord& record) {
    return encodeTextExport(record.Test1Result, record.Test2Result);
}

} // namespace tavo::storage
