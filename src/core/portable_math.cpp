#include "core/portable_math.h"

#include <limits>
#include <tuple>
#include <type_traits>

#include "core/angle_reduction.h"
#include "core/portable_math_tables.h"
#include "core/table.h"

// The same bits everywhere rest on plain IEEE doubles: no x87 extended
// precision, no fast-math (contraction is switched off for the whole build).
#if defined(__FAST_MATH__)
#error "portable math must not be built with fast-math"
#endif
#if defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ != 0
#error "portable math needs doubles evaluated as doubles (SSE2)"
#endif

namespace sb::math {

namespace {

using dd::DD;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Horner's rule in z = r^2 over the coefficients kTaylorSinCos[n] for
// n = Last, Last - 2, ..., Stop. The terms past FirstDD add less than 2^-50
// of the result, so a double suffices for them; the rest are summed in
// double-double.
template <int Last, int FirstDD, int Stop>
DD TaylorSeries(DD z) {
  const auto& c = tables::kTaylorSinCos;
  static_assert(Last < static_cast<int>(std::tuple_size_v<std::decay_t<decltype(c)>>));
  static_assert(Stop >= 0 && Stop <= FirstDD && FirstDD < Last);
  double p = c[Last].hi;
  for (int n = Last - 2; n > FirstDD; n -= 2) p = p * z.hi + c[static_cast<size_t>(n)].hi;
  DD s{p, 0};
  for (int n = FirstDD; n >= Stop; n -= 2) s = dd::Add(dd::Mul(s, z), c[static_cast<size_t>(n)]);
  return s;
}

// sin(r) for |r| <= pi/4: r + r z (-1/3! + z/5! - ...), up to r^29/29!
// (the next term is below 2^-110 of the result).
double SinKernel(DD r) {
  const DD z = dd::Mul(r, r);
  const DD s = dd::Mul(TaylorSeries<29, 15, 3>(z), z);
  const DD v = dd::Add(r, dd::Mul(r, s));
  return v.hi + v.lo;
}

// cos(r) for |r| <= pi/4: 1 + z (-1/2! + z/4! - ...), up to z^15/30!.
double CosKernel(DD r) {
  const DD z = dd::Mul(r, r);
  const DD c = dd::Mul(TaylorSeries<30, 16, 2>(z), z);
  const DD v = dd::Add(DD{1, 0}, c);
  return v.hi + v.lo;
}

// 1/x as a double-double, for 1 < x < 2^53.
DD Reciprocal(double x) {
  const double q = 1 / x;
  const DD p = dd::TwoProduct(q, x);
  const double rest = ((1 - p.hi) - p.lo) / x;  // 1 - p.hi is exact
  return dd::FastTwoSum(q, rest);
}

// atan(y) for 2^-27 <= y <= 1 (a double-double): with c = j/32 the nearest
// table point, atan(y) = atan(c) + atan(t), t = (y - c)/(1 + y c), |t| <= 1/64,
// and atan(t) = t + t z (-1/3 + z/5 - ...) up to z^9/19.
DD AtanUnit(DD y) {
  // The nearest whole number to y * 32, exactly.
  const double scaled = y.hi * 32;
  int j = static_cast<int>(scaled);
  if (scaled - j >= 0.5) ++j;
  const auto& table = tables::kAtanOf32nds;
  if (j < 0 || j >= static_cast<int>(table.size())) FailIndex(j, 0, table.size() - 1);
  DD t = y;
  if (j > 0) {
    const double c = j / 32.0;
    const DD num = dd::TwoSum(y.hi - c, y.lo);  // y.hi - c is exact (Sterbenz)
    DD yc = dd::TwoProduct(y.hi, c);
    yc.lo += y.lo * c;
    t = dd::Div(num, dd::Add(DD{1, 0}, yc));
  }
  const DD z = dd::Mul(t, t);
  const auto& a = tables::kAtanSeries;  // a[k - 1] = (-1)^k / (2k + 1)
  static_assert(std::tuple_size_v<std::decay_t<decltype(a)>> >= 9);
  double p = a[8].hi;
  for (int k = 8; k >= 4; --k) p = p * z.hi + a[static_cast<size_t>(k - 1)].hi;
  DD s{p, 0};
  for (int k = 3; k >= 1; --k) s = dd::Add(dd::Mul(s, z), a[static_cast<size_t>(k - 1)]);
  const DD atan_t = dd::Add(t, dd::Mul(dd::Mul(s, z), t));
  return dd::Add(table[static_cast<size_t>(j)], atan_t);
}

}  // namespace

double Sin(double x) {
  const double ax = x < 0 ? -x : x;
  if (!(ax < kInfinity)) return x - x;  // NaN stays NaN; an infinity gives NaN
  if (ax < 0x1p-26) return x;           // sin x = x (1 - x^2/6 ...) rounds to x
  const ReducedAngle a = ReduceByHalfPi(ax);
  double v = (a.quadrant & 1) ? CosKernel(a.r) : SinKernel(a.r);
  if (a.quadrant & 2) v = -v;
  return x < 0 ? -v : v;
}

double Cos(double x) {
  const double ax = x < 0 ? -x : x;
  if (!(ax < kInfinity)) return x - x;
  if (ax < 0x1p-27) return 1;  // 1 - x^2/2 rounds to 1
  const ReducedAngle a = ReduceByHalfPi(ax);
  const double v = (a.quadrant & 1) ? SinKernel(a.r) : CosKernel(a.r);
  return ((a.quadrant + 1) & 2) ? -v : v;  // quadrants 1 and 2 are negative
}

double Atan(double x) {
  const double ax = x < 0 ? -x : x;
  if (ax != ax) return x + x;
  if (ax < 0x1p-27) return x;  // atan x = x (1 - x^2/3 ...) rounds to x
  double v;
  if (ax >= 0x1p53) {
    v = tables::kPiOver2.hi;  // pi/2 - 1/x rounds to pi/2 rounded
  } else if (ax <= 1) {
    const DD r = AtanUnit(DD{ax, 0});
    v = r.hi + r.lo;
  } else {
    const DD r = dd::Add(tables::kPiOver2, dd::Neg(AtanUnit(Reciprocal(ax))));
    v = r.hi + r.lo;
  }
  return x < 0 ? -v : v;
}

}  // namespace sb::math
