// Reference values from MPFR: the exact function to 128 bits, its correctly
// rounded double, and the error of a double result in ulps.
#pragma once

#include <mpfr.h>

namespace sbtest {

using MpfrFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

class Reference {
 public:
  Reference() {
    mpfr_init2(x_, 53);
    mpfr_init2(y_, 128);
    mpfr_init2(d_, 256);
  }
  ~Reference() {
    mpfr_clear(x_);
    mpfr_clear(y_);
    mpfr_clear(d_);
  }
  Reference(const Reference&) = delete;
  Reference& operator=(const Reference&) = delete;

  // Works out f(x) (x finite); the questions below are about it.
  void Evaluate(MpfrFunction f, double x) {
    mpfr_set_d(x_, x, MPFR_RNDN);
    f(y_, x_, MPFR_RNDN);
  }

  double CorrectlyRounded() const { return mpfr_get_d(y_, MPFR_RNDN); }

  // |v - f(x)| in units of the last place of f(x) (subnormal ulps below
  // 2^-1022).
  double UlpError(double v) {
    if (mpfr_zero_p(y_)) return v == 0 ? 0 : 1e300;
    mpfr_sub_d(d_, y_, v, MPFR_RNDN);
    mpfr_abs(d_, d_, MPFR_RNDN);
    long ulp_exponent = mpfr_get_exp(y_) - 53;  // |y| in [2^(e-1), 2^e)
    if (ulp_exponent < -1074) ulp_exponent = -1074;
    mpfr_mul_2si(d_, d_, -ulp_exponent, MPFR_RNDN);
    return mpfr_get_d(d_, MPFR_RNDU);
  }

 private:
  mpfr_t x_, y_, d_;
};

}  // namespace sbtest
