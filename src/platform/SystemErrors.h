#pragma once

#include <QJsonParseError>
#include <QString>

namespace tavo::platform {

// The German text of an operating-system error number (errno), for the
// messages the program shows: the system's own texts are English.
QString systemErrorText(int error);

// The German text of a JSON parse error: Qt's own texts are English.
QString jsonErrorText(QJsonParseError::ParseError error);

} // namespace tavo::platform
