// Times reading the settings file: the file a first start writes, grown by
// extra values to N value lines. The reader must grow linearly with the
// file (a file of the largest accepted size well under a second).
//
// Two ways of growing, both kept under regfile::kMaxFileSize, since a bigger
// file is refused before it is read:
//  - ShortLines: 1k, 10k and 100k lines; 100k lines of the usual length
//    would be over the limit, so the extra lines are short ("abcd"="").
//  - ProgramLines: lines like the program's own (its value names with a
//    number, its kinds of values), up to as many as fit under the limit.
//
//   settings_parse [--benchmark_repetitions=N ...]

#include "platform/regfile/RegFile.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/Registry.h"
#include "storage/SettingsTable.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <functional>

using namespace tavo;
using platform::regfile::Value;
using platform::regfile::Values;
using platform::regfile::ValueType;

namespace {

// The values a first start writes.
Values firstStartValues() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.reg"));
    platform::RegFileSettingsStore store(path);
    QFile file(path);
    if (!storage::seedSettingsStore(store, nullptr) || !file.open(QIODevice::ReadOnly)) {
        std::abort();
    }
    auto values = platform::regfile::parse(file.readAll());
    if (!values) {
        std::abort();
    }
    return *values;
}

// Distinct short names, four letters or digits (one case only: names
// ignore case).
Value shortLine(std::size_t i) {
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    constexpr std::size_t kBase = sizeof kDigits - 1;
    QString name;
    for (int place = 0; place < 4; ++place, i /= kBase) {
        name += QLatin1Char(kDigits[i % kBase]);
    }
    return {name, ValueType::String, 0, {}};
}

// One of the program's own values under a numbered name.
Value programLine(std::size_t i) {
    const auto table = storage::settingsTable();
    const auto& row = table[i % table.size()];
    Value value;
    value.name = QString::fromUtf8(row.valueName) + QLatin1Char(' ') + QString::number(i);
    switch (row.kind) {
    case storage::SettingKind::Boolean:
        value.type = ValueType::Dword;
        value.dword = row.designChecked ? 1 : 0;
        break;
    case storage::SettingKind::Text:
        value.text = QString::fromUtf8(row.designText);
        break;
    case storage::SettingKind::Device:
        value.type = ValueType::Dword;
        value.dword = 0xFFFFFFFF;
        break;
    case storage::SettingKind::Colour:
        value.type = ValueType::Dword;
        value.dword = row.errorColour;
        break;
    }
    return value;
}

void ParseGrownFile(benchmark::State& bench, const std::function<Value(std::size_t)>& extra) {
    Values values = firstStartValues();
    const auto lines = static_cast<std::size_t>(bench.range(0));
    for (std::size_t i = 0; values.size() < lines; ++i) {
        values.push_back(extra(i));
    }
    const QByteArray file = platform::regfile::serialize(values);
    if (file.size() > platform::regfile::kMaxFileSize) {
        bench.SkipWithError("the grown file is over the size limit");
        return;
    }
    // Time a whole read, not a refusal.
    const auto check = platform::regfile::parse(file);
    if (!check || check->size() != lines) {
        bench.SkipWithError("the grown file does not read back");
        return;
    }
    for (auto _ : bench) {
        auto parsed = platform::regfile::parse(file);
        benchmark::DoNotOptimize(parsed);
    }
    bench.SetComplexityN(bench.range(0));
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations()) * file.size());
    bench.counters["file_kB"] = static_cast<double>(file.size()) / 1024.0;
}

void ShortLines(benchmark::State& bench) {
    ParseGrownFile(bench, shortLine);
}

void ProgramLines(benchmark::State& bench) {
    ParseGrownFile(bench, programLine);
}

} // namespace

BENCHMARK(ShortLines)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(ProgramLines)
    ->Arg(1'000)
    ->Arg(3'000)
    ->Arg(10'000)
    ->Arg(25'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
