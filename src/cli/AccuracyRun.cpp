#include "cli/AccuracyRun.h"

#include "cli/SimulatedProgram.h"
#include "engine/Evaluation.h"
#include "engine/SimRandom.h"
#include "engine/TrackingTest.h"
#include "platform/sim/SimEventPump.h"
#include "platform/sim/SimMessages.h"
#include "ui/Startup.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>

namespace tavo::cli {

namespace {

std::optional<int> figure(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QJsonValue figureValue(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

std::optional<int> figureFrom(const QJsonValue& value) {
    return value.isDouble() ? std::optional<int>(value.toInt()) : std::nullopt;
}

} // namespace

QByteArray AccuracySample::toLine() const {
    QJsonArray runs;
    for (const auto& run : thresholds) {
        QJsonArray ears;
        for (const auto& ear : run) {
            QJsonArray levels;
            for (int level : ear) {
                levels.append(level);
            }
            ears.append(levels);
        }
        runs.append(ears);
    }
    const QJsonObject object{{QStringLiteral("index"), index},
                             {QStringLiteral("completed"), completed},
                             {QStringLiteral("ospl"), figureValue(ospl)},
                             {QStringLiteral("ospr"), figureValue(ospr)},
                             {QStringLiteral("apv"), figureValue(apv)},
                             {QStringLiteral("thresholds"), runs},
                             {QStringLiteral("duration_ms"), static_cast<double>(durationMs)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<AccuracySample> AccuracySample::fromLine(const QByteArray& line) {
    const QJsonDocument document = QJsonDocument::fromJson(line.trimmed());
    if (!document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    AccuracySample sample;
    sample.index = object.value(QStringLiteral("index")).toInt(-1);
    sample.completed = object.value(QStringLiteral("completed")).toBool();
    sample.ospl = figureFrom(object.value(QStringLiteral("ospl")));
    sample.ospr = figureFrom(object.value(QStringLiteral("ospr")));
    sample.apv = figureFrom(object.value(QStringLiteral("apv")));
    sample.durationMs =
        static_cast<std::int64_t>(object.value(QStringLiteral("duration_ms")).toDouble());
    const QJsonArray runs = object.value(QStringLiteral("thresholds")).toArray();
    if (sample.index < 0 || runs.size() != 2) {
        return std::nullopt;
    }
    for (qsizetype run = 0; run < 2; ++run) {
        const QJsonArray ears = runs.at(run).toArray();
        if (ears.size() != 2) {
            return std::nullopt;
        }
        for (qsizetype ear = 0; ear < 2; ++ear) {
            const QJsonArray levels = ears.at(ear).toArray();
            if (levels.size() != 11) {
                return std::nullopt;
            }
            for (qsizetype i = 0; i < 11; ++i) {
                sample.thresholds[static_cast<std::size_t>(run)][static_cast<std::size_t>(ear)]
                                 [static_cast<std::size_t>(i)] = levels.at(i).toInt();
            }
        }
    }
    return sample;
}

void runAccuracyTests(SimulatedProgram& program, const engine::PopulationOptions& population,
                      int first, int count,
                      const std::function<void(const AccuracySample&)>& done) {
    auto& windows = program.windows();
    ui::TestCommand* command = windows.main->testCommand();
    for (int index = first; index < first + count; ++index) {
        windows.main->attachListener(engine::populationListener(population, index),
                                     engine::SimRandom::derive(population.seed ^ 0x5EEDu,
                                                               static_cast<std::uint64_t>(index)));
        program.messages().clear();
        const std::int64_t start = program.clock().nowMs();
        windows.main->NewTest1Click();

        AccuracySample sample;
        sample.index = index;
        sample.durationMs = program.clock().nowMs() - start;
        const auto& outcomes = command->procedure().outcomes();
        sample.completed = outcomes[0] == engine::RunOutcome::Completed &&
                           outcomes[1] == engine::RunOutcome::Completed;
        const auto figures = engine::CalcAVP(program.state.Record);
        sample.ospl = figure(figures.ospl);
        sample.ospr = figure(figures.ospr);
        sample.apv = figure(figures.apv);
        const engine::TTestResult* runs[] = {&program.state.Record.Test1Result,
                                             &program.state.Record.Test2Result};
        for (std::size_t run = 0; run < 2; ++run) {
            for (std::size_t ear = 0; ear < 2; ++ear) {
                for (std::size_t i = 0; i < 11; ++i) {
                    sample.thresholds[run][ear][i] = runs[run]->Thresholds[ear][i];
                }
            }
        }
        done(sample);
    }
}

} // namespace tavo::cli
