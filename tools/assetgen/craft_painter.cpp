#include "craft_painter.h"

#include <cmath>

#include "craft_style.h"
#include "geometry.h"
#include "rng.h"
#include "sculpture.h"

namespace assetgen {

namespace {

// Share of the picture's half-width that user unit 1 spans.
constexpr float kFill = 0.92f;

void Scout(CraftBuilder& b) {
  const Variation& v = b.variation();
  float top = -0.9f * v.length, bottom = 0.72f * v.length;
  b.Engines(bottom + 0.08f, 1, 0.0f, 0.14f);
  b.Wings(0.05f, 0.62f, 0.36f, 0.3f);
  b.Fins(bottom - 0.1f, 0.12f, 0.22f);
  b.Hull(top, bottom, 0.19f);
  b.Cockpit(top + 0.45f, 0.1f, 0.3f);
  b.Stripes(top, bottom, 0.19f);
}

void LightFighter(CraftBuilder& b) {
  const Variation& v = b.variation();
  float top = -0.82f * v.length, bottom = 0.62f * v.length;
  b.Engines(bottom + 0.12f, 2, 0.14f, 0.11f);
  // Forward-swept wings set well back.
  b.Wings(0.0f, 0.8f, 0.42f, -0.22f);
  b.Hull(top, bottom, 0.22f);
  b.Cockpit(top + 0.42f, 0.11f, 0.3f);
  b.Guns(0.3f, 0.0f, 0.3f);
  b.Stripes(top, bottom, 0.22f);
}

void Fighter(CraftBuilder& b) {
  const Variation& v = b.variation();
  float top = -0.9f * v.length, bottom = 0.72f * v.length;
  int engines = v.engines == 1 ? 2 : v.engines;
  b.Engines(bottom + 0.12f, engines, 0.18f, 0.12f);
  b.Wings(-0.12f, 0.88f, 0.6f, 0.34f);
  b.Fins(bottom - 0.18f, 0.2f, 0.24f);
  b.Hull(top, bottom, 0.26f);
  b.Cockpit(top + 0.48f, 0.13f, 0.34f);
  b.Guns(0.5f, 0.05f, 0.32f);
  b.Stripes(top, bottom, 0.26f);
  b.Lamps(0.82f * v.span, 0.38f + v.sweep * 0.6f);
}

void HeavyFighter(CraftBuilder& b) {
  const Variation& v = b.variation();
  float top = -0.88f * v.length, bottom = 0.72f * v.length;
  b.Engines(bottom + 0.12f, 3, 0.48f, 0.13f);
  b.Wings(-0.1f, 0.9f, 0.55f, 0.18f);
  // Twin side pods carrying the outer engines and cannons.
  Sculpture& s = b.sculpture();
  const Palette& p = b.palette();
  s.Fill(Region::Capsule({0.48f, -0.35f}, {0.48f, bottom - 0.1f}, 0.14f), p.trim, 0.02f, 0.16f,
         0.0f, true);
  b.Guns(0.48f, -0.4f, 0.4f);
  b.Hull(top, bottom, 0.3f);
  b.Cockpit(top + 0.5f, 0.15f, 0.34f);
  b.Stripes(top, bottom, 0.3f);
}

void Bomber(CraftBuilder& b) {
  const Variation& v = b.variation();
  float top = -0.7f * v.length, bottom = 0.62f;
  b.Engines(bottom + 0.16f, 3, 0.4f, 0.13f);
  // Broad wings from nearly the nose, a short thick body and a bomb bay.
  b.Wings(-0.45f, 0.93f, 0.95f, 0.42f);
  b.Hull(top, bottom, 0.32f);
  Sculpture& s = b.sculpture();
  const Palette& p = b.palette();
  Region bay = Region::Rect(-0.14f, 0.0f, 0.14f, 0.4f);
  s.Paint(bay, p.dark);
  s.Raise(bay, -0.05f, b.pixel());
  s.Raise(Region::Rect(-b.pixel() * 0.3f, 0.0f, b.pixel() * 0.3f, 0.4f), -0.03f);
  b.Cockpit(top + 0.3f, 0.14f, 0.26f);
}

void Transport(CraftBuilder& b, bool turret) {
  const Variation& v = b.variation();
  float top = -0.86f * v.length, bottom = 0.78f;
  Sculpture& s = b.sculpture();
  const Palette& p = b.palette();
  b.Engines(bottom + 0.1f, 2, 0.2f, 0.12f);
  b.Fins(bottom - 0.15f, 0.3f, 0.26f);
  // Cargo containers in two rows along the hull.
  for (int i = 0; i < 3; ++i) {
    float y = -0.5f + 0.4f * static_cast<float>(i);
    Material box = (i == 1) ? p.accent : p.trim;
    if (b.race() == Race::kLitu) {
      s.Fill(Region::Ellipse({0.5f, y + 0.17f}, {0.2f, 0.2f}), box, 0.02f, 0.16f, 0.0f, true);
    } else {
      s.Fill(Region::Rect(0.3f, y, 0.66f, y + 0.34f), box, 0.02f, 0.1f, 0.06f, true);
    }
  }
  b.Hull(top, bottom, 0.34f);
  b.Cockpit(top + 0.3f, 0.16f, 0.24f);
  if (turret) b.TurretMount(0.3f);
  b.Lamps(0.66f, 0.65f);
}

// Larger warships: long hull, side sponsons, a bridge and many engines.
void Cruiser(CraftBuilder& b, bool heavy) {
  const Variation& v = b.variation();
  Sculpture& s = b.sculpture();
  const Palette& p = b.palette();
  float top = -0.94f * v.length, bottom = 0.8f;
  b.Engines(bottom + 0.1f, heavy ? 4 : 3, heavy ? 0.36f : 0.28f, heavy ? 0.09f : 0.11f);
  b.Wings(-0.05f, 0.98f, 0.75f, 0.3f);
  // Gun sponsons on both flanks.
  int sponsons = heavy ? 3 : 2;
  for (int i = 0; i < sponsons; ++i) {
    float y = -0.45f + 0.32f * static_cast<float>(i);
    s.Fill(Region::Polygon({{0.28f, y}, {0.5f, y + 0.04f}, {0.54f, y + 0.2f}, {0.28f, y + 0.22f}}),
           p.trim, 0.02f, 0.1f, 0.04f, true);
    b.Guns(0.44f, y + 0.04f, 0.1f);
  }
  b.Hull(top, bottom, heavy ? 0.36f : 0.34f);
  // Armour plates down the spine.
  for (int i = 0; i < (heavy ? 5 : 3); ++i) {
    float y = top + 0.35f + 0.22f * static_cast<float>(i);
    s.Stack(Region::Polygon({{0.0f, y},
                             {0.14f, y + 0.08f},
                             {0.1f, y + 0.16f},
                             {-0.1f, y + 0.16f},
                             {-0.14f, y + 0.08f}}),
            p.trim, 0.04f, 0.03f);
  }
  b.Cockpit(top + 0.25f, 0.1f, 0.16f);
  if (heavy) {
    // Hangar mouths and a row of lit windows.
    for (float y : {0.35f, 0.5f}) {
      s.Paint(Region::Rect(0.16f, y, 0.22f, y + 0.08f), p.glass, true);
      s.Emit(Region::Rect(0.16f, y, 0.22f, y + 0.08f), p.lamp * 0.5f, false, true);
    }
  }
  b.TurretMount(heavy ? 0.22f : 0.26f);
  b.Lamps(0.85f, 0.5f);
}

void Police(CraftBuilder& b) {
  Fighter(b);
  // White flanks and a red-blue light bar behind the canopy.
  Sculpture& s = b.sculpture();
  Material white{FromBytes(236, 238, 242), 0.4f, 14.0f};
  s.Paint(Region::Rect(-0.6f, 0.2f, 0.6f, 0.34f), white);
  float y = -0.05f;
  Material red{FromBytes(255, 40, 40), 0.6f, 20.0f};
  Material blue{FromBytes(60, 90, 255), 0.6f, 20.0f};
  s.Stack(Region::Rect(0.0f, y, 0.16f, y + 0.1f), red, 0.05f);
  s.Emit(Region::Rect(0.0f, y, 0.16f, y + 0.1f), FromBytes(255, 60, 60) * 0.5f, false);
  s.Stack(Region::Rect(-0.16f, y, 0.0f, y + 0.1f), blue, 0.05f);
  s.Emit(Region::Rect(-0.16f, y, 0.0f, y + 0.1f), FromBytes(60, 90, 255) * 0.5f, false);
}

void OldCraft(CraftBuilder& b) {
  const Variation& v = b.variation();
  Sculpture& s = b.sculpture();
  const Palette& p = b.palette();
  float top = -0.84f, bottom = 0.74f;
  b.Engines(bottom + 0.1f, 1, 0.0f, 0.16f);
  b.Wings(-0.05f, 0.82f, 0.55f, 0.2f);
  // The left wing was lost and replaced by a short stub.
  s.Erase(Region::Rect(-0.95f, -0.5f, -0.5f, 0.7f));
  s.Fill(Region::Polygon({{-0.5f, -0.02f}, {-0.62f, 0.12f}, {-0.62f, 0.36f}, {-0.5f, 0.45f}}),
         p.dark, 0.0f, 0.07f, 0.05f);
  b.Hull(top, bottom, 0.27f);
  b.Cockpit(top + 0.45f, 0.12f, 0.3f);
  // Patch plates and rust.
  Material rust{FromBytes(150, 78, 40), 0.05f, 4.0f};
  s.Blotch(Region::Rect(-1.0f, -1.0f, 1.0f, 1.0f), rust, v.seed, 0.18f, 0.58f);
  s.Stack(Region::Rect(0.1f, 0.1f, 0.24f, 0.26f), p.dark, 0.03f, b.pixel());
  s.Stack(Region::Rect(0.45f, 0.15f, 0.62f, 0.3f), p.trim, 0.02f, b.pixel());
}

void Recreational(CraftBuilder& b) {
  Sculpture& s = b.sculpture();
  const Palette& p = b.palette();
  b.Engines(0.82f, 2, 0.26f, 0.12f);
  b.Fins(0.5f, 0.34f, 0.28f);
  // A rounded yacht with a big bubble canopy and a sun deck.
  s.Fill(Region::Ellipse({0.0f, 0.05f}, {0.44f, 0.82f}), p.trim, 0.02f, 0.24f);
  s.Paint(Region::Ring({0.0f, 0.05f}, 0.33f, 0.44f), p.accent);
  s.Paint(Region::Rect(-0.5f, 0.52f, 0.5f, 0.6f), p.accent);
  s.Stack(Region::Ellipse({0.0f, -0.25f}, {0.26f, 0.38f}), p.glass, 0.08f);
  s.Stack(Region::Rect(-0.18f, 0.22f, 0.18f, 0.46f), p.hull, 0.03f, b.pixel());
}

void Modded(CraftBuilder& b) {
  Sculpture& s = b.sculpture();
  const Palette& p = b.palette();
  Fighter(b);
  // Bolt-on extras: an oversized engine, a side tank and flame paint.
  s.Fill(Region::Capsule({0.0f, 0.45f}, {0.0f, 0.72f}, 0.2f), p.dark, 0.1f, 0.15f);
  Region flame = Region::Ellipse({0.0f, 0.88f}, {0.17f, 0.1f});
  s.Fill(flame, Material{p.engine * 0.8f}, 0.05f, 0.04f);
  s.Emit(flame, p.engine * 0.7f, true);
  s.Fill(Region::Capsule({-0.62f, -0.2f}, {-0.62f, 0.4f}, 0.1f), p.accent, 0.04f, 0.12f);
  Material flames{FromBytes(255, 210, 40), 0.3f};
  s.Paint(Region::Polygon(
              {{-0.22f, -0.3f}, {-0.06f, -0.1f}, {-0.16f, -0.08f}, {0.0f, 0.15f}, {-0.26f, 0.05f}}),
          flames, true);
}

void Experimental(CraftBuilder& b) {
  Sculpture& s = b.sculpture();
  const Palette& p = b.palette();
  // A slim hull inside a glowing ring, with forward-swept wings.
  s.Fill(Region::Ring({0.0f, 0.38f}, 0.42f, 0.56f), p.trim, 0.02f, 0.12f);
  s.Paint(Region::Ring({0.0f, 0.38f}, 0.47f, 0.51f), p.accent);
  b.Engines(0.84f, 1, 0.0f, 0.13f);
  b.Wings(0.1f, 0.78f, 0.4f, -0.32f);
  b.Hull(-0.9f, 0.72f, 0.2f);
  Region core = Region::Circle({0.0f, 0.38f}, 0.12f);
  s.Stack(core, Material{FromBytes(120, 220, 255), 0.8f, 30.0f}, 0.05f);
  s.Emit(core, FromBytes(100, 200, 255) * 0.6f, true);
  b.Cockpit(-0.42f, 0.1f, 0.28f);
}

// An escape pod: a round capsule with a spaceman under its glass.
Image Pod(const CraftDesign& d) {
  float unit = static_cast<float>(d.size) * 0.5f;
  Sculpture s(d.size, d.size, 4, unit, {unit, unit});
  Palette p = RacePalette(d.race);
  float px = 2.0f / static_cast<float>(d.size);
  for (int i = 0; i < 4; ++i) {
    V2 dir = Rotate({0.0f, -1.0f}, kPi * 0.25f + kPi * 0.5f * static_cast<float>(i));
    s.Fill(Region::Capsule(dir * 0.55f, dir * 0.84f, 0.1f), p.dark, 0.02f, 0.1f);
  }
  s.Fill(Region::Circle({0.0f, 0.0f}, 0.78f), p.hull, 0.04f, 0.12f, 0.15f);
  s.Paint(Region::Ring({0.0f, 0.0f}, 0.66f, 0.78f), p.accent);
  for (int i = 0; i < 8; ++i) {
    V2 at = Rotate({0.0f, -0.72f}, kPi * 0.25f * static_cast<float>(i));
    s.Raise(Region::Circle(at, px * 0.7f), 0.04f);
  }
  Material glass{FromBytes(60, 100, 150), 0.9f, 40.0f};
  s.Fill(Region::Circle({0.0f, 0.0f}, 0.6f), glass, 0.1f, 0.04f);
  // The spaceman, seen from above: helmet, visor, shoulders and arms.
  Material suit{FromBytes(240, 240, 236), 0.4f, 12.0f};
  s.Fill(Region::Ellipse({0.0f, 0.2f}, {0.34f, 0.24f}), suit, 0.12f, 0.12f);
  s.Fill(Region::Capsule({-0.34f, 0.1f}, {-0.42f, -0.2f}, 0.09f), suit, 0.12f, 0.08f);
  s.Fill(Region::Capsule({0.34f, 0.1f}, {0.42f, -0.2f}, 0.09f), suit, 0.12f, 0.08f);
  s.Fill(Region::Circle({0.0f, -0.1f}, 0.24f), suit, 0.14f, 0.16f);
  Material visor{FromBytes(230, 170, 40), 0.9f, 30.0f};
  s.Fill(Region::Ellipse({0.0f, -0.18f}, {0.17f, 0.1f}), visor, 0.2f, 0.08f);
  s.Paint(Region::Rect(-0.12f, 0.26f, 0.12f, 0.36f), Material{FromBytes(230, 80, 40)});
  Region beacon = Region::Circle({0.0f, -0.72f}, 0.07f);
  s.Stack(beacon, Material{p.lamp}, 0.04f);
  s.Emit(beacon, p.lamp * 0.5f, true);
  return s.Render();
}

// Rotated copy of a polygon, for the station's fourfold symmetry.
Region Turned(std::vector<V2> pts, float angle) {
  for (V2& q : pts) q = Rotate(q, angle);
  return Region::Polygon(std::move(pts));
}

// The human space station: solar wings, an outer ring of modules and a hub.
Image Station(const CraftDesign& d) {
  float unit = static_cast<float>(d.size) * 0.5f;
  Sculpture s(d.size, d.size, 3, unit, {unit, unit});
  Palette p = RacePalette(d.race);
  float px = 2.0f / static_cast<float>(d.size);
  Material solar{FromBytes(40, 60, 130), 0.7f, 30.0f};
  for (int i = 0; i < 4; ++i) {
    float a = kPi * 0.25f + kPi * 0.5f * static_cast<float>(i);
    // Truss out to two panels.
    s.Fill(Turned({{-0.03f, -0.6f}, {0.03f, -0.6f}, {0.03f, -0.96f}, {-0.03f, -0.96f}}, a), p.dark,
           0.0f, 0.04f, px);
    for (float side : {1.0f, -1.0f}) {
      float x0 = side * 0.05f, x1 = side * 0.26f;
      std::vector<V2> panel{{x0, -0.7f}, {x1, -0.7f}, {x1, -0.94f}, {x0, -0.94f}};
      s.Fill(Turned(panel, a), solar, 0.02f, 0.03f, px);
      for (float y : {-0.78f, -0.86f}) {
        s.Raise(Turned({{x0, y - px * 0.4f},
                        {x1, y - px * 0.4f},
                        {x1, y + px * 0.4f},
                        {x0, y + px * 0.4f}},
                       a),
                -0.02f);
      }
      float xm = (x0 + x1) * 0.5f;
      s.Raise(Turned({{xm - px * 0.4f, -0.7f},
                      {xm + px * 0.4f, -0.7f},
                      {xm + px * 0.4f, -0.94f},
                      {xm - px * 0.4f, -0.94f}},
                     a),
              -0.02f);
    }
  }
  // Spokes, ring and the modules on it.
  for (int i = 0; i < 4; ++i) {
    V2 dir = Rotate({0.0f, -1.0f}, kPi * 0.5f * static_cast<float>(i));
    s.Fill(Region::Capsule(dir * 0.25f, dir * 0.62f, 0.05f), p.trim, 0.02f, 0.06f);
  }
  s.Fill(Region::Ring({0.0f, 0.0f}, 0.54f, 0.68f), p.hull, 0.04f, 0.12f);
  for (int i = 0; i < 24; ++i) {
    V2 dir = Rotate({0.0f, -1.0f}, kPi / 12.0f * static_cast<float>(i));
    s.Raise(Region::Capsule(dir * 0.54f, dir * 0.68f, px * 0.35f), -0.03f);
  }
  for (int i = 0; i < 4; ++i) {
    float a = kPi * 0.5f * static_cast<float>(i);
    s.Fill(Turned({{-0.13f, -0.53f}, {0.13f, -0.53f}, {0.13f, -0.72f}, {-0.13f, -0.72f}}, a),
           p.trim, 0.06f, 0.1f, 0.04f);
    s.Paint(Turned({{-0.13f, -0.66f}, {0.13f, -0.66f}, {0.13f, -0.72f}, {-0.13f, -0.72f}}, a),
            p.accent);
    for (float x : {-0.07f, 0.0f, 0.07f}) {
      Region window = Region::Circle(Rotate({x, -0.58f}, a), px * 1.3f);
      s.Paint(window, p.glass);
      s.Emit(window, FromBytes(255, 220, 150) * 0.4f, false);
    }
  }
  // Hub with an orange band, docking bay and beacon.
  s.Fill(Region::Circle({0.0f, 0.0f}, 0.3f), p.hull, 0.1f, 0.2f);
  s.Paint(Region::Ring({0.0f, 0.0f}, 0.22f, 0.27f), p.accent);
  s.Stack(Region::Circle({0.0f, 0.0f}, 0.14f), p.trim, 0.05f);
  Region bay = Region::Rect(-0.07f, -0.32f, 0.07f, -0.2f);
  s.Fill(bay, p.dark, 0.12f, 0.02f, px);
  s.Emit(Region::Rect(-0.05f, -0.31f, 0.05f, -0.29f), FromBytes(120, 200, 255) * 0.5f, false);
  for (int i = 0; i < 8; ++i) {
    V2 at = Rotate({0.0f, -0.61f}, kPi * 0.25f * static_cast<float>(i) + kPi / 8.0f);
    Colour c = i % 2 ? FromBytes(255, 60, 50) : FromBytes(80, 255, 120);
    s.Stack(Region::Circle(at, px * 1.6f), Material{c, 0.6f, 20.0f}, 0.02f);
    s.Emit(Region::Circle(at, px * 1.6f), c * 0.5f, true);
  }
  s.Roughen(0x5717, 0.008f, 0.05f);
  return s.Render();
}

}  // namespace

Image PaintCraft(const CraftDesign& d) {
  if (d.role == Role::kPod) return Pod(d);
  if (d.role == Role::kStation) return Station(d);
  // A margin all round keeps the picture's border transparent.
  float unit = static_cast<float>(d.size) * 0.5f * kFill;
  float centre = static_cast<float>(d.size) * 0.5f;
  int supersample = d.size <= 32 ? 4 : (d.size <= 64 ? 3 : 2);
  Sculpture s(d.size, d.size, supersample, unit, {centre, centre});
  Variation v = VariationFor(d.name);
  CraftBuilder b(s, d.race, v, unit);
  switch (d.role) {
    case Role::kScout:
      Scout(b);
      break;
    case Role::kLightFighter:
      LightFighter(b);
      break;
    case Role::kFighter:
      Fighter(b);
      break;
    case Role::kHeavyFighter:
      HeavyFighter(b);
      break;
    case Role::kBomber:
      Bomber(b);
      break;
    case Role::kTransport:
      Transport(b, d.turret);
      break;
    case Role::kCruiser:
      Cruiser(b, false);
      break;
    case Role::kHeavyCruiser:
      Cruiser(b, true);
      break;
    case Role::kPolice:
      Police(b);
      break;
    case Role::kOldCraft:
      OldCraft(b);
      break;
    case Role::kRecreational:
      Recreational(b);
      break;
    case Role::kModded:
      Modded(b);
      break;
    case Role::kExperimental:
      Experimental(b);
      break;
    case Role::kPod:
    case Role::kStation:
      break;
  }
  s.Roughen(v.seed, 0.012f, 0.1f);
  return s.Render();
}

}  // namespace assetgen
