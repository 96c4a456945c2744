#include "archive/ArchiveCells.h"

#include "archive/ArchiveConnection.h"
#include "engine/AppState.h"

#include <QStringList>

namespace tavo::archive {

Result<void> writeCells(Connection& db, std::int64_t testId, const engine::TestRecord& record) {
    if (const auto cleared =
            db.run(QStringLiteral("DELETE FROM cells WHERE test_id = ?"), {qint64{testId}});
        !cleared) {
        return Result<void>::failure(cleared.error());
    }
    const engine::TTestResult* runs[] = {&record.Test1Result, &record.Test2Result};
    for (int run = 0; run < 2; ++run) {
        for (int ear = 0; ear < engine::kEars; ++ear) {
            for (int index = 0; index < engine::kResultIndexes; ++index) {
                const auto& list =
                    runs[run]
                        ->Reversals[static_cast<std::size_t>(ear)][static_cast<std::size_t>(index)];
                const auto threshold = runs[run]->Thresholds[static_cast<std::size_t>(ear)]
                                                            [static_cast<std::size_t>(index)];
                if (list.Count <= 0 && threshold == engine::kNoThreshold) {
                    continue;
                }
                QStringList levels;
                for (int k = 0; k < std::min(list.Count, engine::kMaxReversals); ++k) {
                    levels << QString::number(list.Levels[static_cast<std::size_t>(k)]);
                }
                const auto written =
                    db.run(QStringLiteral("INSERT INTO cells (test_id, run, ear, result_index, "
                                          "frequency, reversal_count, levels, threshold, spread) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                           {qint64{testId}, run + 1, ear, index,
                            engine::kInitialFrequencies[static_cast<std::size_t>(index + 1)],
                            list.Count, levels.join(QLatin1Char(' ')), threshold, list.Spread});
                if (!written) {
                    return Result<void>::failure(written.error());
                }
            }
        }
    }
    return {};
}

} // namespace tavo::archive
