#pragma once

#include "engine/ListenerDescription.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tavo::engine {

// The simulated people of an accuracy measurement, described by hearing
// level: people at work with usual hearing, each made from the seed and his
// number alone, so that every one of them is the same however many are
// tested and in whatever order.
//  - hearing: a level of his own, uniform in -10..20 dB HL, each ear a few
//    dB (+-3) off it and each frequency a few more (+-3), kept in -10..20;
//  - with an ear plug: in the second run an attenuation of 10..35 dB per ear
//    and frequency (second_run_shift);
//  - human: a psychometric slope of 1..3 dB, a latency of 150..400 ms and
//    false presses at up to 3 % of the pulses he does not hear; without,
//    the exact listener;
//  - the default headphones, and the examiner ends the trial at pulse 10.
struct PopulationOptions {
    std::uint64_t seed = 1;
    bool plug = false;
    bool human = true;
};

ListenerDescription populationListener(const PopulationOptions& options, int index);

// The calibrating listener of a measurement: 0 dB HL everywhere, the
// default headphones, no known audiogram (a young person with healthy
// hearing), exact.
ListenerDescription normalHearingListener();

// The summary figures a test would show if it found the listener's exact
// thresholds: per ear the mean of (first run - second run) over the tested
// frequencies, which is minus the second run's shift, plus 5 dB when the
// second run plays 5 dB louder ("Praxisabweichung"), rounded as the
// summary rounds (RoundHalfUp); APV the rounded mean of the two.
struct TrueFigures {
    std::int32_t ospl = 0;
    std::int32_t ospr = 0;
    std::int32_t apv = 0;
};
// `tested`: slots 1..11 (index 0 unused). Nothing when none is tested.
std::optional<TrueFigures> trueFigures(const ListenerDescription& listener,
                                       const std::array<bool, 12>& tested, bool practiceDeviation);

} // namespace tavo::engine
