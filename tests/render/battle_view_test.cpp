// One battle frame on the recording platform: the order of its calls, its
// cameras and world matrices, and the visibility windows at their bounds.
#include <gtest/gtest.h>

#include <bit>
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
using At = std::vector<std::pair<float, float>>;

// The calls of each view: [0] main view and overlay, [1] radar, [2] target view.
std::vector<Calls> Views(const Calls& frame) {
  std::vector<Calls> views;
  for (const Call& c : frame) {
    if (c.op == "SetViewport") views.emplace_back();
    if (!views.empty()) views.back().push_back(c);
  }
  return views;
}

// Where each square with `texture` was drawn: the translation of the world
// matrix in force, or with `corners` the square's own first corner (stars
// and planets lie in world coordinates).
At PlacedAt(const Calls& calls, const std::string& texture, bool corners = false) {
  At at;
  Matrix world = MatrixIdentity();
  std::string current;
  for (const Call& c : calls) {
    if (c.op == "SetTransform" && c.type == TransformType::World) world = c.matrix;
    if (c.op == "SetTexture") current = c.s;
    if (c.op != "DrawQuad" || current != texture) continue;
    if (corners) at.emplace_back(c.quad[0].X, c.quad[0].Y);
    if (!corners) at.emplace_back(world.m[3][0], world.m[3][1]);
  }
  return at;
}

At PointsAt(const Calls& calls) {
  At at;
  for (const auto* c : test::Named(calls, "DrawPoints")) {
    at.emplace_back(c->points[0].X, c->points[0].Y);
  }
  return at;
}

TEST(BattleView, OneFrameSetsViewportsCamerasFormatsAndPointSizesInOrder) {
  BattleScene s;
  Crafts[0].Thrusting = true;  // Strike: accelerates, so its trail shows
  Crafts[0].Shots[4] = Particle{0, 150, 0, 0xFFFF9000, 0, 0, 0, 5};
  std::vector<std::string> got;
  for (const Call& c : s.Frame()) {
    if (c.op == "SetRenderState" && c.state == kRsPointSize) {
      got.push_back("PointSize " + std::to_string(std::bit_cast<float>(c.value)).substr(0, 4));
    }
    if (c.op == "SetViewport") got.push_back("Viewport " + std::to_string(c.viewport.X));
    if (c.op == "Clear") got.push_back("Clear " + std::to_string(c.colour));
    if (c.op == "SetTransform" && c.type == TransformType::View) got.push_back("View");
    if (c.op == "SetVertexShader") got.push_back(c.format == kFvfLitVertex ? "Lit" : "Point");
    if (c.op == "BeginScene" || c.op == "EndScene" || c.op == "Present") got.push_back(c.op);
  }
  // Main view: stars, shots, craft, trails, turrets; then radar; then the
  // target view's craft, turret and trails.
  const std::vector<std::string> want = {
      "PointSize 0.03", "Viewport 0",   "Clear 0", "BeginScene", "View",     "Lit",
      "Point",          "Lit",          "Point",   "Lit",        "View",     "Viewport 872",
      "PointSize 0.09", "Viewport 747", "View",    "Point",      "EndScene", "Present"};
  EXPECT_EQ(got, want);
}

TEST(BattleView, CamerasLookDownOnTheirCentresAndTheRadarDrawsAtTwiceTheSize) {
  BattleScene s;  // player at (0, 100), target the station at (0, 0)
  Crafts[1].Heading = 1;
  const Calls frame = s.Frame();
  std::vector<Matrix> view, world;
  for (const auto* c : test::Named(frame, "SetTransform")) {
    (c->type == TransformType::View ? view : world).push_back(c->matrix);
  }
  ASSERT_EQ(view.size(), 3u);
  // Main at 150 and radar at 400 above the player, target view 40 above the
  // station; world +X is screen-left.
  EXPECT_NEAR(TransformPoint({10, 100, 0}, view[0]).x, -10, 1e-4);
  EXPECT_NEAR(TransformPoint({0, 100, 0}, view[0]).z, 150, 1e-4);
  EXPECT_NEAR(TransformPoint({0, 100, 0}, view[1]).z, 400, 1e-4);
  EXPECT_NEAR(TransformPoint({0, 0, 0}, view[2]).z, 40, 1e-4);
  // World matrices: stars, station, player, trails, turret, then the radar's
  // entries 1 to 50 at twice the size, never turned.
  EXPECT_EQ(world[5].m[0][0], 2.0f);
  EXPECT_EQ(world[5].m[0][1], 0.0f);
  EXPECT_EQ(world[5 + 49].m[3][0], 10000.0f);
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
    Crafts[i].Thrusting = Crafts[i].Turret = true;
    Crafts[i].Trail[0].X = static_cast<float>(i);
  }
  Crafts[2].X = 200;
  Crafts[3].X = 199.99f;
  Crafts[1].Thrusting = true;  // the station cannot accelerate
  Crafts[1].Trail[0].X = 1;

  const auto views = Views(s.Frame());
  EXPECT_EQ(PlacedAt(views[0], "star.bmp", true), (At{{199.99f, -99.99f}}));
  EXPECT_EQ(PointsAt(views[0]), (At{{-199.99f, 299.99f}, {1, 1}, {3, 0}}));   // and 3's trail
  EXPECT_EQ(PlacedAt(views[0], "turret.bmp"), (At{{0, 0}, {199.99f, 100}}));  // station and 3
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
  }
  const auto views = Views(s.Frame());
  EXPECT_EQ(PlacedAt(views[0], "fox.bmp"),
            (At{{200, 100}, {-200, -100}, {40, -40}, {-40, 40}, {40.01f, 0}}));
  EXPECT_EQ(PlacedAt(views[2], "fox.bmp"), (At{{40, -40}, {-40, 40}}));
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
  std::string drawn;
  for (int k = 0; k < 5; ++k) {
    if (!PlacedAt(frame, "planet" + std::to_string(k) + ".bmp").empty()) drawn += char('0' + k);
  }
  EXPECT_EQ(drawn, "04");
}

TEST(BattleView, TheStationLayerComesFirstAndTheRadarNeverShowsThePlayer) {
  BattleScene s;
  Crafts[5].Z = -1;  // a second bottom-layer craft after the player's entry
  Crafts[5].X = 50;
  Crafts[5].Y = 0;
  const auto views = Views(s.Frame());
  std::vector<std::string> order;
  std::string texture;
  for (const Call& c : views[0]) {
    if (c.op == "SetTexture") texture = c.s;
    if (c.op == "DrawQuad" && texture != "turret.bmp") order.push_back(texture);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"space-station.bmp", "fox.bmp", "player.bmp"}));
  EXPECT_TRUE(PlacedAt(views[1], "player.bmp").empty());  // the radar never shows the player
}

}  // namespace
}  // namespace sb
