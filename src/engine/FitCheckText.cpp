#include "engine/FitCheckText.h"

#include "engine/TestParameters.h"
#include "storage/Settings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLocale>

#include <cmath>
#include <map>

namespace tavo::engine {

namespace {

QString figure(const std::optional<double>& value, bool atLeast = false) {
    if (!value) {
        return QStringLiteral("–");
    }
    return (atLeast ? QStringLiteral("≥ ") : QString()) + decibels(*value);
}

QString ratingLine(const QString& name, const Rating& rating) {
    if (!rating.par) {
        return QCoreApplication::translate("FitCheckText", "PAR %1: keine (weniger als %n Bänder)",
                                           nullptr, kMinimumBands)
            .arg(name);
    }
    return QStringLiteral("PAR %1: %2 dB (U %3 dB; PAR₈₄ %4 dB; PAR₉₅ %5 dB)")
        .arg(name, figure(rating.par, rating.atLeast), decibels(rating.uncertainty),
             figure(rating.par84(), rating.atLeast), figure(rating.par95(), rating.atLeast));
}

QJsonValue number(const std::optional<double>& value) {
    return value ? QJsonValue(std::round(*value * 10.0) / 10.0) : QJsonValue();
}

QJsonObject ratingJson(const Rating& rating) {
    QJsonArray missing;
    for (const int centre : rating.missingBands) {
        missing.append(centre);
    }
    return {{QStringLiteral("par"), number(rating.par)},
            {QStringLiteral("uncertainty"), rating.par ? number(rating.uncertainty) : QJsonValue()},
            {QStringLiteral("par84"), number(rating.par84())},
            {QStringLiteral("par95"), number(rating.par95())},
            {QStringLiteral("at_least"), rating.atLeast},
            {QStringLiteral("missing_bands"), missing}};
}

QJsonArray flagNames(unsigned flags) {
    QJsonArray names;
    const std::pair<unsigned, const char*> all[] = {{NoThreshold, "no_threshold"},
                                                    {FewReversals, "few_reversals"},
                                                    {WideSpread, "wide_spread"},
                                                    {AtTop, "at_top"}};
    for (const auto& [flag, name] : all) {
        if ((flags & flag) != 0) {
            names.append(QString::fromLatin1(name));
        }
    }
    return names;
}

std::optional<double> parsed(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    double value = QLocale(QLocale::German).toDouble(trimmed, &ok);
    if (!ok) {
        value = trimmed.toDouble(&ok);
    }
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<double> exposureOf(const QString& text) {
    return parsed(text);
}

FitCheckParameters fitCheckParameters(const storage::Settings& settings,
                                      std::optional<double> exposure) {
    FitCheckParameters parameters;
    if (const auto test = readTestParameters(settings)) {
        parameters.levelStep = test->levelStep;
        parameters.minReversals = test->minReversals;
        parameters.practiceDeviation = test->practiceDeviation;
    }
    parameters.reject1st = settings.reject1st;
    parameters.wantedAtEar = parsed(settings.wantedLevelAtEar).value_or(80.0);
    parameters.exposure = exposure ? exposure : parsed(settings.defaultExposure);
    return parameters;
}

FitCheckDocument fitCheckDocument(const TestRecord& record, const FitCheckParameters& parameters,
                                  const QString& calibration) {
    return {record, evaluateFitCheck(record, parameters), calibration};
}

QString fitCheckMethodText(bool practiceDeviation, Wording wording) {
    const auto worded = [wording](const char* text) {
        return engine::worded("FitCheckText", text, wording);
    };
    return worded(QT_TRANSLATE_NOOP(
               "FitCheckText",
               "Verfahren: Dämpfung = Hörschwelle des 2. minus des 1. Durchlaufs; Oktavbänder "
               "125 bis 8000 Hz (4000 und 8000 Hz mit 3000 und 6000 Hz gemittelt, wo getestet) "
               "mit rosa Bezugsrauschen von 100 dB je Band, A-bewertet, in der Art der "
               "ISO 4869-2. Keine Zulassung nach einer Norm für Dichtsitzprüfungen.")) +
           (practiceDeviation
                ? worded(QT_TRANSLATE_NOOP("FitCheckText", " Die Schwellen wie gespeichert: mit "
                                                           "„Praxisabweichung“ spielte der 2. "
                                                           "Durchlauf 5 dB lauter."))
                : QString());
}

QStringList fitCheckText(const FitCheckDocument& document) {
    const auto& record = document.record;
    const auto& report = document.report;
    QStringList lines;
    lines << QCoreApplication::translate("FitCheckText", "Prüfbericht Gehörschutz");
    lines << QCoreApplication::translate("FitCheckText", "Testperson: %1").arg(record.data.person);
    lines << QCoreApplication::translate("FitCheckText", "Testort: %1").arg(record.data.location);
    lines << QCoreApplication::translate("FitCheckText",
                                         "1. Durchlauf: %1 %2   2. Durchlauf: %3 %4")
                 .arg(record.Test1Result.TestDate, record.Test1Result.TestTime,
                      record.Test2Result.TestDate, record.Test2Result.TestTime);
    if (!document.calibration.isEmpty()) {
        lines << QCoreApplication::translate("FitCheckText", "Kalibrierung: %1")
                     .arg(document.calibration);
    }
    lines << QString()
          << QCoreApplication::translate("FitCheckText", "Dämpfung (dB)   links   rechts");
    std::map<int, std::array<const FitCheckCell*, kEars>> rows;
    for (int ear = 0; ear < kEars; ++ear) {
        for (const auto& cell : report.cells[ear]) {
            rows[cell.index][ear] = &cell;
        }
    }
    for (const auto& [index, cells] : rows) {
        const int frequency = cells[0] != nullptr ? cells[0]->frequency : cells[1]->frequency;
        QString line = QStringLiteral("%1 Hz").arg(frequency).leftJustified(15);
        for (const auto* cell : cells) {
            QString text =
                cell != nullptr ? figure(cell->attenuation, cell->atLeast) : QStringLiteral("–");
            if (cell != nullptr && (cell->flags[0] | cell->flags[1]) != 0) {
                text += QLatin1Char('*');
            }
            line += QLatin1Char(' ') + text.rightJustified(7);
        }
        lines << line;
    }
    lines << QString();
    lines << ratingLine(earName(kLeftEar), report.ears[kLeftEar]);
    lines << ratingLine(earName(kRightEar), report.ears[kRightEar]);
    lines << ratingLine(QCoreApplication::translate("FitCheckText", "beidohrig"), report.binaural);
    lines << QString();
    const auto& p = report.parameters;
    if (p.exposure) {
        lines << QCoreApplication::translate("FitCheckText",
                                             "Lärmexposition L_EX: %1 dB(A); Zielpegel am Ohr: "
                                             "%2 dB(A); benötigte Dämpfung: %3 dB")
                     .arg(decibels(*p.exposure), decibels(p.wantedAtEar),
                          decibels(*report.required));
        if (report.levelAtEar) {
            lines << QCoreApplication::translate("FitCheckText",
                                                 "Geschätzter Pegel am Ohr: %1 dB(A)")
                         .arg(decibels(*report.levelAtEar));
        }
    } else {
        lines << QCoreApplication::translate("FitCheckText",
                                             "Lärmexposition L_EX: keine angegeben");
    }
    lines << QCoreApplication::translate("FitCheckText", "Bewertung: %1%2")
                 .arg(verdictText(report.verdict),
                      report.overprotection
                          ? QCoreApplication::translate("FitCheckText", " – Überprotektion möglich")
                          : QString());
    if (!report.cautions.isEmpty()) {
        lines << QCoreApplication::translate("FitCheckText", "Hinweise:");
        for (const QString& caution : report.cautions) {
            lines << QStringLiteral("- ") + caution;
        }
    }
    lines << QString() << fitCheckMethodText(p.practiceDeviation);
    return lines;
}

QJsonObject fitCheckJson(const FitCheckDocument& document) {
    const auto& record = document.record;
    const auto& report = document.report;
    QJsonArray ears;
    for (int ear = 0; ear < kEars; ++ear) {
        QJsonArray cells;
        for (const auto& cell : report.cells[ear]) {
            QJsonArray thresholds;
            QJsonArray flags;
            for (int run = 0; run < 2; ++run) {
                thresholds.append(cell.threshold[run] ? QJsonValue(*cell.threshold[run])
                                                      : QJsonValue());
                flags.append(flagNames(cell.flags[run]));
            }
            cells.append(
                QJsonObject{{QStringLiteral("frequency"), cell.frequency},
                            {QStringLiteral("thresholds"), thresholds},
                            {QStringLiteral("attenuation"), number(cell.attenuation)},
                            {QStringLiteral("at_least"), cell.atLeast},
                            {QStringLiteral("error"),
                             number(cell.attenuation ? std::optional<double>(cell.attenuationError)
                                                     : std::nullopt)},
                            {QStringLiteral("flags"), flags}});
        }
        QJsonArray bands;
        for (int b = 0; b < kBands; ++b) {
            bands.append(number(report.bands[ear][b].attenuation));
        }
        QJsonObject entry = ratingJson(report.ears[ear]);
        entry.insert(QStringLiteral("ear"), earName(ear, Wording::Stored));
        entry.insert(QStringLiteral("cells"), cells);
        entry.insert(QStringLiteral("bands"), bands);
        ears.append(entry);
    }
    QJsonArray retests;
    for (const auto& retest : report.retests) {
        const char* level = retest.level == RetestCheck::Fail      ? "fail"
                            : retest.level == RetestCheck::Caution ? "caution"
                                                                   : "fine";
        retests.append(QJsonObject{{QStringLiteral("ear"), earName(retest.ear, Wording::Stored)},
                                   {QStringLiteral("run"), retest.run},
                                   {QStringLiteral("difference"), retest.difference},
                                   {QStringLiteral("level"), QString::fromLatin1(level)}});
    }
    const char* verdict = report.verdict == Verdict::Sufficient     ? "sufficient"
                          : report.verdict == Verdict::Insufficient ? "insufficient"
                                                                    : "no_rating";
    return {{QStringLiteral("person"), record.data.person},
            {QStringLiteral("location"), record.data.location},
            {QStringLiteral("run1"),
             record.Test1Result.TestDate + QLatin1Char(' ') + record.Test1Result.TestTime},
            {QStringLiteral("run2"),
             record.Test2Result.TestDate + QLatin1Char(' ') + record.Test2Result.TestTime},
            {QStringLiteral("calibration"), document.calibration},
            {QStringLiteral("band_centres"), QJsonArray{125, 250, 500, 1000, 2000, 4000, 8000}},
            {QStringLiteral("ears"), ears},
            {QStringLiteral("binaural"), ratingJson(report.binaural)},
            {QStringLiteral("exposure"), number(report.parameters.exposure)},
            {QStringLiteral("wanted_at_ear"), number(report.parameters.wantedAtEar)},
            {QStringLiteral("required"), number(report.required)},
            {QStringLiteral("level_at_ear"), number(report.levelAtEar)},
            {QStringLiteral("verdict"), QString::fromLatin1(verdict)},
            {QStringLiteral("overprotection"), report.overprotection},
            {QStringLiteral("retests"), retests},
            {QStringLiteral("cautions"), QJsonArray::fromStringList(report.storedCautions)},
            {QStringLiteral("method"),
             fitCheckMethodText(report.parameters.practiceDeviation, Wording::Stored)}};
}

} // namespace tavo::engine
