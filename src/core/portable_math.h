// sin, cos and atan of our own, giving the same bits on every system the
// game is built for, so a battle replays identically everywhere. The C
// libraries of different systems disagree in the last bit now and then;
// these functions use IEEE additions, multiplications and divisions alone and
// no library call. They work in double-double precision and round once, so
// the result is the correctly rounded value except, at most, in cases too
// rare to have been found (the tests measure it against MPFR), and never more
// than one ulp away.
//
// Special values follow the C library: sin and cos of an infinity are NaN
// (raising the invalid-operation flag), a NaN comes back as NaN, sin and
// atan keep the sign of a zero, atan(+-inf) = +-pi/2 rounded.
#pragma once

namespace sb::math {

double Sin(double x);
double Cos(double x);
double Atan(double x);

}  // namespace sb::math
