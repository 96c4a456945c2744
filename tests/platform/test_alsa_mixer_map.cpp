// How ALSA simple-mixer elements become the lines and controls of a mixer
// device, for element lists like those of real cards.

#include "platform/alsa/AlsaMixerMap.h"

#include <gtest/gtest.h>

#include <set>

using namespace tavo::platform;
using alsa::ElementInfo;
using alsa::MappedLine;

namespace {

ElementInfo playback(const std::string& name, long min, long max, unsigned channels,
                     bool withSwitch = true) {
    ElementInfo e;
    e.name = name;
    e.playbackVolume = max > min;
    e.playbackMin = min;
    e.playbackMax = max;
    e.playbackSwitch = withSwitch;
    e.playbackSwitchJoined = withSwitch;
    e.playbackChannels = channels;
    return e;
}

ElementInfo capture(const std::string& name, long max, unsigned channels, bool withSwitch) {
    ElementInfo e;
    e.name = name;
    e.captureVolume = max > 0;
    e.captureMax = max;
    e.captureSwitch = withSwitch;
    e.captureChannels = channels;
    return e;
}

// An AC'97-like card, elements in ALSA's order.
std::vector<ElementInfo> consumerCard() {
    std::vector<ElementInfo> elements;
    elements.push_back(playback("Master", 0, 31, 2));
    elements.push_back(playback("Headphone", 0, 31, 2));
    elements.push_back(playback("Bass", 0, 15, 1, false));
    elements.push_back(playback("Treble", 0, 15, 1, false));
    elements.push_back(playback("PCM", -40, 215, 2));
    elements.push_back(playback("Speaker", 0, 3, 2, false));
    elements.push_back(playback("Line", 0, 31, 2));
    elements.push_back(playback("CD", 0, 31, 2));
    ElementInfo mic = playback("Mic", 0, 31, 1);
    mic.captureSwitch = true;
    mic.captureChannels = 1;
    elements.push_back(mic);
    elements.push_back(playback("Beep", 0, 15, 1));
    elements.push_back(playback("IEC958", 0, 0, 2)); // a switch only
    elements.push_back(playback("Front", 0, 31, 2)); // not in the table
    ElementInfo capt = capture("Capture", 15, 2, true);
    capt.captureVolumeJoined = false;
    elements.push_back(capt);
    ElementInfo source;
    source.name = "Capture Source";
    source.captureEnum = true;
    source.enumItems = 5;
    elements.push_back(source);
    ElementInfo autoMute; // an enumeration that is no capture source
    autoMute.name = "Auto-Mute Mode";
    elements.push_back(autoMute);
    ElementInfo inactive = capture("Aux", 31, 2, false);
    inactive.active = false;
    elements.push_back(inactive);
    return elements;
}

std::vector<std::pair<std::uint32_t, std::string>> typesAndElements(const MappedLine& line) {
    std::vector<std::pair<std::uint32_t, std::string>> out;
    for (const auto& c : line.controls) {
        out.push_back({c.info.type, c.info.shortName});
    }
    return out;
}

const MappedLine* sourceOf(const alsa::MappedDestination& d, std::uint32_t type) {
    for (const auto& s : d.sources) {
        if (s.info.componentType == type) {
            return &s;
        }
    }
    return nullptr;
}

} // namespace

TEST(AlsaMixerMap, ConsumerCardSpeakersDestination) {
    const auto layout = alsa::mapElements(consumerCard());
    ASSERT_EQ(layout.destinations.size(), 2u);
    const auto& speakers = layout.destinations[0];
    EXPECT_EQ(speakers.line.info.componentType, line::DstSpeakers);
    EXPECT_EQ(speakers.line.info.lineId, 0xFFFF0000u);
    // The table's order: Speaker before Headphone, so the headphone gain is
    // the last UNSIGNED and the one the mixer layer keeps.
    const std::vector<std::pair<std::uint32_t, std::string>> expected = {
        {control::Volume, "Master"},    {control::Mute, "Master"},
        {control::Bass, "Bass"},        {control::Treble, "Treble"},
        {control::Unsigned, "Speaker"}, {control::Unsigned, "Headphone"},
    };
    EXPECT_EQ(typesAndElements(speakers.line), expected);

    const auto& master = speakers.line.controls[0];
    EXPECT_EQ(master.info.minimum, 0);
    EXPECT_EQ(master.info.maximum, 31);
    EXPECT_EQ(master.info.steps, 31u);
    EXPECT_EQ(master.info.flags & control::FlagUniform, 0u);
    EXPECT_EQ(master.info.name, "Master Playback Volume");
    EXPECT_EQ(speakers.line.controls[1].info.flags & control::FlagUniform,
              control::FlagUniform); // a joined switch
    EXPECT_EQ(speakers.line.controls[2].info.flags & control::FlagUniform,
              control::FlagUniform); // a mono element
    EXPECT_EQ(speakers.line.info.channels, 2u);
    EXPECT_EQ(speakers.line.info.controls, 6u);
    EXPECT_EQ(speakers.line.info.connections, speakers.sources.size());

    // Controls are numbered through the device and found by their number.
    EXPECT_EQ(speakers.line.controls[5].info.controlId, 6u);
    EXPECT_EQ(layout.findControl(6), &speakers.line.controls[5]);
    EXPECT_EQ(layout.findLine(speakers.sources[0].info.lineId), &speakers.sources[0]);
}

