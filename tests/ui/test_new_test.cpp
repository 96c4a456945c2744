// The New Test command in the program's own windows, on the simulated sound
// card and the virtual clock: the real-time window as the test drives it,
// the listener through the CTRL key and through the game controller, the
// main window's commands refused while a test runs, and closing the test
// window or the main window during a test.

#include "engine/AppState.h"
#include "engine/TfrmTest.h"
#include "engine/TrackingTest.h"
#include "platform/qt/QtEventPump.h"
#include "storage/TfrmSettings.h"
#include "support/TestPlatform.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

using namespace tavo;
using engine::RunOutcome;
using engine::TrackingTest;

namespace {

// The program's windows on simulated parts, calibrated, with a listener
// whose thresholds are 20 dB HL (right) and 30 dB HL (left) everywhere.
struct Program {
    Program() {
        sim.settingsFromEarlierStart();
        windows = ui::createWindows(state, sim.bundle, sim.services(), {});
        for (auto& ear : state.Calibration) {
            for (auto& point : ear) {
                point.WaveSteps = 16;
                point.MasterSteps = 400;
            }
        }
        state.CalibrationLoaded = true;
        // Two frequencies and no trial keep it short.
        for (auto* box : {windows->settings->Check250, windows->settings->Check500,
                          windows->settings->Check2000, windows->settings->Check3000,
                          windows->settings->Check4000, windows->settings->Check6000,
                          windows->settings->Check8000}) {
            box->setChecked(false);
        }
        windows->settings->Trial->setChecked(false);
        engine::ListenerDescription listener;
        listener.thresholds[0].fill(30);
        listener.thresholds[1].fill(20);
        windows->main->attachListener(listener);
        command().addObserver(&watcher);
    }
    ui::TestCommand& command() { return *windows->main->testCommand(); }
    int threshold(const engine::TTestResult& result, int ear, int slot) const {
        return result.Thresholds[static_cast<std::size_t>(ear)][static_cast<std::size_t>(slot - 1)];
    }

    // Runs `during` while a chosen pulse plays.
    struct Watcher final : engine::PulseObserver {
        void pulseStarted(const engine::PulseInfo& pulse) override {
            if (during && pulse.run == run && pulse.ear == ear && pulse.pulse == number) {
                auto action = std::move(during);
                during = {};
                action(pulse);
            }
        }
        int run = 1, ear = 0, number = 3;
        std::function<void(const engine::PulseInfo&)> during;
    } watcher;

    testsupport::TestPlatform sim;
    engine::AppState state;
    std::unique_ptr<ui::ProgramWindows> windows;
};

} // namespace

TEST(NewTestCommand, RunsInTheProgramsWindowsWithTheListenerOnEitherButton) {
    for (const bool joystick : {false, true}) {
        Program program;
        auto& test = *program.windows->test;
        (joystick ? program.windows->settings->rdoJoystick : program.windows->settings->rdoCTRL)
            ->setChecked(true);
        QString caption;
        QString button;
        QString level;
        QStringList disabled;
        program.watcher.ear = 1;
        program.watcher.during = [&](const engine::PulseInfo& pulse) {
            caption = test.windowTitle();
            button = test.Next->text();
            level = test.lblLevel->text();
            EXPECT_EQ(pulse.level + 100, level.toDouble());
            EXPECT_TRUE(test.isVisible());
            // Every command of the main window is refused meanwhile.
            for (QAction* action : program.windows->main->findChildren<QAction*>()) {
                if (!action->isEnabled()) {
                    disabled << action->objectName();
                }
            }
            // A second New Test is refused outright.
            program.windows->main->NewTest1Click();
        };
        program.windows->main->NewTest1Click();

        SCOPED_TRACE(joystick);
        EXPECT_EQ(caption, QStringLiteral("Audiogramm - Hörtest rechtes Ohr bei 1000 Hz "));
        EXPECT_EQ(button, TrackingTest::kStopCaption);
        for (const char* name :
             {"NewTest1", "Open1", "Options1", "EarCalibration1", "New1", "Settings1", "SaveAs1"}) {
            EXPECT_TRUE(disabled.contains(QString::fromLatin1(name))) << name;
        }
        EXPECT_EQ(program.sim.messages->count(TrackingTest::kFirstRun), 1);
        EXPECT_EQ(program.command().procedure().outcomes(),
                  (std::array<RunOutcome, 2>{RunOutcome::Completed, RunOutcome::Completed}));
        EXPECT_NEAR(program.threshold(program.state.Record.Test1Result, 0, 5), 30, 3);
        EXPECT_NEAR(program.threshold(program.state.Record.Test1Result, 1, 5), 20, 3);
        EXPECT_NEAR(program.threshold(program.state.Record.Test2Result, 1, 5), 15,
                    3); // 5 dB louder
        EXPECT_FALSE(test.isVisible());
        // The commands are back, the summary shown.
        EXPECT_TRUE(program.windows->main->NewTest1->isEnabled());
        EXPECT_TRUE(program.windows->main->Calibration2->menuAction()->isEnabled());
        EXPECT_NE(program.windows->main->txtAPV->text(), QStringLiteral("-"));
        // The test went through the endpoint: one master level per frequency.
        EXPECT_EQ(program.sim.endpoint->requests.size(), 4u);
    }
}

