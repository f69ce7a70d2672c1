// Smooth value noise from an integer hash: deterministic texture for hulls and planets.
#pragma once

#include <cstdint>

namespace assetgen {

class Noise {
 public:
  explicit Noise(std::uint64_t seed) : seed_(static_cast<std::uint32_t>(seed ^ (seed >> 32))) {}

  // In [0, 1]; one feature per unit of the inputs.
  float Value2(float x, float y) const;
  float Value3(float x, float y, float z) const;
  // Sum of `octaves` layers, each twice the frequency and half the weight; in [0, 1].
  float Fractal2(float x, float y, int octaves) const;
  float Fractal3(float x, float y, float z, int octaves) const;

 private:
  float Lattice(int x, int y, int z) const;
  std::uint32_t seed_;
};

}  // namespace assetgen
