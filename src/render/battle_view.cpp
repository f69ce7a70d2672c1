// The battle frame: main view, cockpit overlay, radar view and target view.
//
// There is no depth buffer, so the order of the draws below decides what
// covers what.
#include "core/form1.h"
#include "platform/d3dx_math.h"
#include "render/frame_calls.h"
#include "render/hud.h"
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

}  // namespace

void Form1::Renderme() {
  ScopedOperation op("Renderme");
  ClearFloatStatus();
  FrameCalls calls(*this);

  const Craft& player = Crafts[0];
  const float X0 = player.X;
  const float Y0 = player.Y;

  // Puts the camera straight above (x, y) at height z; CameraAt's z stays 0.
  auto setCamera = [&](float x, float y, float z) {
    CameraEye = Vec3f{x, y, z};
    CameraAt.x = x;
    CameraAt.y = y;
    ViewMatrix = MatrixLookAtLH(CameraEye, CameraAt, CameraUp);
    calls.SetTransform(TransformType::View, ViewMatrix);
  };
  auto turretWorld = [&](const Craft& c) {
    ResetWorld(*this);
    AddWorldFactor(*this, MatrixScaling(0.5f, 0.5f, 0.5f));
    AddWorldFactor(*this, MatrixRotationZ(static_cast<float>(c.TurretAngle)));
    AddWorldFactor(*this, MatrixTranslation(c.X, c.Y, 0));
  };
  auto identityWorld = [&] {
    ResetWorld(*this);
    calls.SetTransform(TransformType::World, WorldMatrix);
  };

  hud::ComputeTargetBearing(*this);
  calls.SetRenderState(kRsPointSize, static_cast<uint32_t>(FloatBits(0.03f)));
  hud::CountFrame(*this);
  hud::CountRaces(*this);

  // ---- Main view ----
  calls.SetViewport(ScreenViewport);
  calls.Clear(0x00000000);  // the frame's only clear
  calls.BeginScene();
  setCamera(X0, Y0, kMainCameraHeight);

  calls.SetVertexShader(kFvfLitVertex);
  calls.SetTexture(StarTexture);
  identityWorld();
  for (int s = 0; s <= 20000; ++s) {
    const LitVertex& corner = Stars[s].Quad[0];
    if (WithinStrict(corner.X, corner.Y, X0, Y0, kViewReach) && BattleActive) {
      calls.DrawQuad(Stars[s].Quad);
    }
  }

  // A planet deeper below the plane is seen from farther away.
  for (int p = 0; p <= 200; ++p) {
    const PlanetRecord& planet = Planets[p];
    const LitVertex& corner = planet.Quad[0];
    const float reach = kPlanetReach * corner.Z;
    if (WithinStrict(corner.X, corner.Y, X0, Y0, reach)) {
      calls.SetTexture(planet.Texture);
      if (BattleActive) calls.DrawQuad(planet.Quad);
    }
  }

  calls.SetVertexShader(kFvfPointVertex);
  calls.SetTexture(BulletTexture);
  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    for (int k = 0; k <= c.LastShot; ++k) {
      const Particle& shot = c.Shots[k];
      if (WithinStrict(shot.X, shot.Y, X0, Y0, kViewReach) && shot.Life > 0) {
        calls.DrawPoints(&shot, 1);
      }
    }
  }

  // The station's layer first, so it lies under every other craft.
  calls.SetVertexShader(kFvfLitVertex);
  for (int16_t i = 0; i <= kLastDrawnEntry; ++i) {
    if (Crafts[i].Z == -1.0f) Drawall(i);
  }
  for (int16_t i = 0; i <= kLastDrawnEntry; ++i) {
    if (Crafts[i].Z == 1.0f) Drawall(i);
  }

  calls.SetVertexShader(kFvfPointVertex);
  calls.SetTexture(SprayTexture);
  identityWorld();
  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    if (WithinStrict(c.X, c.Y, X0, Y0, kViewReach) && c.Acceleration > 0 && c.Thrusting) {
      calls.DrawPoints(&c.Trail[0], kTrailPointsDrawn);
    }
  }

  calls.SetVertexShader(kFvfLitVertex);
  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    if (WithinStrict(c.X, c.Y, X0, Y0, kViewReach) && c.Turret) {
      calls.SetTexture(TurretTexture);
      turretWorld(c);
      calls.SetTransform(TransformType::World, WorldMatrix);
      calls.DrawQuad(c.Quad);
    }
  }

  // ---- Screen-space overlay; it leaves the vertex format alone ----
  if (BattleActive) hud::DrawCockpitPanel(*this, calls);
  hud::DrawStatusAndBanners(*this, calls);

  // ---- Radar: every computer craft at twice its size, never the player ----
  setCamera(X0, Y0, kRadarCameraHeight);
  calls.SetViewport(RadarViewport);
  for (int i = 1; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    ResetWorld(*this);
    AddWorldFactor(*this, MatrixScaling(2, 2, 2));
    AddWorldFactor(*this, MatrixTranslation(c.X, c.Y, c.Z));
    calls.SetTransform(TransformType::World, WorldMatrix);
    calls.SetTexture(c.Texture);
    calls.DrawQuad(c.Quad);
  }

  // ---- Target view ----
  const Craft& target = Crafts[player.Target];
  const float Xt = target.X;
  const float Yt = target.Y;
  calls.SetRenderState(kRsPointSize, static_cast<uint32_t>(FloatBits(0.09f)));
  calls.SetViewport(TargetViewport);
  setCamera(Xt, Yt, kTargetCameraHeight);

  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    if (WithinInclusive(c.X, c.Y, Xt, Yt, kTargetReach)) {
      ResetWorld(*this);
      AddWorldFactor(*this, MatrixRotationZ(static_cast<float>(c.Heading)));
      AddWorldFactor(*this, MatrixTranslation(c.X, c.Y, c.Z));
      calls.SetTransform(TransformType::World, WorldMatrix);
      calls.SetTexture(c.Texture);
      calls.DrawQuad(c.Quad);
    }
  }
  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    if (c.Turret && WithinInclusive(c.X, c.Y, Xt, Yt, kTargetReach)) {
      calls.SetTexture(TurretTexture);
      turretWorld(c);
      calls.SetTransform(TransformType::World, WorldMatrix);
      calls.DrawQuad(c.Quad);
    }
  }
  calls.SetVertexShader(kFvfPointVertex);
  calls.SetTexture(SprayTexture);
  identityWorld();
  for (int i = 0; i <= kLastDrawnEntry; ++i) {
    const Craft& c = Crafts[i];
    if (WithinStrict(c.X, c.Y, Xt, Yt, kViewReach) && c.Thrusting) {
      calls.DrawPoints(&c.Trail[0], kTrailPointsDrawn);
    }
  }

  if (BattleActive) hud::DrawTargetPanel(*this, calls);

  calls.EndScene();
  calls.Present();
  CheckFloatStatus();
}

}  // namespace sb
