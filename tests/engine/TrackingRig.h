#pragma once

// A hearing test on simulated parts and a virtual clock: the procedure with
// a recording test window, the simulated sound card (wave output, mixer on
// the built-in card, endpoint volume), scripted message boxes and a
// scripted game controller. Used by the procedure's tests and benchmark.

#include "engine/AppState.h"
#include "engine/LiveTrace.h"
#include "engine/SimulatedListener.h"
#include "engine/TestServices.h"
#include "engine/TestWindowView.h"
#include "engine/TrackingTest.h"
#include "hardware/MIXER_e.h"
#include "hardware/TestVolumes.h"
#include "platform/sim/ScriptedGameController.h"
#include "platform/sim/SimEndpointVolume.h"
#include "platform/sim/SimEventPump.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"
#include "platform/sim/SimSoundChain.h"
#include "platform/sim/SimWaveOutput.h"
#include "storage/SettingsTable.h"

#include <QStringList>

#include <array>
#include <memory>
#include <vector>

namespace tavo::testsupport {

// The settings for these tests: the design values, but starting at 0 dB HL,
// without a trial and answering on the controller.
struct PlainTestSettings final : storage::Settings {
    PlainTestSettings() : storage::Settings(storage::designSettings()) {
        levelStart = QStringLiteral("0");
        trialRun = false;
        joystick = true;
        ctrl = false;
    }
    void only(std::initializer_list<int> enabled) {
        testFrequency.fill(false);
        for (int slot : enabled) {
            testFrequency[static_cast<std::size_t>(slot)] = true;
        }
    }
};

// The test window as the procedure drives it, recorded.
struct RecordingTestWindow final : engine::TestWindowView {

    void showTestWindow() override { visible = true; }
    void hideTestWindow() override {
        visible = false;
        ++hides;
    }
    bool testWindowVisible() const override { return visible; }
    void SetCaption(const QString& caption) override { captions << caption; }
    void setButtonCaption(const QString& caption) override { buttonCaptions << caption; }
    void StartTrace(int ear, double level, int traceStep) override {
        ++traces;
        trace.ear = ear;
        trace.TraceStep = traceStep;
        engine::recordTracePoint(trace, 0, engine::traceY(level));
    }
    void DrawPulse(int pulse, double level) override {
        drawnPulseCounts.push_back(pulse);
        trace.PulseCount = pulse;
        engine::recordTracePoint(trace, pulse, engine::traceY(level));
    }
    void WrapTrace(double level) override {
        trace.PulseCount = 0;
        engine::recordTracePoint(trace, 0, engine::traceY(level));
    }
    void SetLevel(double currentLevel) override {
        levelLabels.push_back(engine::levelDbHl(currentLevel));
    }
    void showResponse(bool down) override { light = down; }

    engine::TracePoints trace;
    bool visible = false;
    bool light = false;
    int hides = 0;
    int traces = 0;
    QStringList captions;
    QStringList buttonCaptions;
    std::vector<int> drawnPulseCounts;
    std::vector<int> levelLabels;
};

struct RecordingTestHost final : engine::TestHost {
    void repaintAudiogram() override { ++repaints; }
    void CalcAVP() override { ++summaries; }
    void setMainWindowEnabled(bool enabled) override { mainEnabled = enabled; }
    int repaints = 0;
    int summaries = 0;
    bool mainEnabled = false;
};

// Every pulse as it ended.
struct PulseRecord {
    engine::PulseInfo info;
    bool pressed = false;
    std::int64_t startMs = 0;
};

struct PulseRecorder final : engine::PulseObserver {
    explicit PulseRecorder(const platform::EventPump& clock) : pump(clock) {}
    void pulseStarted(const engine::PulseInfo&) override { startedAt = pump.nowMs(); }
    void pulseFinished(const engine::PulseInfo& info, bool pressed) override {
        pulses.push_back({info, pressed, startedAt});
    }
    // dB HL of the pulses of one run, ear and slot, in order.
    std::vector<double> levels(int run, int ear, int slot) const {
        std::vector<double> result;
        for (const auto& p : pulses) {
            if (p.info.run == run && p.info.ear == ear && p.info.slot == slot) {
                result.push_back(p.info.level + 100.0);
            }
        }
        return result;
    }
    const platform::EventPump& pump;
    std::int64_t startedAt = 0;
    std::vector<PulseRecord> pulses;
};

struct TrackingRig {
    explicit TrackingRig(bool endpointPath = true) : TrackingRig(endpointPath, {}) {}

