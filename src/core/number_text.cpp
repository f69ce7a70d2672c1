#include "core/number_text.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sb {

std::string FloatText(float value, char decimalPoint) {
  const double v = value;
  if (v == 0.0) return "0";
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";

  // Seven significant digits, then strip what is not needed.
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.6e", std::fabs(v));
  // buffer: d.dddddde[+-]XX
  std::string digits;
  digits += buffer[0];
  for (int i = 2; i < 8; ++i) digits += buffer[i];
  const int exponent = std::atoi(buffer + 9);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = v < 0 ? "-" : "";
  if (exponent >= 7 || exponent < -5) {
    text += digits[0];
    if (digits.size() > 1) {
      text += decimalPoint;
      text += digits.substr(1);
    }
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return text + exp;
  }
  if (exponent < 0) {
    text += '0';
    text += decimalPoint;
    text += std::string(static_cast<size_t>(-exponent - 1), '0');
    return text + digits;
  }
  const size_t whole = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= whole) return text + digits + std::string(whole - digits.size(), '0');
  return text + digits.substr(0, whole) + decimalPoint + digits.substr(whole);
}

char LocaleDecimalPoint() {
  const std::lconv* conv = std::localeconv();
  if (conv && conv->decimal_point && conv->decimal_point[0]) return conv->decimal_point[0];
  return '.';
}

}  // namespace sb
