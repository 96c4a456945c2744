#pragma once

#include "platform/ScreenSaver.h"

#include <cstdint>

namespace tavo::platform {

// The freedesktop ScreenSaver interface on the session bus
// (org.freedesktop.ScreenSaver Inhibit / UnInhibit). Without a session bus,
// or without a service that answers, it does nothing.
class DBusScreenSaver final : public ScreenSaver {
public:
    ~DBusScreenSaver() override;
    void inhibit() override;
    void release() override;
    bool inhibited() const override { return inhibited_; }

private:
    bool inhibited_ = false;
    std::uint32_t cookie_ = 0;
    bool haveCookie_ = false;
};

} // namespace tavo::platform
