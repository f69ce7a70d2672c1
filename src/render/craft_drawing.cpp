// Drawing one craft in the main view, tinted for a recent hit or its
// destruction.
#include "core/form1.h"
#include "platform/d3dx_math.h"
#include "render/frame_calls.h"
#include "render/view_helpers.h"

namespace sb {

namespace {

constexpr uint32_t kHullHitYellow = 0xFFFFFF00;
constexpr uint32_t kShieldHitBlue = 0xFF9F9FFF;
constexpr uint32_t kUnhurtWhite = 0xFFFFFFFF;
constexpr uint32_t kDestroyedRed = 0xFF501010;
constexpr int32_t kTintTimer = 100;

// The tint lives in the record's corners: the radar and target views draw
// the same corners later, and a colour stays until the next one is written.
void Tint(Craft& c, uint32_t colour) {
  for (LitVertex& corner : c.Quad) corner.Diffuse = colour;
}

}  // namespace

void Form1::Drawall(int16_t i) {
  ScopedOperation op("Drawall", "drawing the craft");
  FrameCalls calls(*this);
  Craft& c = Crafts[i];
  const Craft& player = Crafts[0];

  ResetWorld(*this);
  if (!WithinInclusive(c.X, c.Y, player.X, player.Y, 200)) return;

  if (c.ArmourHitTimer > kTintTimer) Tint(c, kHullHitYellow);
  if (c.ShieldHitTimer > kTintTimer) Tint(c, kShieldHitBlue);
  // A timer of exactly 100 keeps whatever colour the corners hold.
  if (c.ArmourHitTimer < kTintTimer && c.ShieldHitTimer < kTintTimer) Tint(c, kUnhurtWhite);

  AddWorldFactor(*this, MatrixRotationZ(static_cast<float>(c.Heading)));
  AddWorldFactor(*this, MatrixTranslation(c.X, c.Y, 0));

  if (c.Armour <= 0) Tint(c, kDestroyedRed);

  calls.SetTransform(TransformType::World, WorldMatrix);
  calls.SetTexture(c.Texture);
  calls.DrawQuad(c.Quad);
}

}  // namespace sb
