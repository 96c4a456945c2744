// The mixer layer against simulated mixer devices: discovery, the value
// operations with their guards and clamp, the failure messages, the
// capabilities and the listing.

#include "hardware/MIXER_e.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"

#include <gtest/gtest.h>

#include <set>

using namespace tavo;
using hardware::MIXER_e;
using platform::MessageType;
using platform::MixerResult;
using platform::SimMixerService;
using Kind = platform::SimMixerService::RequestKind;

namespace {

std::vector<platform::SimMixerDeviceSpec> describe(const std::string& json) {
    std::string error;
    auto devices = platform::parseSimMixerDevices(json, error);
    EXPECT_TRUE(devices.has_value()) << error;
    return devices.value_or(std::vector<platform::SimMixerDeviceSpec>{});
}

// A layer over simulated devices, with scripted message boxes.
struct Rig {
    explicit Rig(const std::string& json) : service(describe(json)) {}
    Rig() = default;

    void open(std::uint32_t index) {
        mixer.CountMixerDevices();
        mixer.OpenMixerDevice(index);
    }
    std::vector<SimMixerService::Request> sets() const {
        std::vector<SimMixerService::Request> out;
        for (const auto& r : service.requests()) {
            if (r.kind == Kind::SetDetails) {
                out.push_back(r);
            }
        }
        return out;
    }

    SimMixerService service;
    platform::SimMessages messages;
    MIXER_e mixer{service, messages};
};

const char* kTwoChannelSpeakers = R"({
  "productName": "Test Card", "driverVersion": "5.2",
  "destinations": [ { "type": "DST_SPEAKERS", "channels": 2, "controls": [
      { "type": "VOLUME", "maximum": 65535, "steps": 32, "value": [100, 200] },
      { "type": "BASS", "uniform": true, "maximum": 65535, "steps": 16, "value": 300 },
      { "type": "MUTE", "uniform": true, "maximum": 1 },
      { "type": "UNSIGNED", "disabled": true, "maximum": 10, "steps": 10 } ] } ] })";

} // namespace

TEST(MixerDiscovery, DeviceWithoutSpeakersLeavesPlaybackSlotsEmptyAndRefusesThem) {
    Rig rig(R"({ "destinations": [ { "type": "DST_WAVEIN", "controls": [
        { "type": "VOLUME", "maximum": 65535, "steps": 16 } ],
      "sources": [ { "type": "SRC_MICROPHONE", "channels": 1, "controls": [
        { "type": "ONOFF", "uniform": true, "maximum": 1 } ] } ] } ] })");
    rig.open(0);

    for (std::size_t i = 0; i < hardware::kMixerSlots; ++i) {
        const auto& info = MIXER_e::slotInfo(i);
        if (info.destination == platform::line::DstSpeakers) {
            EXPECT_FALSE(rig.mixer.slot(i).Present) << info.name;
        }
    }
    EXPECT_TRUE(rig.mixer.RecordVolume.Present);
    EXPECT_TRUE(rig.mixer.RecordMicOnOff.Present);

    rig.service.clearRequests();
    EXPECT_TRUE(rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 10, 10));
    EXPECT_EQ(rig.mixer.MixerStatusText,
              QStringLiteral("Level control not supported by sound card driver!"));
    std::uint32_t left = 7;
    std::uint32_t right = 8;
    EXPECT_TRUE(rig.mixer.GetUnsignedLevel(rig.mixer.WaveOutVolume, left, right));
    EXPECT_EQ(rig.mixer.MixerStatusText,
              QStringLiteral("Level control not supported by sound card driver!"));
    EXPECT_EQ(left, 7u);
    EXPECT_EQ(right, 8u);
    EXPECT_TRUE(rig.mixer.SetSwitchState(rig.mixer.MasterMute, 1, 1));
    EXPECT_EQ(rig.mixer.MixerStatusText,
              QStringLiteral("Switch not supported by Sound card driver!"));
    EXPECT_TRUE(rig.service.valueRequests().empty());
    EXPECT_TRUE(rig.messages.shown().empty());
}

