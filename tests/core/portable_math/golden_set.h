// A fixed set of arguments for the portable sin, cos and atan, and a hash of
// their results bit for bit: every build on every system must reproduce
// kGoldenHash (computed once by GCC 12 on x86-64 Linux after the accuracy
// tests passed). The arguments come from a generator of our own, as
// <random>'s distributions differ between standard libraries.
#pragma once

#include <bit>
#include <cstdint>

#include "core/portable_math.h"

namespace sbtest::golden {

inline constexpr uint64_t kGoldenHash = 0xbb0950c2bfc5add8ull;
inline constexpr int kArgumentsPerKind = 50000;

// SplitMix64.
class Bits {
 public:
  explicit Bits(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  // Uniform in [-limit, limit), exactly representable steps.
  double Symmetric(double limit) {
    return (static_cast<double>(Next() >> 11) * 0x1p-52 - 1) * limit;
  }
  // Any finite double with a biased exponent in [low, high].
  double WithExponent(int low, int high) {
    const uint64_t r = Next();
    const uint64_t e =
        static_cast<uint64_t>(low) + (r >> 52) % static_cast<uint64_t>(high - low + 1);
    return std::bit_cast<double>((r & 0x800fffffffffffffull) | (e << 52));
  }

 private:
  uint64_t state_;
};

class Fnv1a {
 public:
  void Add(double v) {
    const uint64_t b = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) {
      hash_ ^= (b >> (8 * i)) & 0xff;
      hash_ *= 0x100000001b3ull;
    }
  }
  uint64_t Result() const { return hash_; }

 private:
  uint64_t hash_ = 0xcbf29ce484222325ull;
};

// Six kinds of argument through all three functions: headings within +-7
// and grown to +-5000, angles near k pi/2, doubles of every size, slopes
// within +-50, and tiny values.
inline uint64_t GoldenHash() {
  Bits bits(20240607);
  Fnv1a hash;
  const auto all = [&hash](double x) {
    hash.Add(sb::math::Sin(x));
    hash.Add(sb::math::Cos(x));
    hash.Add(sb::math::Atan(x));
  };
  for (int i = 0; i < kArgumentsPerKind; ++i) all(bits.Symmetric(7));
  for (int i = 0; i < kArgumentsPerKind; ++i) all(bits.Symmetric(5000));
  for (int i = 0; i < kArgumentsPerKind; ++i) {
    const double k = static_cast<double>((bits.Next() >> 44) + 1);  // 1 to 2^20
    const double near = k * 0x1.921fb54442d18p+0;
    const int64_t step = static_cast<int64_t>(bits.Next() % 9) - 4;
    all(std::bit_cast<double>(std::bit_cast<int64_t>(near) + step));
  }
  for (int i = 0; i < kArgumentsPerKind; ++i) all(bits.WithExponent(1, 2046));
  for (int i = 0; i < kArgumentsPerKind; ++i) all(bits.Symmetric(50));
  for (int i = 0; i < kArgumentsPerKind; ++i) all(bits.WithExponent(0, 1023 - 20));
  return hash.Result();
}

}  // namespace sbtest::golden
