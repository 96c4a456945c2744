#pragma once

#include "engine/AppState.h"
#include "engine/Playback.h"
#include "engine/PulseObserver.h"
#include "engine/ResponseButton.h"
#include "engine/TestParameters.h"
#include "engine/ToneSynthesis.h"
#include "platform/Messages.h"

#include <QDateTime>

#include <array>
#include <functional>
#include <vector>

namespace tavo::platform {
class EventPump;
class GameController;
class WaveOutput;
} // namespace tavo::platform

namespace tavo::storage {
struct Settings;
}

namespace tavo::engine {

class TestHost;
class TestSoundCard;
class TestWindowView;

// Which slots a run tests, per ear: [ear][0] the trial, [ear][1..11] the
// test frequencies, [ear][12] the 1000 Hz retest.
using FrequencyEnable = std::array<std::array<bool, kSlots>, kEars>;

// Everything the hearing test works with.
struct TrackingTestContext {
    AppState& state;
    const storage::Settings& settings;
    platform::EventPump& pump;
    platform::Messages& messages;
    platform::WaveOutput& wave;
    platform::GameController* controller; // may be absent: no controller, button up
    TestWindowView& window;
    TestHost& host;
    TestSoundCard& soundCard;
    // The date and time a finished run is stamped with; absent: now.
    std::function<QDateTime()> now;
};

// How a run of the last New Test ended.
enum class RunOutcome { NotRun, Completed, Interrupted };

// The state of the run in progress (after a run: as it ended). Nothing
// outside the test procedure writes it.
struct RunState {
    std::int32_t CurrentEar = kLeftEar;
    double CurrentLevel = 0.0;    // dB HL - 100
    std::int32_t PulseCount = 0;  // pulses of the current frequency (the trial's wraps)
    std::int32_t TraceStep = 0;   // pixels per pulse on the live trace
    bool SecondRunOffset = false; // this run plays kSecondRunOffsetDb louder
    ChannelGains channels;        // the ear under test
};

// The self-recording hearing test: the New Test command with its two runs,
// and RunTest, one run over both ears. Runs on the GUI thread; its waits go
// through the event pump, so with the simulated pump a whole test runs on
// a virtual clock.
class TrackingTest {
public:
    explicit TrackingTest(TrackingTestContext context);
    TrackingTest(const TrackingTest&) = delete;
    TrackingTest& operator=(const TrackingTest&) = delete;

    // The New Test command. Refused without a calibration, with settings a
    // run cannot work with, and while a test runs already.
    void NewTest1Click();
    // One run over both ears into `result` with the settings as they are
    // now; returns whether it was cancelled (the final StopRequested).
    bool RunTest(TTestResult& result, const FrequencyEnable& enable);

    // A New Test or a run is in progress (messages between the runs too).
    bool running() const { return running_ || commandActive_; }
    // The program is closing: the test stops at its next check and shows no
    // more messages; no later pulse, message or button clears the request.
    void requestQuit();

    void addObserver(PulseObserver* observer);
    void removeObserver(PulseObserver* observer);

    // How the two runs of the last New Test ended (both NotRun when it was
    // refused).
    const std::array<RunOutcome, 2>& outcomes() const { return outcomes_; }
    // The last run ended because the sound device failed.
    bool deviceFailed() const { return deviceFailed_; }
    const RunState& runState() const { return live_; }
    // The response button: the test window feeds it with its keys.
    ResponseButton& responseButton() { return button_; }

    // Texts the procedure shows, as written in the code: the messages it
    // says are these in the program's language (`shown`), so with no
    // catalogue installed they are these texts themselves.
    static constexpr const char kNeedsCalibration[] =
        QT_TRANSLATE_NOOP("TrackingTest", "Das Audiometer muß zunächst kalibriert werden.");
    static constexpr const char kFirstRun[] =
        QT_TRANSLATE_NOOP("TrackingTest", "Erster Testdurchlauf");
    static constexpr const char kSecondRun[] =
        QT_TRANSLATE_NOOP("TrackingTest", "Zweiter Messdurchlauf");
    static constexpr const char kTestFinished[] =
        QT_TRANSLATE_NOOP("TrackingTest", "Kompletten Test beendet");
    static constexpr const char kTestCancelled[] =
        QT_TRANSLATE_NOOP("TrackingTest", "Test wurde abgebrochen.");
    static constexpr const char kPrepareTrial[] = QT_TRANSLATE_NOOP(
        "TrackingTest", "Bitte bereiten Sie die Testperson vor und starten die Übungsphase mit OK");
    static constexpr const char kPrepareTest[] = QT_TRANSLATE_NOOP(
        "TrackingTest",
        "Bitte bereiten Sie die Testperson vor und starten den Test mit OK. Falls Sie sich "
        "selbst testen, drücken Sie bitte jetzt den Reaktionstaster. Beim Loslassen startet "
        "der eigentliche Test sofort.");
    static constexpr const char kRunInterrupted[] =
        QT_TRANSLATE_NOOP("TrackingTest", "Testprozedur unterbrochen!");
    static constexpr const char kDeviceFailed[] = QT_TRANSLATE_NOOP(
        "TrackingTest", "Die Soundkarte antwortet nicht. Der Test wurde abgebrochen.");
    static constexpr const char kStopCaption[] = QT_TRANSLATE_NOOP("TrackingTest", "Abbrechen");
    // One of the texts above in the program's language.
    static QString shown(const char* text);

private:
    // The working values of one run.
    struct Run {
        TTestResult* result = nullptr;
        FrequencyEnable enable{};
        TestParameters params;
        ResponseSource source = ResponseSource::Ctrl;
        ToneBuffer buffer;
        int slot = 0;
        bool rising = true;
        int reversalCount = 0;
        bool pressedInPulse = false;
        bool overLimit = false;
        int pulseNumber = 0; // for the observers: not reset by the trial's wrap
    };

    // One run with settings read before (New Test reads them once for both).
    bool runWith(TTestResult& result, const FrequencyEnable& enable, const TestParameters& params,
                 bool secondRunOffset = false);
    bool setUpRun(Run& run, ToneOutput& tone);
    void earLoop(Run& run, ToneOutput& tone);
    void slotLoop(Run& run, ToneOutput& tone);
    void testFrequency(Run& run, ToneOutput& tone);
    void playPulse(Run& run, ToneOutput& tone, const TCalibrationPoint& point);
    bool reversalDue(const Run& run) const;
    void recordReversal(Run& run);
    bool frequencyEnds(const Run& run) const;
    void endFrequency(Run& run);
    void endRun(Run& run);
    void waitForRelease(const Run& run);
    void clearTestedCells(Run& run);
    PulseInfo pulseInfo(const Run& run, const TCalibrationPoint& point) const;
    // StopRequested as a new pulse or run starts: cleared, unless the
    // program is closing.
    void clearStop();
    // Tells the observers a run has ended.
    void runFinished(int run, bool interrupted);
    // A message, unless the program is closing (then nothing is shown).
    platform::MessageAnswer say(const QString& text, platform::MessageType type,
                                platform::MessageButtons buttons, const QString& caption = {});

    TrackingTestContext context_;
    RunState live_;
    ResponseButton button_;
    std::vector<PulseObserver*> observers_;
    std::array<RunOutcome, 2> outcomes_{RunOutcome::NotRun, RunOutcome::NotRun};
    int runNumber_ = 0;
    bool running_ = false;
    bool commandActive_ = false;
    bool quitting_ = false;
    bool deviceFailed_ = false;
};

} // namespace tavo::engine
