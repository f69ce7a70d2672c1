// The battle frame: main view, cockpit overlay, radar view and target view.
//
// There is no depth buffer, so the order of the draws below decides what
// covers what.
#include "core/form1.h"
#include "platform/d3dx_math.h"
#include "render/frame_calls.h"
#include "render/hud.h"
#include "render/player_overlays.h"
#include "render/view_helpers.h"

namespace sb {

namespace {

constexpr float kMainCameraHeight = 150;
constexpr float kRadarCameraHeight = 400;
constexpr float kTargetCameraHeight = 40;
constexpr float kViewReach = 200;     // half-width of the main view's windows
constexpr float kTargetReach = 40;    // half-width of the target view's window
constexpr float kPlanetReach = -300;  // times a planet's depth
constexpr int kLastDrawnEntry = 50;
constexpr int kTrailPointsDrawn = 10;

// Puts the camera straight above (x, y) at height z; CameraAt's z stays 0.
void SetCamera(Form1& f, FrameCalls& calls, float x, float y, float z) {
  f.CameraEye = Vec3f{x, y, z};
  f.CameraAt.x = x;
  f.CameraAt.y = y;
  f.ViewMatrix = MatrixLookAtLH(f.CameraEye, f.CameraAt, f.CameraUp);
  calls.SetTransform(TransformType::View, f.ViewMatrix);
}

void IdentityWorld(Form1& f, FrameCalls& calls) {
  ResetWorld(f);
  calls.SetTransform(TransformType::World, f.WorldMatrix);
}

// A craft's turret: half its size, turned to the turret's angle.
void DrawTurret(Form1& f, FrameCalls& calls, const Craft& c) {
  calls.SetTexture(f.TurretTexture);
  ResetWorld(f);
  AddWorldFactor(f, MatrixScaling(0.5f, 0.5f, 0.5f));
  AddWorldFactor(f, MatrixRotationZ(static_cast<float>(c.TurretAngle)));
  AddWorldFactor(f, MatrixTranslation(c.X, c.Y, 0));
  calls.SetTransform(TransformType::World, f.WorldMatrix);
  calls.DrawQuad(c.Quad);
}

// The engine sprays of thrusting craft near (cx, cy); the main view leaves
// out craft without an engine.
void DrawTrails(Form1& f, FrameCalls& calls, float cx, float cy, bool engineOnly) {
  calls.SetVertexShader(kFvfPointVertex);
  calls.SetTexture(f.SprayTexture);
  IdentityWorld(f, calls);
  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    if (WithinStrict(c.X, c.Y, cx, cy, kViewReach) && (!engineOnly || c.Acceleration > 0) &&
        c.Thrusting) {
      calls.DrawPoints(&c.Trail[0], kTrailPointsDrawn);
    }
  }
}

// Stars, then planets; a planet deeper below the plane is seen from farther
// away.
void DrawBackground(Form1& f, FrameCalls& calls, float x0, float y0) {
  calls.SetVertexShader(kFvfLitVertex);
  calls.SetTexture(f.StarTexture);
  IdentityWorld(f, calls);
  // Every star whose corner is within the window, in table order: only
  // those in the window's strip along X are looked at.
  const StarTable& stars = f.Stars;
  stars.ForEachInStrip(x0 - kViewReach, x0 + kViewReach, [&](int32_t s) {
    const LitVertex& corner = stars[s].Quad[0];
    if (WithinStrict(corner.X, corner.Y, x0, y0, kViewReach) && f.BattleActive) {
      calls.DrawQuad(stars[s].Quad);
    }
  });
  for (int p = 0; p <= 200; ++p) {
    const PlanetRecord& planet = f.Planets[p];
    const LitVertex& corner = planet.Quad[0];
    const float reach = kPlanetReach * corner.Z;
    if (WithinStrict(corner.X, corner.Y, x0, y0, reach)) {
      calls.SetTexture(planet.Texture);
      if (f.BattleActive) calls.DrawQuad(planet.Quad);
    }
  }
}

void DrawShots(Form1& f, FrameCalls& calls, float x0, float y0) {
  calls.SetVertexShader(kFvfPointVertex);
  calls.SetTexture(f.BulletTexture);
  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    for (int k = 0; k <= c.LastShot; ++k) {
      const Particle& shot = c.Shots[k];
      if (WithinStrict(shot.X, shot.Y, x0, y0, kViewReach) && shot.Life > 0) {
        calls.DrawPoints(&shot, 1);
      }
    }
  }
}

