#include "storage/TextExport.h"

#include "storage/Cp1252.h"

namespace tavo::storage {

namespace {

using engine::kEars;
using engine::kResultIndexes;

void line(QByteArray& out, const QByteArray& text) {
    out.append(text);
    out.append("\r\n");
}

void writeRun(QByteArray& out, const engine::TTestResult& run) {
    for (int ear = 0; ear < kEars; ++ear) {
        for (int index = 0; index < kResultIndexes; ++index) {
            const auto& list = run.Reversals[ear][index];
            line(out, QByteArray::number(list.Count));
            for (const auto level : list.Levels) {
                line(out, QByteArray::number(level));
            }
            line(out, QByteArray::number(list.Spread));
        }
    }
    for (int ear = 0; ear < kEars; ++ear) {
        for (int index = 0; index < kResultIndexes; ++index) {
            line(out, QByteArray::number(run.Thresholds[ear][index]));
        }
    }
}

} // namespace

QByteArray encodeTextExport(const engine::TTestResult& run1, const engine::TTestResult& run2) {
    QByteArray out;
    line(out, toWindows1252(run1.TestDate));
    line(out, toWindows1252(run1.TestTime));
    line(out, toWindows1252(run2.TestDate));
    line(out, toWindows1252(run2.TestTime));
    writeRun(out, run1);
    writeRun(out, run2);
    return out;
}

} // namespace tavo::storage
