// Calibration by ear and the compatibility test in the program's windows, on
// the simulated card: the pages and the values they start from, the tone
// (level, channel, looping), the sliders' requests on both paths, the
// hand-over, the Calibration menu and its rule; a whole calibration by
// clicks, saved, converted back and forth by `tavo`, and then accepted by
// the New Test command.

#include "engine/AppState.h"
#include "engine/TrackingTest.h"
#include "hardware/TfrmBioCal.h"
#include "hardware/TfrmCompatibilityTest.h"
#include "storage/CalibrationFile.h"
#include "storage/TfrmCalibrationInfo.h"
#include "storage/TfrmSettings.h"
#include "support/TavoTool.h"
#include "support/TestPlatform.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace tavo;
using hardware::TfrmBioCal;
using hardware::TfrmCompatibilityTest;
using Kind = platform::SimMixerService::RequestKind;

namespace {

// The built-in card with its gain control made two-channel (not uniform).
std::vector<platform::SimMixerDeviceDescription> cardWithStereoGain() {
    auto card = platform::builtInSimMixerDevices();
    for (auto& control : card[0].destinations[0].line.controls) {
        if (control.control.type == platform::control::Unsigned) {
            control.control.flags &= ~platform::control::FlagUniform;
            control.values = {1, 1};
        }
    }
    return card;
}

struct Program {
    explicit Program(bool endpointPath = true,
                     std::vector<platform::SimMixerDeviceDescription> card = {}) {
        if (!card.empty()) {
            sim.mixer->devices() = std::move(card);
        }
        if (!endpointPath) {
            sim.bundle.endpoint = std::make_unique<platform::SimEndpointVolumeService>(false);
            sim.endpoint =
                static_cast<platform::SimEndpointVolumeService*>(sim.bundle.endpoint.get());
        }
        sim.settingsFromEarlierStart();
        windows = ui::createWindows(state, sim.bundle, sim.services(), {});
        sim.messages->clear();
        sim.mixer->clearRequests();
    }
    TfrmBioCal& bioCal() { return *windows->bioCal; }
    TfrmCompatibilityTest& compatibility() { return *windows->compatibility; }
    hardware::MIXER_e& mixer() { return *sim.mixerLayer; }
    // The values the last requests set on a control, in order.
    std::vector<std::vector<std::uint32_t>> sets(const hardware::TMixControl& control) const {
        std::vector<std::vector<std::uint32_t>> values;
        for (const auto& r : sim.mixer->valueRequests()) {
            if (r.kind == Kind::SetDetails && r.controlId == control.ControlID) {
                values.push_back(r.values);
            }
        }
        return values;
    }
    // Moves a slider so that it shows `value` (as a user dragging it).
    static void show(QSlider* slider, int value) { slider->setValue(value); }
    static int shown(const QSlider* slider) { return slider->value(); }

    testsupport::TestPlatform sim;
    engine::AppState state;
    std::unique_ptr<ui::ProgramWindows> windows;
};

// Peak of one channel (0 left, 1 right) of a 16-bit stereo buffer.
int peak(const std::vector<std::uint8_t>& bytes, int channel) {
    int result = 0;
    for (std::size_t i = static_cast<std::size_t>(channel) * 2; i + 1 < bytes.size(); i += 4) {
        const auto sample = static_cast<std::int16_t>(bytes[i] | (bytes[i + 1] << 8));
        result = std::max(result, std::abs(static_cast<int>(sample)));
    }
    return result;
}

// Sign changes per second of one channel in the flat middle half of the
// tone: twice the frequency.
double frequencyOf(const std::vector<std::uint8_t>& bytes, int channel) {
    int crossings = 0;
    int previous = 0;
    const std::size_t all = bytes.size() / 4;
    const std::size_t frames = all / 2;
    for (std::size_t f = all / 4; f < all / 4 + frames; ++f) {
        const std::size_t i = f * 4 + static_cast<std::size_t>(channel) * 2;
        const int sample = static_cast<std::int16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (sample != 0) {
            if (previous != 0 && (previous < 0) != (sample < 0)) {
                ++crossings;
            }
            previous = sample;
        }
    }
    return crossings / 2.0 * 44100.0 / static_cast<double>(frames);
}

} // namespace

