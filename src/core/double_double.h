// Double-double arithmetic: a value held as the unevaluated sum of two
// doubles, hi + lo with |lo| <= half an ulp of hi, about 106 bits in all.
// Built from IEEE additions, subtractions and multiplications alone (no fused
// multiply-add, no library call), so it gives the same bits wherever doubles
// are SSE2 doubles and nothing is contracted.
#pragma once

namespace sb::dd {

struct DD {
  double hi = 0;
  double lo = 0;
};

// a + b exactly, for any a and b.
inline DD TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  const double e = (a - (s - bb)) + (b - bb);
  return {s, e};
}

// a + b exactly, when a is 0 or |a| >= |b|.
inline DD FastTwoSum(double a, double b) {
  const double s = a + b;
  const double e = b - (s - a);
  return {s, e};
}

// Splits a into two halves of at most 26 significant bits each; |a| must be
// below 2^995 so the scaling cannot overflow.
inline DD Split(double a) {
  const double t = 134217729.0 * a;  // 2^27 + 1
  const double hi = t - (t - a);
  return {hi, a - hi};
}

// a * b exactly (Dekker), barring underflow and overflow.
inline DD TwoProduct(double a, double b) {
  const double p = a * b;
  const DD as = Split(a);
  const DD bs = Split(b);
  const double e = ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
  return {p, e};
}

inline DD Neg(DD a) {
  return {-a.hi, -a.lo};
}

// a + b, accurate even when the two nearly cancel.
inline DD Add(DD a, DD b) {
  DD s = TwoSum(a.hi, b.hi);
  const DD t = TwoSum(a.lo, b.lo);
  s.lo += t.hi;
  s = FastTwoSum(s.hi, s.lo);
  s.lo += t.lo;
  return FastTwoSum(s.hi, s.lo);
}

// a + b for a double b.
inline DD Add(DD a, double b) {
  DD s = TwoSum(a.hi, b);
  s.lo += a.lo;
  return FastTwoSum(s.hi, s.lo);
}

inline DD Mul(DD a, DD b) {
  DD p = TwoProduct(a.hi, b.hi);
  p.lo += a.hi * b.lo + a.lo * b.hi;
  return FastTwoSum(p.hi, p.lo);
}

inline DD Mul(DD a, double b) {
  DD p = TwoProduct(a.hi, b);
  p.lo += a.lo * b;
  return FastTwoSum(p.hi, p.lo);
}

// a / b: three quotient digits, each from the remainder of the last.
inline DD Div(DD a, DD b) {
  const double q1 = a.hi / b.hi;
  DD r = Add(a, Neg(Mul(b, q1)));
  const double q2 = r.hi / b.hi;
  r = Add(r, Neg(Mul(b, q2)));
  const double q3 = r.hi / b.hi;
  return Add(FastTwoSum(q1, q2), q3);
}

}  // namespace sb::dd
