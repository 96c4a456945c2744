#pragma once

#include "platform/Messages.h"

namespace tavo::platform {

// Message boxes on the screen (QMessageBox), parented to the active window.
class QtMessages final : public Messages {
public:
    using Messages::show;
    MessageAnswer show(const Message& message) override;
};

} // namespace tavo::platform
