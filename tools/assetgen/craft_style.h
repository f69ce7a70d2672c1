// Race styles for craft parts: each race has its palette and its own way of
// shaping a hull, wings, engines and cockpit. Role layouts (craft_painter)
// decide where the parts go; these decide what they look like.
#pragma once

#include <string>

#include "craft_catalog.h"
#include "sculpture.h"

namespace assetgen {

struct Palette {
  Material hull;
  Material dark;
  Material accent;
  Material trim;
  Material glass;
  Colour engine;  // exhaust glow
  Colour lamp;    // running lights and sensors
};

Palette RacePalette(Race race);

// Small differences between designs of the same race and role, drawn from the name.
struct Variation {
  float length = 1.0f;  // scales the craft along its axis
  float span = 1.0f;    // scales wing span
  float sweep = 0.0f;   // extra backward sweep of wings
  int engines = 2;      // engine count for layouts that let it vary
  int stripes = 1;      // accent stripe pattern, 0 to 2
  int fins = 0;         // tail fin style, 0 to 2
  float nose = 0.5f;    // 0 blunt to 1 sharp
  std::uint64_t seed = 0;
};

Variation VariationFor(const std::string& name);

class CraftBuilder {
 public:
  // Craft pictures are drawn in user units where x and y run from -1 to 1,
  // the nose towards y = -1 (the top of the picture); `unit` is the number
  // of pixels in one user unit.
  CraftBuilder(Sculpture& sculpture, Race race, const Variation& variation, float unit);

  Sculpture& sculpture() { return s_; }
  const Palette& palette() const { return pal_; }
  const Variation& variation() const { return v_; }
  Race race() const { return race_; }
  float pixel() const { return pixel_; }  // one pixel in user units

  // Fuselage along the axis from y = top (nose) to y = bottom, half-width `width`.
  void Hull(float top, float bottom, float width);
  // A pair of wings from the hull side at y = root, reaching x = span.
  void Wings(float root, float span, float chord, float sweep);
  // Nacelles ending at y, with their exhaust glow behind them.
  void Engines(float y, int count, float spacing, float radius);
  void Cockpit(float y, float width, float length);
  // Gun barrels pointing forwards at (+-x, y).
  void Guns(float x, float y, float length);
  // Tail fins at the rear, style from the variation.
  void Fins(float y, float x, float size);
  // A plain circular plate in the middle where the game draws the turret.
  void TurretMount(float radius);
  // Accent stripes across the hull between top and bottom.
  void Stripes(float top, float bottom, float width);
  // Running lights: a lamp at each wing tip.
  void Lamps(float x, float y);

 private:
  Sculpture& s_;
  Race race_;
  Palette pal_;
  Variation v_;
  float pixel_;
};

}  // namespace assetgen
