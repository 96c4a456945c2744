// The simulated mixer service: reading descriptions, and a device that
// keeps its values, answers with the described results and records every
// request.

#include "platform/sim/SimMixer.h"

#include <gtest/gtest.h>

using namespace tavo::platform;
using Kind = SimMixerService::RequestKind;

namespace {

std::string parseError(const std::string& json) {
    std::string error;
    EXPECT_FALSE(parseSimMixerDevices(json, error).has_value()) << json;
    return error;
}

SimMixerService serviceFor(const std::string& json) {
    std::string error;
    auto devices = parseSimMixerDevices(json, error);
    EXPECT_TRUE(devices.has_value()) << error;
    return SimMixerService(devices.value_or(std::vector<SimMixerDeviceDescription>{}));
}

} // namespace

TEST(SimMixerDescription, FillsIdentifiersCountsAndDefaults) {
    std::string error;
    const auto devices = parseSimMixerDevices(R"({ "devices": [ {
        "productName": "Card", "driverVersion": "5.10",
        "destinations": [
          { "type": "DST_SPEAKERS", "controls": [
              { "type": "VOLUME", "maximum": 65535, "steps": 32, "value": [1, 2] },
              { "type": "MIXER", "items": 3, "uniform": true, "value": [0, 1, 0] } ],
            "sources": [ { "type": "SRC_WAVEOUT", "channels": 1, "name": "Wave",
                           "controls": [ { "type": 805502976, "id": 40, "disabled": true } ] },
                         { "type": "SRC_LINE" } ] },
          { "type": 7, "lineId": "0x1234", "controls": [ { "type": "MUTE" } ] } ] },
        { } ] })",
                                              error);
    ASSERT_TRUE(devices.has_value()) << error;
    ASSERT_EQ(devices->size(), 2u);
    const auto& d = devices->front();
    EXPECT_EQ(d.caps.driverVersion, 0x050Au);
    EXPECT_EQ(d.caps.destinations, 2u);
    const auto& speakers = d.destinations[0];
    EXPECT_EQ(speakers.line.line.lineId, 0xFFFF0000u);
    EXPECT_EQ(speakers.line.line.connections, 2u);
    EXPECT_EQ(speakers.line.line.controls, 2u);
    EXPECT_EQ(speakers.line.line.flags, line::FlagActive);
    EXPECT_EQ(speakers.line.line.name, "DST_SPEAKERS");
    EXPECT_EQ(speakers.line.controls[0].control.controlId, 1u);
    EXPECT_EQ(speakers.line.controls[1].control.controlId, 2u);
    // A uniform multiple-item control given one channel's items holds them
    // on every channel.
    EXPECT_EQ(speakers.line.controls[1].values, (std::vector<std::uint32_t>{0, 1, 0, 0, 1, 0}));
    EXPECT_EQ(speakers.line.controls[1].control.flags,
              control::FlagUniform | control::FlagMultiple);
    const auto& wave = speakers.sources[0];
    EXPECT_EQ(wave.line.lineId, 0x00000000u);
    EXPECT_EQ(wave.line.flags, line::FlagActive | line::FlagSource);
    EXPECT_EQ(wave.controls[0].control.type, control::Unsigned);
    EXPECT_EQ(wave.controls[0].control.controlId, 40u);
    EXPECT_EQ(wave.controls[0].control.flags, control::FlagDisabled);
    EXPECT_EQ(speakers.sources[1].line.lineId, 0x00010000u);
    EXPECT_EQ(d.destinations[1].line.line.lineId, 0x1234u);
    EXPECT_EQ(d.destinations[1].line.controls[0].control.controlId, 41u);
    EXPECT_EQ(devices->back().caps.productName, "Simulated Mixer");
}

TEST(SimMixerDescription, RefusesMistakesAndSaysWhere) {
    EXPECT_NE(parseError("{ nope").find("JSON"), std::string::npos);
    EXPECT_NE(parseError(R"({ "productname": "x" })").find("productname"), std::string::npos);
    EXPECT_NE(parseError(R"({ "destinations": [ { "type": "DST_SPEAKER" } ] })")
                  .find("destinations[0].type"),
              std::string::npos);
    EXPECT_NE(parseError(R"({ "destinations": [ { "type": 4, "controls": [
                  { "type": "VOLUME", "value": [1, 2, 3] } ] } ] })")
                  .find("destinations[0].controls[0].value"),
              std::string::npos);
    EXPECT_NE(
        parseError(R"({ "destinations": [ { "type": 4, "channels": 0 } ] })").find("channels"),
        std::string::npos);
    EXPECT_NE(parseError(R"({ "driverVersion": "5.256" })").find("driverVersion"),
              std::string::npos);
    EXPECT_NE(parseError(R"({ "destinations": [ { "type": 4, "controls": [
                  { "type": "VOLUME", "maximum": 2147483648 } ] } ] })")
                  .find("maximum"),
              std::string::npos);
    EXPECT_NE(parseError(R"({ "destinations": [ { "type": 4, "controls": [
                  { "type": "VOLUME", "steps": 1.5 } ] } ] })")
                  .find("steps"),
              std::string::npos);
}

