// The JSON readers of tavo convert on arbitrary text. A document they
// accept must give a file the binary readers accept.

#include "storage/CalibrationFile.h"
#include "storage/FileJson.h"
#include "storage/TestFile.h"

#include <cstdint>
#include <cstdlib>

using namespace tavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto json = storage::parseJsonObject(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!json) {
        return 0;
    }
    if (const auto test = storage::testFileFromJson(*json.value)) {
        if (!storage::decodeTestFile(storage::encodeTestFile(*test.value))) {
            std::abort();
        }
    }
    if (const auto calibration = storage::calibrationFileFromJson(*json.value)) {
        if (!storage::decodeCalibrationFile(storage::encodeCalibrationFile(*calibration.value))) {
            std::abort();
        }
    }
    return 0;
}
