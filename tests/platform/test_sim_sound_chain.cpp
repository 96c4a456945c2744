// What the simulated card puts out: the level laws a description names, the
// way through the card (speakers destination, its wave source, mutes, the
// system level) and the peak of what plays, each at its exact edges.

#include "engine/ToneSynthesis.h"
#include "platform/sim/SimEndpointVolume.h"
#include "platform/sim/SimEventPump.h"
#include "platform/sim/SimMixer.h"
#include "platform/sim/SimSoundChain.h"
#include "platform/sim/SimWaveOutput.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tavo::platform;

namespace {

constexpr double kTolerance = 1e-9;

SimLevelLaw named(const char* name) {
    return simLevelLawNamed(name).value_or(SimLevelLaw{});
}

// The built-in card, the wave output and the system level, with a -20 dB
// tone on the left channel playing.
struct Card {
    Card() : chain(wave, mixer, &endpoint) {
        std::unique_ptr<MixerDevice> device;
        EXPECT_EQ(mixer.open(0, device), MixerResult::Ok);
        WaveFormat format{1, 2, 44100, 176400, 4, 16, 0};
        EXPECT_EQ(wave.open(0, format), WaveResult::Ok);
        tavo::engine::synthesizePulse(1000, tone, -20.0, 1.0, 0.0, 1, 0);
        header.data = tone.data();
        header.bufferLength = static_cast<std::uint32_t>(tone.size());
        wave.prepareHeader(header);
        wave.write(header);
    }
    // The built-in card's control of a line and type.
    SimMixerControlDescription& control(std::uint32_t lineType, std::uint32_t type) {
        auto& speakers = mixer.devices()[0].destinations[0];
        auto& line = lineType == line::DstSpeakers ? speakers.line : speakers.sources[0];
        for (auto& c : line.controls) {
            if (c.control.type == type) {
                return c;
            }
        }
        throw std::logic_error("no such control");
    }
    SimEventPump pump;
    SimWaveOutput wave{pump};
    SimMixerService mixer;
    SimEndpointVolumeService endpoint;
    SimSoundChain chain;
    tavo::engine::ToneBuffer tone;
    WaveHeader header;
};

} // namespace

TEST(SimLevelLaw, EachLawAtItsEdges) {
    // The program's wave volume: 0.25 dB per 257, unity at the top, silence at 0.
    EXPECT_NEAR(*named("quarter-db").gainDb(65535, 65535), 0.0, kTolerance);
    EXPECT_NEAR(*named("quarter-db").gainDb(65535 - 257, 65535), -0.25, kTolerance);
    EXPECT_NEAR(*named("quarter-db").gainDb(1, 65535), -(65534.0 / 1028.0), kTolerance);
    EXPECT_FALSE(named("quarter-db").gainDb(0, 65535));
    // The server's cubic law: half the value is -18.06 dB.
    EXPECT_NEAR(*named("cubic").gainDb(32768, 65536), 60.0 * std::log10(0.5), kTolerance);
    EXPECT_NEAR(*named("cubic").gainDb(65535, 65535), 0.0, kTolerance);
    EXPECT_FALSE(named("cubic").gainDb(0, 65535));
    EXPECT_NEAR(*named("amplitude").gainDb(100, 1000), -20.0, kTolerance);
    EXPECT_FALSE(named("amplitude").gainDb(5, 0)); // no range: nothing to scale by
    EXPECT_NEAR(*named("none").gainDb(0, 65535), 0.0, kTolerance);
    const SimLevelLaw amplifier{SimLevelLaw::Kind::DbPerUnit, 6.0};
    EXPECT_NEAR(*amplifier.gainDb(0, 3), 0.0, kTolerance);
    EXPECT_NEAR(*amplifier.gainDb(3, 3), 18.0, kTolerance);
    EXPECT_FALSE(simLevelLawNamed("linear"));
    // The system level: 1.0 unity, 0.5 -18.06 dB, 0 silent.
    EXPECT_NEAR(*endpointLevelDb(1.0), 0.0, kTolerance);
    EXPECT_NEAR(*endpointLevelDb(0.5), 60.0 * std::log10(0.5), kTolerance);
    EXPECT_FALSE(endpointLevelDb(0.0));
}