TEST(NewTestCommand, AMenuDisabledBeforeTheTestStaysDisabledAfterIt) {
    Program program;
    program.windows->main->Calibration2->menuAction()->setEnabled(false);
    program.windows->main->NewTest1Click();
    EXPECT_FALSE(program.windows->main->Calibration2->menuAction()->isEnabled());
    EXPECT_TRUE(program.windows->main->Open1->isEnabled());
}

TEST(NewTestCommand, ClosingTheTestWindowStopsTheTest) {
    Program program;
    program.watcher.during = [&](const engine::PulseInfo&) {
        program.windows->test->close();
    };
    program.windows->main->NewTest1Click();
    EXPECT_EQ(program.sim.messages->texts().mid(program.sim.messages->texts().size() - 2),
              (QStringList{TrackingTest::kRunInterrupted, TrackingTest::kTestCancelled}));
    EXPECT_EQ(program.command().procedure().outcomes(),
              (std::array<RunOutcome, 2>{RunOutcome::Interrupted, RunOutcome::NotRun}));
    EXPECT_FALSE(program.state.Record.ResultsValid);
    EXPECT_EQ(program.windows->main->txtOSPL->text(), QStringLiteral("-"));
}

TEST(NewTestCommand, ClosingTheMainWindowStopsTheTestAndThenClosesIt) {
    Program program;
    int closed = 0;
    QObject::connect(program.windows->main.get(), &ui::TfrmMain::closed, [&] { ++closed; });
    program.windows->main->show();
    bool closedAtOnce = true;
    std::int64_t pulseStart = 0;
    program.watcher.during = [&](const engine::PulseInfo&) {
        pulseStart = program.sim.pump->nowMs();
        closedAtOnce = program.windows->main->close();
    };
    program.windows->main->NewTest1Click();

    // The close waits for the current pulse, then goes through.
    EXPECT_FALSE(closedAtOnce);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(program.windows->main->isVisible());
    EXPECT_TRUE(program.state.StopRequested);
    EXPECT_LE(program.sim.pump->nowMs() - pulseStart, 2100);
    // Nothing more is asked of a user who is leaving.
    EXPECT_EQ(program.sim.messages->count(TrackingTest::kRunInterrupted), 0);
    EXPECT_EQ(program.sim.messages->count(TrackingTest::kTestCancelled), 0);
    EXPECT_EQ(program.sim.messages->count(TrackingTest::kSecondRun), 0);
    EXPECT_EQ(program.command().procedure().outcomes()[1], RunOutcome::NotRun);
    EXPECT_FALSE(program.sim.wave->isOpen());
}

TEST(NewTestCommand, NoMenuOpensACommandDuringTheTest) {
    Program program;
    auto& main = *program.windows->main;
    int saveDialogs = 0;
    main.runSaveDialog = [&](const QString&) {
        ++saveDialogs;
        return std::optional<ui::TfrmMain::SaveChoice>{};
    };
    std::vector<std::pair<QString, bool>> during;
    program.watcher.number = 2;
    program.watcher.run = 2;
    program.watcher.during = [&](const engine::PulseInfo&) {
        // A right-click on the audiogram, the File and Calibration menus.
        Q_EMIT main.pbxAudiogram->customContextMenuRequested(QPoint(10, 10));
        Q_EMIT main.File1->aboutToShow();
        Q_EMIT main.Calibration2->aboutToShow();
        for (QAction* action : {main.SaveAs1, main.Settings1, main.ViewResults2, main.Save1,
                                main.Print1, main.EarCalibration1}) {
            during.emplace_back(action->objectName(), action->isEnabled());
            action->trigger();
        }
        main.PopupMenu1->hide();
    };
    main.NewTest1Click();

    ASSERT_EQ(during.size(), 6u);
    for (const auto& [name, enabled] : during) {
        EXPECT_FALSE(enabled) << name.toStdString();
    }
    EXPECT_EQ(saveDialogs, 0);
    EXPECT_EQ(program.command().procedure().outcomes()[1], RunOutcome::Completed);
    // After the test the menus follow their rules again.
    Q_EMIT main.PopupMenu1->aboutToShow();
    EXPECT_TRUE(main.SaveAs1->isEnabled());
    EXPECT_TRUE(main.Settings1->isEnabled());
}

