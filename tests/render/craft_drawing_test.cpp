// Drawing one craft: the inclusive window and the tints kept in its corners.
#include <gtest/gtest.h>

#include "support/battle_scene.h"

namespace sb {
namespace {

using test::BattleScene;

constexpr uint32_t kYellow = 0xFFFFFF00, kBlue = 0xFF9F9FFF, kWhite = 0xFFFFFFFF;
constexpr uint32_t kDarkRed = 0xFF501010, kOld = 0x12345678;

struct TintCase {
  int32_t armourTimer, shieldTimer;
  float armour;
  uint32_t want;
};

TEST(CraftDrawing, HitTimersAndDestructionTintAllFourCorners) {
  const TintCase cases[] = {
      {103, 0, 10, kYellow}, {0, 101, 10, kBlue},     {103, 103, 10, kBlue},  // shield wins
      {99, -5, 10, kWhite},  {100, 0, 10, kOld},      {0, 100, 10, kOld},     // 100 keeps
      {100, 101, 10, kBlue}, {101, 100, 10, kYellow}, {103, 103, 0, kDarkRed}, {0, 0, -3, kDarkRed},
  };
  for (const TintCase& tc : cases) {
    BattleScene s;
    Craft& c = Crafts[2];
    c.X = 50;
    c.Y = 50;
    for (LitVertex& v : c.Quad) v.Diffuse = kOld;
    c.ArmourHitTimer = tc.armourTimer;
    c.ShieldHitTimer = tc.shieldTimer;
    c.Armour = tc.armour;
    const size_t from = s.p.calls.size();
    s.f.Drawall(2);
    const auto calls = s.p.CallsSince(from);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].s, "fox.bmp");
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(calls[2].quad[k].Diffuse, tc.want)
          << "timers " << tc.armourTimer << "/" << tc.shieldTimer << " armour " << tc.armour;
      EXPECT_EQ(c.Quad[k].Diffuse, tc.want);  // kept in the record
    }
  }
}

TEST(CraftDrawing, OutsideTheWindowNothingIsDrawnAndTheRadarShowsTheOldColour) {
  BattleScene s;  // player at (0, 100)
  Crafts[2].X = 200.01f;
  Crafts[2].Y = 100;
  Crafts[2].ArmourHitTimer = 103;
  Crafts[3].X = -200;
  Crafts[3].Y = 300;  // on the corner of the window: drawn
  Crafts[3].ShieldHitTimer = 103;
  const auto frame = s.Frame();
  EXPECT_EQ(Crafts[2].Quad[0].Diffuse, 0x00FFFFFFu);
  EXPECT_EQ(Crafts[3].Quad[3].Diffuse, kBlue);
  // The radar draws entries 1, 2, 3, ... with the colours in their records.
  std::vector<uint32_t> radar;
  int viewports = 0;
  for (const auto& c : frame) {
    viewports += c.op == "SetViewport";
    if (viewports == 2 && c.op == "DrawQuad") radar.push_back(c.quad[0].Diffuse);
  }
  ASSERT_EQ(radar.size(), 50u);
  EXPECT_EQ(radar[1], 0x00FFFFFFu);
  EXPECT_EQ(radar[2], kBlue);
}

}  // namespace
}  // namespace sb
