#pragma once

#include <QString>

namespace tavo::platform {

// The German text of an operating-system error number (errno), for the
// messages the program shows: the system's own texts are English.
QString systemErrorText(int error);

} // namespace tavo::platform
