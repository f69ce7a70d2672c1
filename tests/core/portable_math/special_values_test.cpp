// The portable functions at the edges of the doubles: signed zeros, and the
// floating-point status the battle checks after every step (a spurious
// overflow or invalid operation would end the game).
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>

#include "core/portable_math.h"

namespace sb::math {
namespace {

constexpr double kHalfPi = 0x1.921fb54442d18p+0;

TEST(PortableMathSpecialValues, ZerosKeepTheirSign) {
  for (const double zero : {0.0, -0.0}) {
    EXPECT_EQ(std::bit_cast<uint64_t>(Sin(zero)), std::bit_cast<uint64_t>(zero));
    EXPECT_EQ(std::bit_cast<uint64_t>(Atan(zero)), std::bit_cast<uint64_t>(zero));
    EXPECT_EQ(Cos(zero), 1.0);
  }
}

// Every binade from the smallest subnormal to the largest double, both
// signs, several significands: no overflow, division by zero or invalid
// operation, and the symmetries hold exactly.
TEST(PortableMathSpecialValues, NoFloatingPointErrorForAnyFiniteArgument) {
  const uint64_t significands[] = {0, 1, 0x8000000000000, 0xfffffffffffff, 0x5a5a5a5a5a5a5};
  for (uint64_t e = 0; e <= 2046; ++e) {
    for (const uint64_t m : significands) {
      const double x = std::bit_cast<double>((e << 52) | m);
      if (x == 0) continue;
      std::feclearexcept(FE_ALL_EXCEPT);
      const double s = Sin(x), c = Cos(x), a = Atan(x);
      const bool odd = Sin(-x) == -s && Cos(-x) == c && Atan(-x) == -a;
      ASSERT_FALSE(std::fetestexcept(FE_INVALID | FE_OVERFLOW | FE_DIVBYZERO))
          << std::hexfloat << x;
      EXPECT_TRUE(odd) << std::hexfloat << x;
      EXPECT_TRUE(std::fabs(s) <= 1 && std::fabs(c) <= 1 && std::fabs(a) <= kHalfPi);
    }
  }
}

}  // namespace
}  // namespace sb::math
