#pragma once

#include "platform/Platform.h"
#include "platform/sim/ScriptedGameController.h"
#include "platform/sim/SimEndpointVolume.h"
#include "platform/sim/SimEventPump.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimScreenSaver.h"
#include "platform/sim/SimWaveOutput.h"

#include <memory>

namespace tavo::testsupport {

// A platform bundle of simulated backends, with typed access for tests.
struct TestPlatform {
    TestPlatform() {
        bundle.pump = std::make_unique<platform::SimEventPump>(true);
        pump = static_cast<platform::SimEventPump*>(bundle.pump.get());
        bundle.wave = std::make_unique<platform::SimWaveOutput>(*pump);
        wave = static_cast<platform::SimWaveOutput*>(bundle.wave.get());
        bundle.messages = std::make_unique<platform::SimMessages>();
        messages = static_cast<platform::SimMessages*>(bundle.messages.get());
        bundle.screenSaver = std::make_unique<platform::SimScreenSaver>();
        screenSaver = static_cast<platform::SimScreenSaver*>(bundle.screenSaver.get());
        bundle.endpoint = std::make_unique<platform::SimEndpointVolumeService>();
        endpoint = static_cast<platform::SimEndpointVolumeService*>(bundle.endpoint.get());
        bundle.controller = std::make_unique<platform::ScriptedGameController>();
        controller = static_cast<platform::ScriptedGameController*>(bundle.controller.get());
        bundle.simulatedSound = true;
    }

    platform::Platform bundle;
    platform::SimEventPump* pump;
    platform::SimWaveOutput* wave;
    platform::SimMessages* messages;
    platform::SimScreenSaver* screenSaver;
    platform::SimEndpointVolumeService* endpoint;
    platform::ScriptedGameController* controller;
};

} // namespace tavo::testsupport
