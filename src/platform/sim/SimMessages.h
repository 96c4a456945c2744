#pragma once

#include "platform/Messages.h"

#include <deque>
#include <functional>
#include <vector>

namespace tavo::platform {

// Scripted message boxes: records every message and answers from a queue
// (or with the default answer for the box's buttons when the queue is empty:
// OK, or Yes for a box that asks Yes or No).
class SimMessages final : public Messages {
public:
    using Messages::show;
    MessageAnswer show(const Message& message) override;

    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // Called for every message before it is answered (tests act "while the
    // box is open", e.g. press a key).
    void setOnShow(std::function<void(const Message&)> hook) { onShow_ = std::move(hook); }

    const std::vector<Message>& shown() const { return shown_; }
    QStringList texts() const;
    int count(const QString& text) const;
    void clear() { shown_.clear(); }

private:
    std::vector<Message> shown_;
    std::deque<MessageAnswer> answers_;
    std::function<void(const Message&)> onShow_;
};

} // namespace tavo::platform
