// The sound preparation before playing, on the mixer path and on the
// endpoint path, and the endpoint master level.

#include "engine/AppState.h"
#include "hardware/MIXER_e.h"
#include "hardware/MasterLevel.h"
#include "hardware/PrepareSoundCard.h"
#include "hardware/VolumeKeeper.h"
#include "platform/sim/SimEndpointVolume.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"

#include <gtest/gtest.h>

#include <map>

using namespace tavo;
using Kind = platform::SimMixerService::RequestKind;

namespace {

// A card with every control the preparation drives, each source listed in
// an order other than the preparation's, so the order of the requests is
// the preparation's own.
const char* kFullCard = R"({ "destinations": [
  { "type": "DST_SPEAKERS", "controls": [
      { "type": "VOLUME", "name": "master", "maximum": 65535, "steps": 32 },
      { "type": "TREBLE", "name": "treble", "maximum": 65535, "steps": 16 },
      { "type": "BASS", "name": "bass", "uniform": true, "maximum": 255, "steps": 255 },
      { "type": "ONOFF", "name": "onoff", "maximum": 1, "value": 1 },
      { "type": "UNSIGNED", "name": "gain", "maximum": 7, "steps": 7 } ],
    "sources": [
      { "type": "SRC_WAVEOUT", "controls": [
          { "type": "VOLUME", "name": "wave", "maximum": 65535, "steps": 32 },
          { "type": "MUTE", "name": "wave mute", "maximum": 1 } ] },
      { "type": "SRC_PCSPEAKER", "controls": [ { "type": "MUTE", "name": "pcspeaker", "maximum": 1 } ] },
      { "type": "SRC_DIGITAL", "controls": [ { "type": "MUTE", "name": "digital", "maximum": 1 } ] },
      { "type": "SRC_SYNTHESIZER", "controls": [ { "type": "MUTE", "name": "synth", "maximum": 1 } ] },
      { "type": "SRC_COMPACTDISC", "controls": [ { "type": "MUTE", "name": "cd", "maximum": 1 } ] },
      { "type": "SRC_LINE", "controls": [ { "type": "MUTE", "name": "line", "maximum": 1 } ] },
      { "type": "SRC_MICROPHONE", "controls": [ { "type": "MUTE", "name": "mic", "maximum": 1 } ] },
      { "type": "SRC_AUXILIARY", "controls": [ { "type": "MUTE", "name": "aux", "maximum": 1 } ] } ] } ] })";

struct Rig {
    explicit Rig(const char* json) : service(parse(json)) {
        mixer.CountMixerDevices();
        mixer.OpenMixerDevice(0);
        service.clearRequests();
    }
    static std::vector<platform::SimMixerDeviceDescription> parse(const char* json) {
        std::string error;
        auto devices = platform::parseSimMixerDevices(json, error);
        EXPECT_TRUE(devices.has_value()) << error;
        return devices.value_or(std::vector<platform::SimMixerDeviceDescription>{});
    }
    // The names of the controls the preparation wrote, with the values.
    std::vector<std::pair<std::string, std::vector<std::uint32_t>>> sent() {
        std::map<std::uint32_t, std::string> names;
        for (const auto& dest : service.devices()[0].destinations) {
            for (const auto* line : {&dest.line}) {
                for (const auto& c : line->controls) {
                    names[c.control.controlId] = c.control.name;
                }
            }
            for (const auto& source : dest.sources) {
                for (const auto& c : source.controls) {
                    names[c.control.controlId] = c.control.name;
                }
            }
        }
        std::vector<std::pair<std::string, std::vector<std::uint32_t>>> out;
        for (const auto& r : service.requests()) {
            EXPECT_EQ(r.kind, Kind::SetDetails); // the preparation only writes
            out.push_back({names[r.controlId], r.values});
        }
        return out;
    }

    platform::SimMixerService service;
    platform::SimMessages messages;
    hardware::MIXER_e mixer{service, messages};
};

using Sent = std::vector<std::pair<std::string, std::vector<std::uint32_t>>>;

} // namespace

TEST(PrepareSoundCard, MixerPathMutesTheSourcesSetsGainThenSwitchAndTone) {
    Rig rig(kFullCard);
    engine::AppState state;
    state.UseEndpointVolume = false;
    hardware::PrepareSoundCard(state, rig.mixer);
    const Sent expected = {
        {"aux", {1, 1}},   {"mic", {1, 1}},     {"line", {1, 1}},           {"cd", {1, 1}},
        {"synth", {1, 1}}, {"digital", {1, 1}}, {"pcspeaker", {1, 1}},      {"gain", {3, 3}},
        {"onoff", {0, 0}}, {"bass", {127}},     {"treble", {32767, 32767}},
    };
    EXPECT_EQ(rig.sent(), expected);
    EXPECT_TRUE(rig.messages.shown().empty());
}

TEST(PrepareSoundCard, EndpointPathLeavesSourcesAndGainAlone) {
    Rig rig(kFullCard);
    engine::AppState state;
    state.UseEndpointVolume = true;
    hardware::PrepareSoundCard(state, rig.mixer);
    const Sent expected = {{"onoff", {0, 0}}, {"bass", {127}}, {"treble", {32767, 32767}}};
    EXPECT_EQ(rig.sent(), expected);
}