TEST(MixerDiscovery, LastControlOfATypeWinsOnALineAndAcrossLines) {
    Rig rig(R"({ "destinations": [
      { "type": "DST_SPEAKERS", "controls": [
          { "type": "VOLUME", "maximum": 100, "steps": 10 },
          { "type": "VOLUME", "maximum": 200, "steps": 20 } ] },
      { "type": "DST_SPEAKERS", "channels": 1, "controls": [
          { "type": "TREBLE", "maximum": 1, "steps": 1 } ] },
      { "type": "DST_SPEAKERS", "controls": [
          { "type": "TREBLE", "maximum": 300, "steps": 30 } ] } ] })");
    rig.open(0);

    EXPECT_EQ(rig.mixer.MasterVolume.ControlID, 2u);
    EXPECT_EQ(rig.mixer.MasterVolume.Maximum, 200);
    EXPECT_EQ(rig.mixer.MasterVolume.Steps, 20u);
    EXPECT_EQ(rig.mixer.MasterTreble.Maximum, 300);
    EXPECT_EQ(rig.mixer.MasterTreble.LineID, 0xFFFF0002u);
}

TEST(MixerDiscovery, SourcesFillSlotsByTheirComponentTypeUnderTheirDestinationKind) {
    Rig rig(R"({ "destinations": [
      { "type": "DST_HEADPHONES", "sources": [ { "type": "SRC_WAVEOUT", "controls": [
          { "type": "VOLUME", "maximum": 9, "steps": 9 } ] } ] },
      { "type": "DST_SPEAKERS", "sources": [
          { "type": "SRC_ANALOG", "controls": [ { "type": "VOLUME", "maximum": 5, "steps": 5 } ] },
          { "type": "SRC_MICROPHONE", "channels": 1, "controls": [
              { "type": "VOLUME", "maximum": 7, "steps": 7 },
              { "type": "MUTE", "maximum": 1, "disabled": true } ] },
          { "type": "SRC_WAVEOUT", "controls": [
              { "type": "VOLUME", "minimum": -5, "maximum": 65535, "steps": 32 },
              { "type": "PEAKMETER", "minimum": -32768, "maximum": 32767 } ] } ] },
      { "type": "DST_WAVEIN", "sources": [ { "type": "SRC_MICROPHONE", "controls": [
          { "type": "VOLUME", "maximum": 11, "steps": 11 } ] } ] } ] })");
    rig.open(0);

    const auto& wave = rig.mixer.WaveOutVolume;
    EXPECT_TRUE(wave.Present);
    EXPECT_EQ(wave.LineID, 0x00020001u); // source 2 of destination 1 (the speakers)
    EXPECT_EQ(wave.Minimum, -5);
    EXPECT_EQ(wave.Maximum, 65535);
    EXPECT_EQ(wave.Channels, 2u);
    EXPECT_TRUE(rig.mixer.WaveOutPeakMeter.Present);
    EXPECT_EQ(rig.mixer.MicVolume.Maximum, 7);
    EXPECT_EQ(rig.mixer.MicVolume.Channels, 1u);
    EXPECT_TRUE(rig.mixer.MicMute.Present);
    EXPECT_FALSE(rig.mixer.MicMute.Active);
    EXPECT_EQ(rig.mixer.RecordMicVolume.Maximum, 11);
    // The analog source and the headphones destination fill nothing.
    int present = 0;
    for (std::size_t i = 0; i < hardware::kMixerSlots; ++i) {
        present += rig.mixer.slot(i).Present ? 1 : 0;
    }
    EXPECT_EQ(present, 5);
}

