#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace tavo::engine {

// One pulse of a scripted test, named as an examiner would: the run (1 or
// 2), the ear, the frequency in Hz and the pulse's number at that
// frequency (from 1; the trial's wraps do not restart it). `trial` names a
// pulse of the trial, which plays the frequency it practises on.
struct ListenerPulse {
    int run = 1;
    int ear = 0;
    int frequency = 0;
    int pulse = 1;
    bool trial = false;
};

// A forced button state for one pulse, heard or not.
struct ListenerResponse {
    ListenerPulse at;
    bool pressed = false;
};

// The scale a listener's thresholds are given on: the level the test
// window shows, or the person's hearing level, which the listener compares
// with what the simulated sound card actually puts into the headphones.
enum class ListenerScale { Shown, HearingLevel };

// What a full-scale tone at unity gain gives in the ear, in dB HL, per ear
// at 125 .. 8000 Hz: the headphones of a listener described by hearing
// level, unless the file names others.
inline constexpr std::array<double, 11> kDefaultHeadphones = {96,  99,  102, 103, 104, 104,
                                                              103, 100, 98,  94,  91};

// A simulated listener (and the examiner beside him), as its JSON file
// describes it (docs/listener-json.md):
//  - scale: "shown" (the default) or "hearing-level";
//  - thresholds: dB per ear at 125 .. 8000 Hz on that scale (required);
//  - second_run_shift: added to the thresholds in the second run (an ear
//    plug, say);
//  - headphones: dB HL of a full-scale tone at unity gain (hearing level);
//  - psychometric_slope_db, latency_ms, false_press_rate: a more human
//    listener (absent: the exact listener);
//  - known_audiogram: in a calibration by ear, answers that his thresholds
//    are known and types them;
//  - name: who he is (a calibration names him);
//  - trial_pulses: the examiner ends the trial during this pulse (10);
//  - stop: the examiner stops the test during this pulse;
//  - responses: forced button states;
//  - calibration: a calibration file the demonstration loads (relative to
//    the listener file).
struct ListenerDescription {
    using PerFrequency = std::array<double, 11>;
    ListenerScale scale = ListenerScale::Shown;
    std::array<PerFrequency, 2> thresholds{};
    std::array<PerFrequency, 2> secondRunShift{};
    std::array<PerFrequency, 2> headphones{kDefaultHeadphones, kDefaultHeadphones};
    double psychometricSlopeDb = 0.0;
    std::optional<double> latencyMs; // absent: holds the button for the whole heard pulse
    double falsePressRate = 0.0;
    bool knownAudiogram = false;
    QString name;
    int trialPulses = 10;
    std::optional<ListenerPulse> stop;
    std::vector<ListenerResponse> responses;
    QString calibration; // absolute path, or empty
};

// The index 0..10 of a test frequency (125 .. 8000 Hz), or nothing.
std::optional<int> testFrequencyIndex(int frequency);

// Parses a description. Relative file names in it are taken relative to
// `folder`. Bad JSON, unknown keys, missing thresholds, lists that do not
// have eleven numbers and out-of-range values give nothing and a reason
// naming the place, in the program's language.
std::optional<ListenerDescription> parseListener(const QByteArray& json, const QString& folder,
                                                 QString& error);
// Reads and parses a listener file.
std::optional<ListenerDescription> loadListener(const QString& fileName, QString& error);

} // namespace tavo::engine
