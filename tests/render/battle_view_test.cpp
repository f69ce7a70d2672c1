// One battle frame on the recording platform: the order of its calls, its
// cameras and world matrices, and the visibility windows at their bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/d3dx_math.h"
#include "support/battle_scene.h"

namespace sb {
namespace {

using headless::Call;
using test::BattleScene;
using Calls = std::vector<Call>;

// A call reduced to what the order of a frame is about.
std::string Sig(const Call& c) {
  if (c.op == "SetRenderState" && c.n[0] == kRsPointSize) {
    const auto bits = static_cast<uint32_t>(c.n[1]);
    float size;
    std::memcpy(&size, &bits, 4);
    return "PointSize " + std::to_string(size).substr(0, 4);
  }
  if (c.op == "SetViewport") return "Viewport " + std::to_string(int(c.n[0]));
  if (c.op == "Clear") return "Clear " + std::to_string(long(c.n[0]));
  if (c.op == "SetTransform") return c.n[0] == 2 ? "View" : (c.n[0] == 256 ? "World" : "Proj");
  if (c.op == "SetVertexShader") return c.n[0] == kFvfLitVertex ? "LitFormat" : "PointFormat";
  if (c.op == "SetTexture" || c.op == "Sprite.Draw") return c.op + " " + c.s;
  if (c.op == "DrawPoints") return "DrawPoints " + std::to_string(int(c.n[0]));
  return c.op;
}

// The calls of each view: [0] main view and overlay, [1] radar, [2] target view.
std::vector<Calls> Views(const Calls& frame) {
  std::vector<Calls> views;
  for (const Call& c : frame) {
    if (c.op == "SetViewport") views.emplace_back();
    if (!views.empty()) views.back().push_back(c);
  }
  return views;
}

// Where each textured square with `texture` was placed: the translation of
// the world matrix in force when it was drawn.
std::vector<std::pair<float, float>> PlacedAt(const Calls& calls, const std::string& texture) {
  std::vector<std::pair<float, float>> at;
  Matrix world = MatrixIdentity();
  std::string current;
  for (const Call& c : calls) {
    if (c.op == "SetTransform" && c.n[0] == 256) world = test::MatrixOf(c);
    if (c.op == "SetTexture") current = c.s;
    if (c.op == "DrawQuad" && current == texture) at.emplace_back(world.m[3][0], world.m[3][1]);
  }
  return at;
}

std::vector<std::pair<float, float>> PointsAt(const Calls& calls) {
  std::vector<std::pair<float, float>> at;
  for (const auto* c : test::Named(calls, "DrawPoints")) {
    at.emplace_back(c->points[0].X, c->points[0].Y);
  }
  return at;
}

using At = std::vector<std::pair<float, float>>;

// First corners of the squares drawn with `texture` (stars and planets lie in
// world coordinates).
std::vector<std::string> CornersWith(const Calls& calls, const std::string& texture) {
  std::vector<std::string> corners;
  std::string current;
  for (const Call& c : calls) {
    if (c.op == "SetTexture") current = c.s;
    if (c.op == "DrawQuad" && current == texture) {
      corners.push_back(test::QuadCorners({c})[0]);
    }
  }
  return corners;
}

TEST(BattleView, OneFrameMakesItsCallsInOrder) {
  BattleScene s;
  Crafts[0].Thrusting = true;  // Strike: accelerates, so its trail shows
  Crafts[0].Shots[4] = Particle{0, 150, 0, 0xFFFF9000, 0, 0, 0, 5};
  s.PlaceStar(7, 10, 50);
  PlanetRecord& planet = s.f.Planets[3];
  planet.Quad[0] = LitVertex{100, 100, -1};
  planet.Texture = s.p.textures().LoadTexture("/headless/Textures/zoltar.bmp");

  std::vector<std::string> want = {
      "PointSize 0.03", "Viewport 0", "Clear 0", "BeginScene", "View",
      // stars and planets, world identity
      "LitFormat", "SetTexture star.bmp", "World", "DrawQuad", "SetTexture zoltar.bmp", "DrawQuad",
      // shots
      "PointFormat", "SetTexture bullet.bmp", "DrawPoints 1",
      // the station's layer, then the craft layer
      "LitFormat", "World", "SetTexture space-station.bmp", "DrawQuad", "World",
      "SetTexture player.bmp", "DrawQuad",
      // trails
      "PointFormat", "SetTexture spray.bmp", "World", "DrawPoints 10",
      // turrets
      "LitFormat", "SetTexture turret.bmp", "World", "DrawQuad",
      // cockpit panel, status line
      "Sprite.Draw Hud.bmp", "Sprite.Draw frame.bmp", "Sprite.Draw tarback.bmp",
      "Sprite.Draw targeter.bmp", "DrawText", "DrawText", "DrawText", "DrawText",
      "Sprite.Draw point.bmp", "DrawText",
      // radar
      "View", "Viewport 872"};
  for (int i = 1; i <= 50; ++i) {
    want.insert(
        want.end(),
        {"World", i == 1 ? "SetTexture space-station.bmp" : "SetTexture fox.bmp", "DrawQuad"});
  }
  want.insert(want.end(),
              {// target view around the station
               "PointSize 0.09", "Viewport 747", "View", "World", "SetTexture space-station.bmp",
               "DrawQuad", "SetTexture turret.bmp", "World", "DrawQuad", "PointFormat",
               "SetTexture spray.bmp", "World", "DrawPoints 10",
               // target panel
               "DrawText", "Sprite.Draw bar.bmp", "Sprite.Draw bar.bmp", "EndScene", "Present"});

  std::vector<std::string> got;
  for (const Call& c : s.Frame()) got.push_back(Sig(c));
  EXPECT_EQ(got, want);
}

TEST(BattleView, CamerasLookDownOnTheirCentresAndWorldsScaleTurnAndPlace) {
  BattleScene s;
  Crafts[0].X = 30;
  Crafts[0].Heading = 3.14159265358979 / 2;  // player at (30, 100), facing +X
  Crafts[1].TurretAngle = 3.14159265358979;
  const Calls frame = s.Frame();

  const auto views = test::Named(frame, "SetTransform");
  std::vector<Matrix> view, world;
  for (const auto* c : views) (c->n[0] == 2 ? view : world).push_back(test::MatrixOf(*c));
  ASSERT_EQ(view.size(), 3u);
  // Main at 150 and radar at 400 above the player, target view 40 above the
  // station; world +X is screen-left.
  const Vec4f main = TransformPoint({40, 100, 0}, view[0]);
  EXPECT_NEAR(main.x, -10, 1e-4);
  EXPECT_NEAR(main.z, 150, 1e-4);
  EXPECT_NEAR(TransformPoint({30, 110, 0}, view[1]).y, 10, 1e-4);
  EXPECT_NEAR(TransformPoint({30, 100, 0}, view[1]).z, 400, 1e-4);
  const Vec4f target = TransformPoint({0, 0, 0}, view[2]);
  EXPECT_NEAR(target.x, 0, 1e-4);
  EXPECT_NEAR(target.z, 40, 1e-4);

  // world[0]: stars' identity; [1] station, [2] player in the main view.
  const Matrix& player = world[2];
  const Vec4f nose = TransformPoint({0, -8, 0}, player);  // heading 0 points to -Y
  EXPECT_NEAR(nose.x, 38, 1e-4);
  EXPECT_NEAR(nose.y, 100, 1e-4);
  EXPECT_EQ(player.m[2][2], 1.0f);
  // [3] trails' identity, [4] the station's turret: half size, turned pi.
  const Vec4f turret = TransformPoint({64, 0, 0}, world[4]);
  EXPECT_NEAR(turret.x, -32, 1e-4);
  EXPECT_NEAR(turret.y, 0, 1e-4);
  EXPECT_EQ(world[4].m[2][2], 0.5f);
  // Radar, entries 1 to 50: twice the size at (X, Y, Z), never turned.
  const Matrix& radarStation = world[5];
  const float want[4][4] = {{2, 0, 0, 0}, {0, 2, 0, 0}, {0, 0, 2, 0}, {0, 0, -1, 1}};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) EXPECT_EQ(radarStation.m[r][c], want[r][c]) << r << c;
  }
  EXPECT_EQ(world[6].m[3][0], 5200.0f);  // entry 2
  // Target view: the station at its own depth -1.
  const Matrix& targetStation = world[5 + 50];
  EXPECT_EQ(targetStation.m[3][2], -1.0f);
  EXPECT_EQ(targetStation.m[0][0], 1.0f);
}