TEST(PrepareSoundCard, ControlsTheCardLacksAreSkipped) {
    // The built-in card: no on/off switch, no aux, synth, digital or PC
    // speaker source; gain 0..3.
    platform::SimMixerService service;
    platform::SimMessages messages;
    hardware::MIXER_e mixer(service, messages);
    mixer.CountMixerDevices();
    mixer.OpenMixerDevice(0);
    service.clearRequests();
    engine::AppState state;
    hardware::PrepareSoundCard(state, mixer);

    std::vector<std::uint32_t> ids;
    for (const auto& r : service.requests()) {
        EXPECT_EQ(r.result, platform::MixerResult::Ok);
        ids.push_back(r.controlId);
    }
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{mixer.MicMute.ControlID, mixer.LineMute.ControlID,
                                               mixer.CDMute.ControlID, mixer.OutputGain.ControlID,
                                               mixer.MasterBass.ControlID,
                                               mixer.MasterTreble.ControlID}));
    EXPECT_EQ(service.values(0, mixer.OutputGain.ControlID), (std::vector<std::uint32_t>{1, 1}));
    EXPECT_EQ(mixer.MixerStatusText, QStringLiteral("MixerControlDetails OK "));
}

TEST(ApplyMasterLevel, ThousandthsBecomeTheScalarAndOutOfRangeChangesNothing) {
    platform::SimEndpointVolumeService service;
    auto endpoint = service.activateDefault();
    ASSERT_NE(endpoint, nullptr);

    EXPECT_TRUE(hardware::ApplyMasterLevel(endpoint.get(), 0));
    EXPECT_EQ(service.level, 0.0f);
    EXPECT_TRUE(hardware::ApplyMasterLevel(endpoint.get(), 1000));
    EXPECT_EQ(service.level, 1.0f);
    EXPECT_TRUE(hardware::ApplyMasterLevel(endpoint.get(), 250));
    EXPECT_EQ(service.level, 0.25f);
    EXPECT_FALSE(hardware::ApplyMasterLevel(endpoint.get(), 1200));
    EXPECT_FALSE(hardware::ApplyMasterLevel(endpoint.get(), -1));
    EXPECT_EQ(service.level, 0.25f);
    ASSERT_EQ(service.requests.size(), 5u);
    EXPECT_FLOAT_EQ(service.requests[3], 1.2f); // asked for, and refused
}

TEST(ApplyMasterLevel, WithoutAnEndpointNothingHappens) {
    EXPECT_FALSE(hardware::ApplyMasterLevel(nullptr, 500));
}

TEST(VolumeKeeper, WhatTheProgramChangedComesBackWhenItEnds) {
    Rig rig(kFullCard);
    // The desktop as the user left it: master and wave at odd levels, the
    // microphone on, bass high, the system level at 0.9.
    const auto control = [&rig](const char* name) -> platform::SimMixerControlDescription& {
        for (auto& dest : rig.service.devices()[0].destinations) {
            for (auto& c : dest.line.controls) {
                if (c.control.name == name) {
                    return c;
                }
            }
            for (auto& source : dest.sources) {
                for (auto& c : source.controls) {
                    if (c.control.name == name) {
                        return c;
                    }
                }
            }
        }
        throw std::logic_error(name);
    };
    control("master").values = {40000, 30000};
    control("wave").values = {50000, 50000};
    control("bass").values = {200, 200};
    control("mic").values = {0, 0};
    platform::SimEndpointVolumeService endpointService;
    auto endpoint = endpointService.activateDefault();
    endpoint->setMasterLevelScalar(0.9f);
    std::map<std::string, std::vector<std::uint32_t>> before;
    for (const char* name : {"master", "wave", "gain", "bass", "treble", "onoff", "mic", "aux"}) {
        before[name] = control(name).values;
    }

    hardware::VolumeKeeper keeper(rig.mixer, endpoint.get());
    // A day's work: the preparation, a test's levels, the system level.
    engine::AppState state;
    hardware::PrepareSoundCard(state, rig.mixer);
    rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 2047 * 3, 0);
    rig.mixer.SetUnsignedLevel(rig.mixer.WaveOutVolume, 0, 0);
    hardware::ApplyMasterLevel(endpoint.get(), 380);
    ASSERT_NE(control("mic").values, before["mic"]);

    keeper.restore();
    for (const auto& [name, values] : before) {
        EXPECT_EQ(control(name.c_str()).values, values) << name;
    }
    EXPECT_EQ(endpointService.level, 0.9f);
    // Once only: what follows is not undone again.
    rig.mixer.SetUnsignedLevel(rig.mixer.WaveOutVolume, 0, 0);
    keeper.restore();
    EXPECT_EQ(control("wave").values, (std::vector<std::uint32_t>{0, 0}));

    // Another device opened meanwhile: its controls are not the ones read.
    Rig other(kFullCard);
    hardware::VolumeKeeper second(other.mixer, nullptr);
    other.service.devices().push_back(other.service.devices()[0]);
    other.mixer.CountMixerDevices();
    other.mixer.OpenMixerDevice(1);
    other.service.clearRequests();
    second.restore();
    EXPECT_TRUE(other.service.valueRequests().empty());
}