TEST(MixerDiscovery, ALineThatCannotBeReadIsSkipped) {
    Rig good(R"({ "destinations": [
      { "type": "DST_SPEAKERS", "controlsResult": 11, "controls": [
          { "type": "VOLUME", "maximum": 1, "steps": 1 } ],
        "sources": [ { "type": "SRC_WAVEOUT", "lineResult": 1024, "controls": [
          { "type": "VOLUME", "maximum": 1, "steps": 1 } ] },
                     { "type": "SRC_LINE", "controls": [
          { "type": "VOLUME", "maximum": 3, "steps": 3 } ] } ] } ] })");
    good.open(0);
    EXPECT_FALSE(good.mixer.MasterVolume.Present);
    EXPECT_FALSE(good.mixer.WaveOutVolume.Present);
    EXPECT_TRUE(good.mixer.LineVolume.Present);
}

TEST(MixerValues, ValueAboveMaximumIsWrittenAsMaximumAndNegativeAsZero) {
    Rig rig(kTwoChannelSpeakers);
    rig.open(0);
    auto& volume = rig.mixer.MasterVolume;

    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(volume, 70000, 65535));
    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(volume, 65534, 4294967296LL));
    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(volume, -1, 12));
    const auto sets = rig.sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0].values, (std::vector<std::uint32_t>{65535, 65535}));
    EXPECT_EQ(sets[1].values, (std::vector<std::uint32_t>{65534, 65535}));
    EXPECT_EQ(sets[2].values, (std::vector<std::uint32_t>{0, 12}));
    EXPECT_EQ(sets[2].channels, 2u);
    EXPECT_EQ(sets[2].controlId, volume.ControlID);
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("MixerControlDetails OK "));
    EXPECT_EQ(rig.service.values(0, volume.ControlID), (std::vector<std::uint32_t>{0, 12}));
}

TEST(MixerValues, UniformControlSendsOneValueAndReadsTheSameOnBothSides) {
    Rig rig(kTwoChannelSpeakers);
    rig.open(0);
    auto& bass = rig.mixer.MasterBass;
    ASSERT_TRUE(bass.Uniform);

    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(bass, 1234, 999));
    const auto sets = rig.sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].channels, 1u);
    EXPECT_EQ(sets[0].values, (std::vector<std::uint32_t>{1234}));
    EXPECT_EQ(rig.service.values(0, bass.ControlID), (std::vector<std::uint32_t>{1234, 1234}));

    // Another program moves the right channel only: a uniform read still
    // reports one value for both.
    rig.service.setValues(0, bass.ControlID, {555, 777});
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    EXPECT_FALSE(rig.mixer.GetUnsignedLevel(bass, left, right));
    EXPECT_EQ(left, 555u);
    EXPECT_EQ(right, 555u);

    // A non-uniform control reads both channels.
    EXPECT_FALSE(rig.mixer.GetUnsignedLevel(rig.mixer.MasterVolume, left, right));
    EXPECT_EQ(left, 100u);
    EXPECT_EQ(right, 200u);
}

TEST(MixerValues, LinesWithMoreThanTwoChannelsAreAskedForTwo) {
    Rig rig(R"({ "destinations": [ { "type": "DST_SPEAKERS", "channels": 6, "controls": [
        { "type": "VOLUME", "maximum": 100, "steps": 100, "value": [1, 2, 3, 4, 5, 6] } ] } ] })");
    rig.open(0);
    auto& volume = rig.mixer.MasterVolume;
    EXPECT_EQ(volume.Channels, 6u);

    std::uint32_t left = 0;
    std::uint32_t right = 0;
    EXPECT_FALSE(rig.mixer.GetUnsignedLevel(volume, left, right));
    EXPECT_EQ(left, 1u);
    EXPECT_EQ(right, 2u);
    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(volume, 50, 60));
    EXPECT_EQ(rig.sets().back().channels, 2u);
    EXPECT_EQ(rig.service.values(0, volume.ControlID),
              (std::vector<std::uint32_t>{50, 60, 3, 4, 5, 6}));
}

