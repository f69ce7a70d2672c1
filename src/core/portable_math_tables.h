// The constants behind the portable sin, cos and atan, written out in hex so
// that every compiler reads the same bits. Each double-double {hi, lo} holds
// hi = the value rounded to a double and lo = the rest rounded to a double.
// They were computed once with MPFR; a mistyped digit that changes any
// result shows in the math tests against MPFR and in the golden hash.
#pragma once

#include <array>
#include <cstdint>

#include "core/double_double.h"

namespace sb::math::tables {

// The bits of 2/pi after the binary point, 32 to a word, most significant
// first: 2/pi = sum of kTwoOverPiWords[w] * 2^(-32 (w + 1)).
extern const std::array<uint32_t, 40> kTwoOverPiWords;

// pi/2 as a double-double.
inline constexpr dd::DD kPiOver2{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};

// pi/2 cut into pieces for reducing arguments below 2^20: the first three
// are pi/2 truncated to 33 significant bits and the next two 33-bit pieces
// of what is left, so k times any of them is exact for k < 2^20; the fourth
// is the remainder rounded to a double.
inline constexpr std::array<double, 4> kPiOver2Pieces{0x1.921fb544p+0, 0x1.0b4611a6p-34,
                                                      0x1.3198a2ep-69, 0x1.b839a252049c1p-104};

// (-1)^(n/2) / n! for n = 0..31 (n/2 rounded down): the Taylor coefficients
// of cos at even n and of sin at odd n.
extern const std::array<dd::DD, 32> kTaylorSinCos;

// atan(j/32) for j = 0..32.
extern const std::array<dd::DD, 33> kAtanOf32nds;

// (-1)^k / (2k + 1) for k = 1..10, the Taylor coefficients of atan(t)/t
// after the first; entry k - 1 holds k.
extern const std::array<dd::DD, 10> kAtanSeries;

}  // namespace sb::math::tables