TEST(SimLevelLaw, DescriptionsNameTheirLawsAndVolumesScaleTheAmplitudeByDefault) {
    std::string error;
    const auto devices = parseSimMixerDevices(R"({ "destinations": [ { "type": "DST_SPEAKERS",
        "controls": [ { "type": "VOLUME", "maximum": 100 },
                      { "type": "VOLUME", "maximum": 100, "law": "cubic" },
                      { "type": "UNSIGNED", "maximum": 3 },
                      { "type": "UNSIGNED", "maximum": 3, "law": { "db_per_unit": -1.5 } } ] } ] })",
                                              error);
    ASSERT_TRUE(devices) << error;
    const auto& controls = (*devices)[0].destinations[0].line.controls;
    EXPECT_EQ(controls[0].law.name(), "amplitude");
    EXPECT_EQ(controls[1].law.name(), "cubic");
    EXPECT_EQ(controls[2].law.name(), "none");
    EXPECT_EQ(controls[3].law.kind, SimLevelLaw::Kind::DbPerUnit);
    EXPECT_EQ(controls[3].law.dbPerUnit, -1.5);
    for (const char* law : {R"("law": "loud")", R"("law": 3)", R"("law": { "db_per_unit": 101 })",
                            R"("law": { "db": 1 })"}) {
        const std::string json =
            std::string(R"({ "destinations": [ { "type": 4, "controls": [ { "type": "VOLUME", )") +
            law + " } ] } ] }";
        EXPECT_FALSE(parseSimMixerDevices(json, error)) << law;
        EXPECT_NE(error.find("controls[0].law"), std::string::npos) << error;
    }
}

TEST(SimSoundChain, WhatPlaysGoesThroughEveryLevelOnItsWay) {
    Card card;
    // The built-in card as it comes: master 49152 (cubic), wave 49152
    // (quarter dB), headphone gain 0 (6 dB a step), system level unset.
    const double master = 60.0 * std::log10(49152.0 / 65535.0);
    const double wave = -(65535.0 - 49152.0) / 1028.0;
    auto playing = card.chain.playing();
    ASSERT_TRUE(playing);
    // A -20 dB tone peaks at 3277 of 32767.
    EXPECT_NEAR(*(*playing)[0], 20.0 * std::log10(3277.0 / 32767.0) + master + wave, 1e-6);
    EXPECT_FALSE((*playing)[1]); // the right channel is silent

    card.endpoint.level = 0.5f;
    card.control(line::DstSpeakers, control::Unsigned).values = {2, 2};
    playing = card.chain.playing();
    EXPECT_NEAR(*(*playing)[0],
                20.0 * std::log10(3277.0 / 32767.0) + master + wave + 12.0 + 60.0 * std::log10(0.5),
                1e-6);

    // A master set on the right channel only leaves the left silent; either
    // mute silences.
    card.control(line::DstSpeakers, control::Volume).values = {0, 65535};
    EXPECT_FALSE(card.chain.cardGain()[0]);
    EXPECT_TRUE(card.chain.cardGain()[1]);
    card.control(line::DstSpeakers, control::Volume).values = {65535, 65535};
    card.control(line::SrcWaveOut, control::Mute).values = {0, 1};
    EXPECT_TRUE(card.chain.cardGain()[0]);
    EXPECT_FALSE(card.chain.cardGain()[1]);
    card.control(line::DstSpeakers, control::Mute).values = {1, 1};
    EXPECT_FALSE(card.chain.cardGain()[0]);

    // Nothing plays once the device is closed.
    card.wave.reset();
    card.wave.unprepareHeader(card.header);
    card.wave.close();
    EXPECT_FALSE(card.chain.playing());
}

TEST(SimSoundChain, TheOpenedDeviceIsTheCardAndTheLastBufferIsWhatPlays) {
    Card card;
    // A second card without any level control: the tone passes unchanged
    // once the program opens it.
    std::string error;
    auto plain =
        parseSimMixerDevices(R"({ "destinations": [ { "type": "DST_SPEAKERS" } ] })", error);
    ASSERT_TRUE(plain) << error;
    card.mixer.devices().push_back(plain->front());
    std::unique_ptr<MixerDevice> second;
    ASSERT_EQ(card.mixer.open(1, second), MixerResult::Ok);
    EXPECT_NEAR(*card.chain.cardGain()[0], 0.0, kTolerance);

    // A full-scale tone clips at 32767 and is no louder than 0 dB; a tone
    // below half a step of the 16-bit scale is silence.
    card.wave.keepLastBufferOnly(true);
    for (const auto& [level, expected] : std::vector<std::pair<double, std::optional<double>>>{
             {6.0, 0.0}, {-100.0, std::nullopt}}) {
        card.tone.clear();
        tavo::engine::synthesizePulse(1000, card.tone, level, 0.1, 0.0, 0, 1);
        card.wave.reset();
        card.header.data = card.tone.data();
        card.header.bufferLength = static_cast<std::uint32_t>(card.tone.size());
        card.wave.write(card.header);
        const auto playing = card.chain.playing();
        ASSERT_TRUE(playing);
        EXPECT_EQ(card.wave.written().size(), 1u);
        EXPECT_FALSE((*playing)[0]);
        EXPECT_EQ((*playing)[1].has_value(), expected.has_value()) << level;
        if (expected) {
            EXPECT_NEAR(*(*playing)[1], *expected, kTolerance);
        }
    }
}
