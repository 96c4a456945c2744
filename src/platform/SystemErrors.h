#pragma once

#include <QJsonParseError>
#include <QString>

namespace tavo::platform {

// The text of an operating-system error number (errno) in the program's
// language, for the messages the program shows: the system's own texts
// follow the C library's locale, not the language the program speaks.
QString systemErrorText(int error);

// The text of a JSON parse error in the program's language: Qt's own
// texts are English.
QString jsonErrorText(QJsonParseError::ParseError error);

} // namespace tavo::platform
