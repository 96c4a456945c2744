#pragma once

#include <QString>

namespace tavo::platform {

// Icon and type of a message box.
enum class MessageType { Plain, Information, Warning, Error, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Closed };

struct Message {
    QString text;
    QString caption; // empty: the application title
    MessageType type = MessageType::Plain;
    MessageButtons buttons = MessageButtons::Ok;
    int helpContext = 0;
};

// Modal message boxes. Every text the program shows to the user in a box
// goes through here, so tests can answer them and read what was shown.
class Messages {
public:
    virtual ~Messages() = default;
    virtual MessageAnswer show(const Message& message) = 0;

    MessageAnswer show(const QString& text, const QString& caption = {},
                       MessageType type = MessageType::Plain,
                       MessageButtons buttons = MessageButtons::Ok) {
        return show(Message{text, caption, type, buttons, 0});
    }
};

} // namespace tavo::platform
