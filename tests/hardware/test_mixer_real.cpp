// The mixer layer on the real ALSA backend, against the PulseAudio server
// that scripts/test starts: the `default` device reaches the server's
// default sink, writes change it as pactl and amixer read it, and a tone
// through the sink gets quieter by what the server's volume curve says.
// Skips when no server answers.

#include "hardware/MIXER_e.h"
#include "hardware/MasterLevel.h"
#include "platform/SoundServerProbe.h"
#include "platform/alsa/AlsaMixer.h"
#include "platform/pulse/PulseEndpointVolume.h"
#include "platform/sim/SimMessages.h"

#include <QThread>

#include <gtest/gtest.h>

#include <cmath>

using namespace tavo;
using testsupport::sinkVolumes;

namespace {

constexpr const char* kNoServer =
    "no PulseAudio-compatible server answers (pactl info); scripts/test starts one";

// The server's volume curve is cubic: raw v of 65536 scales the sound by
// (v / 65536)^3.
double serverGainDb(double raw) {
    return 60.0 * std::log10(raw / 65536.0);
}

struct RealMixer {
    platform::AlsaMixerService service;
    platform::SimMessages messages;
    hardware::MIXER_e mixer{service, messages};

    // Opens `default`, the first device.
    bool openDefault() {
        mixer.CountMixerDevices();
        if (mixer.MixerDeviceCount == 0) {
            return false;
        }
        mixer.OpenMixerDevice(0);
        return messages.shown().empty() && mixer.deviceOpen();
    }
};

} // namespace

TEST(RealMixer, DefaultDeviceHasTheSinksVolumeAndMute) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    RealMixer real;
    ASSERT_TRUE(real.openDefault()) << real.messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(real.service.controlName(0), "default");
    EXPECT_TRUE(real.mixer.MixerCaps.ProductName.endsWith(QStringLiteral("(default)")));
    EXPECT_GE(real.mixer.MixerCaps.DestinationCount, 1);

    const auto& volume = real.mixer.MasterVolume;
    ASSERT_TRUE(volume.Present);
    EXPECT_TRUE(volume.Active);
    EXPECT_EQ(volume.Minimum, 0);
    EXPECT_EQ(volume.Maximum, 65536);
    EXPECT_EQ(volume.Steps, 65536u);
    EXPECT_EQ(volume.StepUnit(), 1);
    EXPECT_EQ(volume.Channels, 2u);
    EXPECT_TRUE(real.mixer.MasterMute.Present);
    EXPECT_GE(real.mixer.MixerListing.size(), 3);
}

TEST(RealMixer, WritesReachTheSinkAndReadsReportWhatItHolds) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    testsupport::SinkRestorer restore;
    RealMixer real;
    ASSERT_TRUE(real.openDefault());
    auto& mixer = real.mixer;
    ASSERT_TRUE(mixer.MasterVolume.Present);

    EXPECT_FALSE(mixer.SetUnsignedLevel(mixer.MasterVolume, 32768, 16384));
    EXPECT_EQ(mixer.MixerStatusText, QStringLiteral("MixerControlDetails OK "));
    EXPECT_EQ(sinkVolumes(), (std::vector<std::uint32_t>{32768, 16384}));
    EXPECT_EQ(testsupport::amixerMasterVolumes(), (std::vector<std::uint32_t>{32768, 16384}));
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    EXPECT_FALSE(mixer.GetUnsignedLevel(mixer.MasterVolume, left, right));
    EXPECT_EQ(left, 32768u);
    EXPECT_EQ(right, 16384u);

    // Changed by someone else: the server tells ALSA of the change on its
    // own time (a round trip), after which a read reports it.
    ASSERT_TRUE(testsupport::setSinkVolume(QStringLiteral("20000")));
    for (int tries = 0; tries < 100 && left != 20000u; ++tries) {
        QThread::msleep(10);
        EXPECT_FALSE(mixer.GetUnsignedLevel(mixer.MasterVolume, left, right));
    }
    EXPECT_EQ(left, 20000u);
    EXPECT_EQ(right, 20000u);

    // Above the maximum: the maximum.
    EXPECT_FALSE(mixer.SetUnsignedLevel(mixer.MasterVolume, 100000, 65537));
    EXPECT_EQ(sinkVolumes(), (std::vector<std::uint32_t>{65536, 65536}));

    EXPECT_FALSE(mixer.SetSwitchState(mixer.MasterMute, 1, 1));
    EXPECT_EQ(testsupport::sinkMuted(), true);
    EXPECT_FALSE(mixer.SetSwitchState(mixer.MasterMute, 0, 0));
    EXPECT_EQ(testsupport::sinkMuted(), false);
}

TEST(RealMixer, ARecordedToneGetsQuieterByTheVolumeSet) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    testsupport::SinkRestorer restore;
    RealMixer real;
    ASSERT_TRUE(real.openDefault());
    auto& mixer = real.mixer;
    ASSERT_TRUE(mixer.MasterVolume.Present);
    QString error;

    ASSERT_FALSE(mixer.SetUnsignedLevel(mixer.MasterVolume, 65536, 65536));
    const auto full = testsupport::recordTonePeak(-6.0, 400, error);
    ASSERT_TRUE(full.has_value()) << error.toStdString();
    EXPECT_NEAR(*full, -6.0, 0.05);

    // Through the mixer layer: half the raw range is -18.06 dB.
    ASSERT_FALSE(mixer.SetUnsignedLevel(mixer.MasterVolume, 32768, 32768));
    const auto half = testsupport::recordTonePeak(-6.0, 400, error);
    ASSERT_TRUE(half.has_value()) << error.toStdString();
    EXPECT_NEAR(*half - *full, serverGainDb(32768), 0.1);

    // Through the endpoint volume: 250 thousandths is -36.12 dB.
    platform::PulseEndpointVolumeService endpoints;
    const auto endpoint = endpoints.activateDefault();
    ASSERT_NE(endpoint, nullptr);
    ASSERT_TRUE(hardware::ApplyMasterLevel(endpoint.get(), 250));
    const auto quarter = testsupport::recordTonePeak(-6.0, 400, error);
    ASSERT_TRUE(quarter.has_value()) << error.toStdString();
    EXPECT_NEAR(*quarter - *full, serverGainDb(16384), 0.2);
}
