#include "platform/sim/SimMessages.h"

#include <QStringList>

namespace tavo::platform {

MessageAnswer SimMessages::show(const Message& message) {
    shown_.push_back(message);
    if (onShow_) {
        onShow_(message);
    }
    if (!answers_.empty()) {
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    const bool question =
        message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoCancel;
    return question ? MessageAnswer::Yes : MessageAnswer::Ok;
}

QStringList SimMessages::texts() const {
    QStringList list;
    for (const auto& message : shown_) {
        list << message.text;
    }
    return list;
}

int SimMessages::count(const QString& text) const {
    int n = 0;
    for (const auto& message : shown_) {
        if (message.text == text) {
            ++n;
        }
    }
    return n;
}

} // namespace tavo::platform
