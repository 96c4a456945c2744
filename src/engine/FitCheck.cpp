#include "engine/FitCheck.h"

#include "engine/Evaluation.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace tavo::engine {

namespace {

constexpr std::array<int, kResultIndexes> kFrequencyOf = {125,  250,  500,  750,  1000, 1500,
                                                          2000, 3000, 4000, 6000, 8000, 1000};
// The result index of each band's centre and of the frequency below it that
// is averaged in when tested (-1: none).
constexpr std::array<int, kBands> kCentreIndex = {0, 1, 2, 4, 6, 8, 10};
constexpr std::array<int, kBands> kNeighbourIndex = {-1, -1, -1, -1, -1, 7, 9};
constexpr double kWideSpread = 10.0;

// The rules compare the figures as the report shows them (0.1 dB), so a
// reader who checks the verdict against the printed numbers comes to it too.
double shown(double value) {
    return std::round(value * 10.0) / 10.0;
}
constexpr double kOverprotected = 70.0;

std::optional<int> thresholdAt(const TTestResult& run, int ear, int index) {
    const std::int32_t value = run.Thresholds[ear][index];
    return value == kNoThreshold ? std::nullopt : std::optional<int>(value);
}

unsigned flagsOf(const TTestResult& run, int ear, int index, const FitCheckParameters& p) {
    const auto threshold = thresholdAt(run, ear, index);
    if (!threshold) {
        return NoThreshold;
    }
    const auto& list = run.Reversals[ear][index];
    unsigned flags = 0;
    if (list.Count < p.minReversals) {
        flags |= FewReversals;
    }
    if (list.Spread > kWideSpread) {
        flags |= WideSpread;
    }
    if (*threshold >= kTopOfRange) {
        flags |= AtTop;
    }
    return flags;
}

FitCheckCell cellOf(const TestRecord& record, int ear, int index, const FitCheckParameters& p) {
    FitCheckCell cell;
    cell.index = index;
    cell.frequency = kFrequencyOf[index];
    const TTestResult* runs[] = {&record.Test1Result, &record.Test2Result};
    for (int run = 0; run < 2; ++run) {
        cell.threshold[run] = thresholdAt(*runs[run], ear, index);
        cell.flags[run] = flagsOf(*runs[run], ear, index, p);
        if (cell.threshold[run]) {
            cell.error[run] =
                thresholdError(runs[run]->Reversals[ear][index], p.reject1st, p.levelStep);
        }
    }
    if (cell.threshold[0] && cell.threshold[1]) {
        cell.attenuation = double(*cell.threshold[1] - *cell.threshold[0]);
        cell.atLeast = (cell.flags[1] & AtTop) != 0;
        cell.attenuationError = std::hypot(cell.error[0], cell.error[1]);
    } else if (cell.threshold[0] && !cell.threshold[1]) {
        // The second run found no threshold: the plug kept the tone out up
        // to the top of the range, or the run ended without a response.
        cell.flags[1] |= AtTop;
        cell.attenuation = double(kTopOfRange - *cell.threshold[0]);
        cell.atLeast = true;
        cell.attenuationError = cell.error[0];
    }
    return cell;
}

const FitCheckCell* find(const std::vector<FitCheckCell>& cells, int index) {
    for (const auto& cell : cells) {
        if (cell.index == index && cell.attenuation) {
            return &cell;
        }
    }
    return nullptr;
}

FitCheckBand bandOf(const std::vector<FitCheckCell>& cells, int band) {
    FitCheckBand result;
    const FitCheckCell* centre = find(cells, kCentreIndex[band]);
    if (centre == nullptr) {
        return result;
    }
    const FitCheckCell* neighbour =
        kNeighbourIndex[band] >= 0 ? find(cells, kNeighbourIndex[band]) : nullptr;
    if (neighbour == nullptr) {
        return {centre->attenuation, centre->attenuationError, centre->atLeast};
    }
    return {(*centre->attenuation + *neighbour->attenuation) / 2.0,
            std::hypot(centre->attenuationError, neighbour->attenuationError) / 2.0,
            centre->atLeast || neighbour->atLeast};
}

QString worded(const char* text, Wording wording) {
    return engine::worded("FitCheck", text, wording);
}

// A caution in both wordings.
template <typename Text> void caution(FitCheckReport& report, const Text& text) {
    report.cautions << text(Wording::Shown);
    report.storedCautions << text(Wording::Stored);
}

void addCautions(FitCheckReport& report) {
    for (int ear = 0; ear < kEars; ++ear) {
        const auto& low = report.bands[ear][0];
        if (low.attenuation && shown(*low.attenuation) < 10.0) {
            caution(report, [&](Wording w) {
                return worded(QT_TRANSLATE_NOOP("FitCheck",
                                                "Dämpfung bei 125 Hz unter 10 dB (%1: %2 dB): der "
                                                "Stöpsel sitzt womöglich nicht dicht."),
                              w)
                    .arg(earName(ear, w), decibels(*low.attenuation, w));
            });
        }
    }
    const auto& left = report.ears[kLeftEar].par;
    const auto& right = report.ears[kRightEar].par;
    if (left && right && std::abs(shown(*left) - shown(*right)) >= 15.0) {
        caution(report, [&](Wording w) {
            return worded(QT_TRANSLATE_NOOP("FitCheck",
                                            "Die PAR beider Ohren liegen %1 dB auseinander "
                                            "(links %2 dB, rechts %3 dB)."),
                          w)
                .arg(decibels(std::abs(*left - *right), w), decibels(*left, w),
                     decibels(*right, w));
        });
    }
    for (int ear = 0; ear < kEars; ++ear) {
        for (const int centre : report.ears[ear].missingBands) {
            caution(report, [&](Wording w) {
                return worded(QT_TRANSLATE_NOOP("FitCheck", "Das Band %1 Hz fehlt (%2): dort ist "
                                                            "keine Dämpfung gemessen."),
                              w)
                    .arg(centre)
                    .arg(earName(ear, w));
            });
        }
        for (const auto& cell : report.cells[ear]) {
            for (int run = 0; run < 2; ++run) {
                if (cell.flags[run] != 0) {
                    caution(report, [&](Wording w) {
                        return worded(QT_TRANSLATE_NOOP("FitCheck", "%1, %2 Hz, Durchlauf %3: %4"),
                                      w)
                            .arg(earName(ear, w))
                            .arg(cell.frequency)
                            .arg(run + 1)
                            .arg(flagTexts(cell.flags[run], w));
                    });
                }
            }
        }
    }
    for (const auto& retest : report.retests) {
        if (retest.level != RetestCheck::Fine) {
            caution(report, [&](Wording w) {
                return worded(QT_TRANSLATE_NOOP("FitCheck", "Die Wiederholung bei 1000 Hz weicht "
                                                            "um %1 dB ab (%2, Durchlauf %3)%4"),
                              w)
                    .arg(retest.difference)
                    .arg(earName(retest.ear, w))
                    .arg(retest.run)
                    .arg(retest.level == RetestCheck::Fail
                             ? worded(QT_TRANSLATE_NOOP("FitCheck",
                                                        ": nicht verwertbar (10 dB oder mehr)."),
                                      w)
                             : worded(QT_TRANSLATE_NOOP("FitCheck", ": mehr als 5 dB."), w));
            });
        }
    }
}

} // namespace

