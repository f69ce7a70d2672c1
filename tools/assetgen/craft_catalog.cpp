#include "craft_catalog.h"

namespace assetgen {

const std::vector<CraftDesign>& CraftDesigns() {
  // Size follows the design's half-width: 8 -> 32 px, 16 -> 64, 32 -> 128, 64 -> 256.
  static const std::vector<CraftDesign> kDesigns = {
      {"Strike", "player.bmp", Race::kHuman, Role::kFighter, 32, false},
      {"Pod", "spaceman.bmp", Race::kNone, Role::kPod, 32, false},
      {"Aqua", "aqua.bmp", Race::kDrone, Role::kFighter, 32, false},
      {"Mertlyn", "mertlyn.bmp", Race::kHuman, Role::kTransport, 32, true},
      {"LunaStrike", "Luna_player.bmp", Race::kHuman, Role::kHeavyFighter, 32, false},
      {"DarkMertlyn", "Dark_mertlyn.bmp", Race::kDragaar, Role::kTransport, 32, true},
      {"Swipe", "swipe.bmp", Race::kHuman, Role::kScout, 32, false},
      {"Stagg", "stagg.bmp", Race::kDrone, Role::kLightFighter, 32, false},
      {"Dode", "dode.bmp", Race::kDrone, Role::kScout, 32, false},
      {"Zerab", "zerab.bmp", Race::kDrone, Role::kHeavyFighter, 32, false},
      {"Fox", "fox.bmp", Race::kDrone, Role::kFighter, 32, false},
      {"Guard", "guard.bmp", Race::kHuman, Role::kPolice, 32, false},
      {"Veebee", "veebee.bmp", Race::kSect, Role::kScout, 32, false},
      {"Rustark", "rustark.bmp", Race::kHuman, Role::kOldCraft, 32, false},
      {"Frork", "Frork.bmp", Race::kDragaar, Role::kHeavyFighter, 32, false},
      {"Jar", "jar.bmp", Race::kLitu, Role::kScout, 32, false},
      {"Zoob", "zoob.bmp", Race::kLitu, Role::kFighter, 32, false},
      {"EyeBorg", "eyeborg.bmp", Race::kDragaar, Role::kFighter, 32, false},
      {"Leays", "leays.bmp", Race::kSect, Role::kFighter, 32, false},
      {"Saga", "saga.bmp", Race::kLitu, Role::kBomber, 32, false},
      {"MRXix", "MR6.bmp", Race::kLitu, Role::kTransport, 64, true},
      {"Passa", "passa.bmp", Race::kHuman, Role::kRecreational, 32, false},
      {"Ant", "ant.bmp", Race::kSect, Role::kBomber, 32, false},
      {"Flyby", "flyby.bmp", Race::kSect, Role::kLightFighter, 32, false},
      {"Haze", "haze.bmp", Race::kHuman, Role::kModded, 32, false},
      {"VatdeKrap", "vatdekrap.bmp", Race::kDragaar, Role::kCruiser, 64, true},
      {"Cerrvent", "cerrvent.bmp", Race::kHuman, Role::kExperimental, 32, false},
      {"DarkCruiser", "darkcruise.bmp", Race::kDragaar, Role::kHeavyCruiser, 128, true},
      {"SpaceStation", "space-station.bmp", Race::kHuman, Role::kStation, 256, true},
  };
  return kDesigns;
}

}  // namespace assetgen
