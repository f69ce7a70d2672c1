// Every constant behind the portable functions, recomputed with MPFR: a
// mistyped digit would otherwise show only as a rare wrong last bit.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>

#include "core/portable_math_tables.h"

namespace sb::math::tables {
namespace {

class Big {
 public:
  Big() { mpfr_init2(v, 2000); }
  ~Big() { mpfr_clear(v); }
  Big(const Big&) = delete;
  Big& operator=(const Big&) = delete;
  mpfr_t v;
};

// hi = v rounded, lo = (v - hi) rounded.
void ExpectDoubleDouble(const Big& b, dd::DD d, const char* what, int index) {
  Big rest;
  const double hi = mpfr_get_d(b.v, MPFR_RNDN);
  mpfr_sub_d(rest.v, b.v, hi, MPFR_RNDN);
  EXPECT_EQ(d.hi, hi) << what << " " << index;
  EXPECT_EQ(d.lo, mpfr_get_d(rest.v, MPFR_RNDN)) << what << " " << index;
}

TEST(PortableMathTables, TwoOverPiBits) {
  Big v, whole;
  mpfr_const_pi(v.v, MPFR_RNDN);
  mpfr_ui_div(v.v, 2, v.v, MPFR_RNDN);
  for (size_t w = 0; w < kTwoOverPiWords.size(); ++w) {
    mpfr_mul_2ui(v.v, v.v, 32, MPFR_RNDN);
    mpfr_floor(whole.v, v.v);
    EXPECT_EQ(kTwoOverPiWords[w], mpfr_get_ui(whole.v, MPFR_RNDN)) << "word " << w;
    mpfr_sub(v.v, v.v, whole.v, MPFR_RNDN);
  }
}

TEST(PortableMathTables, HalfPiAndItsPieces) {
  Big half_pi;
  mpfr_const_pi(half_pi.v, MPFR_RNDN);
  mpfr_div_2ui(half_pi.v, half_pi.v, 1, MPFR_RNDN);
  ExpectDoubleDouble(half_pi, kPiOver2, "pi/2", 0);

  // Together they are pi/2 to within 2^-150.
  for (const double piece : kPiOver2Pieces) mpfr_sub_d(half_pi.v, half_pi.v, piece, MPFR_RNDN);
  EXPECT_LT(std::fabs(mpfr_get_d(half_pi.v, MPFR_RNDN)), 0x1p-150);
}

TEST(PortableMathTables, SeriesCoefficientsAndAtanTablePoints) {
  Big factorial, v;
  mpfr_set_ui(factorial.v, 1, MPFR_RNDN);
  for (int n = 0; n < static_cast<int>(kTaylorSinCos.size()); ++n) {
    if (n > 0) mpfr_mul_ui(factorial.v, factorial.v, static_cast<unsigned long>(n), MPFR_RNDN);
    mpfr_ui_div(v.v, 1, factorial.v, MPFR_RNDN);
    if ((n / 2) % 2 == 1) mpfr_neg(v.v, v.v, MPFR_RNDN);
    ExpectDoubleDouble(v, kTaylorSinCos[static_cast<size_t>(n)], "1/n!", n);
  }
  for (int k = 1; k <= static_cast<int>(kAtanSeries.size()); ++k) {
    mpfr_set_si(v.v, k % 2 == 1 ? -1 : 1, MPFR_RNDN);
    mpfr_div_ui(v.v, v.v, static_cast<unsigned long>(2 * k + 1), MPFR_RNDN);
    ExpectDoubleDouble(v, kAtanSeries[static_cast<size_t>(k - 1)], "1/(2k+1)", k);
  }
  for (int j = 0; j < static_cast<int>(kAtanOf32nds.size()); ++j) {
    mpfr_set_ui(v.v, static_cast<unsigned long>(j), MPFR_RNDN);
    mpfr_div_ui(v.v, v.v, 32, MPFR_RNDN);
    mpfr_atan(v.v, v.v, MPFR_RNDN);
    ExpectDoubleDouble(v, kAtanOf32nds[static_cast<size_t>(j)], "atan(j/32)", j);
  }
}

}  // namespace
}  // namespace sb::math::tables