TEST(CalibrationByEar, PagesStartFromTheRightValuesAndFinishingHandsTheTableOver) {
    Program program;
    auto& bio = program.bioCal();
    program.sim.messages->queueAnswer(platform::MessageAnswer::No); // no known threshold
    program.state.NewCalibrationMode = true;
    program.windows->main->setEnabled(false);
    bio.show();

    EXPECT_FALSE(bio.KnownThresholdMode);
    EXPECT_FALSE(bio.Threshold->isVisible());
    EXPECT_EQ(bio.Threshold->text(), QStringLiteral("0"));
    EXPECT_EQ(program.sim.messages->shown().at(0).helpContext, 11);
    EXPECT_EQ(bio.windowTitle(), QStringLiteral("Kalibrierung per Gehör- Linkes Ohr 125 Hz"));
    EXPECT_EQ(bio.Previous->text(), QStringLiteral("Abbrechen"));
    EXPECT_TRUE(bio.Directions->text().startsWith(QStringLiteral(" Starten Sie den Tongenerator")));
    // A new calibration starts silent: every slider at 0.
    for (const QSlider* slider : {bio.WaveOutSlider, bio.MasterSlider, bio.GainSlider}) {
        EXPECT_EQ(Program::shown(slider), 0) << slider->objectName().toStdString();
    }
    EXPECT_EQ(bio.WaveOutSlider->maximum(), 32);
    EXPECT_EQ(bio.MasterSlider->maximum(), 1000); // the endpoint's thousandths
    EXPECT_EQ(bio.GainSlider->maximum(), 3);

    // Left-ear pages start from the previous frequency's values.
    Program::show(bio.WaveOutSlider, 20);
    Program::show(bio.MasterSlider, 700);
    EXPECT_EQ(program.sim.endpoint->level, 0.7f);
    bio.NextClick();
    EXPECT_EQ(bio.lblFreqSide->text(), QStringLiteral("Linkes Ohr 250 Hz"));
    EXPECT_EQ(Program::shown(bio.WaveOutSlider), 20);
    EXPECT_EQ(Program::shown(bio.MasterSlider), 700);
    EXPECT_EQ(bio.Previous->text(), QStringLiteral("<- Zurück"));
    for (int page = 2; page <= 11; ++page) {
        Program::show(bio.MasterSlider, 700 + page);
        bio.NextClick();
    }
    // The right ear starts from the left ear's values at the same frequency.
    EXPECT_EQ(bio.CalibrationEar, 1);
    EXPECT_EQ(bio.windowTitle(), QStringLiteral("Kalibrierung per Gehör- Rechtes Ohr 125 Hz"));
    EXPECT_EQ(Program::shown(bio.MasterSlider), 700);
    EXPECT_EQ(bio.toneChannels(), (engine::ChannelGains{0, 1}));
    bio.NextClick();
    EXPECT_EQ(Program::shown(bio.MasterSlider), 702);
    // Back to the left ear's last page, which keeps its own values.
    bio.PreviousClick();
    bio.PreviousClick();
    EXPECT_EQ(bio.CalibrationEar, 0);
    EXPECT_EQ(bio.CalibrationSlot, 11);
    EXPECT_EQ(Program::shown(bio.MasterSlider), 711);

    bio.NextClick();
    for (int page = 1; page <= 11; ++page) {
        Program::show(bio.MasterSlider, 800 + page);
        bio.NextClick();
    }
    // Finished: 22 points, the hand-over with its comment, this dialog closed.
    EXPECT_FALSE(bio.isVisible());
    EXPECT_TRUE(program.state.NewCalibrationPending);
    EXPECT_FALSE(program.state.NewCalibrationDate.isEmpty());
    EXPECT_FALSE(program.state.NewCalibrationTime.contains(QStringLiteral("UTC")));
    EXPECT_TRUE(program.windows->calibrationInfo->isVisible());
    EXPECT_EQ(program.windows->calibrationInfo->Comment->text(),
              QStringLiteral("Calibration by Ear"));
    EXPECT_FALSE(program.windows->main->isEnabled()); // the information dialog has it now
    for (int k = 0; k < 11; ++k) {
        EXPECT_EQ(program.state.NewCalibration[0][static_cast<std::size_t>(k)].MasterSteps,
                  k == 0 ? 700 : 701 + k);
        EXPECT_EQ(program.state.NewCalibration[1][static_cast<std::size_t>(k)].MasterSteps,
                  801 + k);
        EXPECT_EQ(program.state.NewCalibration[0][static_cast<std::size_t>(k)].WaveSteps, 20);
    }
}