// Background, shots, hulls (the station's layer first, so it lies under
// every other craft), sprays and turrets around the player.
void DrawMainView(Form1& f, FrameCalls& calls, float x0, float y0) {
  calls.SetViewport(f.ScreenViewport);
  calls.Clear(0x00000000);  // the frame's only clear
  calls.BeginScene();
  SetCamera(f, calls, x0, y0, kMainCameraHeight);
  DrawBackground(f, calls, x0, y0);
  DrawShots(f, calls, x0, y0);

  calls.SetVertexShader(kFvfLitVertex);
  for (int16_t i = 0; i <= kLastDrawnEntry; ++i) {
    if (Crafts[i].Z == -1.0f) f.Drawall(i);
  }
  for (int16_t i = 0; i <= kLastDrawnEntry; ++i) {
    if (Crafts[i].Z == 1.0f) f.Drawall(i);
  }
  DrawTrails(f, calls, x0, y0, true);

  calls.SetVertexShader(kFvfLitVertex);
  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    if (WithinStrict(c.X, c.Y, x0, y0, kViewReach) && c.Turret) DrawTurret(f, calls, c);
  }
}

// Every computer craft at twice its size, never the player.
void DrawRadar(Form1& f, FrameCalls& calls, float x0, float y0) {
  SetCamera(f, calls, x0, y0, kRadarCameraHeight);
  calls.SetViewport(f.RadarViewport);
  for (int i = 1; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    ResetWorld(f);
    AddWorldFactor(f, MatrixScaling(2, 2, 2));
    AddWorldFactor(f, MatrixTranslation(c.X, c.Y, c.Z));
    calls.SetTransform(TransformType::World, f.WorldMatrix);
    calls.SetTexture(c.Texture);
    calls.DrawQuad(c.Quad);
  }
}

// The craft, turrets and sprays close around the player's target.
void DrawTargetView(Form1& f, FrameCalls& calls) {
  const Craft& target = Crafts[Crafts[0].Target];
  const float xt = target.X;
  const float yt = target.Y;
  calls.SetRenderState(kRsPointSize, static_cast<uint32_t>(Form1::FloatBits(0.09f)));
  calls.SetViewport(f.TargetViewport);
  SetCamera(f, calls, xt, yt, kTargetCameraHeight);

  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    if (WithinInclusive(c.X, c.Y, xt, yt, kTargetReach)) {
      ResetWorld(f);
      AddWorldFactor(f, MatrixRotationZ(static_cast<float>(c.Heading)));
      AddWorldFactor(f, MatrixTranslation(c.X, c.Y, c.Z));
      calls.SetTransform(TransformType::World, f.WorldMatrix);
      calls.SetTexture(c.Texture);
      calls.DrawQuad(c.Quad);
    }
  }
  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    if (c.Turret && WithinInclusive(c.X, c.Y, xt, yt, kTargetReach)) DrawTurret(f, calls, c);
  }
  DrawTrails(f, calls, xt, yt, false);
}

}  // namespace

void Form1::Renderme() {
  ScopedOperation op("Renderme", "drawing the battle");
  ClearFloatStatus();
  FrameCalls calls(*this);
  const float x0 = Crafts[0].X;
  const float y0 = Crafts[0].Y;

  hud::ComputeTargetBearing(*this);
  calls.SetRenderState(kRsPointSize, static_cast<uint32_t>(FloatBits(0.03f)));
  hud::CountFrame(*this);
  hud::CountRaces(*this);

  DrawMainView(*this, calls, x0, y0);
  // The screen-space overlay leaves the vertex format alone.
  if (BattleActive) hud::DrawCockpitPanel(*this, calls);
  hud::DrawStatusAndBanners(*this, calls);
  DrawRadar(*this, calls, x0, y0);
  DrawTargetView(*this, calls);
  if (BattleActive) hud::DrawTargetPanel(*this, calls);
  overlay::Draw(*this, calls);

  calls.EndScene();
  calls.Present();
  CheckFloatStatus();
}

}  // namespace sb