TEST(BattleView, StarsShotsTrailsAndTurretsNeedStrictlyLessThan200) {
  BattleScene s;  // player at (0, 100)
  s.PlaceStar(0, 200, 100);
  s.PlaceStar(1, -200, 100);
  s.PlaceStar(2, 0, 300);
  s.PlaceStar(3, 199.99f, -99.99f);
  Craft& player = Crafts[0];
  player.Shots[0] = Particle{-199.99f, 299.99f, 0, 0, 0, 0, 0, 1};
  player.Shots[1] = Particle{0, -100, 0, 0, 0, 0, 0, 1};
  player.Shots[2] = Particle{0, 90, 0, 0, 0, 0, 0, 0};       // spent
  Crafts[40].Shots[10] = Particle{1, 1, 0, 0, 0, 0, 0, 20};  // last shot of a far craft
  for (int i : {2, 3}) {
    Crafts[i].Y = 100;
    Crafts[i].Thrusting = true;
    Crafts[i].Turret = true;
    Crafts[i].Trail[0].X = static_cast<float>(i);
  }
  Crafts[2].X = 200;
  Crafts[3].X = 199.99f;
  Crafts[1].Thrusting = true;  // the station cannot accelerate
  Crafts[1].Trail[0].X = 1;

  const auto views = Views(s.Frame());
  const Calls& main = views[0];
  EXPECT_EQ(CornersWith(main, "star.bmp"), std::vector<std::string>{"199.99,-99.99"});
  const At points = PointsAt(main);
  EXPECT_EQ(points, (At{{-199.99f, 299.99f}, {1, 1}, {3, 0}}));           // and 3's trail only
  EXPECT_EQ(PlacedAt(main, "turret.bmp"), (At{{0, 0}, {199.99f, 100}}));  // station and 3
  // Around the target (the station at the origin) no acceleration is needed.
  EXPECT_EQ(PointsAt(views[2]), (At{{1, 0}, {3, 0}}));
}

