#pragma once

namespace tavo::platform {

// Tells the processor that the upper halves of its wide vector registers
// are no longer in use (vzeroupper on x86 with AVX; nothing elsewhere).
//
// Code elsewhere in the process (drawing routines, say) can leave that
// state set. Every call of libm's sin() then pays for the mix of wide and
// narrow vector instructions: a one-second tone took 10 ms to make instead
// of 1 ms. Call this before a long run of maths on the same thread.
void settleVectorState();

} // namespace tavo::platform
