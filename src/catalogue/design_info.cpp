// The name and nine-line description of the design on the selection screen.
#include "core/form1.h"
#include "core/number_text.h"

namespace sb {

namespace {

const char* SizeClass(float width) {
  if (width == 8) return "Light";
  if (width == 16) return "Medium";
  if (width == 32) return "Heavy";
  return "";
}

const char* RaceName(int16_t race) {
  switch (race) {
    case kRaceHuman:
      return "Human";
    case kRaceSect:
      return "Sect";
    case kRaceDrone:
      return "Drone";
    case kRaceDragaar:
      return "Dragaar";
    case kRaceLitu:
      return "Litu";
    default:
      return "";
  }
}

}  // namespace

void Form1::CheckWhichCraft() {
  ScopedOperation op("CheckWhichCraft", "describing the chosen design");
  const Craft& d = Designs[SelectedDesign];
  const char point = LocaleDecimalPoint();
  const std::string cr = "\r";
  SelectedDesignName = d.Name;
  DesignInfoText =
      "Race:" + std::string(RaceName(d.Race)) + cr + "Role:" + d.Role + cr +
      "Acceleration Rate:" + FloatText(d.Acceleration, point) + cr +
      "Max Speed:" + FloatText(d.MaxSpeed, point) + cr +
      "Turn Rate:" + FloatText(d.TurnRate, point) + cr + "Armour:" + FloatText(d.MaxArmour, point) +
      cr + "Weapon Power:" + std::to_string(d.WeaponPower) + cr +
      "Weapon Range:" + std::to_string(d.WeaponRange) + cr + "Class: " + SizeClass(d.Width);
}

}  // namespace sb
