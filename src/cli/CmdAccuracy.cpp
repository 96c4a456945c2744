// tavo accuracy: how close the summary figures come to the truth after a
// calibration by ear. Calibrates once with a simulated normal-hearing
// listener, then tests a population of simulated people with the program's
// own New Test command, in worker processes of this tool on every core.

#include "cli/AccuracyReport.h"
#include "cli/AccuracyRun.h"
#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "cli/SimulatedProgram.h"
#include "engine/TestParameters.h"
#include "platform/Terminal.h"
#include "storage/TfrmSettings.h"
#include "ui/SimulatedCalibration.h"
#include "ui/Startup.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <map>
#include <memory>

namespace tavo::cli {

namespace {

QString usage() {
    return QCoreApplication::translate(
        "CmdAccuracy",
        "tavo accuracy --settings STORE.reg [--listeners N] [--seed K] [--plug]\n"
        "              [--exact-listeners] [--second-run-offset on|off] [--jobs J]\n"
        "\n"
        "Misst, wie genau OSPL, OSPR und APV nach einer Kalibrierung nach Gehör sind:\n"
        "kalibriert das Audiometer einmal mit einem simulierten normalhörenden Hörer\n"
        "(wie tavo calibrate-sim) und testet dann N simulierte Personen (Vorgabe 200)\n"
        "mit den Einstellungen aus STORE.reg (wie tavo simulate, auf der virtuellen Uhr).\n"
        "Die Personen hören wie Beschäftigte mit üblichem Gehör (-10 bis 20 dB HL, die\n"
        "Ohren einige dB verschieden) und antworten menschlich (eine psychometrische\n"
        "Steigung von 1 bis 3 dB, 150 bis 400 ms Reaktionszeit, gelegentliche\n"
        "Fehldrücke); jede ist aus dem Startwert K und ihrer Nummer gemacht.\n"
        "\n"
        "  --plug               im 2. Durchlauf ein Gehörschutz mit 10 bis 35 dB Dämmung\n"
        "                       je Ohr und Frequenz\n"
        "  --exact-listeners    exakte Hörer statt menschlicher\n"
        "  --second-run-offset on|off  \"Praxisabweichung\" (Vorgabe: on)\n"
        "  --jobs J             so viele Prozesse zugleich (Vorgabe: einer je Prozessorkern)\n"
        "\n"
        "Ausgabe: eine Tabelle mit dem Fehler von OSPL, OSPR und APV gegen den wahren\n"
        "Wert (Mittel, Standardabweichung, 95-%-Wert und Maximum des Betrags), den\n"
        "Frequenzen ohne Ergebnis je Durchlauf (jenseits des lautesten Tons, den die\n"
        "Kalibrierung erlaubt, oder weil die Zeit ablief) und der mittleren Testdauer.\n"
        "Auf einem Terminal zeigt stderr den Fortschritt. Exit-Code 0 nach der Messung,\n"
        "1 bei einem Fehler, 2 bei falschen Argumenten.");
}

const QStringList kValued = {
    QStringLiteral("settings"),          QStringLiteral("listeners"), QStringLiteral("seed"),
    QStringLiteral("second-run-offset"), QStringLiteral("jobs"),      QStringLiteral("worker"),
    QStringLiteral("worker-calibration")};
const QStringList kFlags = {QStringLiteral("plug"), QStringLiteral("exact-listeners")};

// The progress line, on a terminal only.
class Progress {
public:
    Progress() : terminal_(platform::errorOutputIsTerminal()) {}
    ~Progress() { clear(); }
    void show(const QString& text) {
        if (terminal_) {
            std::fprintf(stderr, "\r%-60s", text.toLocal8Bit().constData());
            std::fflush(stderr);
            shown_ = true;
        }
    }
    void clear() {
        if (shown_) {
            std::fprintf(stderr, "\r%-60s\r", "");
            std::fflush(stderr);
            shown_ = false;
        }
    }

private:
    bool terminal_;
    bool shown_ = false;
};

// Prepares a simulated program with the user's settings and the chosen
// "Praxisabweichung".
void setUp(SimulatedProgram& program, bool secondRunOffset) {
    program.windows().settingsValue.practiceDeviation = secondRunOffset;
}

// A worker: tests its share and writes one line per person.
int runWorker(const Args& args, const engine::PopulationOptions& population, bool secondRunOffset) {
    const QStringList range = args.text(QStringLiteral("worker")).split(QLatin1Char(':'));
    const auto first = range.size() == 2 ? parseInteger(range[0]) : std::nullopt;
    const auto count = range.size() == 2 ? parseInteger(range[1]) : std::nullopt;
    if (!first || !count || *first < 0 || *count < 0) {
        throw UsageError(
            QCoreApplication::translate("CmdAccuracy", "--worker nimmt ERSTER:ANZAHL"));
    }
    SimulatedProgram program(args.text(QStringLiteral("settings")));
    setUp(program, secondRunOffset);
    program.loadCalibration(args.text(QStringLiteral("worker-calibration")));
    runAccuracyTests(program, population, *first, *count, [](const AccuracySample& sample) {
        std::fprintf(stdout, "%s\n", sample.toLine().constData());
        std::fflush(stdout);
    });
    return 0;
}

// Tests everyone in `jobs` worker processes of this tool; each result as
// it arrives.
void runWorkers(const QStringList& common, int listeners, int jobs,
                const std::function<void(const AccuracySample&)>& done) {
    std::vector<std::unique_ptr<QProcess>> workers;
    QEventLoop loop;
    int running = 0;
    QString failure;
    const int share = listeners / jobs;
    int first = 0;
    for (int job = 0; job < jobs; ++job) {
        const int count = share + (job < listeners % jobs ? 1 : 0);
        auto process = std::make_unique<QProcess>();
        QProcess* worker = process.get();
        QObject::connect(worker, &QProcess::readyReadStandardOutput, &loop, [worker, &done] {
            while (worker->canReadLine()) {
                if (const auto sample = AccuracySample::fromLine(worker->readLine())) {
                    done(*sample);
                }
            }
        });
        QObject::connect(
            worker, &QProcess::finished, &loop,
            [worker, &running, &failure, &loop](int code, QProcess::ExitStatus status) {
                if ((status != QProcess::NormalExit || code != 0) && failure.isEmpty()) {
                    failure = QString::fromUtf8(worker->readAllStandardError()).trimmed();
                    if (failure.isEmpty()) {
                        failure =
                            QCoreApplication::translate("CmdAccuracy", "Exit-Code %1").arg(code);
                    }
                }
                if (--running == 0) {
                    loop.quit();
                }
            });
        QObject::connect(worker, &QProcess::errorOccurred, &loop,
                         [&running, &failure, &loop](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart) {
                                 return;
                             }
                             failure = QCoreApplication::translate(
                                 "CmdAccuracy", "der Prozess ließ sich nicht starten");
                             if (--running == 0) {
                                 loop.quit();
                             }
                         });
        worker->setProcessChannelMode(QProcess::SeparateChannels);
        ++running;
        worker->start(QCoreApplication::applicationFilePath(),
                      QStringList{QStringLiteral("accuracy")} + common +
                          QStringList{QStringLiteral("--worker"),
                                      QStringLiteral("%1:%2").arg(first).arg(count)});
        first += count;
        workers.push_back(std::move(process));
    }
    loop.exec();
    if (!failure.isEmpty()) {
        throw Failure{
            QCoreApplication::translate("CmdAccuracy", "Ein Teilprozess ist gescheitert: %1")
                .arg(failure)};
    }
}

int run(const QStringList& words) {
    const Args args(words, kValued, kFlags);
    if (!args.positional().isEmpty()) {
        throw UsageError(QCoreApplication::translate("CmdAccuracy", "Unerwartetes Argument: %1")
                             .arg(args.positional().first()));
    }
    args.require({QStringLiteral("settings")});
    const QString settingsPath = args.text(QStringLiteral("settings"));
    const int listeners =
        args.optionalInteger(QStringLiteral("listeners"), 1, 100000).value_or(200);
    engine::PopulationOptions population;
    population.seed = static_cast<std::uint64_t>(
        args.optionalInteger(QStringLiteral("seed"), 0, std::numeric_limits<int>::max())
            .value_or(1));
    population.plug = args.flag(QStringLiteral("plug"));
    population.human = !args.flag(QStringLiteral("exact-listeners"));
    const bool secondRunOffset = onOffOption(args, QStringLiteral("second-run-offset"), true);
    const int jobs = std::min(
        args.optionalInteger(QStringLiteral("jobs"), 1, 64).value_or(QThread::idealThreadCount()),
        listeners);
    if (args.has(QStringLiteral("worker")) != args.has(QStringLiteral("worker-calibration"))) {
        throw UsageError(QCoreApplication::translate(
            "CmdAccuracy", "--worker und --worker-calibration gehören zusammen"));
    }
    checkSettingsFile(settingsPath);
    if (args.has(QStringLiteral("worker"))) {
        return runWorker(args, population, secondRunOffset);
    }

    Progress progress;
    progress.show(QCoreApplication::translate("CmdAccuracy", "Kalibrierung nach Gehör ..."));
    QTemporaryDir folder;
    const QString calibrationFile = folder.filePath(QStringLiteral("kalibrierung.vkk"));
    AccuracyConditions conditions;
    conditions.population = population;
    {
        SimulatedProgram program(settingsPath);
        setUp(program, secondRunOffset);
        const auto params = engine::readTestParameters(program.windows().settingsValue);
        if (!params) {
            throw Failure{params.error()};
        }
        conditions.params = *params;
        const auto calibration =
            ui::calibrateWithSimulatedListener(program.windows(), program.platform(),
                                               engine::normalHearingListener(), calibrationFile);
        if (!calibration.error.isEmpty()) {
            throw Failure{QCoreApplication::translate("CmdAccuracy", "Kalibrierung: %1")
                              .arg(calibration.error)};
        }
    }

    std::map<int, AccuracySample> samples;
    const auto arrived = [&](const AccuracySample& sample) {
        samples[sample.index] = sample;
        progress.show(QCoreApplication::translate("CmdAccuracy", "Hörer %1 von %2 getestet")
                          .arg(samples.size())
                          .arg(listeners));
    };
    if (jobs <= 1) {
        SimulatedProgram program(settingsPath);
        setUp(program, secondRunOffset);
        program.loadCalibration(calibrationFile);
        runAccuracyTests(program, population, 0, listeners, arrived);
    } else {
        QStringList common{QStringLiteral("--settings"),
                           settingsPath,
                           QStringLiteral("--seed"),
                           QString::number(population.seed),
                           QStringLiteral("--second-run-offset"),
                           secondRunOffset ? QStringLiteral("on") : QStringLiteral("off"),
                           QStringLiteral("--worker-calibration"),
                           calibrationFile};
        if (population.plug) {
            common << QStringLiteral("--plug");
        }
        if (!population.human) {
            common << QStringLiteral("--exact-listeners");
        }
        runWorkers(common, listeners, jobs, arrived);
    }
    progress.clear();
    if (static_cast<int>(samples.size()) != listeners) {
        throw Failure{
            QCoreApplication::translate("CmdAccuracy", "Es kamen nur %1 von %2 Ergebnissen an.")
                .arg(samples.size())
                .arg(listeners)};
    }
    std::vector<AccuracySample> ordered;
    for (const auto& [index, sample] : samples) {
        ordered.push_back(sample);
    }
    for (const QString& line : accuracyReport(conditions, summarizeAccuracy(conditions, ordered))) {
        out(line);
    }
    return 0;
}

} // namespace

Command accuracyCommand() {
    return {QStringLiteral("accuracy"),
            QCoreApplication::translate(
                "CmdAccuracy", "Genauigkeit der Summenwerte mit simulierten Hörern messen"),
            usage(), run};
}

} // namespace tavo::cli
