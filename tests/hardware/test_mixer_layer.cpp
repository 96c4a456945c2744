// The mixer layer against simulated mixer devices: discovery, the value
// operations with their guards and clamp, the failure messages, the
// capabilities and the listing.

#include "hardware/MIXER_e.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"

#include <gtest/gtest.h>

using namespace tavo;
using hardware::MIXER_e;
using platform::MessageType;
using platform::SimMixerService;
using Kind = platform::SimMixerService::RequestKind;
using Values = std::vector<std::uint32_t>;

namespace {

std::vector<platform::SimMixerDeviceDescription> describe(const std::string& json) {
    std::string error;
    auto devices = platform::parseSimMixerDevices(json, error);
    EXPECT_TRUE(devices.has_value()) << error;
    return devices.value_or(std::vector<platform::SimMixerDeviceDescription>{});
}

// A device with one speakers destination holding these controls.
std::string speakers(const std::string& controls, int channels = 2) {
    return R"({ "productName": "Test Card", "destinations": [ { "type": "DST_SPEAKERS",
        "channels": )" +
           std::to_string(channels) + R"(, "controls": [ )" + controls + " ] } ] }";
}

// A layer over simulated devices, with scripted message boxes.
struct Rig {
    explicit Rig(const std::string& json, bool open = true) : service(describe(json)) {
        mixer.CountMixerDevices();
        if (open) {
            mixer.OpenMixerDevice(0);
        }
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

const std::string kStereoCard =
    speakers(R"({ "type": "VOLUME", "maximum": 65535, "steps": 32, "value": [100, 200] },
                { "type": "BASS", "uniform": true, "maximum": 65535, "steps": 16 },
                { "type": "MUTE", "uniform": true, "maximum": 1 },
                { "type": "UNSIGNED", "disabled": true, "maximum": 10, "steps": 10 })");

} // namespace

TEST(MixerDiscovery, DeviceWithoutSpeakersLeavesPlaybackSlotsEmptyAndRefusesThem) {
    Rig rig(R"({ "destinations": [ { "type": "DST_WAVEIN", "controls": [
        { "type": "VOLUME", "maximum": 65535, "steps": 16 } ] } ] })");
    for (std::size_t i = 0; i < hardware::kMixerSlots; ++i) {
        EXPECT_EQ(rig.mixer.slot(i).Present,
                  i == *MIXER_e::slotIndex(QStringLiteral("RecordVolume")))
            << MIXER_e::slotInfo(i).name;
    }
    EXPECT_TRUE(rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 10, 10));
    EXPECT_EQ(rig.mixer.MixerStatusText,
              QStringLiteral("Level control not supported by sound card driver!"));
    std::uint32_t left = 7;
    std::uint32_t right = 8;
    EXPECT_TRUE(rig.mixer.GetUnsignedLevel(rig.mixer.WaveOutVolume, left, right));
    EXPECT_EQ(left + right, 15u);
    EXPECT_TRUE(rig.mixer.SetSwitchState(rig.mixer.MasterMute, 1, 1));
    EXPECT_EQ(rig.mixer.MixerStatusText,
              QStringLiteral("Switch not supported by Sound card driver!"));
    EXPECT_TRUE(rig.service.valueRequests().empty());
    EXPECT_TRUE(rig.messages.shown().empty());
}

TEST(MixerDiscovery, LastControlOfATypeWinsOnALineAndAcrossLines) {
    Rig rig(R"({ "destinations": [
      { "type": "DST_SPEAKERS", "controls": [ { "type": "VOLUME", "maximum": 100, "steps": 10 },
                                              { "type": "VOLUME", "maximum": 200, "steps": 20 } ] },
      { "type": "DST_SPEAKERS", "controls": [ { "type": "TREBLE", "maximum": 1, "steps": 1 } ] },
      { "type": "DST_SPEAKERS", "controls": [ { "type": "TREBLE", "maximum": 3, "steps": 3 } ] } ] })");
    EXPECT_EQ(rig.mixer.MasterVolume.ControlID, 2u);
    EXPECT_EQ(rig.mixer.MasterVolume.Maximum, 200);
    EXPECT_EQ(rig.mixer.MasterVolume.Steps, 20u);
    EXPECT_EQ(rig.mixer.MasterTreble.Maximum, 3);
    EXPECT_EQ(rig.mixer.MasterTreble.LineID, 0xFFFF0002u);
}