TEST(AlsaMixerMap, ConsumerCardSourcesOfTheSpeakers) {
    const auto layout = alsa::mapElements(consumerCard());
    const auto& speakers = layout.destinations[0];

    const auto* wave = sourceOf(speakers, line::SrcWaveOut);
    ASSERT_NE(wave, nullptr);
    EXPECT_EQ(wave->info.flags, line::FlagActive | line::FlagSource);
    ASSERT_EQ(wave->controls.size(), 2u);
    // A range that does not start at 0: presented from 0, one step per raw step.
    EXPECT_EQ(wave->controls[0].info.maximum, 255);
    EXPECT_EQ(wave->controls[0].info.steps, 255u);
    EXPECT_EQ(wave->controls[0].rawMin, -40);
    EXPECT_EQ(wave->controls[1].info.type, control::Mute);

    for (const auto type :
         {line::SrcLine, line::SrcCompactDisc, line::SrcMicrophone, line::SrcPcSpeaker}) {
        const auto* s = sourceOf(speakers, type);
        ASSERT_NE(s, nullptr) << type;
        ASSERT_EQ(s->controls.size(), 2u) << type;
        EXPECT_EQ(s->controls[0].info.type, control::Volume);
        EXPECT_EQ(s->controls[1].info.type, control::Mute);
    }
    EXPECT_EQ(sourceOf(speakers, line::SrcPcSpeaker)->info.name, "Beep");
    const auto* digital = sourceOf(speakers, line::SrcDigital);
    ASSERT_NE(digital, nullptr);
    ASSERT_EQ(digital->controls.size(), 1u);
    EXPECT_EQ(digital->controls[0].info.type, control::Mute);

    // What the table does not know is listed on a line of its own per
    // element: the headphone's switch (its volume is the gain) and "Front".
    std::vector<std::pair<std::string, std::size_t>> others;
    for (const auto& s : speakers.sources) {
        if (s.info.componentType == line::SrcUndefined) {
            others.push_back({s.info.name, s.controls.size()});
        }
    }
    EXPECT_EQ(others,
              (std::vector<std::pair<std::string, std::size_t>>{{"Headphone", 1}, {"Front", 2}}));
}

TEST(AlsaMixerMap, ConsumerCardWaveInDestination) {
    const auto layout = alsa::mapElements(consumerCard());
    const auto& wavein = layout.destinations[1];
    EXPECT_EQ(wavein.line.info.componentType, line::DstWaveIn);
    EXPECT_EQ(wavein.line.info.lineId, 0xFFFF0001u);
    const std::vector<std::pair<std::uint32_t, std::string>> expected = {
        {control::Volume, "Capture"},
        {control::Mute, "Capture"},
        {control::Mixer, "Capture Source"},
    };
    EXPECT_EQ(typesAndElements(wavein.line), expected);
    const auto& select = wavein.line.controls[2];
    EXPECT_EQ(select.info.items, 5u);
    EXPECT_EQ(select.info.flags & (control::FlagUniform | control::FlagMultiple),
              control::FlagUniform | control::FlagMultiple);
    EXPECT_EQ(wavein.line.controls[0].info.name, "Capture Volume");

    const auto* mic = sourceOf(wavein, line::SrcMicrophone);
    ASSERT_NE(mic, nullptr);
    ASSERT_EQ(mic->controls.size(), 1u);
    EXPECT_EQ(mic->controls[0].info.type, control::OnOff);
    EXPECT_EQ(mic->controls[0].access, alsa::Access::CaptureOnOff);

    const auto* aux = sourceOf(wavein, line::SrcAuxiliary);
    ASSERT_NE(aux, nullptr);
    EXPECT_EQ(aux->controls[0].info.flags & control::FlagDisabled, control::FlagDisabled);
    EXPECT_EQ(aux->info.flags & line::FlagActive, 0u);
}

TEST(AlsaMixerMap, SoundServerCardAndCardsWithoutAPath) {
    // What ALSA's `default` shows with PulseAudio.
    ElementInfo master = playback("Master", 0, 65536, 2);
    master.playbackSwitchJoined = true;
    ElementInfo capt = capture("Capture", 65536, 2, true);
    const auto server = alsa::mapElements({master, capt});
    ASSERT_EQ(server.destinations.size(), 2u);
    EXPECT_EQ(server.destinations[0].line.controls[0].info.maximum, 65536);
    EXPECT_EQ(server.destinations[0].line.controls[0].info.steps, 65536u);
    EXPECT_TRUE(server.destinations[0].sources.empty());

    // Only capture: no speakers destination at all.
    const auto captureOnly = alsa::mapElements({capt});
    ASSERT_EQ(captureOnly.destinations.size(), 1u);
    EXPECT_EQ(captureOnly.destinations[0].line.info.componentType, line::DstWaveIn);

    // Only unknown playback elements, after a capture element: the speakers
    // still come first.
    const auto unknown = alsa::mapElements({capt, playback("Front", 0, 10, 2)});
    ASSERT_EQ(unknown.destinations.size(), 2u);
    EXPECT_EQ(unknown.destinations[0].line.info.componentType, line::DstSpeakers);
    EXPECT_TRUE(unknown.destinations[0].line.controls.empty());
    EXPECT_EQ(unknown.destinations[0].sources.size(), 1u);

    EXPECT_TRUE(alsa::mapElements({}).destinations.empty());

    // A raw range beyond 32 bits is cut to what the bounds can hold.
    const auto huge = alsa::mapElements({playback("Master", 0, 1L << 40, 2)});
    EXPECT_EQ(huge.destinations[0].line.controls[0].info.maximum, 2147483647);
}

