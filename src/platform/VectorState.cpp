#include "platform/VectorState.h"

namespace tavo::platform {

#if defined(__x86_64__) || defined(__i386__)

namespace {
__attribute__((target("avx"))) void zeroUpper() {
    __builtin_ia32_vzeroupper();
}
} // namespace

void settleVectorState() {
    // Only processors with AVX know the instruction.
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        zeroUpper();
    }
}

#else

void settleVectorState() {}

#endif

} // namespace tavo::platform
