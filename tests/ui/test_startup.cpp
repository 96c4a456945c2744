// Start-up: the splash sequence, the windows in their order, the main
// window's creation work, closing, and the screen-saver filter.

#include "engine/AppState.h"
#include "engine/ColourValue.h"
#include "engine/TfrmTest.h"
#include "storage/SettingsTable.h"
#include "storage/TfrmSettings.h"
#include "support/TestPlatform.h"
#include "ui/Startup.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmSplash.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using namespace tavo;

namespace {

const QString kNoDevice =
    QStringLiteral("Keine Audiokarte gefunden! Test und Kalibrierung nicht verfügbar");

const storage::Settings kDesign = storage::designSettings();

} // namespace

TEST(Splash, FadesInHoldsSevenRoundsAndFadesOut) {
    platform::SimEventPump pump;
    ui::TfrmSplash splash;
    EXPECT_EQ(splash.ProductName->text(), QStringLiteral("Hörtest"));
    std::vector<int> alphas;
    pump.setProcessEventsHook([&] { alphas.push_back(splash.alpha()); });
    ui::runSplash(splash, pump);

    std::vector<int> expected;
    for (int i = 1; i <= 15; ++i) {
        expected.push_back(16 * i);
    }
    expected.insert(expected.end(), 7, 240);
    for (int i = 1; i <= 15; ++i) {
        expected.push_back(256 - 16 * i);
    }
    EXPECT_EQ(alphas, expected);
    EXPECT_EQ(pump.nowMs(), 15 * 20 + 7 * 50 + 15 * 20);
    EXPECT_FALSE(splash.isVisible());
}

TEST(Splash, AClickEndsTheHoldAtOnce) {
    platform::SimEventPump pump;
    ui::TfrmSplash splash;
    // Clicked during the first hold round.
    pump.schedule(320, [&] { splash.Image1Click(); });
    ui::runSplash(splash, pump);
    EXPECT_EQ(pump.nowMs(), 300 + 50 + 300);
}

