#include "cli/AccuracyReport.h"

#include "engine/AppState.h"
#include "engine/ToneSynthesis.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace tavo::cli {

namespace {

struct ErrorList {
    std::vector<double> errors;
    int missing = 0;

    void add(const std::optional<int>& measured, std::int32_t truth) {
        if (measured) {
            errors.push_back(static_cast<double>(*measured - truth));
        } else {
            ++missing;
        }
    }

    FigureErrors summary() const {
        FigureErrors e;
        e.measured = static_cast<int>(errors.size());
        e.missing = missing;
        if (errors.empty()) {
            return e;
        }
        double sum = 0.0;
        for (double x : errors) {
            sum += x;
        }
        e.mean = sum / static_cast<double>(errors.size());
        double squares = 0.0;
        for (double x : errors) {
            squares += (x - e.mean) * (x - e.mean);
        }
        e.standardDeviation =
            errors.size() > 1 ? std::sqrt(squares / static_cast<double>(errors.size() - 1)) : 0.0;
        std::vector<double> sizes;
        for (double x : errors) {
            sizes.push_back(std::fabs(x));
        }
        std::sort(sizes.begin(), sizes.end());
        // Nearest rank: the smallest value at or above 95 % of the tests.
        const auto rank =
            static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(sizes.size())));
        e.percentile95 = static_cast<int>(sizes[std::max<std::size_t>(rank, 1) - 1]);
        e.maximum = static_cast<int>(sizes.back());
        return e;
    }
};

QString decimal(double value, int decimals) {
    static const QLocale german(QLocale::German, QLocale::Germany);
    return german.toString(value, 'f', decimals);
}

QString signedDecimal(double value) {
    const QString text = decimal(value, 2);
    return value > 0.0 && text != decimal(0.0, 2) ? QLatin1Char('+') + text : text;
}

QString share(int part, int whole) {
    return QStringLiteral("%1 (%2 %)")
        .arg(part)
        .arg(decimal(whole > 0 ? 100.0 * part / whole : 0.0, 2));
}

QString onOff(bool on) {
    return on ? QCoreApplication::translate("AccuracyReport", "ein")
              : QCoreApplication::translate("AccuracyReport", "aus");
}

} // namespace

AccuracySummary summarizeAccuracy(const AccuracyConditions& conditions,
                                  const std::vector<AccuracySample>& samples) {
    AccuracySummary summary;
    ErrorList ospl;
    ErrorList ospr;
    ErrorList apv;
    double duration = 0.0;
    const auto& tested = conditions.params.frequencies;
    const bool deviation = conditions.params.practiceDeviation;
    for (const auto& sample : samples) {
        ++summary.tests;
        summary.incomplete += sample.completed ? 0 : 1;
        duration += static_cast<double>(sample.durationMs);
        const auto listener = engine::populationListener(conditions.population, sample.index);
        if (const auto truth = engine::trueFigures(listener, tested, deviation)) {
            ospl.add(sample.ospl, truth->ospl);
            ospr.add(sample.ospr, truth->ospr);
            apv.add(sample.apv, truth->apv);
        }
        for (std::size_t run = 0; run < 2; ++run) {
            auto& missing = summary.runs[run];
            for (std::size_t ear = 0; ear < 2; ++ear) {
                for (std::size_t i = 0; i < 11; ++i) {
                    if (!tested[i + 1]) {
                        continue;
                    }
                    ++missing.tested;
                    if (sample.thresholds[run][ear][i] != engine::kNoThreshold) {
                        continue;
                    }
                    // Where the person's threshold lay in this run, above
                    // the calibrating listener's.
                    double needed = listener.thresholds[ear][i] - conditions.calibratingThreshold;
                    if (run == 1) {
                        needed += listener.secondRunShift[ear][i] -
                                  (deviation ? engine::kSecondRunOffsetDb : 0.0);
                    }
                    ++(needed > conditions.loudestAbove ? missing.beyondLoudest
                                                        : missing.outOfTime);
                }
            }
        }
    }
    summary.ospl = ospl.summary();
    summary.ospr = ospr.summary();
    summary.apv = apv.summary();
    summary.meanDurationMs = summary.tests > 0 ? duration / summary.tests : 0.0;
    return summary;
}

