#include "sprite_painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry.h"
#include "noise.h"
#include "sculpture.h"

namespace assetgen {

Image PaintTurret() {
  Sculpture s(32, 32, 4, 16.0f, {16.0f, 16.0f});
  const float px = 1.0f / 16.0f;
  Material steel{FromBytes(172, 176, 184), 0.45f, 16.0f};
  Material dark{FromBytes(70, 72, 80), 0.3f, 10.0f};
  Material hazard{FromBytes(236, 180, 40), 0.3f, 10.0f};
  // Twin barrels with muzzle brakes, then the armoured housing over their breech.
  for (float x : {-0.2f, 0.2f}) {
    s.Fill(Region::Capsule({x, 0.0f}, {x, -0.78f}, 0.09f), steel, 0.1f, 0.1f);
    s.Stack(Region::Rect(x - 0.11f, -0.86f, x + 0.11f, -0.7f), dark, 0.04f, px);
  }
  std::vector<V2> housing;
  for (int i = 0; i < 8; ++i) {
    float a = kPi / 8.0f + kPi / 4.0f * static_cast<float>(i);
    housing.push_back({0.5f * std::cos(a), 0.18f + 0.5f * std::sin(a)});
  }
  s.Fill(Region::Polygon(housing), dark, 0.02f, 0.14f, 0.12f);
  s.Fill(Region::Circle({0.0f, 0.18f}, 0.36f), steel, 0.08f, 0.16f);
  s.Paint(Region::Rect(-0.5f, 0.5f, 0.5f, 0.62f), hazard);
  s.Stack(Region::Rect(-0.22f, -0.06f, 0.22f, 0.1f), dark, 0.05f, px);
  s.Stack(Region::Circle({0.0f, 0.28f}, 0.1f), dark, 0.04f);
  return s.Render();
}

namespace {
// Radial glow: intensity(r) in [0, 1] with r = 0 at the centre, 1 at the
// picture's edge; intensities below `cutoff` become transparent.
template <typename Profile>
Image Glow(int size, Colour tint, float cutoff, Profile profile) {
  Image out(size, size);
  float half = static_cast<float>(size) * 0.5f;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      float dx = (static_cast<float>(x) + 0.5f - half) / half;
      float dy = (static_cast<float>(y) + 0.5f - half) / half;
      float i = profile(dx, dy);
      if (i < cutoff) continue;
      // Hot centres go white, the edge keeps a little of the tint.
      Colour c = Mix(tint, Colour{1.0f, 1.0f, 1.0f}, std::clamp(i * 1.2f - 0.2f, 0.0f, 1.0f));
      out.at(x, y) = Opaque(c * i);
    }
  }
  return out;
}
}  // namespace

Image PaintStar() {
  return Glow(16, FromBytes(190, 210, 255), 0.1f, [](float dx, float dy) {
    float r = std::sqrt(dx * dx + dy * dy);
    float core = std::exp(-r * r * 9.0f);
    // Four thin rays along the axes.
    float rays = std::exp(-std::fabs(dx) * 14.0f) * std::exp(-std::fabs(dy) * 2.6f) +
                 std::exp(-std::fabs(dy) * 14.0f) * std::exp(-std::fabs(dx) * 2.6f);
    return std::min(1.0f, core + 0.5f * rays) * (r < 0.98f ? 1.0f : 0.0f);
  });
}

Image PaintBullet() {
  return Glow(32, FromBytes(255, 244, 220), 0.12f, [](float dx, float dy) {
    float r = std::sqrt(dx * dx + dy * dy);
    if (r >= 0.9f) return 0.0f;
    return std::min(1.0f, std::exp(-r * r * 5.0f) * 1.15f + 0.25f * (1.0f - r));
  });
}

Image PaintSpray() {
  Noise noise(0x5B7A);
  return Glow(32, FromBytes(240, 240, 255), 0.2f, [&](float dx, float dy) {
    float r = std::sqrt(dx * dx + dy * dy);
    if (r >= 0.92f) return 0.0f;
    // A soft puff with a slightly billowed edge.
    float wobble = 0.85f + 0.3f * noise.Value2(dx * 3.0f + 5.0f, dy * 3.0f + 5.0f);
    float puff = std::exp(-r * r * 3.2f / wobble);
    return std::min(1.0f, puff * 0.95f);
  });
}

}  // namespace assetgen
