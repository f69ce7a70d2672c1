#include "craft_style.h"

#include <cmath>

#include "rng.h"

namespace assetgen {

namespace {
Material M(int r, int g, int b, float shine = 0.25f, float gloss = 10.0f) {
  return {FromBytes(r, g, b), shine, gloss};
}
}  // namespace

Palette RacePalette(Race race) {
  switch (race) {
    case Race::kHuman:
      return {M(150, 156, 168, 0.35f, 14.0f), M(78, 82, 94),
              M(240, 128, 26, 0.3f),          M(214, 218, 224, 0.4f),
              M(70, 160, 230, 0.9f, 40.0f),   FromBytes(255, 160, 50),
              FromBytes(255, 90, 60)};
    case Race::kSect:
      return {M(62, 150, 52, 0.3f, 12.0f),  M(28, 78, 30),
              M(170, 232, 60, 0.3f),        M(110, 190, 80, 0.3f),
              M(240, 190, 40, 0.8f, 30.0f), FromBytes(120, 255, 90),
              FromBytes(255, 230, 60)};
    case Race::kDrone:
      return {M(78, 80, 86, 0.3f, 16.0f),  M(42, 44, 50),
              M(112, 116, 124, 0.3f),      M(140, 142, 150, 0.35f),
              M(210, 30, 24, 0.8f, 30.0f), FromBytes(170, 200, 255),
              FromBytes(255, 40, 30)};
    case Race::kDragaar:
      return {M(168, 34, 28, 0.35f, 14.0f), M(82, 18, 18),
              M(220, 176, 96, 0.35f),       M(200, 58, 40, 0.3f),
              M(255, 200, 50, 0.8f, 30.0f), FromBytes(255, 90, 30),
              FromBytes(255, 210, 60)};
    case Race::kLitu:
      return {M(226, 228, 236, 0.55f, 22.0f), M(160, 164, 184),
              M(170, 204, 246, 0.5f),         M(244, 244, 250, 0.5f),
              M(140, 128, 240, 0.9f, 40.0f),  FromBytes(180, 220, 255),
              FromBytes(170, 220, 255)};
    case Race::kNone:
      break;
  }
  return {M(196, 196, 190, 0.35f),       M(110, 110, 112),
          M(236, 196, 50, 0.3f),         M(230, 230, 226),
          M(120, 190, 240, 0.9f, 40.0f), FromBytes(255, 220, 120),
          FromBytes(255, 200, 40)};
}

Variation VariationFor(const std::string& name) {
  Rng rng(HashName(name));
  Variation v;
  v.seed = rng.Next();
  v.length = rng.Range(0.9f, 1.0f);
  v.span = rng.Range(0.82f, 1.04f);
  v.sweep = rng.Range(-0.12f, 0.22f);
  v.engines = 1 + rng.Below(3);
  v.stripes = rng.Below(3);
  v.fins = rng.Below(3);
  v.nose = rng.Unit();
  return v;
}

CraftBuilder::CraftBuilder(Sculpture& sculpture, Race race, const Variation& variation, float unit)
    : s_(sculpture), race_(race), pal_(RacePalette(race)), v_(variation), pixel_(1.0f / unit) {}

void CraftBuilder::Hull(float top, float bottom, float w) {
  float len = bottom - top;
  switch (race_) {
    case Race::kHuman:
    case Race::kNone: {
      float shoulder = top + len * (0.18f + 0.22f * v_.nose);
      Region body = Region::Polygon({{0.0f, top},
                                     {w * 0.55f, shoulder},
                                     {w, top + len * 0.55f},
                                     {w * 0.85f, bottom},
                                     {-w * 0.85f, bottom},
                                     {-w, top + len * 0.55f},
                                     {-w * 0.55f, shoulder}});
      s_.Fill(body, pal_.hull, 0.04f, 0.16f, w * 0.7f);
      // Panel seams across the hull.
      for (float f : {0.5f, 0.75f}) {
        float y = top + len * f;
        s_.Raise(Region::Rect(-w, y - pixel_ * 0.3f, w, y + pixel_ * 0.3f), -0.04f);
      }
      break;
    }
    case Race::kSect: {
      // Head, thorax and a long striped abdomen, like an insect.
      float head = len * 0.16f, thorax = len * 0.3f, abdomen = len - head - thorax;
      s_.Fill(Region::Ellipse({0.0f, bottom - abdomen * 0.5f}, {w, abdomen * 0.55f}), pal_.hull,
              0.02f, 0.2f);
      for (int i = 1; i <= 3; ++i) {
        float y = bottom - abdomen * (0.22f * static_cast<float>(i) + 0.05f);
        s_.Paint(Region::Rect(-w, y - pixel_ * 0.6f, w, y + pixel_ * 0.6f), pal_.dark);
        s_.Raise(Region::Rect(-w, y - pixel_ * 0.6f, w, y + pixel_ * 0.6f), -0.05f);
      }
      s_.Fill(Region::Ellipse({0.0f, top + head + thorax * 0.5f}, {w * 0.8f, thorax * 0.55f}),
              pal_.trim, 0.05f, 0.2f);
      s_.Fill(Region::Ellipse({0.0f, top + head * 0.6f}, {w * 0.55f, head * 0.75f}), pal_.hull,
              0.05f, 0.15f);
      // Mandibles.
      for (float side : {1.0f, -1.0f}) {
        s_.Fill(Region::Capsule({side * w * 0.35f, top + head * 0.4f},
                                {side * w * 0.15f, top - head * 0.3f}, pixel_ * 0.9f),
                pal_.dark, 0.06f, 0.05f);
      }
      break;
    }
    case Race::kDrone: {
      // Hard blocky hull of flat plates and a seam grid; the outline varies by design.
      std::vector<V2> outline;
      if (v_.fins == 0) {
        outline = {{-w * 0.45f, top},          {w * 0.45f, top},       {w, top + len * 0.22f},
                   {w, bottom - len * 0.12f},  {w * 0.65f, bottom},    {-w * 0.65f, bottom},
                   {-w, bottom - len * 0.12f}, {-w, top + len * 0.22f}};
      } else if (v_.fins == 1) {
        outline = {{0.0f, top},
                   {w, top + len * 0.6f},
                   {w * 0.7f, bottom},
                   {-w * 0.7f, bottom},
                   {-w, top + len * 0.6f}};
      } else {
        outline = {{-w, top},
                   {-w * 0.35f, top},
                   {-w * 0.25f, top + len * 0.15f},
                   {w * 0.25f, top + len * 0.15f},
                   {w * 0.35f, top},
                   {w, top},
                   {w, bottom},
                   {-w, bottom}};
      }
      s_.Fill(Region::Polygon(outline), pal_.hull, 0.04f, 0.12f, pixel_ * 1.5f);
      s_.Fill(Region::Rect(-w * 0.45f, top + len * 0.3f, w * 0.45f, bottom - len * 0.2f),
              pal_.accent, 0.16f, 0.03f, pixel_);
      for (float f : {0.3f, 0.55f, 0.8f}) {
        float y = top + len * f;
        s_.Raise(Region::Rect(-w, y - pixel_ * 0.3f, w, y + pixel_ * 0.3f), -0.05f);
      }
      break;
    }
    case Race::kDragaar: {
      // Forked nose, side spikes and a barbed tail.
      float fork = len * (0.12f + 0.1f * v_.nose);
      Region body = Region::Polygon({{0.0f, top + fork},
                                     {w * 0.38f, top},
                                     {w * 0.7f, top + len * 0.32f},
                                     {w * 1.3f, top + len * 0.45f},
                                     {w * 0.85f, top + len * 0.58f},
                                     {w * 0.9f, bottom - len * 0.1f},
                                     {w * 0.45f, bottom},
                                     {0.0f, bottom - len * 0.08f},
                                     {-w * 0.45f, bottom},
                                     {-w * 0.9f, bottom - len * 0.1f},
                                     {-w * 0.85f, top + len * 0.58f},
                                     {-w * 1.3f, top + len * 0.45f},
                                     {-w * 0.7f, top + len * 0.32f},
                                     {-w * 0.38f, top}});
      s_.Fill(body, pal_.hull, 0.04f, 0.18f, w * 0.5f);
      // Bony ridge along the spine.
      s_.Stack(Region::Capsule({0.0f, top + len * 0.3f}, {0.0f, bottom - len * 0.15f},
                               std::max(w * 0.18f, pixel_ * 0.8f)),
               pal_.accent, 0.05f);
      break;
    }
    case Race::kLitu: {
      // Smooth glossy teardrop with a glowing seam.
      s_.Fill(Region::Ellipse({0.0f, top + len * 0.55f}, {w, len * 0.55f}), pal_.hull, 0.02f,
              0.26f);
      s_.Fill(Region::Ellipse({0.0f, top + len * 0.25f}, {w * 0.7f, len * 0.3f}), pal_.hull, 0.08f,
              0.2f);
      Region seam =
          Region::Capsule({0.0f, top + len * 0.35f}, {0.0f, bottom - len * 0.1f}, pixel_ * 0.6f);
      s_.Paint(seam, pal_.accent);
      s_.Emit(seam, pal_.lamp * 0.5f, false);
      break;
    }
  }
}

void CraftBuilder::Wings(float root, float span, float chord, float sweep) {
  span *= v_.span;
  sweep += v_.sweep * chord;
  switch (race_) {
    case Race::kHuman:
    case Race::kNone: {
      Region wing = Region::Polygon({{0.05f, root},
                                     {span, root + sweep},
                                     {span, root + sweep + chord * 0.42f},
                                     {0.05f, root + chord}});
      s_.Fill(wing, pal_.hull, 0.0f, 0.08f, chord * 0.3f, true);
      // Orange wing tips.
      Region tip = Region::Polygon({{span * 0.72f, root + sweep * 0.72f - 0.02f},
                                    {span + 0.01f, root + sweep - 0.02f},
                                    {span + 0.01f, root + sweep + chord * 0.45f},
                                    {span * 0.72f, root + chord * (1.0f - 0.28f * 0.58f)}});
      s_.Paint(tip, pal_.accent, true);
      break;
    }
    case Race::kSect: {
      // Veined insect wings.
      float angle = 0.35f + sweep;
      V2 centre{span * 0.55f, root + chord * 0.35f + sweep * 0.5f};
      Region wing = Region::Ellipse(centre, {span * 0.55f, chord * 0.38f}, angle);
      s_.Fill(wing, pal_.accent, 0.0f, 0.06f, 0.0f, true);
      for (float t : {-0.4f, 0.3f}) {
        V2 tip = centre + Rotate({span * 0.5f, chord * t}, angle);
        s_.Raise(Region::Capsule({0.05f, root + chord * 0.3f}, tip, pixel_ * 0.35f), -0.04f, 0.0f,
                 true);
      }
      break;
    }
    case Race::kDrone: {
      // Flat angular plates with a dark inset and seams.
      Region plate = Region::Polygon({{0.05f, root},
                                      {span * 0.6f, root + sweep * 0.6f - chord * 0.1f},
                                      {span, root + sweep + chord * 0.05f},
                                      {span, root + sweep + chord * 0.7f},
                                      {0.05f, root + chord}});
      s_.Fill(plate, pal_.trim, 0.0f, 0.06f, pixel_, true);
      Region inset = Region::Polygon({{span * 0.35f, root + sweep * 0.35f + chord * 0.2f},
                                      {span * 0.85f, root + sweep * 0.85f + chord * 0.2f},
                                      {span * 0.85f, root + sweep * 0.85f + chord * 0.55f},
                                      {span * 0.35f, root + chord * 0.75f}});
      s_.Paint(inset, pal_.dark, true);
      s_.Raise(inset, -0.02f, 0.0f, true);
      break;
    }
    case Race::kDragaar: {
      // Hooked claw wing with a ragged trailing edge.
      Region wing = Region::Polygon({{0.05f, root},
                                     {span * 0.8f, root - chord * 0.45f + sweep},
                                     {span, root - chord * 0.2f + sweep},
                                     {span * 0.82f, root + chord * 0.2f + sweep},
                                     {span * 0.72f, root + chord * 0.55f + sweep},
                                     {span * 0.55f, root + chord * 0.45f + sweep * 0.5f},
                                     {span * 0.4f, root + chord * 0.85f},
                                     {0.05f, root + chord}});
      s_.Fill(wing, pal_.hull, 0.0f, 0.1f, chord * 0.25f, true);
      s_.Paint(Region::Polygon({{span * 0.7f, root - chord * 0.4f + sweep},
                                {span * 0.8f, root - chord * 0.45f + sweep},
                                {span, root - chord * 0.2f + sweep},
                                {span * 0.85f, root - chord * 0.05f + sweep}}),
               pal_.accent, true);
      break;
    }
    case Race::kLitu: {
      // Smooth crescent blades.
      float angle = 0.5f + sweep;
      V2 centre{span * 0.55f, root + chord * 0.4f};
      s_.Fill(Region::Ellipse(centre, {span * 0.5f, chord * 0.3f}, angle), pal_.hull, 0.0f, 0.12f,
              0.0f, true);
      V2 tip = centre + Rotate({span * 0.45f, 0.0f}, angle);
      s_.Fill(Region::Circle(tip, std::max(chord * 0.14f, pixel_)), pal_.accent, 0.06f, 0.06f, 0.0f,
              true);
      s_.Emit(Region::Circle(tip, std::max(chord * 0.14f, pixel_)), pal_.lamp * 0.6f, true, true);
      break;
    }
  }
}

void CraftBuilder::Engines(float y, int count, float spacing, float radius) {
  for (int i = 0; i < count; ++i) {
    float x = count == 1 ? 0.0f : spacing * (static_cast<float>(i) / (count - 1) * 2.0f - 1.0f);
    if (count == 3 && i == 1) x = 0.0f;
    float len = radius * 3.0f;
    Material nacelle = race_ == Race::kLitu ? pal_.hull : pal_.dark;
    s_.Fill(Region::Capsule({x, y - len}, {x, y - radius * 0.5f}, radius), nacelle, 0.02f, 0.12f);
    Material flame{pal_.engine * 0.7f, 0.2f, 6.0f};
    Region exhaust = Region::Ellipse({x, y}, {radius * 0.85f, radius * 0.95f});
    s_.Fill(exhaust, flame, 0.02f, 0.04f);
    s_.Emit(exhaust, pal_.engine * 0.8f, true);
  }
}

void CraftBuilder::Cockpit(float y, float w, float len) {
  switch (race_) {
    case Race::kDrone: {
      // A sensor eye instead of a canopy.
      Region eye = Region::Ellipse({0.0f, y}, {w, len * 0.5f});
      s_.Stack(eye, pal_.glass, 0.04f);
      s_.Emit(eye, pal_.lamp * 0.5f, true);
      break;
    }
    case Race::kSect:
      for (float side : {1.0f, -1.0f}) {
        s_.Stack(Region::Ellipse({side * w * 0.7f, y}, {w * 0.5f, len * 0.45f}), pal_.glass, 0.05f);
      }
      break;
    case Race::kDragaar:
      s_.Stack(Region::Polygon({{0.0f, y - len * 0.5f},
                                {w, y + len * 0.3f},
                                {0.0f, y + len * 0.5f},
                                {-w, y + len * 0.3f}}),
               pal_.glass, 0.04f, pixel_);
      break;
    default:
      s_.Stack(Region::Ellipse({0.0f, y}, {w, len * 0.5f}), pal_.glass, 0.06f);
      break;
  }
}

void CraftBuilder::Guns(float x, float y, float length) {
  Region barrel = Region::Capsule({x, y}, {x, y - length}, std::max(pixel_ * 0.7f, 0.03f));
  s_.Fill(barrel, pal_.dark, 0.08f, 0.04f, 0.0f, true);
}

void CraftBuilder::Fins(float y, float x, float size) {
  switch (v_.fins) {
    case 0:  // swept fins
      s_.Fill(Region::Polygon({{x, y - size},
                               {x + size * 0.7f, y + size * 0.3f},
                               {x + size * 0.6f, y + size * 0.55f},
                               {x, y + size * 0.2f}}),
              pal_.trim, 0.02f, 0.07f, size * 0.2f, true);
      break;
    case 1:  // small square stubs
      s_.Fill(Region::Rect(x, y - size * 0.4f, x + size * 0.45f, y + size * 0.35f), pal_.trim,
              0.02f, 0.06f, size * 0.15f, true);
      break;
    default:  // angled spines
      s_.Fill(Region::Capsule({x, y}, {x + size * 0.6f, y + size * 0.6f}, pixel_ * 0.9f),
              pal_.accent, 0.04f, 0.05f, 0.0f, true);
      break;
  }
}

void CraftBuilder::TurretMount(float radius) {
  s_.Stack(Region::Circle({0.0f, 0.0f}, radius), pal_.dark, 0.04f, radius * 0.3f);
  s_.Raise(Region::Ring({0.0f, 0.0f}, radius * 0.72f, radius * 0.8f), -0.04f);
}

void CraftBuilder::Stripes(float top, float bottom, float width) {
  float len = bottom - top;
  switch (v_.stripes) {
    case 0:  // one band across
      s_.Paint(Region::Rect(-width, top + len * 0.4f, width, top + len * 0.4f + pixel_ * 1.6f),
               pal_.accent);
      break;
    case 1:  // a stripe down the spine
      s_.Paint(Region::Rect(-pixel_ * 0.8f, top + len * 0.15f, pixel_ * 0.8f, bottom - len * 0.1f),
               pal_.accent);
      break;
    default:  // chevron near the nose
      s_.Paint(Region::Polygon({{0.0f, top + len * 0.2f},
                                {width, top + len * 0.42f},
                                {width, top + len * 0.52f},
                                {0.0f, top + len * 0.3f},
                                {-width, top + len * 0.52f},
                                {-width, top + len * 0.42f}}),
               pal_.accent);
      break;
  }
}

void CraftBuilder::Lamps(float x, float y) {
  // Painted onto whatever is there, so a lamp never floats free of the hull.
  float r = std::max(pixel_ * 0.8f, 0.035f);
  Colour starboard = race_ == Race::kHuman ? FromBytes(80, 255, 120) : pal_.lamp;
  s_.Paint(Region::Circle({x, y}, r), {pal_.lamp * 0.8f, 0.5f, 20.0f});
  s_.Emit(Region::Circle({x, y}, r), pal_.lamp * 0.5f, true);
  s_.Paint(Region::Circle({-x, y}, r), {starboard * 0.8f, 0.5f, 20.0f});
  s_.Emit(Region::Circle({-x, y}, r), starboard * 0.5f, true);
}

}  // namespace assetgen
