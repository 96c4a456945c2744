// The main window's New Test command: the hearing test on the program's
// windows, with every other command refused while it runs.

#include "archive/TestArchiver.h"
#include "engine/AppState.h"
#include "engine/TfrmTest.h"
#include "engine/TrackingTest.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <QAction>
#include <QPushButton>

namespace tavo::ui {

void TfrmMain::attachTestWindow(engine::TfrmTest* window, hardware::MIXER_e* mixer) {
    if (testWindow_ != nullptr) {
        testWindow_->setResponseButton(nullptr);
    }
    testCommand_.reset();
    testWindow_ = window;
    if (window == nullptr || mixer == nullptr) {
        return;
    }
    // The main window is the test's host; the window's keys press the
    // test's response button.
    testCommand_ =
        std::make_unique<TestCommand>(context_.state, context_.settings, context_.platform, *mixer,
                                      EndpointVolume.get(), *window, *this);
    window->setResponseButton(&testCommand_->procedure().responseButton());
    if (testArchiver_) {
        testCommand_->addObserver(testArchiver_.get());
    }
}

void TfrmMain::attachListener(const engine::ListenerDescription& listener, std::uint64_t seed) {
    if (testCommand_ == nullptr || testWindow_ == nullptr) {
        return;
    }
    // A simulated listener's test examined nobody: it is not archived.
    testCommand_->removeObserver(testArchiver_.get());
    testCommand_->attachListener(
        listener, [window = testWindow_] { window->Next->click(); }, seed);
}

void TfrmMain::NewTest1Click() {
    if (testCommand_ == nullptr || testCommand_->running()) {
        return;
    }
    setCommandsEnabled(false);
    testCommand_->run();
    setCommandsEnabled(true);
    showArchiveMessage();
    if (closeAfterTest_) {
        closeAfterTest_ = false;
        close();
    }
}

void TfrmMain::setCommandsEnabled(bool enabled) {
    if (!enabled) {
        refusedCommands_.clear();
        for (QAction* action : findChildren<QAction*>()) {
            refusedCommands_.emplace_back(action, action->isEnabled());
            action->setEnabled(false);
        }
        return;
    }
    for (const auto& [action, wasEnabled] : refusedCommands_) {
        action->setEnabled(wasEnabled);
    }
    refusedCommands_.clear();
}

} // namespace tavo::ui
