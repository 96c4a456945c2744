// The compatibility test and calibration by ear on the real sound path:
// ALSA into the PulseAudio server's null sink, the real ALSA mixer and the
// server's endpoint volume. The looped tone is recorded from the sink's
// monitor (frequency, level, channel); the master slider reaches the sink
// on both paths, as pactl and amixer read it; the wave slider scales only
// this program's tone. Skips when no sound server answers.

#include "engine/AppState.h"
#include "hardware/MIXER_e.h"
#include "hardware/TfrmBioCal.h"
#include "hardware/TfrmCompatibilityTest.h"
#include "platform/Platform.h"
#include "platform/SoundServerProbe.h"
#include "platform/alsa/AlsaMixer.h"
#include "platform/alsa/AlsaWaveOutput.h"
#include "platform/pulse/PulseEndpointVolume.h"
#include "platform/qt/QtEventPump.h"
#include "platform/sim/ScriptedGameController.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimScreenSaver.h"
#include "storage/SettingsTable.h"
#include "support/SinkRecorder.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QThread>

#include <algorithm>
#include <cmath>

using namespace tavo;

namespace {

constexpr const char* kNoServer =
    "no PulseAudio-compatible server answers (pactl info); scripts/test starts one";

// The real sound parts the dialogs drive, with scripted message boxes.
struct RealSound {
    RealSound() {
        auto volume = std::make_shared<platform::PlaybackVolume>();
        bundle.playbackVolume = volume;
        bundle.pump = std::make_unique<platform::QtEventPump>();
        bundle.wave = std::make_unique<platform::AlsaWaveOutput>(volume);
        bundle.messages = std::make_unique<platform::SimMessages>();
        bundle.screenSaver = std::make_unique<platform::SimScreenSaver>();
        bundle.endpoint = std::make_unique<platform::PulseEndpointVolumeService>();
        bundle.mixer = std::make_unique<platform::AlsaMixerService>(volume);
        bundle.controller = std::make_unique<platform::ScriptedGameController>();
        mixer = std::make_unique<hardware::MIXER_e>(*bundle.mixer, *bundle.messages);
        mixer->CountMixerDevices();
        mixer->OpenMixerDevice(0);
        endpoint = bundle.endpoint->activateDefault();
    }
    hardware::CalibrationDialogContext context(bool endpointPath) {
        state.UseEndpointVolume = endpointPath;
        return {state, bundle, *mixer, [this] { return endpoint.get(); }, &settings, nullptr};
    }

    platform::Platform bundle;
    std::unique_ptr<hardware::MIXER_e> mixer;
    std::unique_ptr<platform::EndpointVolume> endpoint;
    engine::AppState state;
    storage::Settings settings = storage::designSettings(); // the first device
};

void show(QSlider* slider, int value) {
    slider->setValue(value);
}

// Records what the sink plays while `play` runs and the tone loops a while.
std::vector<testsupport::StereoFrame> recordWhile(const std::function<void()>& play,
                                                  const std::function<void()>& stop) {
    testsupport::SinkRecorder recorder;
    if (!recorder.start()) {
        ADD_FAILURE() << recorder.lastError().toStdString();
        return {};
    }
    play();
    QThread::msleep(1500);
    stop();
    QThread::msleep(200);
    return recorder.stop();
}

struct Measured {
    double leftDb = -200;
    double rightDb = -200;
    double frequency = 0;
};

// Peaks of both channels (dBFS) and the frequency of the louder one, over
// the recording's loud part (the looped pulses' flat middles).
Measured measure(const std::vector<testsupport::StereoFrame>& frames) {
    Measured m;
    int left = 0;
    int right = 0;
    for (const auto& f : frames) {
        left = std::max(left, std::abs(static_cast<int>(f.left)));
        right = std::max(right, std::abs(static_cast<int>(f.right)));
    }
    const auto db = [](int peak) {
        return peak > 0 ? 20.0 * std::log10(peak / 32767.0) : -200.0;
    };
    m.leftDb = db(left);
    m.rightDb = db(right);
    const bool useRight = right > left;
    // The median distance between upward zero crossings (exact zeros do
    // not count; the silence before and after the tone gives none).
    std::vector<std::size_t> ups;
    int previous = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const int s = useRight ? frames[i].right : frames[i].left;
        if (s == 0) {
            continue;
        }
        if (previous < 0 && s > 0) {
            ups.push_back(i);
        }
        previous = s;
    }
    std::vector<double> periods;
    for (std::size_t i = 1; i < ups.size(); ++i) {
        periods.push_back(static_cast<double>(ups[i] - ups[i - 1]));
    }
    if (!periods.empty()) {
        std::nth_element(periods.begin(), periods.begin() + static_cast<long>(periods.size() / 2),
                         periods.end());
        m.frequency = 44100.0 / periods[periods.size() / 2];
    }
    return m;
}

} // namespace

