#pragma once

#include "archive/ArchiveTypes.h"
#include "engine/FitCheck.h"
#include "platform/Result.h"

#include <cstdint>

namespace tavo::archive {

class Connection;

// A test's fit-check figures as the archive keeps them.
FitCheckFigures fitCheckFiguresOf(const engine::TestRecord& record,
                                  const engine::FitCheckParameters& parameters);
FitCheckFigures fitCheckFiguresOf(const engine::FitCheckReport& report);

// Writes them into the test's row.
Result<void> writeFitCheck(Connection& db, std::int64_t testId, const FitCheckFigures& figures);

} // namespace tavo::archive