TEST(MixerDiscovery, SourcesFillSlotsByComponentTypeUnderTheirDestinationKind) {
    Rig rig(R"({ "destinations": [
      { "type": "DST_HEADPHONES", "sources": [ { "type": "SRC_WAVEOUT", "controls": [
          { "type": "VOLUME", "maximum": 9, "steps": 9 } ] } ] },
      { "type": "DST_SPEAKERS", "sources": [
          { "type": "SRC_ANALOG", "controls": [ { "type": "VOLUME", "maximum": 5, "steps": 5 } ] },
          { "type": "SRC_MICROPHONE", "channels": 1, "controls": [
              { "type": "MUTE", "maximum": 1, "disabled": true } ] },
          { "type": "SRC_WAVEOUT", "lineResult": 1024 },
          { "type": "SRC_WAVEOUT", "controls": [
              { "type": "VOLUME", "minimum": -5, "maximum": 65535, "steps": 32 } ] } ] },
      { "type": "DST_WAVEIN", "controlsResult": 11, "controls": [ { "type": "VOLUME" } ],
        "sources": [ { "type": "SRC_MICROPHONE", "controls": [ { "type": "ONOFF" } ] } ] } ] })");
    const auto& wave = rig.mixer.WaveOutVolume;
    EXPECT_EQ(wave.LineID, 0x00030001u); // source 3 of destination 1; source 2 is unreadable
    EXPECT_EQ(wave.Minimum, -5);
    EXPECT_EQ(wave.Channels, 2u);
    EXPECT_EQ(rig.mixer.MicMute.Channels, 1u);
    EXPECT_FALSE(rig.mixer.MicMute.Active);
    EXPECT_TRUE(rig.mixer.RecordMicOnOff.Present);
    EXPECT_FALSE(rig.mixer.RecordVolume.Present); // its controls could not be read
    int present = 0;
    for (std::size_t i = 0; i < hardware::kMixerSlots; ++i) {
        present += rig.mixer.slot(i).Present ? 1 : 0;
    }
    EXPECT_EQ(present, 3); // the analog source and the headphones fill nothing
}

TEST(MixerValues, ValueAboveMaximumIsWrittenAsMaximumAndNegativeAsZero) {
    Rig rig(kStereoCard);
    auto& volume = rig.mixer.MasterVolume;
    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(volume, 70000, 65535));
    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(volume, 65534, 4294967296LL));
    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(volume, -1, 12));
    const auto sets = rig.sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[0].values, (Values{65535, 65535}));
    EXPECT_EQ(sets[1].values, (Values{65534, 65535}));
    EXPECT_EQ(sets[2].values, (Values{0, 12}));
    EXPECT_EQ(sets[2].channels, 2u);
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("MixerControlDetails OK "));
    EXPECT_EQ(rig.service.values(0, volume.ControlID), (Values{0, 12}));
}

TEST(MixerValues, UniformControlSendsOneValueAndReadsTheSameOnBothSides) {
    Rig rig(kStereoCard);
    auto& bass = rig.mixer.MasterBass;
    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(bass, 1234, 999));
    ASSERT_EQ(rig.sets().size(), 1u);
    EXPECT_EQ(rig.sets()[0].channels, 1u);
    EXPECT_EQ(rig.sets()[0].values, (Values{1234}));
    EXPECT_EQ(rig.service.values(0, bass.ControlID), (Values{1234, 1234}));

    // Someone else moves the right channel only: a uniform read still
    // reports one value for both; a non-uniform one reads each.
    rig.service.setValues(0, bass.ControlID, {555, 777});
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    EXPECT_FALSE(rig.mixer.GetUnsignedLevel(bass, left, right));
    EXPECT_EQ(Values({left, right}), (Values{555, 555}));
    EXPECT_FALSE(rig.mixer.GetUnsignedLevel(rig.mixer.MasterVolume, left, right));
    EXPECT_EQ(Values({left, right}), (Values{100, 200}));
}