TEST(NewTestCommand, ClosingWhileAStuckButtonHoldsTheStartEndsTheWait) {
    Program program;
    auto& main = *program.windows->main;
    main.show();
    int closed = 0;
    QObject::connect(&main, &ui::TfrmMain::closed, [&] { ++closed; });
    // CTRL held (or a controller button that sticks) before the first run:
    // the wait for release would never end; closing the program ends it.
    program.sim.messages->setOnShow([&](const platform::Message& message) {
        if (message.text == TrackingTest::kPrepareTest) {
            program.windows->test->FormKeyDown(Qt::Key_Control, Qt::ControlModifier);
            program.sim.pump->schedule(program.sim.pump->nowMs() + 3000, [&] { main.close(); });
        }
    });
    main.NewTest1Click();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(main.isVisible());
    EXPECT_LT(program.sim.pump->nowMs(), 10000);
    EXPECT_EQ(program.command().procedure().outcomes()[1], RunOutcome::NotRun);
}

TEST(NewTestCommand, CancellingTheQuestionOnClosingKeepsTheScreenSaverOff) {
    Program program;
    auto& main = *program.windows->main;
    main.NewTest1Click();
    ASSERT_TRUE(main.unsavedResults());
    ASSERT_TRUE(program.sim.screenSaver->inhibited());
    program.sim.messages->queueAnswer(platform::MessageAnswer::Cancel);
    EXPECT_FALSE(main.close());
    QCoreApplication::processEvents();
    EXPECT_FALSE(program.state.StopRequested);
    EXPECT_TRUE(program.sim.screenSaver->inhibited());
    // Really closing stops everything.
    program.sim.messages->queueAnswer(platform::MessageAnswer::No);
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(program.state.StopRequested);
}

TEST(NewTestCommand, TheDemonstrationsHumanListenerAnswersOnTheRealClock) {
    // As `TavoAudiometer --simulate --listener`: the simulated card on the
    // real event loop, so a listener's late presses run on Qt's timers.
    testsupport::TestPlatform sim;
    sim.bundle.pump = std::make_unique<platform::QtEventPump>();
    sim.bundle.wave = std::make_unique<platform::SimWaveOutput>(*sim.bundle.pump);
    sim.settingsFromEarlierStart();
    engine::AppState state;
    auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
    auto& settings = *windows->settings;
    for (QCheckBox* box :
         {settings.Check250, settings.Check500, settings.Check2000, settings.Check3000,
          settings.Check4000, settings.Check6000, settings.Check8000}) {
        box->setChecked(false);
    }
    settings.Trial->setChecked(false);
    settings.chkPraxisabweichung->setChecked(false);
    settings.BeepTimeEdit->setText(QStringLiteral("0.1"));
    settings.PauseTimeEdit->setText(QStringLiteral("0.1"));
    settings.TestTimeEdit->setText(QStringLiteral("10"));
    settings.ReverseEdit->setText(QStringLiteral("4"));
    state.CalibrationLoaded = true;

    engine::ListenerDescription listener;
    for (auto& ear : listener.thresholds) {
        ear.fill(31.0);
    }
    listener.latencyMs = 40.0;
    auto& command = *windows->main->testCommand();
    windows->main->attachListener(listener);
    windows->main->NewTest1Click();

    EXPECT_EQ(command.procedure().outcomes()[0], RunOutcome::Completed);
    EXPECT_EQ(command.procedure().outcomes()[1], RunOutcome::Completed);
    for (const auto* run : {&state.Record.Test1Result, &state.Record.Test2Result}) {
        for (int ear = 0; ear < 2; ++ear) {
            // 1000 Hz: from 40 down to him and around him, as late as he is.
            EXPECT_NEAR(run->Thresholds[static_cast<std::size_t>(ear)][4], 31, 6) << ear;
        }
    }
}