TEST(CalibrationByEar, PreviousOnTheFirstPageClosesWithoutHandOver) {
    Program program;
    auto& bio = program.bioCal();
    program.windows->main->setEnabled(false);
    bio.show();
    bio.OnButtonClick();
    EXPECT_TRUE(bio.tonePlaying());
    bio.PreviousClick();
    EXPECT_FALSE(bio.isVisible());
    EXPECT_FALSE(bio.tonePlaying());
    EXPECT_FALSE(program.sim.wave->isOpen());
    EXPECT_FALSE(program.state.NewCalibrationPending);
    EXPECT_FALSE(program.windows->calibrationInfo->isVisible());
    EXPECT_TRUE(program.windows->main->isEnabled());
}

TEST(CalibrationByEar, TheToneIsTheKnownThresholdMinus60OnThePagesEarOnly) {
    Program program;
    auto& bio = program.bioCal();
    bio.show(); // "Yes": a known threshold
    ASSERT_TRUE(bio.KnownThresholdMode);
    bio.Threshold->setText(QStringLiteral("10"));
    bio.OnButtonClick();
    ASSERT_TRUE(bio.tonePlaying());
    EXPECT_EQ(bio.OnButton->text(), TfrmBioCal::kOff);
    EXPECT_EQ(bio.shpLED->colour(), hardware::kLedOn);
    const auto& written = program.sim.wave->written().back();
    EXPECT_EQ(written.loops, platform::kLoopUntilReset);
    EXPECT_EQ(written.bytes.size(), 44100u * 4);
    EXPECT_NEAR(peak(written.bytes, 0), 32767 * std::pow(10.0, -50.0 / 20.0), 1.0);
    EXPECT_EQ(peak(written.bytes, 1), 0);
    EXPECT_NEAR(frequencyOf(written.bytes, 0), 125.0, 2.0);

    // Enter while it plays: the new threshold at once; while it is off, nothing.
    bio.Threshold->setText(QStringLiteral("abc"));
    QTest::keyClick(bio.Threshold, Qt::Key_Return);
    EXPECT_TRUE(bio.tonePlaying());
    EXPECT_EQ(bio.Threshold->text(), QStringLiteral("0")); // not a whole number: 0
    EXPECT_NEAR(peak(program.sim.wave->written().back().bytes, 0),
                32767 * std::pow(10.0, -60.0 / 20.0), 1.0);
    const auto writes = program.sim.wave->written().size();
    bio.OnButtonClick();
    EXPECT_EQ(bio.shpLED->colour(), hardware::kLedOff);
    QTest::keyClick(bio.Threshold, Qt::Key_Return);
    EXPECT_EQ(program.sim.wave->written().size(), writes);
    EXPECT_FALSE(program.sim.wave->isOpen());

    // A right-ear page plays on the right only; Next stops the tone first.
    for (int page = 1; page <= 11; ++page) {
        bio.NextClick();
    }
    bio.OnButtonClick();
    EXPECT_EQ(peak(program.sim.wave->written().back().bytes, 0), 0);
    EXPECT_GT(peak(program.sim.wave->written().back().bytes, 1), 0);
    bio.NextClick();
    EXPECT_FALSE(bio.tonePlaying());
    EXPECT_FALSE(program.sim.wave->isOpen());

    // A device that cannot play is said so; the light stays red.
    program.sim.wave->failNextOpen(platform::WaveResult::Allocated);
    program.sim.messages->clear();
    bio.OnButtonClick();
    EXPECT_FALSE(bio.tonePlaying());
    EXPECT_EQ(bio.shpLED->colour(), hardware::kLedOff);
    EXPECT_EQ(bio.OnButton->text(), TfrmBioCal::kOn);
    ASSERT_EQ(program.sim.messages->shown().size(), 1u);
    EXPECT_TRUE(program.sim.messages->shown()[0].text.contains(QStringLiteral("Soundkarte")));
}