TEST(MixerValues, LinesWithMoreThanTwoChannelsAreAskedForTwo) {
    Rig rig(speakers(R"({ "type": "VOLUME", "maximum": 100, "steps": 100,
                          "value": [1, 2, 3, 4, 5, 6] })",
                     6));
    auto& volume = rig.mixer.MasterVolume;
    EXPECT_EQ(volume.Channels, 6u);
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    EXPECT_FALSE(rig.mixer.GetUnsignedLevel(volume, left, right));
    EXPECT_EQ(Values({left, right}), (Values{1, 2}));
    EXPECT_FALSE(rig.mixer.SetUnsignedLevel(volume, 50, 60));
    EXPECT_EQ(rig.sets().back().channels, 2u);
    EXPECT_EQ(rig.service.values(0, volume.ControlID), (Values{50, 60, 3, 4, 5, 6}));
}

TEST(MixerValues, SwitchIsOnExactlyForOne) {
    Rig rig(speakers(R"({ "type": "ONOFF", "maximum": 1 })"));
    EXPECT_FALSE(rig.mixer.SetSwitchState(rig.mixer.MasterOnOff, 1, 2));
    EXPECT_FALSE(rig.mixer.SetSwitchState(rig.mixer.MasterOnOff, -1, 1));
    ASSERT_EQ(rig.sets().size(), 2u);
    EXPECT_EQ(rig.sets()[0].values, (Values{1, 0}));
    EXPECT_EQ(rig.sets()[1].values, (Values{0, 1}));
}

TEST(MixerValues, DisabledControlsAreRefusedWithTheirTexts) {
    Rig rig(speakers(R"({ "type": "VOLUME", "disabled": true, "maximum": 10, "steps": 10 },
                        { "type": "MUTE", "disabled": true, "maximum": 1 })"));
    std::uint32_t left = 3;
    std::uint32_t right = 4;
    EXPECT_TRUE(rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 1, 1));
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("Control inactive!"));
    EXPECT_TRUE(rig.mixer.GetUnsignedLevel(rig.mixer.MasterVolume, left, right));
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("Regler ist nicht Activeiert"));
    EXPECT_TRUE(rig.mixer.SetSwitchState(rig.mixer.MasterMute, 1, 1));
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("Control is inactive!"));
    EXPECT_EQ(Values({left, right}), (Values{3, 4}));
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
        const auto c = std::to_string(code);
        Rig rig(speakers(R"({ "type": "VOLUME", "maximum": 10, "steps": 10, "value": 5,
                              "getResult": )" +
                         c + R"(, "setResult": )" + c + " }"));
        EXPECT_TRUE(rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 1, 1)) << code;
        EXPECT_EQ(rig.mixer.MixerStatusText, QString::fromUtf8(text));
        std::uint32_t left = 41;
        std::uint32_t right = 42;
        EXPECT_TRUE(rig.mixer.GetUnsignedLevel(rig.mixer.MasterVolume, left, right));
        EXPECT_EQ(rig.mixer.MixerStatusText, QString::fromUtf8(text));
        EXPECT_EQ(Values({left, right}), (Values{41, 42}));
    }
}

TEST(MixerValues, AMultipleItemControlIsNeverAskedBeyondTheTwoValues) {
    Rig rig(speakers(R"({ "type": "VOLUME", "items": 4, "maximum": 10, "steps": 10 })"));
    EXPECT_TRUE(rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, 1, 1));
    EXPECT_EQ(rig.mixer.MixerStatusText, QStringLiteral("MixerControlDetails INVALPARAM"));
    EXPECT_TRUE(rig.service.valueRequests().empty()); // refused before the device saw it
}

TEST(MixerStepUnit, MaximumDivStepsAndTheSliderExample) {
    Rig rig(speakers(R"({ "type": "VOLUME", "maximum": 65535, "steps": 32 })"));
    const auto unit = rig.mixer.MasterVolume.StepUnit();
    ASSERT_EQ(unit, 2047);
    rig.mixer.SetUnsignedLevel(rig.mixer.MasterVolume, *unit * 32, *unit * 32);
    EXPECT_EQ(rig.sets().back().values, (Values{65504, 65504})); // the shown value 32
    const std::int64_t position = (rig.mixer.MasterVolume.Maximum - 32768) / *unit;
    EXPECT_EQ(position, 16);
    EXPECT_EQ(32 - position, 16);

    hardware::TMixControl control;
    control.Maximum = 2147483647; // 64-bit, steps taken as unsigned
    control.Steps = 0x80000000u;
    EXPECT_EQ(control.StepUnit(), 0);
    control.Maximum = -7; // truncated toward zero
    control.Steps = 2;
    EXPECT_EQ(control.StepUnit(), -3);
    control.Steps = 0;
    EXPECT_FALSE(control.StepUnit().has_value());
}