TEST(BattleView, CraftUseInclusiveWindows200InTheMainView40InTheTargetView) {
  BattleScene s;  // player at (0, 100), target the station at (0, 0)
  const std::pair<float, float> places[] = {
      {200, 100}, {-200, -100}, {200.01f, 100}, {0, 300.01f},  // main view
      {40, -40},  {-40, 40},    {40.01f, 0},                   // target view
  };
  for (int k = 0; k < 7; ++k) {
    Crafts[2 + k].X = places[k].first;
    Crafts[2 + k].Y = places[k].second;
    Crafts[2 + k].Turret = true;
  }
  const auto views = Views(s.Frame());
  EXPECT_EQ(PlacedAt(views[0], "fox.bmp"),
            (At{{200, 100}, {-200, -100}, {40, -40}, {-40, 40}, {40.01f, 0}}));
  EXPECT_EQ(PlacedAt(views[2], "fox.bmp"), (At{{40, -40}, {-40, 40}}));
  EXPECT_EQ(PlacedAt(views[2], "turret.bmp"), (At{{0, 0}, {40, -40}, {-40, 40}}));
}

TEST(BattleView, PlanetsShowWithinThreeHundredTimesTheirDepth) {
  BattleScene s;  // player at (0, 100)
  const float corners[][3] = {
      {299, 399, -1}, {300, 100, -1}, {0, 100, 0}, {0, 100, 1}, {-590, 100, -2}};
  for (int k = 0; k < 5; ++k) {
    s.f.Planets[k].Quad[0] = LitVertex{corners[k][0], corners[k][1], corners[k][2]};
    s.f.Planets[k].Texture = s.p.textures().LoadTexture("/t/planet" + std::to_string(k) + ".bmp");
  }
  const Calls frame = s.Frame();
  std::vector<std::string> textures;
  for (const auto* c : test::Named(frame, "SetTexture")) {
    if (c->s.rfind("planet", 0) == 0) textures.push_back(c->s);
  }
  EXPECT_EQ(textures, (std::vector<std::string>{"planet0.bmp", "planet4.bmp"}));
  EXPECT_EQ(CornersWith(frame, "planet0.bmp"), std::vector<std::string>{"299,399"});
}

