// Reduction of an angle by multiples of pi/2, the first step of the portable
// sin and cos: x = (4n + quadrant) * pi/2 + r with |r| <= pi/4 (give or
// take an ulp). r comes as a double-double accurate to about 2^-100 of its
// size for any double, however near x lies to a multiple of pi/2.
#pragma once

#include "core/double_double.h"

namespace sb::math {

struct ReducedAngle {
  dd::DD r;
  int quadrant = 0;  // 0..3
};

// For a finite x >= 0.
ReducedAngle ReduceByHalfPi(double x);

}  // namespace sb::math