TEST(MixerValues, SwitchIsOnExactlyForOne) {
    Rig rig(R"({ "destinations": [ { "type": "DST_SPEAKERS", "controls": [
        { "type": "ONOFF", "maximum": 1 } ] } ] })");
    rig.open(0);
    EXPECT_FALSE(rig.mixer.SetSwitchState(rig.mixer.MasterOnOff, 1, 2));
    EXPECT_FALSE(rig.mixer.SetSwitchState(rig.mixer.MasterOnOff, -1, 1));
    const auto sets = rig.sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].values, (std::vector<std::uint32_t>{1, 0}));
    EXPECT_EQ(sets[1].values, (std::vector<std::uint32_t>{0, 1}));
}

TEST(MixerValues, DisabledControlsAreRefusedWithTheirTexts) {
    Rig rig(R"({ "destinations": [ { "type": "DST_SPEAKERS", "controls": [
        { "type": "VOLUME", "disabled": true, "maximum": 10, "steps": 10 },
        { "type": "MUTE", "disabled": true, "maximum": 1 } ] } ] })");
    rig.open(0);
    std::uint32_t left = 3;
    std::uint32_t right = 4;
    EXPECT_TRUE(rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 1, 1));
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("Control inactive!"));
    EXPECT_TRUE(rig.mixer.GetUnsignedLevel(rig.mixer.MasterVolume, left, right));
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("Regler ist nicht Activeiert"));
    EXPECT_TRUE(rig.mixer.SetSwitchState(rig.mixer.MasterMute, 1, 1));
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("Control is inactive!"));
    EXPECT_EQ(left, 3u);
    EXPECT_EQ(right, 4u);
    EXPECT_TRUE(rig.service.valueRequests().empty());
}

TEST(MixerValues, RejectedRequestsReportTheirCodeAndAFailedReadChangesNothing) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {2, "MixerControlDetails  BADDEVICEID !"},
        {5, "MixerControlDetails INVALHANDLE"},
        {6, "MixerControlDetails NODRIVER"},
        {10, "MixerControlDetails INVALFLAG"},
        {11, "MixerControlDetails INVALPARAM"},
        {1024, "MixerControlDetails INVALLINE"},
        {1025, "MixerControlDetails INVALCONTROL"},
        {1, "MixerControlDetails unbekannter Rückgabecode"},
        {99, "MixerControlDetails unbekannter Rückgabecode"},
    };
    for (const auto& [code, text] : cases) {
        const std::string json = R"({ "destinations": [ { "type": "DST_SPEAKERS", "controls": [
            { "type": "VOLUME", "maximum": 10, "steps": 10, "value": 5, "getResult": )" +
                                 std::to_string(code) + R"(, "setResult": )" +
                                 std::to_string(code) + " } ] } ] }";
        Rig rig(json);
        rig.open(0);
        EXPECT_TRUE(rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 1, 1)) << code;
        EXPECT_EQ(rig.mixer.MixerStatusText, QString::fromUtf8(text));
        EXPECT_EQ(static_cast<std::uint32_t>(rig.mixer.LastResult), code);
        std::uint32_t left = 41;
        std::uint32_t right = 42;
        EXPECT_TRUE(rig.mixer.GetUnsignedLevel(rig.mixer.MasterVolume, left, right));
        EXPECT_EQ(rig.mixer.MixerStatusText, QString::fromUtf8(text));
        EXPECT_EQ(left, 41u);
        EXPECT_EQ(right, 42u);
    }
}

TEST(MixerValues, AMultipleItemControlIsNeverAskedBeyondTheTwoValues) {
    Rig rig(R"({ "destinations": [ { "type": "DST_SPEAKERS", "controls": [
        { "type": "VOLUME", "items": 4, "maximum": 10, "steps": 10 } ] } ] })");
    rig.open(0);
    ASSERT_EQ(rig.mixer.MasterVolume.MultipleItems, 4u);
    EXPECT_TRUE(rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 1, 1));
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("MixerControlDetails INVALPARAM"));
    // Refused before the device saw it.
    EXPECT_TRUE(rig.service.valueRequests().empty());
}

