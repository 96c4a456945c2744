// The test-file reader on arbitrary bytes. Whatever it accepts must
// survive writing and reading again unchanged, through the JSON form too,
// and evaluating it must stay within bounds.

#include "engine/Evaluation.h"
#include "storage/FileJson.h"
#include "storage/TestFile.h"
#include "storage/TextExport.h"

#include <cstdint>
#include <cstdlib>

using namespace tavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const auto read = storage::decodeTestFile(bytes);
    if (!read) {
        if (read.error.isEmpty()) {
            std::abort(); // every refusal has a message
        }
        return 0;
    }
    const QByteArray written = storage::encodeTestFile(*read.value);
    const auto again = storage::decodeTestFile(written);
    if (!again || storage::encodeTestFile(*again.value) != written) {
        std::abort();
    }
    const auto json = storage::testFileFromJson(storage::testFileToJson(*read.value));
    if (!json || storage::encodeTestFile(*json.value) != written) {
        std::abort();
    }
    if (storage::encodeTextExport(read.value->run1, read.value->run2).count("\r\n") <
        storage::kTextExportLines) {
        std::abort();
    }

    engine::AppState state;
    state.Record.Test1Result = read.value->run1;
    state.Record.Test2Result = read.value->run2;
    state.Record.ResultsValid = true;
    (void)engine::CalcAVP(state);
    for (const bool reject1st : {false, true}) {
        auto run = read.value->run1;
        engine::CalcThreshold(run, reject1st);
        for (const auto& ear : run.Reversals) {
            for (const auto& list : ear) {
                if (engine::Spread(list, reject1st) < 0) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
