#include <cstring>

#include "core/form1.h"

namespace sb {

int32_t Form1::FloatBits(float value) {
  int32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

Vec2f Form1::Vec2(float X, float Y) {
  return Vec2f{X, Y};
}

}  // namespace sb
