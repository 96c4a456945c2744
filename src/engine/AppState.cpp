#include "engine/AppState.h"

namespace tavo::engine {

void clearResult(TTestResult& result) {
    for (int ear = 0; ear < kEars; ++ear) {
        for (int index = 0; index < kResultIndexes; ++index) {
            result.Reversals[ear][index].Count = 0;
            result.Thresholds[ear][index] = kNoThreshold;
        }
    }
}

} // namespace tavo::engine