QStringList accuracyReport(const AccuracyConditions& conditions, const AccuracySummary& summary) {
    const auto& p = conditions.params;
    const auto& population = conditions.population;
    QStringList lines;
    lines << QCoreApplication::translate(
                 "AccuracyReport",
                 "Genauigkeit von OSPL, OSPR und APV: %n simulierte Hörer (Startwert %1), "
                 "%2, %3",
                 nullptr, summary.tests)
                 .arg(population.seed)
                 .arg(population.plug
                          ? QCoreApplication::translate("AccuracyReport",
                                                        "mit Gehörschutz im 2. Durchlauf")
                          : QCoreApplication::translate("AccuracyReport", "ohne Gehörschutz"))
                 .arg(population.human
                          ? QCoreApplication::translate("AccuracyReport", "menschliche Hörer")
                          : QCoreApplication::translate("AccuracyReport", "exakte Hörer"));
    lines << QCoreApplication::translate(
                 "AccuracyReport",
                 "Einstellungen: Anfangspegel %1 dB HL, Pegelschritt %2 dB, Signal %3 s, "
                 "Lücke %4 s, Testdauer %5 s, %n Richtungswechsel, Probelauf %6, "
                 "Praxisabweichung %7",
                 nullptr, p.minReversals)
                 .arg(p.levelStart)
                 .arg(decimal(p.levelStep, 1), decimal(p.pulse, 1), decimal(p.gap, 1),
                      decimal(p.maxTime, 0))
                 .arg(onOff(p.trial), onOff(p.practiceDeviation));
    lines << QCoreApplication::translate(
                 "AccuracyReport",
                 "Kalibrierung nach Gehör mit einer normalhörenden Person (%1 dB HL); "
                 "der lauteste Ton liegt %2 dB über ihrer Hörschwelle.")
                 .arg(decimal(conditions.calibratingThreshold, 0),
                      decimal(conditions.loudestAbove, 0));
    lines << QCoreApplication::translate(
        "AccuracyReport", "Wahrer Wert: der Summenwert der exakten Hörschwellen (Mittel von 1. - "
                          "2. Durchlauf über die getesteten Frequenzen, mit Praxisabweichung "
                          "+5 dB, gerundet wie im Programm).");
    lines << QString();
    lines << QCoreApplication::translate(
        "AccuracyReport", "Fehler gegen den wahren Wert (dB)   Mittel  Std.-Abw.  95 %-Wert |F|  "
                          "max |F|  ohne Wert");
    const auto figureLine = [&lines](const char* name, const FigureErrors& e) {
        lines << QStringLiteral("%1%2%3%4%5%6")
                     .arg(QString::fromLatin1(name), -34)
                     .arg(e.measured > 0 ? signedDecimal(e.mean) : QStringLiteral("-"), 8)
                     .arg(e.measured > 0 ? decimal(e.standardDeviation, 2) : QStringLiteral("-"),
                          11)
                     .arg(e.measured > 0 ? QString::number(e.percentile95) : QStringLiteral("-"),
                          15)
                     .arg(e.measured > 0 ? QString::number(e.maximum) : QStringLiteral("-"), 9)
                     .arg(e.missing, 11);
    };
    figureLine("OSPL", summary.ospl);
    figureLine("OSPR", summary.ospr);
    figureLine("APV", summary.apv);
    lines << QString();
    lines << QCoreApplication::translate(
        "AccuracyReport", "Frequenzen ohne Ergebnis                         1. Durchlauf        "
                          "2. Durchlauf");
    const auto missingLine = [&lines, &summary](const QString& label, auto count) {
        lines << QStringLiteral("%1%2%3")
                     .arg(label, -45)
                     .arg(share(count(summary.runs[0]), summary.runs[0].tested), 17)
                     .arg(share(count(summary.runs[1]), summary.runs[1].tested), 20);
    };
    missingLine(QCoreApplication::translate("AccuracyReport", "  jenseits des lautesten Tons"),
                [](const MissingFrequencies& m) { return m.beyondLoudest; });
    missingLine(
        QCoreApplication::translate("AccuracyReport", "  Zeit abgelaufen / zu wenige Umkehrungen"),
        [](const MissingFrequencies& m) { return m.outOfTime; });
    missingLine(QCoreApplication::translate("AccuracyReport", "  zusammen"),
                [](const MissingFrequencies& m) { return m.beyondLoudest + m.outOfTime; });
    lines << QStringLiteral("%1%2%3")
                 .arg(QCoreApplication::translate("AccuracyReport",
                                                  "  getestete Frequenzen (Ohr x Frequenz x Test)"),
                      -45)
                 .arg(summary.runs[0].tested, 17)
                 .arg(summary.runs[1].tested, 20);
    lines << QString();
    const auto seconds = static_cast<qint64>(std::llround(summary.meanDurationMs / 1000.0));
    lines << QCoreApplication::translate("AccuracyReport",
                                         "Mittlere Testdauer (beide Durchläufe): %1:%2 min")
                 .arg(seconds / 60)
                 .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (summary.incomplete > 0) {
        lines << QCoreApplication::translate("AccuracyReport", "Nicht zu Ende gelaufene Tests: %1")
                     .arg(summary.incomplete);
    }
    return lines;
}

} // namespace tavo::cli