TEST(BattleView, WithoutABattleStarsPlanetsAndPanelsAreLeftOut) {
  BattleScene s;
  s.f.BattleActive = false;
  s.PlaceStar(0, 10, 10);
  s.f.Planets[0].Quad[0] = LitVertex{0, 0, -1};
  s.f.Planets[0].Texture = s.p.textures().LoadTexture("/t/zoltar.bmp");
  Crafts[0].Shots[0] = Particle{0, 90, 0, 0, 0, 0, 0, 1};
  const Calls frame = s.Frame();
  const auto views = Views(frame);
  EXPECT_TRUE(CornersWith(frame, "star.bmp").empty());
  EXPECT_EQ(test::Named(frame, "SetTexture")[1]->s, "zoltar.bmp");  // set but not drawn
  EXPECT_TRUE(CornersWith(frame, "zoltar.bmp").empty());
  EXPECT_EQ(PointsAt(views[0]).size(), 1u);
  EXPECT_EQ(PlacedAt(views[0], "player.bmp").size(), 1u);
  EXPECT_EQ(test::Named(views[1], "DrawQuad").size(), 50u);
  EXPECT_EQ(test::Named(views[2], "DrawQuad").size(), 2u);
  EXPECT_TRUE(test::Named(frame, "Sprite.Draw").empty());
  const auto texts = test::Named(frame, "DrawText");
  ASSERT_EQ(texts.size(), 1u);  // the status line alone
  EXPECT_EQ(texts[0]->s.rfind("FPS: ", 0), 0u);
}

TEST(BattleView, TheStationLayerComesFirstAndOffPlaneCraftOnlyShowOutsideTheMainView) {
  BattleScene s;
  Crafts[5].Z = -1;  // a second bottom-layer craft after the player's entry
  Crafts[5].X = 50;
  Crafts[5].Y = 0;
  Crafts[6].Z = 0.5f;  // neither layer
  Crafts[6].X = 10;
  Crafts[6].Y = 10;
  const auto views = Views(s.Frame());
  std::vector<std::string> order;
  std::string texture;
  for (const Call& c : views[0]) {
    if (c.op == "SetTexture") texture = c.s;
    if (c.op == "DrawQuad" && texture != "turret.bmp") order.push_back(texture);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"space-station.bmp", "fox.bmp", "player.bmp"}));
  EXPECT_EQ(PlacedAt(views[1], "fox.bmp")[4], (std::pair<float, float>{10, 10}));
  EXPECT_EQ(PlacedAt(views[2], "fox.bmp"), (At{{10, 10}}));
  // The radar never shows the player.
  EXPECT_TRUE(PlacedAt(views[1], "player.bmp").empty());
}

TEST(BattleView, ZeroDivisorsAndBadIndexesEndTheFrame) {
  {
    BattleScene s;
    Crafts[1].MaxArmour = 0;  // the target's armour bar divides by it
    const test::RunEnd end = test::RunCatching([&] { s.f.Renderme(); });
    EXPECT_EQ(end.kind, test::RunEnd::Error);
    EXPECT_NE(end.line.find("floating-point error in Renderme"), std::string::npos) << end.line;
    EXPECT_TRUE(s.p.CallsNamed("Present").empty());
  }
  for (const auto& spoil :
       std::vector<void (*)()>{[] { Crafts[0].Target = 201; }, [] { Crafts[7].LastShot = 11; }}) {
    BattleScene s;
    spoil();
    const test::RunEnd end = test::RunCatching([&] { s.f.Renderme(); });
    EXPECT_NE(end.line.find("index out of range"), std::string::npos) << end.line;
  }
}

}  // namespace
}  // namespace sb
