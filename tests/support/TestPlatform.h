#pragma once

#include "hardware/MIXER_e.h"
#include "platform/Platform.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/ScriptedGameController.h"
#include "platform/sim/SimEndpointVolume.h"
#include "platform/sim/SimEventPump.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"
#include "platform/sim/SimScreenSaver.h"
#include "platform/sim/SimWaveOutput.h"
#include "storage/Registry.h"
#include "ui/MixerDeviceList.h"
#include "ui/Startup.h"

#include <QTemporaryDir>

#include <memory>

namespace tavo::testsupport {

// A platform bundle of simulated backends, with typed access for tests, a
// settings store in a temporary folder (none there at first) and the mixer
// layer on the simulated mixer.
struct TestPlatform {
    TestPlatform() : owned(platform::makeVirtualPlatform()), bundle(*owned) {
        pump = static_cast<platform::SimEventPump*>(bundle.pump.get());
        wave = static_cast<platform::SimWaveOutput*>(bundle.wave.get());
        messages = static_cast<platform::SimMessages*>(bundle.messages.get());
        screenSaver = static_cast<platform::SimScreenSaver*>(bundle.screenSaver.get());
        endpoint = static_cast<platform::SimEndpointVolumeService*>(bundle.endpoint.get());
        mixer = static_cast<platform::SimMixerService*>(bundle.mixer.get());
        controller = static_cast<platform::ScriptedGameController*>(bundle.controller.get());
        settings = std::make_unique<platform::RegFileSettingsStore>(settingsPath());
        mixerLayer = std::make_unique<hardware::MIXER_e>(*mixer, *messages);
        mixerDevices = std::make_unique<ui::MixerDeviceList>(*mixerLayer);
    }

    // A store as the program leaves it after its first start: every value
    // at its design value, "FirstRun" 0.
    void settingsFromEarlierStart() {
        storage::seedSettingsStore(*settings, nullptr);
        settings->openKey(false);
        settings->writeInteger(QStringLiteral("FirstRun"), 0);
        settings->closeKey();
    }

    QString settingsPath() const { return folder.filePath(QStringLiteral("settings.reg")); }
    ui::ProgramServices services() { return {*settings, *mixerDevices, *mixerLayer}; }

    QTemporaryDir folder;
    std::unique_ptr<platform::Platform> owned;
    platform::Platform& bundle;
    platform::SimEventPump* pump;
    platform::SimWaveOutput* wave;
    platform::SimMessages* messages;
    platform::SimScreenSaver* screenSaver;
    platform::SimEndpointVolumeService* endpoint;
    platform::SimMixerService* mixer;
    platform::ScriptedGameController* controller;
    std::unique_ptr<platform::RegFileSettingsStore> settings;
    std::unique_ptr<hardware::MIXER_e> mixerLayer;
    std::unique_ptr<ui::MixerDeviceList> mixerDevices;
};

} // namespace tavo::testsupport