TEST(RealCalibration, TheCompatibilityTestsToneAndSlidersReachTheSink) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    testsupport::SinkRestorer restore;
    ASSERT_TRUE(testsupport::setSinkMute(false));
    RealSound sound;
    ASSERT_TRUE(sound.mixer->deviceOpen());
    hardware::TfrmCompatibilityTest dialog(sound.context(true));
    dialog.show();
    // On a sound-server desktop the card is compatible: the wave control is
    // the program's own volume.
    auto& messages = static_cast<platform::SimMessages&>(*sound.bundle.messages);
    EXPECT_EQ(messages.count(hardware::TfrmCompatibilityTest::kWaveZeroSteps), 0);
    ASSERT_TRUE(dialog.WaveOutSlider->isEnabled());
    EXPECT_EQ(dialog.WaveOutSlider->maximum(), 255);

    // 1000 Hz at -20 dB on the right channel, everything at full.
    dialog.tbrFrequency->setValue(7);
    dialog.Threshold->setText(QStringLiteral("-20"));
    dialog.rdoRightEar->setChecked(true);
    show(dialog.WaveOutSlider, 255);
    show(dialog.MasterSlider, 1000);
    auto m = measure(recordWhile([&] { dialog.OnButtonClick(); }, [&] { dialog.OnButtonClick(); }));
    EXPECT_NEAR(m.rightDb, -20.0, 0.5);
    EXPECT_LT(m.leftDb, -150.0) << "the tone on the other channel";
    EXPECT_NEAR(m.frequency, 1000.0, 5.0);

    // The wave slider: 40 steps of 0.25 dB are 10 dB, on this tone only.
    show(dialog.WaveOutSlider, 215);
    const auto sinkBefore = testsupport::sinkVolumes();
    m = measure(recordWhile([&] { dialog.OnButtonClick(); }, [&] { dialog.OnButtonClick(); }));
    EXPECT_NEAR(m.rightDb, -30.0, 0.5);
    EXPECT_EQ(testsupport::sinkVolumes(), sinkBefore);

    // The master slider on the endpoint path is the sink's volume.
    show(dialog.MasterSlider, 500);
    const auto volumes = testsupport::sinkVolumes();
    ASSERT_TRUE(volumes.has_value());
    for (auto v : *volumes) {
        EXPECT_NEAR(static_cast<double>(v), 32768.0, 2.0);
    }
    dialog.close();
    EXPECT_FALSE(sound.bundle.wave->isOpen());
}

TEST(RealCalibration, OnTheMixerPathTheMasterSliderIsTheCardsMasterControl) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    testsupport::SinkRestorer restore;
    RealSound sound;
    ASSERT_TRUE(sound.mixer->MasterVolume.Present);
    hardware::TfrmCompatibilityTest dialog(sound.context(false));
    dialog.show();
    ASSERT_TRUE(dialog.MasterSlider->isEnabled());
    EXPECT_EQ(dialog.MasterSlider->maximum(), static_cast<int>(sound.mixer->MasterVolume.Steps));
    show(dialog.MasterSlider, 40000);
    const auto read = testsupport::amixerMasterVolumes();
    ASSERT_TRUE(read.has_value());
    for (auto v : *read) {
        EXPECT_EQ(v, 40000u * static_cast<std::uint32_t>(*sound.mixer->MasterVolume.StepUnit()));
    }
    dialog.close();
}

TEST(RealCalibration, CalibrationByEarPlaysTheKnownThresholdMinus60) {
    if (!testsupport::soundServerAnswers()) {
        GTEST_SKIP() << kNoServer;
    }
    testsupport::SinkRestorer restore;
    ASSERT_TRUE(testsupport::setSinkMute(false));
    RealSound sound;
    hardware::TfrmBioCal dialog(sound.context(true), {});
    dialog.show(); // "Yes": a known threshold
    ASSERT_TRUE(dialog.KnownThresholdMode);
    // Every slider at the top: the tone as synthesized.
    show(dialog.WaveOutSlider, dialog.WaveOutSlider->maximum());
    show(dialog.MasterSlider, 1000);
    dialog.Threshold->setText(QStringLiteral("35"));
    const auto m =
        measure(recordWhile([&] { dialog.OnButtonClick(); }, [&] { dialog.OnButtonClick(); }));
    EXPECT_NEAR(m.leftDb, -25.0, 0.5);
    EXPECT_LT(m.rightDb, -150.0);
    EXPECT_NEAR(m.frequency, 125.0, 2.0);
    dialog.close();
}