TEST(MixerStepUnit, MaximumDivStepsAndTheSliderExample) {
    hardware::TMixControl control;
    control.Maximum = 65535;
    control.Steps = 32;
    ASSERT_TRUE(control.StepUnit().has_value());
    const std::int64_t unit = *control.StepUnit();
    EXPECT_EQ(unit, 2047);
    EXPECT_EQ(unit * 32, 65504);
    const std::int64_t position = (control.Maximum - 32768) / unit;
    EXPECT_EQ(position, 16);
    EXPECT_EQ(32 - position, 16);

    // 64-bit: a large maximum over steps taken as unsigned.
    control.Maximum = 2147483647;
    control.Steps = 0x80000000u;
    EXPECT_EQ(control.StepUnit(), 0);
    control.Maximum = -7;
    control.Steps = 2;
    EXPECT_EQ(control.StepUnit(), -3);
    control.Steps = 0;
    EXPECT_FALSE(control.StepUnit().has_value());

    // The shown value 32 reaches the card as 65504.
    Rig rig(R"({ "destinations": [ { "type": "DST_SPEAKERS", "controls": [
        { "type": "VOLUME", "maximum": 65535, "steps": 32 } ] } ] })");
    rig.open(0);
    const auto stepUnit = rig.mixer.MasterVolume.StepUnit();
    ASSERT_TRUE(stepUnit.has_value());
    rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, *stepUnit * 32, *stepUnit * 32);
    EXPECT_EQ(rig.sets().back().values, (std::vector<std::uint32_t>{65504, 65504}));
}

TEST(MixerDevices, OutOfRangeIndexesShowInvalidDeviceNumber) {
    Rig rig(kTwoChannelSpeakers);
    rig.mixer.CountMixerDevices();
    ASSERT_EQ(rig.mixer.MixerDeviceCount, 1u);
    rig.mixer.OpenMixerDevice(0);
    ASSERT_TRUE(rig.mixer.MasterVolume.Present);

    for (const std::uint32_t index : {rig.mixer.MixerDeviceCount, static_cast<std::uint32_t>(-1)}) {
        rig.messages.clear();
        rig.service.clearRequests();
        rig.mixer.OpenMixerDevice(index);
        ASSERT_EQ(rig.messages.shown().size(), 1u) << index;
        const auto& message = rig.messages.shown().front();
        EXPECT_EQ(message.text, QStringLiteral("Invalid Device Number !"));
        EXPECT_EQ(message.caption, QStringLiteral("Sound card driver problem"));
        EXPECT_EQ(message.type, MessageType::Error);
        EXPECT_FALSE(rig.mixer.MasterVolume.Present);
        EXPECT_FALSE(rig.mixer.deviceOpen());
        for (const auto& r : rig.service.requests()) {
            EXPECT_NE(r.kind, Kind::Open);
        }
    }
    // Out of range, the capabilities stay as they were.
    EXPECT_EQ(rig.mixer.MixerCaps.ProductName, QStringLiteral("Test Card"));
    EXPECT_EQ(rig.service.openDevices(), 0);
}

TEST(MixerDevices, WithoutCountingEveryIndexIsOutOfRange) {
    Rig rig(kTwoChannelSpeakers);
    rig.mixer.OpenMixerDevice(0);
    EXPECT_EQ(rig.messages.texts(), QStringList{QStringLiteral("Invalid Device Number !")});
}

