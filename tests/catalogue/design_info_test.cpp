// The description of the design shown on the selection screen.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/test_support.h"

namespace sb {
namespace {

// A human light fighter, the station of no size class, a medium and a heavy
// class.
TEST(DesignInfo, ShowsEveryFigureOfTheSelectedDesign) {
  test::Game game;
  Form1& f = *game.form;
  f.DesignSTUFF();
  const auto shown = [&](int16_t design) {
    f.SelectedDesign = design;
    f.CheckWhichCraft();
    return f.SelectedDesignName + ": " + f.DesignInfoText;
  };
  const std::pair<int16_t, const char*> designs[] = {
      {1,
       "Strike: Race:Human\rRole:Fighter\rAcceleration Rate:0.25\rMax Speed:2.5\rTurn Rate:2.5\r"
       "Armour:10\rWeapon Power:1\rWeapon Range:20\rClass: Light"},
      {29,
       "SpaceStation: Race:Human\rRole:Base\rAcceleration Rate:0\rMax Speed:0.5\rTurn Rate:0\r"
       "Armour:1000\rWeapon Power:1\rWeapon Range:20\rClass: "},
  };
  for (const auto& [design, text] : designs) EXPECT_EQ(shown(design), text);
  EXPECT_TRUE(shown(26).ends_with("\rClass: Medium")) << shown(26);  // VatdeKrap
  EXPECT_TRUE(shown(28).ends_with("\rClass: Heavy")) << shown(28);   // DarkCruiser
}

}  // namespace
}  // namespace sb
