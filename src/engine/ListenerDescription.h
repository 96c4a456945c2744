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

// A simulated listener (and the examiner beside him), as its JSON file
// describes it (docs/listener-json.md):
//  - thresholds: dB HL per ear at 125 .. 8000 Hz (required);
//  - second_run_shift: added to the thresholds in the second run (an ear
//    plug, say);
//  - trial_pulses: the examiner ends the trial during this pulse (10);
//  - stop: the examiner stops the test during this pulse;
//  - responses: forced button states;
//  - calibration: a calibration file the demonstration loads (relative to
//    the listener file).
struct ListenerDescription {
    using PerFrequency = std::array<double, 11>;
    std::array<PerFrequency, 2> thresholds{};
    std::array<PerFrequency, 2> secondRunShift{};
    int trialPulses = 10;
    std::optional<ListenerPulse> stop;
    std::vector<ListenerResponse> responses;
    QString calibration; // absolute path, or empty
};

// The index 0..10 of a test frequency (125 .. 8000 Hz), or nothing.
std::optional<int> testFrequencyIndex(int frequency);

// Parses a description. Relative file names in it are taken relative to
// `folder`. Bad JSON, unknown keys, missing thresholds, lists that do not
// have eleven numbers and out-of-range values give nothing and a German
// reason naming the place.
std::optional<ListenerDescription> parseListener(const QByteArray& json, const QString& folder,
                                                 QString& error);
// Reads and parses a listener file.
std::optional<ListenerDescription> loadListener(const QString& fileName, QString& error);

} // namespace tavo::engine
