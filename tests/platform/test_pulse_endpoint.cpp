// The PulseAudio endpoint volume against the running sound server, read
// back with pactl. Skips when no server answers.

#include "hardware/MIXER_e.h"
#include "hardware/MasterLevel.h"
#include "hardware/VolumeKeeper.h"
#include "platform/SoundServerProbe.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"
#include "platform/pulse/PulseEndpointVolume.h"

#include <gtest/gtest.h>

using namespace tavo;
using testsupport::sinkVolumes;

namespace {
constexpr const char* kNoServer =
    "no PulseAudio-compatible server answers (pactl info); scripts/test starts one";
}

TEST(PulseEndpointVolume, SetsTheDefaultSinkAndRefusesLevelsOutsideTheRange) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    testsupport::SinkRestorer restore;
    platform::PulseEndpointVolumeService service;
    ASSERT_TRUE(service.serverAnswers());
    auto endpoint = service.activateDefault();
    ASSERT_NE(endpoint, nullptr);

    ASSERT_TRUE(endpoint->setMasterLevelScalar(0.25f));
    EXPECT_EQ(sinkVolumes(), (std::vector<std::uint32_t>{16384, 16384}));

    EXPECT_FALSE(endpoint->setMasterLevelScalar(1.2f));
    EXPECT_FALSE(endpoint->setMasterLevelScalar(-0.1f));
    EXPECT_EQ(sinkVolumes(), (std::vector<std::uint32_t>{16384, 16384}));

    ASSERT_TRUE(endpoint->setMasterLevelScalar(0.0f));
    EXPECT_EQ(sinkVolumes(), (std::vector<std::uint32_t>{0, 0}));
    ASSERT_TRUE(endpoint->setMasterLevelScalar(1.0f));
    EXPECT_EQ(sinkVolumes(), (std::vector<std::uint32_t>{65536, 65536}));
}

TEST(PulseEndpointVolume, KeepsTheBalanceBetweenChannels) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    testsupport::SinkRestorer restore;
    ASSERT_TRUE(testsupport::setSinkVolume(QStringLiteral("65536")));
    ASSERT_TRUE(
        testsupport::runTool(QStringLiteral("pactl"),
                             {QStringLiteral("set-sink-volume"), QStringLiteral("@DEFAULT_SINK@"),
                              QStringLiteral("65536"), QStringLiteral("32768")})
            .has_value());
    platform::PulseEndpointVolumeService service;
    auto endpoint = service.activateDefault();
    ASSERT_NE(endpoint, nullptr);
    ASSERT_TRUE(endpoint->setMasterLevelScalar(0.5f));
    EXPECT_EQ(sinkVolumes(), (std::vector<std::uint32_t>{32768, 16384}));
}

TEST(PulseEndpointVolume, TheLevelReadBackIsWhatTheProgramPutsBackAtItsEnd) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    testsupport::SinkRestorer restore;
    ASSERT_TRUE(testsupport::setSinkVolume(QStringLiteral("65536")));
    platform::PulseEndpointVolumeService service;
    auto endpoint = service.activateDefault();
    ASSERT_NE(endpoint, nullptr);
    EXPECT_EQ(endpoint->masterLevelScalar(), 1.0f);
    // As after a test that ended at 38 %: the program's end puts 100 % back.
    platform::SimMixerService noCard(std::vector<platform::SimMixerDeviceDescription>{});
    platform::SimMessages messages;
    hardware::MIXER_e mixer(noCard, messages);
    hardware::VolumeKeeper keeper(mixer, endpoint.get());
    ASSERT_TRUE(hardware::ApplyMasterLevel(endpoint.get(), 380));
    EXPECT_NEAR(endpoint->masterLevelScalar().value_or(0.0f), 0.38f, 0.0001f);
    keeper.restore();
    EXPECT_EQ(sinkVolumes(), (std::vector<std::uint32_t>{65536, 65536}));
}