TEST(MixerDevices, OutOfRangeIndexesShowInvalidDeviceNumber) {
    Rig rig(kStereoCard);
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
    EXPECT_EQ(rig.mixer.MixerCaps.ProductName, QStringLiteral("Test Card"));
    EXPECT_EQ(rig.service.openDevices(), 0);
}

TEST(MixerDevices, OpeningFailsWithItsMessageAndAnEmptyDirectory) {
    Rig rig(R"({ "devices": [
      { "destinations": [ { "type": "DST_SPEAKERS", "controls": [ { "type": "VOLUME" } ] } ] },
      { "productName": "Busy", "openResult": 4, "destinations": [
          { "type": "DST_SPEAKERS", "controls": [ { "type": "VOLUME" } ] } ] } ] })");
    ASSERT_TRUE(rig.mixer.MasterVolume.Present);
    rig.mixer.OpenMixerDevice(1);
    ASSERT_EQ(rig.messages.shown().size(), 1u);
    EXPECT_EQ(rig.messages.shown()[0].text, QStringLiteral("Mixer Opening Procedure failed "));
    EXPECT_EQ(rig.messages.shown()[0].caption, QStringLiteral("Sound card driver problem"));
    EXPECT_EQ(rig.messages.shown()[0].type, MessageType::Error);
    EXPECT_FALSE(rig.mixer.MasterVolume.Present);
    EXPECT_EQ(rig.mixer.MixerCaps.ProductName, QStringLiteral("Busy"));
    EXPECT_EQ(rig.service.openDevices(), 0); // the first device was closed
}

TEST(MixerDevices, UnreadableCapabilitiesAreReportedAndOpeningGoesOn) {
    Rig rig(R"({ "capsResult": 6, "destinations": [ { "type": "DST_SPEAKERS", "controls": [
        { "type": "VOLUME" } ] } ] })");
    ASSERT_EQ(rig.messages.shown().size(), 1u);
    EXPECT_EQ(rig.messages.shown()[0].text,
              QStringLiteral("Mixereigenschaften konnten nicht ermittelt werden "));
    EXPECT_EQ(rig.messages.shown()[0].caption, QStringLiteral("Soundkarten Treiber Problem"));
    EXPECT_EQ(rig.messages.shown()[0].type, MessageType::Error);
    EXPECT_TRUE(rig.mixer.deviceOpen());
    EXPECT_EQ(rig.mixer.MixerCaps.DestinationCount, 0); // no lines known: nothing found
    EXPECT_FALSE(rig.mixer.MasterVolume.Present);
}

TEST(MixerDevices, ReopeningClosesTheDeviceAndRenewsTheSameSlots) {
    Rig rig(R"({ "devices": [
      { "destinations": [ { "type": "DST_SPEAKERS", "controls": [ { "type": "VOLUME" } ] } ] },
      { "destinations": [ { "type": "DST_WAVEIN", "controls": [ { "type": "VOLUME" } ] } ] } ] })");
    hardware::TMixUnsignedControl& master = rig.mixer.MasterVolume;
    ASSERT_TRUE(master.Present);
    rig.mixer.OpenMixerDevice(1);
    EXPECT_EQ(rig.service.openDevices(), 1);
    EXPECT_EQ(rig.mixer.openedIndex(), 1u);
    EXPECT_FALSE(master.Present);
    EXPECT_TRUE(rig.mixer.RecordVolume.Present);
    {
        MIXER_e other(rig.service, rig.messages);
        other.CountMixerDevices();
        other.OpenMixerDevice(0);
        EXPECT_EQ(rig.service.openDevices(), 2);
    }
    EXPECT_EQ(rig.service.openDevices(), 1); // closed with its layer
}

