// The floating-point status flags (FE_INVALID, FE_DIVBYZERO, FE_OVERFLOW,
// FE_UNDERFLOW, FE_INEXACT of <cfenv>), read and written without touching
// the rest of the floating-point environment. On Windows the C runtime's
// own feclearexcept and fesetexceptflag also clear the exception masks, so
// that the next inexact result traps; these keep the masks as they are.
#pragma once

#include <cfenv>

namespace sb {

// The flags of `mask` that are raised.
int RaisedFloatFlags(int mask);
// Sets the flags of `mask` to those of `flags`, the others unchanged.
void SetFloatFlags(int mask, int flags);

}  // namespace sb