TEST(MixerDevices, OpeningFailsWithItsMessageAndAnEmptyDirectory) {
    Rig rig(R"({ "devices": [
      { "productName": "Good", "destinations": [ { "type": "DST_SPEAKERS", "controls": [
          { "type": "VOLUME", "maximum": 1, "steps": 1 } ] } ] },
      { "productName": "Busy", "openResult": 4, "destinations": [
          { "type": "DST_SPEAKERS", "controls": [ { "type": "VOLUME", "maximum": 1, "steps": 1 } ] } ] } ] })");
    rig.open(0);
    ASSERT_TRUE(rig.mixer.MasterVolume.Present);
    rig.mixer.OpenMixerDevice(1);
    ASSERT_EQ(rig.messages.shown().size(), 1u);
    EXPECT_EQ(rig.messages.shown()[0].text, QStringLiteral("Mixer Opening Procedure failed "));
    EXPECT_EQ(rig.messages.shown()[0].caption, QStringLiteral("Sound card driver problem"));
    EXPECT_EQ(rig.messages.shown()[0].type, MessageType::Error);
    EXPECT_FALSE(rig.mixer.MasterVolume.Present);
    EXPECT_EQ(rig.mixer.MixerCaps.ProductName, QStringLiteral("Busy"));
    EXPECT_TRUE(rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 1, 1));
    EXPECT_EQ(rig.service.openDevices(), 0); // the first device was closed
}

TEST(MixerDevices, UnreadableCapabilitiesAreReportedAndOpeningGoesOn) {
    Rig rig(R"({ "capsResult": 6, "destinations": [ { "type": "DST_SPEAKERS", "controls": [
        { "type": "VOLUME", "maximum": 1, "steps": 1 } ] } ] })");
    rig.open(0);
    ASSERT_EQ(rig.messages.shown().size(), 1u);
    EXPECT_EQ(rig.messages.shown()[0].text,
              QStringLiteral("Mixereigenschaften konnten nicht ermittelt werden "));
    EXPECT_EQ(rig.messages.shown()[0].caption, QStringLiteral("Soundkarten Treiber Problem"));
    EXPECT_EQ(rig.messages.shown()[0].type, MessageType::Error);
    EXPECT_TRUE(rig.mixer.deviceOpen());
    EXPECT_EQ(rig.mixer.MixerCaps.DestinationCount, 0); // no lines known: nothing found
    EXPECT_FALSE(rig.mixer.MasterVolume.Present);
    EXPECT_TRUE(rig.mixer.MixerListing.isEmpty());
}

TEST(MixerDevices, ReopeningClosesTheDeviceAndStartsANewDirectory) {
    Rig rig(R"({ "devices": [
      { "destinations": [ { "type": "DST_SPEAKERS", "controls": [
          { "type": "VOLUME", "maximum": 1, "steps": 1 } ] } ] },
      { "destinations": [ { "type": "DST_WAVEIN", "controls": [
          { "type": "VOLUME", "maximum": 1, "steps": 1 } ] } ] } ] })");
    rig.open(0);
    hardware::TMixUnsignedControl& master = rig.mixer.MasterVolume;
    ASSERT_TRUE(master.Present);
    rig.mixer.OpenMixerDevice(1);
    EXPECT_EQ(rig.service.openDevices(), 1);
    EXPECT_EQ(rig.mixer.openedIndex(), 1u);
    EXPECT_FALSE(master.Present); // the same slot, now of the new directory
    EXPECT_TRUE(rig.mixer.RecordVolume.Present);
    int closes = 0;
    for (const auto& r : rig.service.requests()) {
        closes += r.kind == Kind::Close ? 1 : 0;
    }
    EXPECT_EQ(closes, 1);

    {
        MIXER_e other(rig.service, rig.messages);
        other.CountMixerDevices();
        other.OpenMixerDevice(0);
        EXPECT_EQ(rig.service.openDevices(), 2);
    }
    EXPECT_EQ(rig.service.openDevices(), 1); // closed at the end of the layer
}

