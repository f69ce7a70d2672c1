// The portable sin, cos and atan against MPFR over millions of arguments of
// the kinds the battle makes: every result must be within one ulp, and so
// far every one has been correctly rounded, which these tests hold on to (a
// hard case found here would be worth a look). How often the C library
// rounds differently is printed, not checked: it depends on its version.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/portable_math.h"
#include "golden_set.h"
#include "mpfr_reference.h"

namespace sbtest {
namespace {

#ifdef SB_MATH_SHORT_RUN
constexpr int kScale = 10;  // the sanitizer build: a tenth of the arguments
#else
constexpr int kScale = 1;
#endif

// A function under test: ours, the C library's and MPFR's.
struct Function {
  const char* name;
  double (*ours)(double);
  double (*libc)(double);
  MpfrFunction mpfr;
};

const Function kSin{"sin", sb::math::Sin, [](double x) { return std::sin(x); }, mpfr_sin};
const Function kCos{"cos", sb::math::Cos, [](double x) { return std::cos(x); }, mpfr_cos};
const Function kAtan{"atan", sb::math::Atan, [](double x) { return std::atan(x); }, mpfr_atan};

class Tally {
 public:
  Tally(const Function& f, std::string what) : f_(f), what_(std::move(what)) {}

  void Measure(double x) {
    const double v = f_.ours(x);
    ref_.Evaluate(f_.mpfr, x);
    ++count_;
    const double error = ref_.UlpError(v);
    if (error > max_ulps_) {
      max_ulps_ = error;
      worst_ = x;
    }
    if (v != ref_.CorrectlyRounded()) {
      if (not_rounded_ == 0) first_not_rounded_ = x;
      ++not_rounded_;
    }
    if (v != f_.libc(x)) ++differs_from_libc_;
  }

  // Prints the summary and checks it.
  void Check() const {
    std::printf(
        "%s, %s: %ld arguments, largest error %.3f ulp, %ld not correctly rounded, "
        "%ld differ from the C library\n",
        f_.name, what_.c_str(), count_, max_ulps_, not_rounded_, differs_from_libc_);
    EXPECT_GT(count_, 0);
    EXPECT_LT(max_ulps_, 1.0) << f_.name << "(" << std::hexfloat << worst_ << ")";
    EXPECT_EQ(not_rounded_, 0) << f_.name << "(" << std::hexfloat << first_not_rounded_ << ")";
  }

 private:
  const Function& f_;
  std::string what_;
  Reference ref_;
  long count_ = 0;
  long not_rounded_ = 0;
  long differs_from_libc_ = 0;
  double max_ulps_ = 0;
  double worst_ = 0;
  double first_not_rounded_ = 0;
};

// Measures sin and cos on the same arguments.
void SinAndCos(const std::string& what, const std::vector<double>& arguments) {
  Tally sin(kSin, what), cos(kCos, what);
  for (const double x : arguments) {
    sin.Measure(x);
    cos.Measure(x);
  }
  sin.Check();
  cos.Check();
}

void Atan(const std::string& what, const std::vector<double>& arguments) {
  Tally atan(kAtan, what);
  for (const double x : arguments) atan.Measure(x);
  atan.Check();
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

TEST(PortableMathAccuracy, SinAndCosOfHeadingsWithinSeven) {
  golden::Bits bits(1);
  SinAndCos("headings within +-7", Draw(400000, [&] { return bits.Symmetric(7); }));
}

// Headings are never brought back into range: turning one way for a whole
// battle winds them up to thousands of radians.
TEST(PortableMathAccuracy, SinAndCosOfHeadingsWoundUpOverALongBattle) {
  golden::Bits bits(2);
  SinAndCos("headings within +-8192", Draw(200000, [&] { return bits.Symmetric(8192); }));
}

// Where x nearly cancels against k pi/2 the reduction must carry pi/2 far
// enough: both the short reduction (below 2^20) and the long one.
TEST(PortableMathAccuracy, SinAndCosNearMultiplesOfHalfPi) {
  golden::Bits bits(3);
  SinAndCos("near k pi/2, k < 2^20", Draw(100000, [&] {
              const double k = static_cast<double>((bits.Next() >> 44) + 1);
              return Step(NearestMultipleOfHalfPi(k), static_cast<int64_t>(bits.Next() % 5) - 2);
            }));
  SinAndCos("near k pi/2, 2^20 <= k < 2^62", Draw(50000, [&] {
              const double k = std::ldexp(static_cast<double>((bits.Next() >> 11) | (1ull << 52)),
                                          static_cast<int>(bits.Next() % 42) - 32);
              return Step(NearestMultipleOfHalfPi(std::nearbyint(k)),
                          static_cast<int64_t>(bits.Next() % 5) - 2);
            }));
  // The double nearest a multiple of pi/2 of all: 6381956970095103 * 2^797,
  // within 2^-61 of it.
  std::vector<double> hardest;
  AddAround(hardest, std::ldexp(6381956970095103.0, 797), 20);
  SinAndCos("around 6381956970095103 * 2^797", hardest);
}

TEST(PortableMathAccuracy, SinAndCosOfHugeArguments) {
  golden::Bits bits(4);
  SinAndCos("2^20 to 2^1024", Draw(150000, [&] { return bits.WithExponent(1023 + 20, 2046); }));
}

// Each side of every threshold in the functions: the tiny-argument
// shortcuts, pi/4 (no reduction below), 2^20 (the long reduction above);
// and values of every size below 1.
TEST(PortableMathAccuracy, SinAndCosAroundTheirThresholds) {
  std::vector<double> edges;
  for (const double edge : {0x1p-27, 0x1p-26, 0x1.921fb54442d18p-1, 0x1p20}) {
    AddAround(edges, edge, 2000);
  }
  SinAndCos("around 2^-27, 2^-26, pi/4 and 2^20", edges);
  golden::Bits bits(5);
  SinAndCos("below 1, every size", Draw(100000, [&] { return bits.WithExponent(1, 1022); }));
}

// The pilots aim along atan(dx/dy), the physics steers along atan(vx/vy).
TEST(PortableMathAccuracy, AtanOfSlopes) {
  golden::Bits bits(6);
  Atan("slopes within +-50", Draw(300000, [&] { return bits.Symmetric(50); }));
  Atan("slopes within +-1", Draw(100000, [&] { return bits.Symmetric(1); }));
}

// A nearly level target or velocity gives a slope of any size.
TEST(PortableMathAccuracy, AtanOfEverySize) {
  golden::Bits bits(7);
  Atan("every finite double", Draw(400000, [&] { return bits.WithExponent(0, 2046); }));
}

// Each side of the table points j/32 and of the points half-way between
// them, where the nearest table point changes, of their reciprocals, and of
// 2^-27 and 2^53.
TEST(PortableMathAccuracy, AtanAroundItsThresholds) {
  std::vector<double> edges;
  for (int half = 1; half <= 64; ++half) {
    AddAround(edges, half / 64.0, 100);
    AddAround(edges, 64.0 / half, 100);
  }
  AddAround(edges, 0x1p-27, 2000);
  AddAround(edges, 0x1p53, 2000);
  Atan("around j/64, 64/j, 2^-27 and 2^53", edges);
}

}  // namespace
}  // namespace sbtest
