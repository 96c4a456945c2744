#pragma once

#include "platform/Messages.h"

namespace tavo::ui {

// Message boxes on the screen (QMessageBox), parented to the active window.
class QtMessages final : public platform::Messages {
public:
    using platform::Messages::show;
    platform::MessageAnswer show(const platform::Message& message) override;
};

} // namespace tavo::ui
