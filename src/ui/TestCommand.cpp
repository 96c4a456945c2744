#include "ui/TestCommand.h"

#include "engine/SimulatedListener.h"
#include "engine/TestServices.h"
#include "engine/TrackingTest.h"
#include "hardware/TestVolumes.h"
#include "platform/Platform.h"
#include "platform/sim/ScriptedGameController.h"
#include "platform/sim/SimEventPump.h"
#include "platform/sim/SimSoundChain.h"

#include <QTimer>

namespace tavo::ui {

TestCommand::TestCommand(engine::AppState& state, const storage::Settings& settings,
                         platform::Platform& platform, hardware::MIXER_e& mixer,
                         platform::EndpointVolume* endpoint, engine::TestWindowView& window,
                         engine::TestHost& host)
    : platform_(platform),
      soundCard_(std::make_unique<hardware::MixerTestSoundCard>(state, mixer, endpoint)) {
    test_ = std::make_unique<engine::TrackingTest>(
        engine::TrackingTestContext{state,
                                    settings,
                                    *platform.pump,
                                    *platform.messages,
                                    *platform.wave,
                                    platform.controller.get(),
                                    window,
                                    host,
                                    *soundCard_,
                                    {}});
}

TestCommand::~TestCommand() = default;

void TestCommand::run() {
    test_->NewTest1Click();
}

bool TestCommand::running() const {
    return test_->running();
}

void TestCommand::requestQuit() {
    test_->requestQuit();
}

void TestCommand::attachListener(engine::ListenerDescription description,
                                 std::function<void()> pressWindowButton, std::uint64_t seed) {
    if (listener_) {
        test_->removeObserver(listener_.get());
    }
    auto* controller = dynamic_cast<platform::ScriptedGameController*>(platform_.controller.get());
    engine::ListenerHands hands;
    hands.setResponseButton = [this, controller](bool down) {
        // Both sources at once, so the listener works whichever the settings
        // choose: the first controller's button 1 and the CTRL key.
        if (controller != nullptr) {
            if (down) {
                controller->press(0);
            } else {
                controller->releaseAll();
            }
        }
        if (down) {
            test_->responseButton().keyDown(true);
        } else {
            test_->responseButton().keyUp();
        }
    };
    hands.pressWindowButton = std::move(pressWindowButton);
    // Later presses run on the test's clock: the virtual one in a
    // simulation, the real one in the demonstration.
    auto* virtualClock = dynamic_cast<platform::SimEventPump*>(platform_.pump.get());
    hands.later = [this, virtualClock](int delayMs, std::function<void()> action) {
        if (virtualClock != nullptr) {
            virtualClock->schedule(virtualClock->nowMs() + delayMs, std::move(action));
        } else {
            QTimer::singleShot(delayMs, &timers_, std::move(action));
        }
    };
    if (!sound_) {
        sound_ = platform::SimSoundChain::of(platform_);
    }
    listener_ = std::make_unique<engine::SimulatedListener>(std::move(description), hands,
                                                            sound_.get(), seed);
    test_->addObserver(listener_.get());
}

void TestCommand::addObserver(engine::PulseObserver* observer) {
    test_->addObserver(observer);
}

void TestCommand::removeObserver(engine::PulseObserver* observer) {
    test_->removeObserver(observer);
}

} // namespace tavo::ui
