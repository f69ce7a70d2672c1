// The portable sin, cos and atan against MPFR over millions of arguments of
// the kinds the battle makes. They must be within one ulp; so far every
// result has been correctly rounded, which these tests hold on to (a hard
// case found here would be worth a look).
#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/portable_math.h"
#include "golden_set.h"

namespace sbtest {
namespace {

#ifdef SB_MATH_SHORT_RUN
constexpr int kScale = 10;  // the sanitizer build: a tenth of the arguments
#else
constexpr int kScale = 1;
#endif

// A function under test: ours and MPFR's.
struct Function {
  const char* name;
  double (*ours)(double);
  int (*mpfr)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
};

const Function kSin{"sin", sb::math::Sin, mpfr_sin};
const Function kCos{"cos", sb::math::Cos, mpfr_cos};
const Function kAtan{"atan", sb::math::Atan, mpfr_atan};

// Each function's result for every argument must be MPFR's value to 128
// bits rounded to a double. Prints a summary line per function.
void Measure(const std::string& what, std::initializer_list<Function> functions,
             const std::vector<double>& arguments) {
  mpfr_t x, y;
  mpfr_init2(x, 53);
  mpfr_init2(y, 128);
  for (const Function& f : functions) {
    long wrong = 0;
    double first = 0;
    for (const double a : arguments) {
      mpfr_set_d(x, a, MPFR_RNDN);
      f.mpfr(y, x, MPFR_RNDN);
      if (f.ours(a) != mpfr_get_d(y, MPFR_RNDN) && wrong++ == 0) first = a;
    }
    std::printf("%s, %s: %zu arguments, %ld not correctly rounded\n", f.name, what.c_str(),
                arguments.size(), wrong);
    EXPECT_FALSE(arguments.empty());
    EXPECT_EQ(wrong, 0) << f.name << "(" << std::hexfloat << first << ")";
  }
  mpfr_clear(x);
  mpfr_clear(y);
}

// `count` arguments from `next` (a tenth of them in the sanitizer build).
std::vector<double> Draw(int count, const std::function<double()>& next) {
  std::vector<double> arguments;
  for (int i = 0; i < count / kScale; ++i) arguments.push_back(next());
  return arguments;
}

// 2 * reach + 1 neighbours of x, x among them.
void AddAround(std::vector<double>& arguments, double x, int reach) {
  const int64_t bits = std::bit_cast<int64_t>(x);
  for (int64_t i = -reach; i <= reach; ++i) arguments.push_back(std::bit_cast<double>(bits + i));
}

double Step(double x, int64_t ulps) {
  return std::bit_cast<double>(std::bit_cast<int64_t>(x) + ulps);
}

// The double nearest to k pi/2.
double NearestMultipleOfHalfPi(double k) {
  mpfr_t v;
  mpfr_init2(v, 1200);
  mpfr_const_pi(v, MPFR_RNDN);
  mpfr_mul_d(v, v, k / 2, MPFR_RNDN);
  const double x = mpfr_get_d(v, MPFR_RNDN);
  mpfr_clear(v);
  return x;
}

// Headings are never brought back into range: turning one way for a whole
// battle winds them up to thousands of radians.
TEST(PortableMathAccuracy, SinAndCosOfHeadingsEvenWoundUpOverALongBattle) {
  golden::Bits bits(1), wound(2);
  Measure("headings within +-7", {kSin, kCos}, Draw(400000, [&] { return bits.Symmetric(7); }));
  Measure("headings within +-8192", {kSin, kCos},
          Draw(200000, [&] { return wound.Symmetric(8192); }));
}

// Where x nearly cancels against k pi/2 the reduction must carry pi/2 far
// enough: both the short reduction (below 2^20) and the long one.
TEST(PortableMathAccuracy, SinAndCosNearMultiplesOfHalfPi) {
  golden::Bits bits(3);
  Measure("near k pi/2, k < 2^20", {kSin, kCos}, Draw(100000, [&] {
            const double k = static_cast<double>((bits.Next() >> 44) + 1);
            return Step(NearestMultipleOfHalfPi(k), static_cast<int64_t>(bits.Next() % 5) - 2);
          }));
  Measure("near k pi/2, 2^20 <= k < 2^62", {kSin, kCos}, Draw(50000, [&] {
            const double k = std::ldexp(static_cast<double>((bits.Next() >> 11) | (1ull << 52)),
                                        static_cast<int>(bits.Next() % 42) - 32);
            return Step(NearestMultipleOfHalfPi(std::nearbyint(k)),
                        static_cast<int64_t>(bits.Next() % 5) - 2);
          }));
  // The double nearest a multiple of pi/2 of all: 6381956970095103 * 2^797,
  // within 2^-61 of it.
  std::vector<double> hardest;
  AddAround(hardest, std::ldexp(6381956970095103.0, 797), 20);
  Measure("around 6381956970095103 * 2^797", {kSin, kCos}, hardest);
}

// Each side of every threshold: the tiny-argument shortcuts, pi/4 (no
// reduction below), 2^20 (the long reduction above); every size.
TEST(PortableMathAccuracy, SinAndCosOfEverySizeAndAroundTheirThresholds) {
  golden::Bits huge(4);
  Measure("2^20 to 2^1024", {kSin, kCos},
          Draw(150000, [&] { return huge.WithExponent(1023 + 20, 2046); }));
  std::vector<double> edges;
  for (const double edge : {0x1p-27, 0x1p-26, 0x1.921fb54442d18p-1, 0x1p20}) {
    AddAround(edges, edge, 2000);
  }
  Measure("around 2^-27, 2^-26, pi/4 and 2^20", {kSin, kCos}, edges);
  golden::Bits bits(5);
  Measure("below 1, every size", {kSin, kCos},
          Draw(100000, [&] { return bits.WithExponent(1, 1022); }));
}

// The pilots aim along atan(dx/dy), the physics steers along atan(vx/vy); a
// nearly level target or velocity gives a slope of any size.
TEST(PortableMathAccuracy, AtanOfSlopesOfEverySizeAndAroundItsThresholds) {
  golden::Bits bits(6), any(7);
  Measure("slopes within +-50", {kAtan}, Draw(300000, [&] { return bits.Symmetric(50); }));
  Measure("every finite double", {kAtan}, Draw(400000, [&] { return any.WithExponent(0, 2046); }));
  // Each side of the table points j/32, of the midpoints between them, of
  // their reciprocals, and of 2^-27 and 2^53.
  std::vector<double> edges;
  for (int half = 1; half <= 64; ++half) {
    AddAround(edges, half / 64.0, 100);
    AddAround(edges, 64.0 / half, 100);
  }
  AddAround(edges, 0x1p-27, 2000);
  AddAround(edges, 0x1p53, 2000);
  Measure("around j/64, 64/j, 2^-27 and 2^53", {kAtan}, edges);
}

}  // namespace
}  // namespace sbtest