TEST(CalibrationByEar, TheKnownThresholdIsHeldToWhatTheCardCanPlayAndNoTestOffsetIsAdded) {
    Program program;
    auto& bio = program.bioCal();
    bio.show(); // "Yes": a known threshold
    ASSERT_TRUE(bio.KnownThresholdMode);
    // Typed, used (the field shows it), and the tone's peak: 60 is full
    // scale, -10 is 70 dB below it; beyond either end the end is used.
    for (const auto& [typed, used] :
         {std::pair{"60", 60}, std::pair{"61", 60}, std::pair{"200", 60}, std::pair{"-10", -10},
          std::pair{"-11", -10}, std::pair{"x", 0}}) {
        bio.Threshold->setText(QString::fromLatin1(typed));
        bio.OnButtonClick();
        ASSERT_TRUE(bio.tonePlaying()) << typed;
        EXPECT_EQ(bio.Threshold->text(), QString::number(used)) << typed;
        EXPECT_NEAR(peak(program.sim.wave->written().back().bytes, 0),
                    32767 * std::pow(10.0, (used - 60) / 20.0), 1.0)
            << typed;
        bio.OnButtonClick();
    }
    // Leaving the field shows the value the tone will use.
    bio.Threshold->setText(QStringLiteral("75"));
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(bio.Threshold, &out);
    EXPECT_EQ(bio.Threshold->text(), QStringLiteral("60"));
    bio.close();

    // The compatibility test's tone carries no offset either.
    auto& compatibility = program.compatibility();
    program.windows->main->TestCompatibility1Click();
    compatibility.Threshold->setText(QStringLiteral("-20"));
    compatibility.OnButtonClick();
    ASSERT_TRUE(compatibility.tonePlaying());
    EXPECT_NEAR(peak(program.sim.wave->written().back().bytes, 0), 3277, 1);
}

TEST(CalibrationByEar, MixerPathDrivesTheCardsControlsOneRequestPerMove) {
    Program program(false, cardWithStereoGain());
    auto& bio = program.bioCal();
    auto& mixer = program.mixer();
    program.state.CalibrationLoaded = true; // a check of the loaded calibration
    program.state.Calibration[1][3] = {12, 20, 2, 0, 0.0};
    bio.show();
    EXPECT_EQ(bio.MasterSlider->maximum(), 32); // the card's own steps
    const auto masterUnit = static_cast<std::uint32_t>(*mixer.MasterVolume.StepUnit());
    const auto waveUnit = static_cast<std::uint32_t>(*mixer.WaveOutVolume.StepUnit());
    const auto gainUnit = static_cast<std::uint32_t>(*mixer.OutputGain.StepUnit());

    program.sim.mixer->clearRequests();
    Program::show(bio.WaveOutSlider, 7);
    Program::show(bio.MasterSlider, 9);
    Program::show(bio.GainSlider, 2);
    EXPECT_EQ(program.sets(mixer.WaveOutVolume),
              (std::vector<std::vector<std::uint32_t>>{{7 * waveUnit, 7 * waveUnit}}));
    EXPECT_EQ(program.sets(mixer.MasterVolume),
              (std::vector<std::vector<std::uint32_t>>{{9 * masterUnit, 9 * masterUnit}}));
    // The gain only on the page's ear.
    EXPECT_EQ(program.sets(mixer.OutputGain),
              (std::vector<std::vector<std::uint32_t>>{{2 * gainUnit, 0}}));
    EXPECT_EQ(program.sim.mixer->valueRequests().size(), 3u);

    // The right ear's 500 Hz page of the loaded calibration starts from its
    // own values; its gain goes to the right channel.
    for (int page = 1; page <= 13; ++page) {
        bio.NextClick();
    }
    ASSERT_EQ(bio.lblFreqSide->text(), QStringLiteral("Rechtes Ohr 500 Hz"));
    EXPECT_EQ(Program::shown(bio.WaveOutSlider), 12);
    EXPECT_EQ(Program::shown(bio.MasterSlider), 20);
    EXPECT_EQ(Program::shown(bio.GainSlider), 2);
    EXPECT_EQ(program.sets(mixer.OutputGain).back(), (std::vector<std::uint32_t>{0, 2 * gainUnit}));
    EXPECT_TRUE(program.sim.endpoint->requests.empty());
}

