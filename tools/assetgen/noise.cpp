#include "noise.h"

#include <cmath>

namespace assetgen {

namespace {
float Fade(float t) {
  return t * t * (3.0f - 2.0f * t);
}
float Lerp(float a, float b, float t) {
  return a + (b - a) * t;
}
}  // namespace

float Noise::Lattice(int x, int y, int z) const {
  std::uint32_t h = seed_;
  h ^= static_cast<std::uint32_t>(x) * 0x8DA6B343u;
  h ^= static_cast<std::uint32_t>(y) * 0xD8163841u;
  h ^= static_cast<std::uint32_t>(z) * 0xCB1AB31Fu;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return static_cast<float>(h >> 8) / 16777215.0f;
}

float Noise::Value2(float x, float y) const {
  return Value3(x, y, 0.0f);
}

float Noise::Value3(float x, float y, float z) const {
  float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
  float tx = Fade(x - fx), ty = Fade(y - fy), tz = Fade(z - fz);
  float layer[2];
  for (int dz = 0; dz < 2; ++dz) {
    float a = Lerp(Lattice(ix, iy, iz + dz), Lattice(ix + 1, iy, iz + dz), tx);
    float b = Lerp(Lattice(ix, iy + 1, iz + dz), Lattice(ix + 1, iy + 1, iz + dz), tx);
    layer[dz] = Lerp(a, b, ty);
  }
  return Lerp(layer[0], layer[1], tz);
}

float Noise::Fractal2(float x, float y, int octaves) const {
  return Fractal3(x, y, 0.5f, octaves);
}

float Noise::Fractal3(float x, float y, float z, int octaves) const {
  float sum = 0.0f, weight = 1.0f, total = 0.0f, f = 1.0f;
  for (int i = 0; i < octaves; ++i) {
    // Offset each octave so their lattices do not line up.
    sum += weight * Value3(x * f + 17.3f * i, y * f - 9.1f * i, z * f + 5.7f * i);
    total += weight;
    weight *= 0.5f;
    f *= 2.0f;
  }
  return sum / total;
}

}  // namespace assetgen
