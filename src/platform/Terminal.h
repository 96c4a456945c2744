#pragma once

namespace tavo::platform {

// Whether the standard error output goes to a terminal (where a tool may
// show a progress line that it rewrites in place).
bool errorOutputIsTerminal();

} // namespace tavo::platform