TEST(CalibrationByEar, AControlWithoutStepsIsNeverComputedWith) {
    auto card = platform::builtInSimMixerDevices();
    auto& wave = card[0].destinations[0].sources[0].controls[0].control;
    wave.steps = 0;
    Program program(false, card);
    auto& bio = program.bioCal();
    bio.show();
    EXPECT_FALSE(bio.WaveOutSlider->isEnabled());
    EXPECT_TRUE(bio.lblWaveNote->text().contains(QStringLiteral("0 Stufen")));
    EXPECT_TRUE(bio.MasterSlider->isEnabled());
    EXPECT_TRUE(program.sets(program.mixer().WaveOutVolume).empty());
    Program::show(bio.MasterSlider, 5);
    EXPECT_FALSE(program.sets(program.mixer().MasterVolume).empty());
}

TEST(CompatibilityTest, LevelFieldFrequencySliderChannelAndClosing) {
    Program program(true, cardWithStereoGain());
    auto& dialog = program.compatibility();
    program.windows->main->TestCompatibility1Click();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_FALSE(program.windows->main->isEnabled());
    EXPECT_EQ(program.sim.messages->texts().first(), TfrmCompatibilityTest::kWarning);
    EXPECT_EQ(dialog.Label9->text(), QStringLiteral("Aktive Soundkarte: ") +
                                         program.windows->settings->WaveOutDevice->currentText());
    // Endpoint path, first showing: the master slider at position 0 sets
    // the system level to full.
    EXPECT_EQ(program.sim.endpoint->level, 1.0f);

    for (const auto& [typed, shown] : {std::pair{"-75", "-60"}, std::pair{"12", "0"},
                                       std::pair{"abc", "0"}, std::pair{"-30", "-30"}}) {
        dialog.Threshold->setText(QString::fromLatin1(typed));
        dialog.ThresholdExit();
        EXPECT_EQ(dialog.Threshold->text(), QString::fromLatin1(shown));
    }

    // The right channel: the left silent, the gain on both channels; the
    // hint names the channel chosen.
    EXPECT_EQ(dialog.lblSoundLeft->text(),
              QStringLiteral("Der Ton sollte nur aus dem linken Kanal kommen."));
    dialog.rdoRightEar->setChecked(true);
    EXPECT_EQ(dialog.lblSoundLeft->text(),
              QStringLiteral("Der Ton sollte nur aus dem rechten Kanal kommen."));
    program.sim.mixer->clearRequests();
    Program::show(dialog.GainSlider, 2);
    const auto gainUnit = static_cast<std::uint32_t>(*program.mixer().OutputGain.StepUnit());
    EXPECT_EQ(program.sets(program.mixer().OutputGain),
              (std::vector<std::vector<std::uint32_t>>{{2 * gainUnit, 2 * gainUnit}}));
    dialog.OnButtonClick();
    ASSERT_TRUE(dialog.tonePlaying());
    EXPECT_FALSE(dialog.rdoLeftEar->isEnabled());
    const auto first = program.sim.wave->written().back();
    EXPECT_EQ(peak(first.bytes, 0), 0);
    EXPECT_NEAR(peak(first.bytes, 1), 32767 * std::pow(10.0, -30.0 / 20.0), 1.0);
    EXPECT_NEAR(frequencyOf(first.bytes, 1), 125.0, 2.0);

    // A new frequency while it plays: the tone starts again at once.
    dialog.tbrFrequency->setValue(5); // slot 7
    EXPECT_EQ(dialog.Label8->text(), QStringLiteral("2000"));
    EXPECT_TRUE(dialog.tonePlaying());
    EXPECT_NEAR(frequencyOf(program.sim.wave->written().back().bytes, 1), 2000.0, 5.0);
    EXPECT_EQ(peak(program.sim.wave->written().back().bytes, 0), 0);

    // Closing while it plays: off, ready for the next showing.
    dialog.btnClose->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(program.sim.wave->isOpen());
    EXPECT_EQ(dialog.shpLED->colour(), hardware::kLedOff);
    EXPECT_EQ(dialog.OnButton->text(), TfrmCompatibilityTest::kOn);
    EXPECT_TRUE(dialog.rdoLeftEar->isEnabled());
    EXPECT_TRUE(program.windows->main->isEnabled());
    // With the tone off a frequency change only changes the label.
    const auto writes = program.sim.wave->written().size();
    dialog.tbrFrequency->setValue(11);
    EXPECT_EQ(dialog.Label8->text(), QStringLiteral("125"));
    EXPECT_EQ(program.sim.wave->written().size(), writes);
}