TEST(Startup, CreatesTheWindowsInOrderAndClearsTheResults) {
    testsupport::TestPlatform sim;
    sim.settingsFromEarlierStart();
    engine::AppState state;
    auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
    EXPECT_EQ(windows->creationOrder,
              QStringList({QStringLiteral("TfrmMain"), QStringLiteral("TfrmSettings"),
                           QStringLiteral("TfrmPassword"), QStringLiteral("TfrmTest"),
                           QStringLiteral("TfrmCalibrationInfo"), QStringLiteral("TfrmBioCal"),
                           QStringLiteral("TfrmCompatibilityTest")}));
    EXPECT_TRUE(sim.messages->shown().empty());
    EXPECT_TRUE(windows->main->Calibration2->menuAction()->isEnabled());
    // New ran: no results, every threshold "none".
    EXPECT_FALSE(state.Record.ResultsValid);
    for (const auto* result : {&state.Record.Test1Result, &state.Record.Test2Result}) {
        for (int ear = 0; ear < engine::kEars; ++ear) {
            for (int index = 0; index < engine::kResultIndexes; ++index) {
                EXPECT_EQ(result->Thresholds[ear][index], engine::kNoThreshold);
                EXPECT_EQ(result->Reversals[ear][index].Count, 0);
            }
        }
    }
    EXPECT_EQ(state.CommandLineFile, QString());
    EXPECT_EQ(windows->main->File1->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(windows->main->Calibration2->title(), QStringLiteral("&Kalibrierung"));
    EXPECT_EQ(windows->main->Test1->title(), QStringLiteral("&Hörtest"));
    EXPECT_EQ(windows->main->NewTest1->text(), QStringLiteral("&Neuen Test durchführen"));
    EXPECT_EQ(windows->main->grpData->title(), QStringLiteral(" Persönliche Daten "));
    EXPECT_EQ(windows->main->Exit1->text(), QStringLiteral("Exit"));
}

TEST(Startup, WithoutAWaveDeviceTheCalibrationMenuIsOffAndTheUserIsToldOnce) {
    testsupport::TestPlatform sim;
    sim.settingsFromEarlierStart();
    sim.wave->setDevices({});
    engine::AppState state;
    auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
    // The settings' device check then finds no mixer device either.
    EXPECT_EQ(sim.messages->texts(),
              QStringList({kNoDevice, QStringLiteral("Invalid Device Number !")}));
    EXPECT_FALSE(windows->main->Calibration2->menuAction()->isEnabled());
    // The rest of the program stays usable.
    EXPECT_TRUE(windows->main->File1->menuAction()->isEnabled());
    EXPECT_TRUE(windows->main->Open1->isEnabled());
}

TEST(Startup, EndpointPathFollowsTheSoundServer) {
    {
        testsupport::TestPlatform sim;
        engine::AppState state;
        auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
        EXPECT_TRUE(state.UseEndpointVolume);
        EXPECT_NE(windows->main->endpointVolume(), nullptr);
    }
    {
        testsupport::TestPlatform sim;
        sim.bundle.endpoint = std::make_unique<platform::SimEndpointVolumeService>(false);
        engine::AppState state;
        auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
        EXPECT_FALSE(state.UseEndpointVolume);
        EXPECT_EQ(windows->main->endpointVolume(), nullptr);
    }
    {
        // The server answers but the device cannot be activated: the path
        // stays on, the interface empty, nothing is shown.
        testsupport::TestPlatform sim;
        sim.settingsFromEarlierStart();
        sim.bundle.endpoint = std::make_unique<platform::SimEndpointVolumeService>(true, false);
        engine::AppState state;
        auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
        EXPECT_TRUE(state.UseEndpointVolume);
        EXPECT_EQ(windows->main->endpointVolume(), nullptr);
        EXPECT_TRUE(sim.messages->shown().empty());
    }
}

TEST(Startup, ATestFileOnTheCommandLineIsOpened) {
    testsupport::TestPlatform sim;
    engine::AppState state;
    QStringList opened;
    ui::MainWindowContext context{state,
                                  kDesign,
                                  sim.bundle,
                                  {QStringLiteral("/daten/Meine"), QStringLiteral("Tests/a.AUD")},
                                  [&](const QString& name) {
                                      opened << name;
                                      state.Record.ResultsValid = true;
                                      state.Record.Test1Result.Thresholds[0][0] = 42;
                                  }};
    ui::TfrmMain main(context);
    EXPECT_EQ(state.CommandLineFile, QStringLiteral("/daten/Meine Tests/a.AUD "));
    EXPECT_EQ(opened, QStringList{QStringLiteral("/daten/Meine Tests/a.AUD")});
    // A file was read, so New did not run over it.
    EXPECT_TRUE(state.Record.ResultsValid);
    EXPECT_EQ(state.Record.Test1Result.Thresholds[0][0], 42);
}

TEST(Startup, OtherFilesOnTheCommandLineAreNotOpenedAsTestFiles) {
    for (const char* name : {"a.vkk", "aud", "x.audio", "a.vktx"}) {
        testsupport::TestPlatform sim;
        engine::AppState state;
        int opened = 0;
        ui::MainWindowContext context{
            state, kDesign, sim.bundle, {QString::fromLatin1(name)}, [&](const QString&) {
                ++opened;
            }};
        ui::TfrmMain main(context);
        EXPECT_EQ(opened, 0) << name;
        EXPECT_EQ(state.Record.Test1Result.Thresholds[1][11], engine::kNoThreshold) << name;
    }
}

TEST(MainWindow, ClosingRequestsAStop) {
    testsupport::TestPlatform sim;
    engine::AppState state;
    ui::TfrmMain main({state, kDesign, sim.bundle, {}, {}});
    bool closed = false;
    QObject::connect(&main, &ui::TfrmMain::closed, [&] { closed = true; });
    main.show();
    EXPECT_FALSE(state.StopRequested);
    main.Exit1Click();
    EXPECT_TRUE(state.StopRequested);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(main.isVisible());
}

TEST(MainWindow, TitleFollowsThePersonAndLocationEdits) {
    testsupport::TestPlatform sim;
    engine::AppState state;
    ui::TfrmMain main({state, kDesign, sim.bundle, {}, {}});
    main.txtTestName->setText(QStringLiteral("Jörg Meier"));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Vorlandt Klarovent 1.0 - Jörg Meier"));
    main.txtTestLocation->setText(QStringLiteral("Köln"));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Vorlandt Klarovent1.0 - Jörg Meier Köln"));
}

TEST(MainWindow, ResizeKeepsTheTableUnderTheAudiogram) {
    testsupport::TestPlatform sim;
    engine::AppState state;
    ui::TfrmMain main({state, kDesign, sim.bundle, {}, {}});
    main.show();
    for (const QSize size : {QSize(1280, 900), QSize(1600, 700)}) {
        main.resize(size);
        QApplication::processEvents();
        const QWidget* client = main.centralWidget();
        const int cw = client->width();
        const int ch = client->height();
        EXPECT_EQ(main.grpGraph->width(), cw - 8);
        EXPECT_EQ(main.grpGraph->height(), ch - 219);
        EXPECT_EQ(main.pbxAudiogram->size(), QSize(cw - 8 - 40, ch - 219 - 51));
        EXPECT_EQ(main.grpThreshold->geometry(), QRect(4, ch - 215, cw - 8, 78));
        EXPECT_EQ(main.pbxResults->width(), cw - 48);
        EXPECT_EQ(main.grpData->geometry(), QRect(6, ch - 135, cw - 12, 114));
        EXPECT_EQ(main.lblDateTime->y(), ch - 18);
        EXPECT_EQ(main.imgLogo->x(), cw - 235);
        EXPECT_EQ(main.pbxAudiogram->x(), main.pbxResults->x());
    }
}

TEST(ScreenSaver, KeptOffWhileNoStopIsRequestedAndTheOptionIsTicked) {
    testsupport::TestPlatform sim;
    engine::AppState state;
    storage::Settings settings = storage::designSettings();
    ui::TfrmMain main({state, settings, sim.bundle, {}, {}});
    EXPECT_TRUE(sim.screenSaver->inhibited());

    QEvent poke(QEvent::User);
    state.StopRequested = true;
    QApplication::sendEvent(&main, &poke);
    EXPECT_FALSE(sim.screenSaver->inhibited());
    state.StopRequested = false;
    QApplication::sendEvent(&main, &poke);
    EXPECT_TRUE(sim.screenSaver->inhibited());

    settings.disableScreenSaver = false;
    QApplication::sendEvent(&main, &poke);
    EXPECT_FALSE(sim.screenSaver->inhibited());
    settings.disableScreenSaver = true;
    QApplication::sendEvent(&main, &poke);
    EXPECT_TRUE(sim.screenSaver->inhibited());
    EXPECT_EQ(sim.screenSaver->calls,
              (std::vector<std::string>{"inhibit", "release", "inhibit", "release", "inhibit"}));
}

TEST(Startup, ColourChangesInTheSettingsReachTheLiveGraph) {
    testsupport::TestPlatform sim;
    sim.settingsFromEarlierStart();
    engine::AppState state;
    auto windows = ui::createWindows(state, sim.bundle, sim.services(), {});
    // One pulse at 30 dB HL on the left ear, 20 pixels a pulse.
    windows->test->StartTrace(engine::kLeftEar, 30.0 - 100.0, 20);
    windows->test->DrawPulse(1, 30.0 - 100.0);
    windows->test->GraphPaint();
    const QPoint onTrace(35, 130);
    EXPECT_EQ(windows->test->graphImage().pixelColor(onTrace),
              engine::toQColor(windows->settingsValue.colours[0]));
    windows->settings->ColourList->setCurrentIndex(0);
    windows->settings->pickColour = [](const QColor&) {
        return QColor(0, 200, 0);
    };
    windows->settings->ChangeClick();
    EXPECT_EQ(windows->test->graphImage().pixelColor(onTrace), QColor(0, 200, 0));
}
