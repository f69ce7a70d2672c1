// The description of the design shown on the selection screen.
#include <gtest/gtest.h>

#include <utility>

#include "support/test_support.h"

namespace sb {
namespace {

class DesignInfo : public ::testing::Test {
 protected:
  void SetUp() override { game.form->DesignSTUFF(); }

  std::string InfoOf(const std::string& name) {
    Form1& f = *game.form;
    for (int16_t i = 0; i < f.DesignCount; ++i) {
      if (f.Designs[i].Name == name) {
        f.SelectedDesign = i;
        f.CheckWhichCraft();
        EXPECT_EQ(f.SelectedDesignName, name);
        return f.DesignInfoText;
      }
    }
    ADD_FAILURE() << "no design " << name;
    return "";
  }

  test::Game game;
};

// A human light fighter, a pod of no race, the station of no size class, a
// heavy cruiser, a medium class and fractions without float noise.
TEST_F(DesignInfo, ShowsEveryFigureOfTheSelectedDesign) {
  const std::pair<const char*, const char*> shown[] = {
      {"Strike",
       "Race:Human\rRole:Fighter\rAcceleration Rate:0.25\rMax Speed:2.5\rTurn Rate:2.5\r"
       "Armour:10\rWeapon Power:1\rWeapon Range:20\rClass: Light"},
      {"Pod",
       "Race:\rRole:Escape pod\rAcceleration Rate:0.25\rMax Speed:0.5\rTurn Rate:2.5\r"
       "Armour:5\rWeapon Power:1\rWeapon Range:10\rClass: Light"},
      {"SpaceStation",
       "Race:Human\rRole:Base\rAcceleration Rate:0\rMax Speed:0.5\rTurn Rate:0\r"
       "Armour:1000\rWeapon Power:1\rWeapon Range:20\rClass: "},
      {"DarkCruiser",
       "Race:Dragaar\rRole:Heavy Cruiser\rAcceleration Rate:0.1\rMax Speed:1\r"
       "Turn Rate:0.5\rArmour:100\rWeapon Power:5\rWeapon Range:20\rClass: Heavy"},
  };
  for (const auto& [name, text] : shown) EXPECT_EQ(InfoOf(name), text);
  EXPECT_NE(InfoOf("Mertlyn").find("Acceleration Rate:0.05\r"), std::string::npos);
  EXPECT_NE(InfoOf("LunaStrike").find("Acceleration Rate:0.15\r"), std::string::npos);
  EXPECT_NE(InfoOf("VatdeKrap").find("\rClass: Medium"), std::string::npos);
}

}  // namespace
}  // namespace sb