TEST(CompatibilityTest, ADeviceThatFailsWhileTheTonePlaysIsReported) {
    Program program;
    auto& dialog = program.compatibility();
    program.windows->main->TestCompatibility1Click();
    dialog.OnButtonClick();
    ASSERT_TRUE(dialog.tonePlaying());
    program.sim.messages->clear();
    program.sim.wave->failQueued(); // the sound server went away
    QTest::qWait(400);
    EXPECT_FALSE(dialog.tonePlaying());
    EXPECT_FALSE(program.sim.wave->isOpen());
    EXPECT_EQ(dialog.shpLED->colour(), hardware::kLedOff);
    EXPECT_EQ(dialog.OnButton->text(), TfrmCompatibilityTest::kOn);
    EXPECT_TRUE(dialog.rdoLeftEar->isEnabled());
    ASSERT_EQ(program.sim.messages->shown().size(), 1u);
    EXPECT_TRUE(program.sim.messages->shown()[0].text.contains(QStringLiteral("antwortet nicht")));
}

TEST(CompatibilityTest, ZeroStepsAreReportedAndTheSliderLeftAlone) {
    auto card = platform::builtInSimMixerDevices();
    card[0].destinations[0].sources[0].controls[0].control.steps = 0; // wave
    card[0].destinations[0].line.controls[0].control.steps = 0;       // master
    Program program(false, card);
    program.windows->main->TestCompatibility1Click();
    EXPECT_EQ(program.sim.messages->count(TfrmCompatibilityTest::kWaveZeroSteps), 1);
    EXPECT_EQ(program.sim.messages->count(TfrmCompatibilityTest::kMasterZeroSteps), 1);
    EXPECT_FALSE(program.compatibility().WaveOutSlider->isEnabled());
    EXPECT_FALSE(program.compatibility().MasterSlider->isEnabled());
    EXPECT_TRUE(program.sets(program.mixer().WaveOutVolume).empty());
    EXPECT_TRUE(program.sets(program.mixer().MasterVolume).empty());
}

