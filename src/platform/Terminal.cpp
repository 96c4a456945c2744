#include "platform/Terminal.h"

#include <unistd.h>

namespace tavo::platform {

bool errorOutputIsTerminal() {
    return isatty(STDERR_FILENO) != 0;
}

} // namespace tavo::platform
