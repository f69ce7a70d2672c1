// The battle HUD: status line, banners, cockpit numbers, the target panel
// and the frame-rate counter (the target pointer is measured on screen, in
// the SDL platform's game_screens_test).
#include <gtest/gtest.h>

#include "support/battle_scene.h"

namespace sb {
namespace {

using headless::Call;
using test::BattleScene;

std::vector<std::string> Banners(const std::vector<Call>& frame) {
  std::vector<std::string> banners;
  for (const Call* t : test::Named(frame, "DrawText")) {
    if (t->format == 2) banners.push_back(t->s);
  }
  return banners;
}

TEST(Hud, CockpitNumbersAndAStatusLineCountingOnlyLivingCraftOfTheFiveRaces) {
  BattleScene s;          // Human: player and station; Drone: 49 foxes
  Crafts[2].Armour = 0;   // dead at exactly 0
  Crafts[3].Race = 0;     // no race
  Crafts[4].Race = 5;     // one Litu
  Crafts[5].Race = 2;     // one Sect,
  Crafts[5].Armour = -1;  // dead
  s.f.Fps = 61;
  Crafts[0].Speed = 2.5;  // cockpit: halves go to the even neighbour
  Crafts[0].Armour = 1.0f / 3.0f;
  Crafts[0].Shield = 9.5f;
  Crafts[0].Energy = -3;
  const auto frame = s.Frame();
  std::vector<std::string> texts;
  for (const Call* t : test::Named(frame, "DrawText")) texts.push_back(t->s);
  texts.pop_back();  // the target panel; no banner
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "2", "0.3333333", "10", "-3",
                       "FPS: 61  Human: 2  Sect: 0  Drone: 45  Dragaar: 0  Litu: 1"}));
}

TEST(Hud, ABannerShowsForTheOnlyRaceLeft) {
  BattleScene s;
  for (int i = 2; i <= 50; ++i) Crafts[i].Armour = 0;
  EXPECT_EQ(Banners(s.Frame()), std::vector<std::string>{"HUMANS WIN!"});
}

TEST(Hud, TargetPanelNamesFriendOrEnemyAndDrawsOnlyPositiveBars) {
  BattleScene s;  // target: the station, a friend
  s.f.TargetDistance = 87.5f;
  Crafts[1].Armour = 500;
  Crafts[1].Shield = 250;
  auto frame = s.Frame();
  const Call* panel = test::Named(frame, "DrawText").back();
  EXPECT_EQ(panel->s, "Friendly\rSpaceStation\rDistance: 87.5");
  EXPECT_EQ(panel->colour, 0xFFFFFFFF);
  auto sprites = test::Named(frame, "Sprite.Draw");
  ASSERT_EQ(sprites.size(), 7u);
  EXPECT_EQ(sprites[5]->scaling.x, 0.5);   // armour bar
  EXPECT_EQ(sprites[6]->scaling.x, 0.25);  // shield bar

  Crafts[0].Target = 9;  // a Drone: enemy, destroyed, shield down
  Crafts[9].Armour = Crafts[9].Shield = 0;
  frame = s.Frame();
  panel = test::Named(frame, "DrawText").back();
  EXPECT_EQ(panel->s, "Enemy\rFox\rDistance: 87.5");
  EXPECT_EQ(panel->colour, 0xFFFF1F1F);
  EXPECT_EQ(test::Named(frame, "Sprite.Draw").size(), 5u);
}

}  // namespace
}  // namespace sb