    // `card` replaces the built-in simulated card when given.
    TrackingRig(bool endpointPath, std::vector<platform::SimMixerDeviceDescription> card)
        : mixerService(card.empty() ? platform::builtInSimMixerDevices() : std::move(card)),
          mixer(mixerService, messages) {
        mixer.CountMixerDevices();
        mixer.OpenMixerDevice(0);
        mixerService.clearRequests();
        state.UseEndpointVolume = endpointPath;
        if (endpointPath) {
            endpoint = endpointService.activateDefault();
        }
        state.CalibrationLoaded = true;
        // A point per ear and slot that the volume requests can be told by.
        for (int ear = 0; ear < engine::kEars; ++ear) {
            for (int slot = 1; slot <= 11; ++slot) {
                auto& point =
                    state
                        .Calibration[static_cast<std::size_t>(ear)][static_cast<std::size_t>(slot)];
                point.WaveSteps = 10 + slot;
                point.MasterSteps = 500 + 100 * ear + slot;
                point.Reference = 0.0;
            }
        }
        settings.only({5});
        card_ = std::make_unique<hardware::MixerTestSoundCard>(state, mixer, endpoint.get());
        test = std::make_unique<engine::TrackingTest>(engine::TrackingTestContext{
            state, settings, pump, messages, wave, &controller, window, host, *card_, [] {
                return QDateTime(QDate(2026, 12, 6), QTime(9, 5));
            }});
        test->addObserver(&recorder);
    }

    // A listener with these thresholds (dB HL, the same at every frequency)
    // pressing the controller's button; the examiner's presses of the window
    // button request a stop, as the window's button does.
    engine::SimulatedListener& listen(engine::ListenerDescription description,
                                      std::uint64_t seed = 1) {
        engine::ListenerHands hands;
        hands.setResponseButton = [this](bool down) {
            if (down) {
                controller.press(0);
            } else {
                controller.releaseAll();
            }
        };
        hands.pressWindowButton = [this] {
            state.StopRequested = true;
            ++windowButtonPresses;
        };
        hands.later = [this](int delayMs, std::function<void()> action) {
            pump.schedule(pump.nowMs() + delayMs, std::move(action));
        };
        listener = std::make_unique<engine::SimulatedListener>(std::move(description), hands,
                                                               &sound, seed);
        test->addObserver(listener.get());
        return *listener;
    }
    static engine::ListenerDescription hearing(double threshold) {
        engine::ListenerDescription description;
        for (auto& ear : description.thresholds) {
            ear.fill(threshold);
        }
        return description;
    }

    // Runs one run over the given slots of both ears (the trial for the
    // left ear when `trial`) on a cleared result, as the command does.
    bool runOnce(std::initializer_list<int> slots, bool trial = false) {
        engine::clearResult(state.Record.Test1Result);
        engine::FrequencyEnable enable{};
        for (auto& ear : enable) {
            ear[0] = trial;
            for (int slot : slots) {
                ear[static_cast<std::size_t>(slot)] = true;
            }
        }
        return test->RunTest(state.Record.Test1Result, enable);
    }

    platform::SimEventPump pump;
    platform::SimWaveOutput wave{pump};
    platform::SimMessages messages;
    platform::ScriptedGameController controller;
    platform::SimMixerService mixerService;
    hardware::MIXER_e mixer;
    platform::SimEndpointVolumeService endpointService;
    std::unique_ptr<platform::EndpointVolume> endpoint;
    // What the simulated card puts out, for a listener by hearing level.
    platform::SimSoundChain sound{wave, mixerService, &endpointService};
    engine::AppState state;
    PlainTestSettings settings;
    RecordingTestWindow window;
    RecordingTestHost host;
    PulseRecorder recorder{pump};
    std::unique_ptr<engine::SimulatedListener> listener;
    int windowButtonPresses = 0;
    std::unique_ptr<engine::TrackingTest> test;

private:
    std::unique_ptr<hardware::MixerTestSoundCard> card_;
};

} // namespace tavo::testsupport
