// Deterministic pseudo-random numbers: the same seed gives the same sequence on
// every platform and library version (std distributions do not promise that).
#pragma once

#include <cstdint>
#include <string_view>

namespace assetgen {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}

  // xorshift64*.
  std::uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
  }
  // Uniform in [0, 1), from the top 24 bits so float keeps every value exact.
  float Unit() { return static_cast<float>(Next() >> 40) / 16777216.0f; }
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  // Uniform in [-1, 1).
  float Signed() { return Unit() * 2.0f - 1.0f; }
  // Whole number in [0, n).
  int Below(int n) { return static_cast<int>((Next() >> 33) % static_cast<std::uint64_t>(n)); }
  bool Chance(float p) { return Unit() < p; }

 private:
  std::uint64_t state_;
};

// FNV-1a over the bytes of a name: a stable seed per craft, planet or tune.
inline std::uint64_t HashName(std::string_view name) {
  std::uint64_t h = 0xCBF29CE484222325ull;
  for (unsigned char c : name) {
    h ^= c;
    h *= 0x100000001B3ull;
  }
  return h;
}

}  // namespace assetgen
