#include "core/float_flags.h"

namespace sb {

int RaisedFloatFlags(int mask) {
  return std::fetestexcept(mask & FE_ALL_EXCEPT);
}

void SetFloatFlags(int mask, int flags) {
  mask &= FE_ALL_EXCEPT;
  std::feclearexcept(mask & ~flags);
  // With every exception masked, as here, raising a flag only sets it.
  if ((mask & flags) != 0) std::feraiseexcept(mask & flags);
}

}  // namespace sb
