#include "core/angle_reduction.h"

#include <bit>
#include <cstdint>

#include "core/portable_math_tables.h"
#include "core/table.h"

namespace sb::math {

namespace {

using dd::DD;

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;  // 2/pi rounded
constexpr double kMediumLimit = 0x1p20;

// Below 2^20 (Cody and Waite): k = x * 2/pi rounded to a whole number, and
// x - k * pi/2 with pi/2 in four pieces. The first three products are
// exact, the fourth is taken exactly as a double-double, and every
// subtraction keeps its rounding error, so r is good to about 2^-132 absolute.
ReducedAngle ReduceMedium(double x) {
  const auto& piece = tables::kPiOver2Pieces;
  // Adding and removing 1.5 * 2^52 rounds to the nearest whole number.
  const double k = (x * kTwoOverPi + 0x1.8p52) - 0x1.8p52;
  DD r = dd::TwoSum(x, -(k * piece[0]));
  r = dd::Add(r, -(k * piece[1]));
  r = dd::Add(r, -(k * piece[2]));
  r = dd::Add(r, dd::Neg(dd::TwoProduct(k, piece[3])));
  return {r, static_cast<int>(static_cast<int64_t>(k) & 3)};
}

// 64 bits of 2/pi starting at bit i (the bit worth 2^-i). 2/pi < 1, so the
// bits at i <= 0 are 0.
uint64_t TwoOverPiBits(int i) {
  const auto word = [](int w) -> uint64_t {
    if (w < 0) return 0;
    const auto& words = tables::kTwoOverPiWords;
    if (w >= static_cast<int>(words.size())) FailIndex(w, 0, words.size() - 1);
    return words[static_cast<size_t>(w)];
  };
  const int p = i - 1 + 64;  // i >= -63 keeps p >= 0
  const int w = p / 32 - 2;
  const int shift = p % 32;
  const uint64_t top = (word(w) << 32) | word(w + 1);
  return shift == 0 ? top : (top << shift) | (word(w + 2) >> (32 - shift));
}

struct U128 {
  uint64_t hi;
  uint64_t lo;
};

U128 Mul64(uint64_t a, uint64_t b) {
  const uint64_t mask = 0xffffffff;
  const uint64_t a0 = a & mask, a1 = a >> 32, b0 = b & mask, b1 = b >> 32;
  const uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const uint64_t mid = (p00 >> 32) + (p01 & mask) + (p10 & mask);
  return {p11 + (p01 >> 32) + (p10 >> 32) + (mid >> 32), (mid << 32) | (p00 & mask)};
}

// From 2^20 up (Payne and Hanek): x = m * 2^e with a 53-bit whole number m.
// x * 2/pi modulo 4 needs only the bits of 2/pi from 2^-(e-1) on, as every
// earlier bit contributes a multiple of 4. m times 256 of those bits gives
// x * 2/pi modulo 4 in fixed point, 2 whole bits and 254 fraction bits,
// short of the true value by less than 2^-200.
ReducedAngle ReduceLarge(double x) {
  const uint64_t bits = std::bit_cast<uint64_t>(x);
  const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
  const int e = static_cast<int>(bits >> 52) - 1075;
  const int first = e - 1;
  U128 p[4];
  for (int c = 0; c < 4; ++c) p[c] = Mul64(m, TwoOverPiBits(first + 64 * c));
  // Chunk c is worth 2^(-62 - 64c) a unit; sum the products into four words.
  uint64_t w[4];
  w[3] = p[3].lo;
  w[2] = p[3].hi + p[2].lo;
  uint64_t carry = w[2] < p[3].hi;
  w[1] = p[2].hi + p[1].lo;
  uint64_t carry1 = w[1] < p[2].hi;
  w[1] += carry;
  carry1 += w[1] < carry;
  w[0] = p[0].lo + p[1].hi + carry1;  // wraps modulo 4

  int quadrant = static_cast<int>(w[0] >> 62);
  const uint64_t fraction_mask = (uint64_t{1} << 62) - 1;
  const bool negative = (w[0] >> 61) & 1;  // fraction >= 1/2: count from the next quadrant
  if (negative) {
    ++quadrant;
    uint64_t add = 1;
    for (int i = 3; i >= 0; --i) {
      w[i] = ~w[i] + add;
      add = add && w[i] == 0;
    }
  }
  w[0] &= fraction_mask;
  // The fraction as a double-double, 32 bits at a time (each exact).
  DD f;
  double scale = 0x1p-30;
  for (int i = 0; i < 4; ++i) {
    f = dd::Add(f, static_cast<double>(w[i] >> 32) * scale);
    scale *= 0x1p-32;
    f = dd::Add(f, static_cast<double>(w[i] & 0xffffffff) * scale);
    scale *= 0x1p-32;
  }
  DD r = dd::Mul(f, tables::kPiOver2);
  if (negative) r = dd::Neg(r);
  return {r, quadrant & 3};
}

}  // namespace

ReducedAngle ReduceByHalfPi(double x) {
  if (x <= 0x1.921fb54442d18p-1) return {{x, 0}, 0};  // pi/4 rounded down
  return x < kMediumLimit ? ReduceMedium(x) : ReduceLarge(x);
}

}  // namespace sb::math
