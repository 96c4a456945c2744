#pragma once

#include "engine/AppState.h"
#include "engine/TestServices.h"
#include "engine/TestWindowView.h"

namespace tavo::engine {

// A test window and a host that show nothing: for running the test
// procedure without any window (`tavo simulate`). The window is "open"
// between the run's show and hide; its button requests a stop, as the real
// window's does.
class PlainTestWindow final : public TestWindowView, public TestHost {
public:
    explicit PlainTestWindow(AppState& state) : state_(state) {}

    void pressButton() { state_.StopRequested = true; }

    // TestWindowView
    void showTestWindow() override { visible_ = true; }
    void hideTestWindow() override { visible_ = false; }
    bool testWindowVisible() const override { return visible_; }
    void SetCaption(const QString&) override {}
    void setButtonCaption(const QString&) override {}
    void StartTrace(int, double, int) override {}
    void DrawPulse(int, double) override {}
    void WrapTrace(double) override {}
    void SetLevel(double) override {}
    void showResponse(bool) override {}

    // TestHost
    void repaintAudiogram() override {}
    void CalcAVP() override {}
    void setMainWindowEnabled(bool) override {}

private:
    AppState& state_;
    bool visible_ = false;
};

} // namespace tavo::engine