TEST(AlsaMixerMap, ProgramVolumeStandsInForAMissingWaveVolume) {
    // `default` on a sound server: Master and Capture, no PCM.
    ElementInfo master = playback("Master", 0, 65536, 2);
    ElementInfo capt = capture("Capture", 65536, 2, true);
    const auto server = alsa::mapElements({master, capt}, true);
    ASSERT_EQ(server.destinations.size(), 2u);
    const auto& speakers = server.destinations[0];
    EXPECT_EQ(speakers.line.info.componentType, line::DstSpeakers);
    ASSERT_EQ(speakers.sources.size(), 1u);
    EXPECT_EQ(speakers.line.info.connections, 1u);
    // The speakers keep what the sink offers.
    EXPECT_EQ(typesAndElements(speakers.line),
              (std::vector<std::pair<std::uint32_t, std::string>>{{control::Volume, "Master"},
                                                                  {control::Mute, "Master"}}));

    const auto& wave = speakers.sources[0];
    EXPECT_EQ(wave.info.componentType, line::SrcWaveOut);
    EXPECT_EQ(wave.info.name, "Wave");
    EXPECT_EQ(wave.info.shortName, "Wave");
    EXPECT_EQ(wave.info.flags, line::FlagActive | line::FlagSource);
    EXPECT_EQ(wave.info.channels, 2u);
    EXPECT_EQ(wave.info.controls, 1u);
    EXPECT_EQ(server.findLine(wave.info.lineId), &wave);
    ASSERT_EQ(wave.controls.size(), 1u);
    const auto& volume = wave.controls[0];
    EXPECT_EQ(volume.access, alsa::Access::ProgramVolume);
    EXPECT_EQ(volume.info.type, control::Volume);
    EXPECT_EQ(volume.info.minimum, 0);
    EXPECT_EQ(volume.info.maximum, 65535);
    EXPECT_EQ(volume.info.steps, 255u);
    EXPECT_EQ(volume.channels, 2u);
    // Two channels set apart, and usable.
    EXPECT_EQ(volume.info.flags & (control::FlagUniform | control::FlagDisabled), 0u);
    EXPECT_EQ(server.findControl(volume.info.controlId), &volume);

    // Control numbers stay unique through the device.
    std::set<std::uint32_t> ids;
    std::size_t controls = 0;
    for (const auto& d : server.destinations) {
        for (const auto& c : d.line.controls) {
            ids.insert(c.info.controlId);
            ++controls;
        }
        for (const auto& s : d.sources) {
            for (const auto& c : s.controls) {
                ids.insert(c.info.controlId);
                ++controls;
            }
        }
    }
    EXPECT_EQ(ids.size(), controls);

    // Not asked for: the sink's controls only.
    EXPECT_TRUE(alsa::mapElements({master, capt}, false).destinations[0].sources.empty());

    // A card with its own wave volume keeps it and gets no second one.
    const auto card = alsa::mapElements(consumerCard(), true);
    const auto& cardSpeakers = card.destinations[0];
    EXPECT_EQ(cardSpeakers.sources.size(),
              alsa::mapElements(consumerCard()).destinations[0].sources.size());
    std::vector<std::string> waveLines;
    for (const auto& s : cardSpeakers.sources) {
        if (s.info.componentType == line::SrcWaveOut) {
            waveLines.push_back(s.info.name);
            for (const auto& c : s.controls) {
                EXPECT_NE(c.access, alsa::Access::ProgramVolume);
            }
        }
    }
    EXPECT_EQ(waveLines, std::vector<std::string>{"PCM"});

    // A PCM element with a switch only has no wave volume: ours is added as
    // a line of its own, after it, so the mixer layer finds both its mute
    // and our volume.
    const auto muteOnly = alsa::mapElements({master, playback("PCM", 0, 0, 2), capt}, true);
    std::vector<std::pair<std::string, alsa::Access>> waveControls;
    for (const auto& s : muteOnly.destinations[0].sources) {
        if (s.info.componentType == line::SrcWaveOut) {
            for (const auto& c : s.controls) {
                waveControls.push_back({s.info.name, c.access});
            }
        }
    }
    EXPECT_EQ(waveControls,
              (std::vector<std::pair<std::string, alsa::Access>>{
                  {"PCM", alsa::Access::PlaybackMute}, {"Wave", alsa::Access::ProgramVolume}}));
}
