// The main window's New Test command: the hearing test on the program's
// windows, with every other command refused while it runs.

#include "engine/AppState.h"
#include "engine/TrackingTest.h"
#include "ui/TestCommand.h"
#include "ui/TfrmMain.h"

#include <QAction>

namespace tavo::ui {

void TfrmMain::attachTestWindow(engine::TfrmTest* window, hardware::MIXER_e* mixer) {
    testCommand_.reset();
    if (window == nullptr || mixer == nullptr) {
        return;
    }
    TestCommandHost host;
    host.repaintAudiogram = [this] {
        repaintAudiogram();
    };
    host.CalcAVP = [this] {
        CalcAVP();
    };
    host.setMainWindowEnabled = [this](bool enabled) {
        setEnabled(enabled);
    };
    host.setCommandsEnabled = [this](bool enabled) {
        setCommandsEnabled(enabled);
    };
    testCommand_ = std::make_unique<TestCommand>(context_.state, context_.platform, *mixer,
                                                 EndpointVolume.get(), *window, context_.settings,
                                                 std::move(host));
}

void TfrmMain::NewTest1Click() {
    if (testCommand_ == nullptr || testCommand_->running()) {
        return;
    }
    testCommand_->run();
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
