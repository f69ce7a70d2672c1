#include <xmmintrin.h>

#include "core/float_flags.h"

namespace sb {

// The flags live in two places: the SSE unit's MXCSR, where the game's
// arithmetic raises them, and the x87 status word, which libraries may
// still use. The FE_ values are the bits of both.

namespace {

unsigned X87Status() {
  unsigned short status = 0;
  __asm__ volatile("fnstsw %0" : "=am"(status));
  return status;
}

}  // namespace

int RaisedFloatFlags(int mask) {
  return static_cast<int>((_mm_getcsr() | X87Status()) &
                          static_cast<unsigned>(mask & FE_ALL_EXCEPT));
}

void SetFloatFlags(int mask, int flags) {
  const auto bits = static_cast<unsigned>(mask & FE_ALL_EXCEPT);
  _mm_setcsr((_mm_getcsr() & ~bits) | (static_cast<unsigned>(flags) & bits));
  // The x87 flags are only ever cleared, all together.
  if ((X87Status() & bits) != 0) __asm__ volatile("fnclex");
}

}  // namespace sb
