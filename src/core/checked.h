// Checked integer arithmetic and float-to-integer conversions.
//
// Every integer field of the game is 16 or 32 bits wide; a result that leaves
// its width is an overflow run-time error. Conversions from floats round half
// to even, or floor where the game asks for it.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "core/runtime_error.h"

namespace sb {

template <typename Int>
Int CheckedFit(long long value) {
  if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max()) {
    Fail(ErrorKind::Overflow,
         std::to_string(value) + " does not fit in " + std::to_string(sizeof(Int) * 8) + " bits");
  }
  return static_cast<Int>(value);
}

inline int16_t Add16(long long a, long long b) {
  return CheckedFit<int16_t>(a + b);
}
inline int16_t Sub16(long long a, long long b) {
  return CheckedFit<int16_t>(a - b);
}
inline int16_t Mul16(long long a, long long b) {
  return CheckedFit<int16_t>(a * b);
}
inline int32_t Add32(long long a, long long b) {
  return CheckedFit<int32_t>(a + b);
}
inline int32_t Sub32(long long a, long long b) {
  return CheckedFit<int32_t>(a - b);
}
inline int32_t Mul32(long long a, long long b) {
  return CheckedFit<int32_t>(a * b);
}

// A float value converted to an integer type: NaN, infinities and values
// beyond the type's range are overflow errors.
template <typename Int>
Int FloatToInt(double rounded) {
  if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    Fail(ErrorKind::Overflow, "float value " + std::to_string(rounded) + " does not fit in " +
                                  std::to_string(sizeof(Int) * 8) + " bits");
  }
  return static_cast<Int>(rounded);
}

// Round half to even (the default rounding mode of the floating-point unit,
// which the game never changes).
inline double RoundHalfEven(double v) {
  return std::nearbyint(v);
}

inline int16_t RoundTo16(double v) {
  return FloatToInt<int16_t>(RoundHalfEven(v));
}
inline int32_t RoundTo32(double v) {
  return FloatToInt<int32_t>(RoundHalfEven(v));
}
inline int16_t FloorTo16(double v) {
  return FloatToInt<int16_t>(std::floor(v));
}
inline int32_t FloorTo32(double v) {
  return FloatToInt<int32_t>(std::floor(v));
}

}  // namespace sb
