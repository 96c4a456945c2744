#pragma once

#include "platform/EventPump.h"

#include <QElapsedTimer>

namespace tavo::platform {

// Real event pump: the Qt event loop and the monotonic clock.
class QtEventPump final : public EventPump {
public:
    QtEventPump();
    void processEvents() override;
    void wait(int ms) override;
    std::int64_t nowMs() const override;

private:
    QElapsedTimer clock_;
};

} // namespace tavo::platform