std::optional<double> Rating::par84() const {
    return par ? std::optional<double>(*par - uncertainty) : std::nullopt;
}

std::optional<double> Rating::par95() const {
    return par ? std::optional<double>(*par - 1.64 * uncertainty) : std::nullopt;
}

double thresholdError(const TReversalList& list, bool reject1st, double levelStep) {
    const double floor = levelStep / std::sqrt(12.0);
    const int first = reject1st ? 2 : 1;
    const int last = std::min(list.Count, kMaxReversals);
    const int n = last - first + 1;
    if (n < 2) {
        return floor;
    }
    double mean = 0.0;
    for (int k = first; k <= last; ++k) {
        mean += list.Levels[k - 1];
    }
    mean /= n;
    double squares = 0.0;
    for (int k = first; k <= last; ++k) {
        squares += (list.Levels[k - 1] - mean) * (list.Levels[k - 1] - mean);
    }
    return std::max(std::sqrt(squares / (n - 1)) / std::sqrt(double(n)), floor);
}

Rating rate(const std::array<FitCheckBand, kBands>& bands) {
    Rating rating;
    double open = 0.0;
    double occluded = 0.0;
    std::array<double, kBands> terms{};
    int used = 0;
    for (int b = 0; b < kBands; ++b) {
        if (!bands[b].attenuation) {
            rating.missingBands.push_back(kBandCentres[b]);
            continue;
        }
        const double level = kReferenceBandLevel + kAWeighting[b];
        open += std::pow(10.0, 0.1 * level);
        terms[b] = std::pow(10.0, 0.1 * (level - *bands[b].attenuation));
        occluded += terms[b];
        rating.atLeast = rating.atLeast || bands[b].atLeast;
        ++used;
    }
    if (used < kMinimumBands) {
        return rating;
    }
    rating.par = 10.0 * std::log10(open) - 10.0 * std::log10(occluded);
    // dPAR/dA_b is the band's share of the occluded level.
    double variance = 0.0;
    for (int b = 0; b < kBands; ++b) {
        if (bands[b].attenuation) {
            const double weight = terms[b] / occluded;
            variance += weight * weight * bands[b].error * bands[b].error;
        }
    }
    rating.uncertainty = std::sqrt(variance);
    return rating;
}