TEST(SimMixerDevice, AnswersWithTheDescribedResultsAndRecordsThem) {
    auto service = serviceFor(R"({ "capsResult": 0, "destinations": [
        { "type": "DST_SPEAKERS", "lineResult": 1024, "controlsResult": 11 } ] })");
    EXPECT_EQ(service.deviceCount(), 1u);
    MixerCaps caps;
    EXPECT_EQ(service.deviceCaps(1, caps), MixerResult::BadDeviceId);
    std::unique_ptr<MixerDevice> device;
    EXPECT_EQ(service.open(3, device), MixerResult::BadDeviceId);
    EXPECT_EQ(device, nullptr);
    ASSERT_EQ(service.open(0, device), MixerResult::Ok);
    MixerLine l;
    EXPECT_EQ(device->destinationLine(0, l), MixerResult::InvalidLine);
    EXPECT_EQ(device->destinationLine(1, l), MixerResult::InvalidParameter);
    EXPECT_EQ(device->sourceLine(0, 0, l), MixerResult::InvalidParameter);
    std::vector<MixerControl> controls;
    EXPECT_EQ(device->lineControls(0xFFFF0000u, controls), MixerResult::InvalidParameter);
    EXPECT_EQ(device->lineControls(77, controls), MixerResult::InvalidLine);

    const std::vector<Kind> kinds = {
        Kind::DeviceCount, Kind::DeviceCaps,      Kind::Open,
        Kind::Open,        Kind::DestinationLine, Kind::DestinationLine,
        Kind::SourceLine,  Kind::LineControls,    Kind::LineControls};
    ASSERT_EQ(service.requests().size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(service.requests()[i].kind, kinds[i]) << i;
    }
    EXPECT_EQ(service.requests()[4].result, MixerResult::InvalidLine);
    device.reset();
    EXPECT_EQ(service.requests().back().kind, Kind::Close);
    EXPECT_EQ(service.openDevices(), 0);
}

TEST(SimMixerDevice, ValueRequestsStayInsideTheAreaAndTheControlsChannels) {
    auto service = serviceFor(R"({ "destinations": [ { "type": "DST_SPEAKERS", "channels": 2,
        "controls": [ { "type": "VOLUME", "maximum": 100, "steps": 100, "value": [10, 20] },
                      { "type": "MIXER", "items": 2, "value": [1, 0, 0, 1] } ] } ] })");
    std::unique_ptr<MixerDevice> device;
    ASSERT_EQ(service.open(0, device), MixerResult::Ok);
    std::array<std::uint32_t, 2> area{7, 7};

    // More values than the area holds, no channel, or more channels than
    // the line: refused, area untouched.
    EXPECT_EQ(device->getControlDetails({1, 2, 2}, area), MixerResult::InvalidParameter);
    EXPECT_EQ(device->getControlDetails({1, 0, 0}, area), MixerResult::InvalidParameter);
    std::array<std::uint32_t, 3> three{7, 7, 7};
    EXPECT_EQ(device->getControlDetails({1, 3, 0}, three), MixerResult::InvalidParameter);
    EXPECT_EQ(device->getControlDetails({1, 1, 2}, area), MixerResult::InvalidParameter);
    EXPECT_EQ(device->getControlDetails({9, 1, 0}, area), MixerResult::InvalidControl);
    EXPECT_EQ(area, (std::array<std::uint32_t, 2>{7, 7}));
    EXPECT_EQ(service.valueRequests().size(), 3u); // two never reached the device

    // One channel reads the first and writes all.
    EXPECT_EQ(device->getControlDetails({1, 1, 0}, area), MixerResult::Ok);
    EXPECT_EQ(area, (std::array<std::uint32_t, 2>{10, 7}));
    const std::array<std::uint32_t, 1> one{55};
    EXPECT_EQ(device->setControlDetails({1, 1, 0}, one), MixerResult::Ok);
    EXPECT_EQ(service.values(0, 1), (std::vector<std::uint32_t>{55, 55}));
    const std::array<std::uint32_t, 2> two{3, 4};
    EXPECT_EQ(device->setControlDetails({1, 2, 0}, two), MixerResult::Ok);
    EXPECT_EQ(service.values(0, 1), (std::vector<std::uint32_t>{3, 4}));
    EXPECT_EQ(service.valueRequests().back().values, (std::vector<std::uint32_t>{3, 4}));

    // A multiple-item control is read item by item.
    std::array<std::uint32_t, 4> items{};
    EXPECT_EQ(device->getControlDetails({2, 2, 2}, items), MixerResult::Ok);
    EXPECT_EQ(items, (std::array<std::uint32_t, 4>{1, 0, 0, 1}));
}
