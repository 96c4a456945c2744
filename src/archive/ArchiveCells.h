#pragma once

#include "engine/TestRecord.h"
#include "platform/Result.h"

#include <cstdint>

namespace tavo::archive {

class Connection;

// Writes a test's cells anew: one row per run, ear and result index that was
// tested (reversals or a threshold), with its frequency.
Result<void> writeCells(Connection& db, std::int64_t testId, const engine::TestRecord& record);

} // namespace tavo::archive