TEST(MixerCaps, DriverVersionProductNameListingAndDeviceEntries) {
    Rig rig(R"({ "devices": [
      { "productName": "A card whose name is longer than thirty-one characters",
        "driverVersion": 1282, "destinations": [ { "type": "DST_SPEAKERS" } ] },
      { "productName": "Other", "driverVersion": "5.10",
        "destinations": [ { "type": "DST_SPEAKERS" }, { "type": "DST_WAVEIN" } ] } ] })",
            false);
    rig.mixer.ReadMixerCaps(0);
    EXPECT_EQ(rig.mixer.MixerCaps.DriverVersion, QStringLiteral("5.2"));
    EXPECT_EQ(rig.mixer.MixerCaps.ProductName, QStringLiteral("A card whose name is longer tha"));
    rig.mixer.ReadMixerCaps(1);
    EXPECT_EQ(rig.mixer.MixerCaps.DriverVersion, QStringLiteral("5.10"));
    EXPECT_EQ(rig.mixer.MixerCaps.DestinationCount, 2);
    EXPECT_EQ(rig.mixer.MixerListing, (QStringList{QStringLiteral("Other"), QStringLiteral("5.10"),
                                                   QStringLiteral("Mixerleitungen : 2")}));
    rig.mixer.ReadMixerCaps(2); // out of range: a new, empty listing, nothing else
    EXPECT_TRUE(rig.mixer.MixerListing.isEmpty());
    EXPECT_EQ(rig.mixer.MixerCaps.ProductName, QStringLiteral("Other"));

    EXPECT_EQ(hardware::mixerDeviceEntries(rig.mixer),
              (QStringList{QStringLiteral("A card whose name is longer tha Driver Version 5.2"),
                           QStringLiteral("Other Driver Version 5.10")}));
    EXPECT_TRUE(rig.messages.shown().empty());
}

TEST(MixerCaps, ListingHasABlockPerControl) {
    Rig rig(kStereoCard);
    const QStringList& listing = rig.mixer.MixerListing;
    const QString rule(71, QLatin1Char('-'));
    EXPECT_EQ(listing.count(rule), 4);
    EXPECT_EQ(listing.count(QStringLiteral("Summenregler für beide Kanäle (Uniform)")), 2);
    EXPECT_EQ(listing.count(QStringLiteral("Steuerelement nicht Active ")), 1);
    EXPECT_TRUE(listing.contains(QStringLiteral("Steuerelement-Typ : UNSIGNED")));
    EXPECT_TRUE(listing.contains(QStringLiteral("Minimum : 0   Maximum : 65535   Schritte : 32")));
    EXPECT_EQ(listing.back(), rule);
}

TEST(MixerDirectory, NamedSlotsAndIndexesAgree) {
    Rig rig(kStereoCard, false);
    for (std::size_t i = 0; i < hardware::kMixerSlots; ++i) {
        EXPECT_EQ(MIXER_e::slotIndex(QLatin1String(MIXER_e::slotInfo(i).name)), i);
    }
    EXPECT_EQ(&rig.mixer.slot(0), &rig.mixer.MasterVolume);
    EXPECT_EQ(&rig.mixer.slot(*MIXER_e::slotIndex(QStringLiteral("PCSpeakerMute"))),
              &rig.mixer.PCSpeakerMute);
    EXPECT_EQ(&rig.mixer.slot(hardware::kMixerSlots - 1), &rig.mixer.RecordMicOnOff);
    EXPECT_FALSE(MIXER_e::slotIndex(QStringLiteral("NoSuchSlot")).has_value());
}

TEST(MixerDiscovery, ASourceLineWithoutTypeFillsNoMasterSlot) {
    Rig rig(R"({ "productName": "Odd Card", "destinations": [
      { "type": "DST_SPEAKERS", "controls": [ { "type": "VOLUME", "maximum": 100, "steps": 100 } ],
        "sources": [ { "type": 0, "controls": [ { "type": "VOLUME", "maximum": 7, "steps": 7 } ] } ] } ] })");
    ASSERT_TRUE(rig.mixer.MasterVolume.Present);
    EXPECT_EQ(rig.mixer.MasterVolume.Maximum, 100);
}
