#pragma once

#include "engine/TestRecord.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace tavo::engine {

// The fit-check report: how much the ear plugs of the second run attenuate,
// per ear and frequency, rated in octave bands with a pink reference noise
// in the manner of ISO 4869-2 (a personal attenuation rating, PAR), held
// against the noise at work, with the flags that say when a result cannot be
// trusted. The thresholds are used as stored, as the summary figures use
// them (with "Praxisabweichung" the second run played 5 dB louder at the
// same shown level).

inline constexpr int kBands = 7;
inline constexpr std::array<int, kBands> kBandCentres = {125, 250, 500, 1000, 2000, 4000, 8000};
inline constexpr std::array<double, kBands> kAWeighting = {-16.1, -8.6, -3.2, 0.0, 1.2, 1.0, -1.1};
inline constexpr double kReferenceBandLevel = 100.0; // pink: the same in every band
inline constexpr int kMinimumBands = 4;
inline constexpr int kTopOfRange = 100; // dB HL: no response up to here
inline constexpr int kRetestIndex = 11;
inline constexpr int kRetestReferenceIndex = 4; // the first 1000 Hz

// What can make one run's threshold at one ear and frequency untrustworthy.
enum CellFlag : unsigned {
    NoThreshold = 1u << 0,  // the run has none here
    FewReversals = 1u << 1, // fewer than the minimum: ended by time
    WideSpread = 1u << 2,   // spread above 10 dB (the audiogram's hatching)
    AtTop = 1u << 3,        // at the top of the range, or no response up to it
};

struct FitCheckParameters {
    double levelStep = 3.0;
    int minReversals = 6;
    bool reject1st = true;
    bool practiceDeviation = true;
    std::optional<double> exposure; // L_EX, dB(A)
    double wantedAtEar = 80.0;      // dB(A)
};

// One ear at one frequency: both runs and the attenuation between them.
struct FitCheckCell {
    int index = 0; // result index (slot - 1)
    int frequency = 0;
    std::array<std::optional<int>, 2> threshold; // run 1, run 2 (dB HL)
    std::array<double, 2> error{};               // standard error of each threshold
    std::array<unsigned, 2> flags{};
    std::optional<double> attenuation; // run 2 - run 1
    bool atLeast = false;              // "≥": no response up to the top in run 2
    double attenuationError = 0.0;
};

struct FitCheckBand {
    std::optional<double> attenuation;
    double error = 0.0;
    bool atLeast = false;
};

// A PAR with its uncertainty; empty with fewer than four bands.
struct Rating {
    std::optional<double> par;
    double uncertainty = 0.0;
    bool atLeast = false;
    std::vector<int> missingBands; // centre frequencies
    std::optional<double> par84() const;
    std::optional<double> par95() const;
};

// The PAR of band attenuations (missing bands left out) and its uncertainty
// propagated from the bands' standard errors.
Rating rate(const std::array<FitCheckBand, kBands>& bands);

// A threshold's standard error: the standard deviation of its counted
// reversals over the root of their number, at least levelStep / sqrt(12) (a
// level known only to the step, as when all are equal).
double thresholdError(const TReversalList& list, bool reject1st, double levelStep);

enum class Verdict { NoRating, Sufficient, Insufficient };

struct RetestCheck {
    int ear = 0;
    int run = 0;
    int difference = 0; // retest - first 1000 Hz threshold
    enum Level { Fine, Caution, Fail } level = Fine;
};

struct FitCheckReport {
    std::array<std::vector<FitCheckCell>, kEars> cells; // the tested frequencies
    std::array<std::array<FitCheckBand, kBands>, kEars> bands;
    std::array<FitCheckBand, kBands> binauralBands;
    std::array<Rating, kEars> ears;
    Rating binaural;
    FitCheckParameters parameters;
    std::optional<double> required;   // L_EX - wanted
    std::optional<double> levelAtEar; // L_EX - binaural PAR
    Verdict verdict = Verdict::NoRating;
    bool overprotection = false; // level at the ear below 70 dB(A)
    std::vector<RetestCheck> retests;
    QStringList cautions;       // each with its reason, in the program's language
    QStringList storedCautions; // the same as the JSON keeps them: German
};

FitCheckReport evaluateFitCheck(const TestRecord& record, const FitCheckParameters& parameters);

// The report's words as the program shows them (in its language) or as
// files keep them (German whatever the language, so a file reads the same
// on every station).
enum class Wording { Shown, Stored };

// A marked text of `context` in the wording asked for.
QString worded(const char* context, const char* text, Wording wording);
QString verdictText(Verdict verdict, Wording wording = Wording::Shown);
QString flagTexts(unsigned flags, Wording wording = Wording::Shown);
QString earName(int ear, Wording wording = Wording::Shown); // "links", "rechts"
// One decimal: "23,4" as stored and in German, with the decimal point of
// the program's language when shown ("23.4" in English).
QString decibels(double value, Wording wording = Wording::Shown);

} // namespace tavo::engine
