// Drawing one craft: the inclusive window and the tints kept in its corners.
#include <gtest/gtest.h>

#include "support/battle_scene.h"

namespace sb {
namespace {

using test::BattleScene;

constexpr uint32_t kYellow = 0xFFFFFF00, kBlue = 0xFF9F9FFF, kWhite = 0xFFFFFFFF;
constexpr uint32_t kDarkRed = 0xFF501010, kOld = 0x12345678;

TEST(CraftDrawing, HitTimersAndDestructionTintAllFourCorners) {
  const struct {
    int32_t armourTimer, shieldTimer;
    float armour;
    uint32_t want;
  } cases[] = {
      {103, 0, 10, kYellow},   {103, 103, 10, kBlue},  // hull and shield: light blue
      {99, -5, 10, kWhite},    {100, 0, 10, kOld},      {0, 100, 10, kOld},  // 100 keeps
      {101, 100, 10, kYellow}, {103, 103, 0, kDarkRed},
  };
  for (const auto& tc : cases) {
    BattleScene s;
    Craft& c = Crafts[2];
    c.X = c.Y = 50;
    for (LitVertex& v : c.Quad) v.Diffuse = kOld;
    c.ArmourHitTimer = tc.armourTimer;
    c.ShieldHitTimer = tc.shieldTimer;
    c.Armour = tc.armour;
    const size_t from = s.p.calls.size();
    s.f.Drawall(2);
    const auto calls = s.p.CallsSince(from);
    ASSERT_EQ(calls.size(), 3u);
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(calls[2].quad[k].Diffuse, tc.want)
          << "timers " << tc.armourTimer << "/" << tc.shieldTimer << " armour " << tc.armour;
      EXPECT_EQ(c.Quad[k].Diffuse, tc.want);  // kept in the record
    }
  }
}

}  // namespace
}  // namespace sb