FitCheckReport evaluateFitCheck(const TestRecord& record, const FitCheckParameters& parameters) {
    FitCheckReport report;
    report.parameters = parameters;
    for (int ear = 0; ear < kEars; ++ear) {
        for (int index = 0; index < kRetestIndex; ++index) {
            FitCheckCell cell = cellOf(record, ear, index, parameters);
            if (cell.threshold[0] || cell.threshold[1]) {
                report.cells[ear].push_back(cell);
            }
        }
        for (int b = 0; b < kBands; ++b) {
            report.bands[ear][b] = bandOf(report.cells[ear], b);
        }
        report.ears[ear] = rate(report.bands[ear]);
        const TTestResult* runs[] = {&record.Test1Result, &record.Test2Result};
        for (int run = 0; run < 2; ++run) {
            const auto retest = thresholdAt(*runs[run], ear, kRetestIndex);
            const auto first = thresholdAt(*runs[run], ear, kRetestReferenceIndex);
            if (retest && first) {
                const int difference = *retest - *first;
                const auto level = std::abs(difference) >= 10 ? RetestCheck::Fail
                                   : std::abs(difference) > 5 ? RetestCheck::Caution
                                                              : RetestCheck::Fine;
                report.retests.push_back({ear, run + 1, difference, level});
            }
        }
    }
    // Both ears: each band's smaller attenuation.
    for (int b = 0; b < kBands; ++b) {
        const auto& left = report.bands[kLeftEar][b];
        const auto& right = report.bands[kRightEar][b];
        if (left.attenuation && right.attenuation) {
            report.binauralBands[b] = *left.attenuation <= *right.attenuation ? left : right;
        }
    }
    report.binaural = rate(report.binauralBands);

    if (parameters.exposure) {
        report.required = *parameters.exposure - parameters.wantedAtEar;
        if (report.binaural.par) {
            report.levelAtEar = *parameters.exposure - *report.binaural.par;
            report.verdict = shown(*report.binaural.par84()) >= shown(*report.required)
                                 ? Verdict::Sufficient
                                 : Verdict::Insufficient;
            report.overprotection = shown(*report.levelAtEar) < kOverprotected;
        }
    }
    addCautions(report);
    return report;
}

QString verdictText(Verdict verdict, Wording wording) {
    switch (verdict) {
    case Verdict::Sufficient:
        return worded(QT_TRANSLATE_NOOP("FitCheck", "Ausreichend"), wording);
    case Verdict::Insufficient:
        return worded(QT_TRANSLATE_NOOP("FitCheck", "Nicht ausreichend"), wording);
    case Verdict::NoRating:
        break;
    }
    return worded(QT_TRANSLATE_NOOP("FitCheck", "Keine Bewertung"), wording);
}

QString flagTexts(unsigned flags, Wording wording) {
    QStringList texts;
    if ((flags & NoThreshold) != 0) {
        texts << worded(QT_TRANSLATE_NOOP("FitCheck", "keine Hörschwelle"), wording);
    }
    if ((flags & FewReversals) != 0) {
        texts << worded(QT_TRANSLATE_NOOP(
                            "FitCheck", "weniger Richtungswechsel als verlangt (Zeit abgelaufen)"),
                        wording);
    }
    if ((flags & WideSpread) != 0) {
        texts << worded(QT_TRANSLATE_NOOP("FitCheck", "Streuung über 10 dB"), wording);
    }
    if ((flags & AtTop) != 0) {
        texts << worded(QT_TRANSLATE_NOOP("FitCheck", "keine Reaktion unter 100 dB HL"), wording);
    }
    return texts.join(QStringLiteral(", "));
}

QString worded(const char* context, const char* text, Wording wording) {
    return wording == Wording::Shown ? QCoreApplication::translate(context, text)
                                     : QString::fromUtf8(text);
}

QString earName(int ear, Wording wording) {
    return ear == kLeftEar ? worded(QT_TRANSLATE_NOOP("FitCheck", "links"), wording)
                           : worded(QT_TRANSLATE_NOOP("FitCheck", "rechts"), wording);
}

QString decibels(double value, Wording wording) {
    //: The decimal separator of the report's figures.
    return QString::number(value, 'f', 1)
        .replace(QLatin1Char('.'), worded(QT_TRANSLATE_NOOP("FitCheck", ","), wording));
}

} // namespace tavo::engine
