#pragma once

#include "platform/ScreenSaver.h"

#include <string>
#include <vector>

namespace tavo::platform {

// Records inhibit and release calls that changed something.
class SimScreenSaver final : public ScreenSaver {
public:
    void inhibit() override {
        if (!inhibited_) {
            inhibited_ = true;
            calls.emplace_back("inhibit");
        }
    }
    void release() override {
        if (inhibited_) {
            inhibited_ = false;
            calls.emplace_back("release");
        }
    }
    bool inhibited() const override { return inhibited_; }

    std::vector<std::string> calls;

private:
    bool inhibited_ = false;
};

} // namespace tavo::platform
