#pragma once

#include "platform/Result.h"

namespace tavo::archive {

class Connection;

// Brings the archive to the program's schema: the migrations it lacks are
// applied in one transaction (all or none). An archive written by a newer
// program is refused with a German message and left as it is.
Result<void> migrate(Connection& db, int programVersion);

} // namespace tavo::archive
