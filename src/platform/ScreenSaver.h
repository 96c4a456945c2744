#pragma once

namespace tavo::platform {

// Keeps the desktop's screen saver from starting (during a hearing test the
// listener does not touch the mouse for minutes).
class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;
    // Both are idempotent; inhibit() while inhibited and release() while
    // released do nothing. Failures are quiet: without a desktop session
    // there is no screen saver to keep off.
    virtual void inhibit() = 0;
    virtual void release() = 0;
    virtual bool inhibited() const = 0;
};

} // namespace tavo::platform