TEST(CalibrationMenu, CommandsShortcutsAndTheEnablingRule) {
    Program program;
    auto& main = *program.windows->main;
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    // Without a calibration: no check, no information; F4 and Ctrl+I refused.
    Q_EMIT main.Calibration2->aboutToShow();
    EXPECT_FALSE(main.CheckorRecalibratebyEar1->isEnabled());
    EXPECT_FALSE(main.CalInfo1->isEnabled());
    EXPECT_TRUE(main.EarCalibration1->isEnabled());
    program.state.CalibrationLoaded = true;
    QTest::keyClick(&main, Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(program.windows->calibrationInfo->isVisible()); // the rule ran first
    EXPECT_FALSE(main.isEnabled());
    program.windows->calibrationInfo->close();
    EXPECT_TRUE(main.isEnabled());

    // New calibration: Yes runs the compatibility test beside the window.
    program.sim.messages->queueAnswer(platform::MessageAnswer::Yes);
    QTest::keyClick(&main, Qt::Key_F3);
    EXPECT_TRUE(program.compatibility().isVisible());
    EXPECT_TRUE(main.isEnabled());
    program.compatibility().close();
    // No: calibration by ear in new-calibration mode.
    program.sim.messages->queueAnswer(platform::MessageAnswer::No);
    main.SubjCal1Click();
    EXPECT_TRUE(program.state.NewCalibrationMode);
    EXPECT_TRUE(program.bioCal().isVisible());
    EXPECT_FALSE(main.isEnabled());
    program.bioCal().close();
    EXPECT_TRUE(main.isEnabled());
    main.SubjRecal1Click();
    EXPECT_FALSE(program.state.NewCalibrationMode);
    program.bioCal().close();

    // Load: the file dialog's choice is read.
    QTemporaryDir dir;
    storage::CalibrationFileContents contents;
    contents.points[0][4].MasterSteps = 321;
    const QString file = dir.filePath(QStringLiteral("k.vkk"));
    ASSERT_TRUE(storage::saveBytes(file, storage::encodeCalibrationFile(contents)).isEmpty());
    main.runCalOpenDialog = [&](QWidget*) {
        return std::optional<QString>(file);
    };
    program.state.CalibrationLoaded = false;
    QTest::keyClick(&main, Qt::Key_F2);
    EXPECT_TRUE(program.state.CalibrationLoaded);
    EXPECT_EQ(program.state.Calibration[0][5].MasterSteps, 321);
}

// A whole calibration as a user makes it: the menu, 22 pages by clicks, the
// information dialog's OK and its save dialog; the file converted to JSON
// and back by `tavo` is the same file; then New Test accepts it and plays
// the calibrated levels.
TEST(CalibrationByEar, AWholeCalibrationByClicksIsSavedAndUsedByTheTest) {
    Program program;
    auto& main = *program.windows->main;
    auto& bio = program.bioCal();
    main.show();
    program.sim.messages->queueAnswer(platform::MessageAnswer::No);  // no compatibility test
    program.sim.messages->queueAnswer(platform::MessageAnswer::Yes); // a known threshold
    main.SubjCal1Click();
    ASSERT_TRUE(bio.isVisible());
    for (int page = 0; page < 22; ++page) {
        bio.Threshold->setText(QString::number(page % 5));
        QTest::mouseClick(bio.OnButton, Qt::LeftButton);
        ASSERT_TRUE(bio.tonePlaying());
        Program::show(bio.MasterSlider, 400 + 10 * page);
        Program::show(bio.WaveOutSlider, 10 + page % 20);
        QTest::mouseClick(bio.Next, Qt::LeftButton);
        ASSERT_FALSE(bio.tonePlaying());
    }
    auto& info = *program.windows->calibrationInfo;
    ASSERT_TRUE(info.isVisible());
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("kalibrierung.vkk"));
    info.Person->setText(QStringLiteral("Anna Müller"));
    info.Headphones->setText(QStringLiteral("HDA 300"));
    QTimer::singleShot(0, &info, [&] {
        info.CalSave->selectFile(saved);
        QMetaObject::invokeMethod(info.CalSave, "accept");
    });
    QTest::mouseClick(info.OKSave, Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_TRUE(program.state.CalibrationLoaded);
    EXPECT_EQ(program.state.Calibration[1][11].MasterSteps, 400 + 10 * 21);
    EXPECT_EQ(program.state.Calibration[0][1].WaveSteps, 10);

    const QString json = dir.filePath(QStringLiteral("k.json"));
    const QString again = dir.filePath(QStringLiteral("wieder.vkk"));
    ASSERT_EQ(testsupport::runTavo({QStringLiteral("convert"), saved, json}).exitCode, 0);
    ASSERT_EQ(testsupport::runTavo({QStringLiteral("convert"), json, again}).exitCode, 0);
    QFile a(saved);
    QFile b(again);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    // New Test accepts it: no calibration message, and the levels played
    // are the calibration's (master in thousandths on the endpoint path).
    for (auto* box : program.windows->settings->findChildren<QCheckBox*>()) {
        if (box->objectName().startsWith(QStringLiteral("Check"))) {
            box->setChecked(box->objectName() == QStringLiteral("Check1000"));
        }
    }
    program.windows->settings->Trial->setChecked(false);
    engine::ListenerDescription listener;
    listener.thresholds[0].fill(20);
    listener.thresholds[1].fill(20);
    main.attachListener(listener);
    program.sim.endpoint->requests.clear();
    program.sim.messages->clear();
    main.NewTest1Click();
    EXPECT_EQ(program.sim.messages->count(engine::TrackingTest::kNeedsCalibration), 0);
    EXPECT_EQ(main.testCommand()->procedure().outcomes()[1], engine::RunOutcome::Completed);
    ASSERT_FALSE(program.sim.endpoint->requests.empty());
    EXPECT_FLOAT_EQ(program.sim.endpoint->requests.front(), (400 + 10 * 4) / 1000.0f);
}
