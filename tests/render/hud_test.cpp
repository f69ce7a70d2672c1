// The battle HUD: status line, banners, cockpit numbers, the target pointer,
// the target panel and the frame-rate counter.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "support/battle_scene.h"

namespace sb {
namespace {

using headless::Call;
using test::BattleScene;

std::vector<const Call*> Texts(const std::vector<Call>& frame) {
  return test::Named(frame, "DrawText");
}
std::vector<const Call*> Texts(std::vector<Call>&& frame) = delete;

TEST(Hud, StatusLineCountsOnlyLivingCraftOfTheFiveRaces) {
  BattleScene s;          // Human: player and station; Drone: 49 foxes
  Crafts[2].Armour = 0;   // dead at exactly 0
  Crafts[3].Race = 0;     // no race
  Crafts[4].Race = 5;     // one Litu
  Crafts[5].Race = 2;     // one Sect,
  Crafts[5].Armour = -1;  // dead
  s.f.Fps = 61;
  const auto frame = s.Frame();
  const auto texts = Texts(frame);
  const Call* status = texts[4];
  EXPECT_EQ(status->s, "FPS: 61  Human: 2  Sect: 0  Drone: 45  Dragaar: 0  Litu: 1");
  EXPECT_EQ(status->font, "technical");
  EXPECT_EQ(status->n, (std::vector<double>{0xFFFFFFFF, 0, 0, 800, 200, 0}));
  EXPECT_EQ(texts.size(), 6u);  // four numbers, status, target panel: no banner
}

TEST(Hud, BannersShowForTheOnlyRaceLeftAndAllFiveWhenNothingLives) {
  BattleScene s;
  for (int i = 2; i <= 50; ++i) Crafts[i].Armour = 0;
  std::vector<std::string> banners;
  auto frame = s.Frame();
  for (const Call* t : Texts(frame)) {
    if (t->n[5] == 2) banners.push_back(t->s);
  }
  EXPECT_EQ(banners, std::vector<std::string>{"HUMANS WIN!"});

  Crafts[0].Armour = Crafts[1].Armour = 0;
  banners.clear();
  frame = s.Frame();
  for (const Call* t : Texts(frame)) {
    if (t->n[5] == 2) {
      banners.push_back(t->s);
      EXPECT_EQ(t->n, (std::vector<double>{0xFFFFFFFF, 0, 0, 800, 200, 2}));
    }
  }
  EXPECT_EQ(banners, (std::vector<std::string>{"HUMANS WIN!", "DRAGAAR WIN!", "LITU WIN!",
                                               "DRONE WIN!", "SECT WIN!"}));
}

TEST(Hud, CockpitShowsRoundedSpeedAndShieldExactArmourAndEnergy) {
  BattleScene s;
  Craft& player = Crafts[0];
  player.Speed = 2.5;  // halves go to the even neighbour
  player.Armour = 87.5f;
  player.Shield = 9.5f;
  player.Energy = -3;
  auto frame = s.Frame();
  const auto texts = Texts(frame);
  EXPECT_EQ(texts[0]->s, "2");
  EXPECT_EQ(texts[1]->s, "87.5");
  EXPECT_EQ(texts[2]->s, "10");
  EXPECT_EQ(texts[3]->s, "-3");
  EXPECT_EQ(texts[0]->n, (std::vector<double>{0xFFFFFFFF, 932, 150, 1022, 200, 0}));
  EXPECT_EQ(texts[3]->n, (std::vector<double>{0xFFFFFFFF, 922, 300, 1022, 350, 0}));
  player.Speed = 3.5;
  player.Shield = 10.5f;
  player.Armour = 1.0f / 3.0f;
  frame = s.Frame();
  const auto again = Texts(frame);
  EXPECT_EQ(again[0]->s, "4");
  EXPECT_EQ(again[1]->s, "0.3333333");
  EXPECT_EQ(again[2]->s, "10");
}

TEST(Hud, PointerTurnsTowardsTheTargetButStaysAtZeroWhenLevel) {
  struct Case {
    float tx, ty;
    double want;
  };
  const double pi = 3.14159265358979;
  const Case cases[] = {
      {500, 100, 0},
      {-500, 100, 0},  // level on either side
      {100, 0, -pi / 4},
      {0, 300, pi},  // above, below
      {-100, 200, pi - std::atan(1.0)},
  };
  for (const Case& c : cases) {
    BattleScene s;  // player at (0, 100)
    Crafts[0].Target = 7;
    Crafts[7].X = c.tx;
    Crafts[7].Y = c.ty;
    const auto frame = s.Frame();
    const auto sprites = test::Named(frame, "Sprite.Draw");
    const Call* pointer = sprites[4];
    ASSERT_EQ(pointer->s, "point.bmp");
    EXPECT_EQ(pointer->n[4], static_cast<float>(c.want)) << c.tx << "," << c.ty;
    EXPECT_EQ(pointer->n, (std::vector<double>{1, 1, 32, 32, pointer->n[4], 500, 100, 0xFFFFFFFF}));
  }
}

TEST(Hud, TargetPanelNamesFriendOrEnemyAndDrawsOnlyPositiveBars) {
  BattleScene s;  // target: the station, a friend
  s.f.TargetDistance = 87.5f;
  Crafts[1].Armour = 500;
  Crafts[1].Shield = 250;
  auto frame = s.Frame();
  const Call* panel = Texts(frame).back();
  EXPECT_EQ(panel->s, "Friendly\rSpaceStation\rDistance: 87.5");
  EXPECT_EQ(panel->font, "ariel");
  EXPECT_EQ(panel->n, (std::vector<double>{0xFFFFFFFF, 767, 520, 1000, 700, 0}));
  auto sprites = test::Named(frame, "Sprite.Draw");
  ASSERT_EQ(sprites.size(), 7u);
  EXPECT_EQ(sprites[5]->n, (std::vector<double>{0.5, 1, 0, 0, 0, 742, 700, 0xFFFFFFFF}));
  EXPECT_EQ(sprites[6]->n, (std::vector<double>{0.25, 1, 0, 0, 0, 742, 680, 0xFF99FFFF}));

  Crafts[0].Target = 9;  // a Drone: enemy, destroyed, shield down
  Crafts[9].Armour = 0;
  Crafts[9].Shield = 0;
  frame = s.Frame();
  EXPECT_EQ(Texts(frame).back()->s, "Enemy\rFox\rDistance: 87.5");
  EXPECT_EQ(Texts(frame).back()->n[0], 0xFFFF1F1F);
  EXPECT_EQ(test::Named(frame, "Sprite.Draw").size(), 5u);

  Crafts[9].Armour = 4;  // shield 0: only the armour bar
  frame = s.Frame();
  sprites = test::Named(frame, "Sprite.Draw");
  ASSERT_EQ(sprites.size(), 6u);
  EXPECT_EQ(sprites[5]->n[0], 0.4f);
  EXPECT_EQ(sprites[5]->n[6], 700);
}

TEST(Hud, FrameCounterResetsEverySecondAcrossTheTickWrap) {
  BattleScene s;
  s.f.FrameCount = 41;
  s.f.LastFpsTick = INT_MAX - 500;
  s.p.tick = INT_MAX;  // 500 ms later
  s.Frame();
  EXPECT_EQ(s.f.FrameCount, 42);
  EXPECT_EQ(s.f.Fps, 0);
  s.p.tick = INT_MIN + 499;  // 1000 ms later, past the wrap
  s.Frame();
  EXPECT_EQ(s.f.Fps, 42);
  EXPECT_EQ(s.f.FrameCount, 1);
  EXPECT_EQ(s.f.LastFpsTick, INT_MIN + 499);
  // A first reading in the negative half still starts a count at once.
  s.f.LastFpsTick = 0;
  s.p.tick = -2000000000;
  s.Frame();
  EXPECT_EQ(s.f.Fps, 1);
  EXPECT_EQ(s.f.FrameCount, 1);
}

}  // namespace
}  // namespace sb
