// The four sound effects, synthesised at the rate the game plays them.
#pragma once

#include <vector>

namespace assetgen {

inline constexpr int kSfxRate = 10000;  // samples per second

// Engine hum, exactly one second, whose end runs smoothly into its start.
std::vector<float> SynthFly();
// Short gun shot, under 0.3 s.
std::vector<float> SynthFire();
// Electric crackle of a shot hitting the shield.
std::vector<float> SynthShieldHit();
// Dull metallic impact on the hull.
std::vector<float> SynthHpHit();

}  // namespace assetgen
