// How numbers are shown as text.
#pragma once

#include <string>

namespace sb {

// The default text form of a 32-bit float: the shortest decimal that shows it
// to at most seven significant digits, no trailing zeros, no decimal point
// for a whole number, a leading 0 before the point below 1 (100, 87.5,
// 0.3333333). Very large or small magnitudes use an exponent (1.234568E+07).
std::string FloatText(float value, char decimalPoint = '.');

// The decimal separator of the user's locale (LC_NUMERIC).
char LocaleDecimalPoint();

}  // namespace sb
