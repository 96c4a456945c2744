// The calibration-file reader on arbitrary bytes. Whatever it accepts must
// survive writing and reading again unchanged, and its JSON form (when it
// has one) must give the same calibration back.

#include "storage/CalibrationFile.h"
#include "storage/FileJson.h"

#include <cstdint>
#include <cstdlib>

using namespace tavo;

namespace {

// Equal as a calibration: a reference of -0 and 0 are the same level.
bool sameCalibration(const storage::CalibrationFileContents& a,
                     const storage::CalibrationFileContents& b) {
    if (a.person != b.person || a.headphones != b.headphones || a.soundcard != b.soundcard ||
        a.comment != b.comment || a.date != b.date || a.time != b.time) {
        return false;
    }
    for (int ear = 0; ear < engine::kEars; ++ear) {
        for (int slot = 0; slot < storage::kCalibratedSlots; ++slot) {
            const auto& p = a.points[ear][slot];
            const auto& q = b.points[ear][slot];
            if (p.WaveSteps != q.WaveSteps || p.MasterSteps != q.MasterSteps ||
                p.GainSteps != q.GainSteps || p.Reserved != q.Reserved ||
                p.Reference != q.Reference) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const auto read = storage::decodeCalibrationFile(bytes);
    if (!read) {
        if (read.error != storage::kCalibrationFormatMessage) {
            std::abort();
        }
        return 0;
    }
    const QByteArray written = storage::encodeCalibrationFile(*read.value);
    const auto again = storage::decodeCalibrationFile(written);
    if (!again || storage::encodeCalibrationFile(*again.value) != written) {
        std::abort();
    }
    const auto json = storage::calibrationFileToJson(*read.value);
    if (json) {
        const auto text = storage::parseJsonObject(storage::jsonText(*json.value));
        const auto back = text ? storage::calibrationFileFromJson(*text.value)
                               : storage::Decoded<storage::CalibrationFileContents>{};
        if (!back || !sameCalibration(*back.value, *again.value)) {
            std::abort();
        }
    }
    engine::AppState state;
    storage::applyCalibrationFile(state, *read.value);
    return 0;
}