TEST(MixerCaps, DriverVersionProductNameAndListingHead) {
    Rig rig(R"({ "devices": [
      { "productName": "A card whose name is longer than thirty-one characters",
        "driverVersion": 1282, "destinations": [ { "type": "DST_SPEAKERS" } ] },
      { "productName": "Other", "driverVersion": "5.10",
        "destinations": [ { "type": "DST_SPEAKERS" }, { "type": "DST_WAVEIN" } ] } ] })");
    rig.mixer.CountMixerDevices();
    rig.mixer.ReadMixerCaps(0);
    EXPECT_EQ(rig.mixer.MixerCaps.DriverVersion, QStringLiteral("5.2"));
    EXPECT_EQ(rig.mixer.MixerCaps.ProductName, QStringLiteral("A card whose name is longer tha"));
    rig.mixer.ReadMixerCaps(1);
    EXPECT_EQ(rig.mixer.MixerCaps.DriverVersion, QStringLiteral("5.10"));
    EXPECT_EQ(rig.mixer.MixerCaps.DestinationCount, 2);
    EXPECT_EQ(rig.mixer.MixerCaps.DestinationsText, QStringLiteral("2"));
    EXPECT_EQ(rig.mixer.MixerListing, (QStringList{QStringLiteral("Other"), QStringLiteral("5.10"),
                                                   QStringLiteral("Mixerleitungen : 2")}));
    // Out of range: a new, empty listing and nothing else changes.
    rig.mixer.ReadMixerCaps(2);
    EXPECT_TRUE(rig.mixer.MixerListing.isEmpty());
    EXPECT_EQ(rig.mixer.MixerCaps.ProductName, QStringLiteral("Other"));
    EXPECT_TRUE(rig.messages.shown().empty());

    EXPECT_EQ(hardware::mixerDeviceEntries(rig.mixer),
              (QStringList{QStringLiteral("A card whose name is longer tha Driver Version 5.2"),
                           QStringLiteral("Other Driver Version 5.10")}));
}

TEST(MixerCaps, ListingHasABlockPerControlOfEveryLine) {
    Rig rig(kTwoChannelSpeakers);
    rig.open(0);
    const QStringList& listing = rig.mixer.MixerListing;
    const QString rule(71, QLatin1Char('-'));
    EXPECT_EQ(listing.count(rule), 4);
    EXPECT_EQ(listing.count(QStringLiteral("Summenregler für beide Kanäle (Uniform)")), 2);
    EXPECT_EQ(listing.count(QStringLiteral("Steuerelement nicht Active ")), 1);
    EXPECT_EQ(listing.count(QStringLiteral("Steuerelement Active")), 3);
    EXPECT_TRUE(listing.contains(QStringLiteral("Steuerelement-Typ : UNSIGNED")));
    EXPECT_TRUE(listing.contains(QStringLiteral("Minimum : 0   Maximum : 65535   Schritte : 32")));
    EXPECT_EQ(listing.back(), rule);
}

TEST(MixerDirectory, ThirtySevenNamedSlotsInDirectoryOrder) {
    Rig rig;
    std::set<QString> names;
    for (std::size_t i = 0; i < hardware::kMixerSlots; ++i) {
        const QString name = QLatin1String(MIXER_e::slotInfo(i).name);
        names.insert(name);
        EXPECT_EQ(MIXER_e::slotIndex(name), i);
    }
    EXPECT_EQ(names.size(), hardware::kMixerSlots);
    EXPECT_EQ(MIXER_e::slotIndex(QStringLiteral("NoSuchSlot")), std::nullopt);
    EXPECT_EQ(&rig.mixer.slot(0), &rig.mixer.MasterVolume);
    EXPECT_EQ(&rig.mixer.slot(*MIXER_e::slotIndex(QStringLiteral("RecordMicOnOff"))),
              &rig.mixer.RecordMicOnOff);
    EXPECT_EQ(&rig.mixer.slot(*MIXER_e::slotIndex(QStringLiteral("PCSpeakerMute"))),
              &rig.mixer.PCSpeakerMute);
    EXPECT_EQ(&rig.mixer.slot(hardware::kMixerSlots - 1), &rig.mixer.RecordMicOnOff);
}
