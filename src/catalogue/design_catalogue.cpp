// The fixed list of craft designs and their balance figures.
#include "core/checked.h"
#include "core/form1.h"

namespace sb {

void Form1::AddDesign(const std::string& name, const std::string& textureFile, float z, float width,
                      float height, float turn, float acceleration, float speed, float armour,
                      int16_t race, int16_t range, int16_t power, const std::string& role,
                      int16_t energy, int16_t shotCost, bool turret) {
  ScopedOperation op("AddDesign", "listing the craft designs");
  Craft& d = Designs[DesignCount];  // a full catalogue fails here, before any write
  const int16_t weaponRange = Mul16(range, 2);
  const int16_t storedShotCost = Mul16(shotCost, 2);
  const int16_t maxShield = RoundTo16(armour);
  d.Name = name;
  d.TextureFile = textureFile;
  d.Z = z;
  d.Width = width;
  d.Height = height;
  d.TurnRate = turn / 2.0f;
  d.Acceleration = acceleration / 2.0f;
  d.MaxSpeed = speed / 2.0f;
  d.MaxArmour = armour;
  d.MaxShield = maxShield;
  d.Race = race;
  d.WeaponRange = weaponRange;
  d.WeaponPower = power;
  d.Role = role;
  d.MaxEnergy = energy;
  d.ShotCost = storedShotCost;
  d.Turret = turret;
  d.Heading = 0;
  d.LastShot = 10;
  DesignCount = Add32(DesignCount, 1);
}

void Form1::DesignSTUFF() {
  ScopedOperation op("DesignSTUFF", "listing the craft designs");
  constexpr bool no = false, yes = true;
  // clang-format off
  //        name            picture               z   w   h  turn accel speed armour race          range power role                        energy cost turret
  AddDesign("Strike",       "player.bmp",         1,  8,  8, 5, 0.5f, 5,  10,   kRaceHuman,   10, 1,  "Fighter",                   100, 10, no);
  AddDesign("Strike",       "player.bmp",         1,  8,  8, 5, 0.5f, 5,  10,   kRaceHuman,   10, 1,  "Fighter",                   100, 10, no);
  AddDesign("Pod",          "spaceman.bmp",       1,  8,  8, 5, 0.5f, 1,  5,    kRaceNone,    5,  1,  "Escape pod",                100, 10, no);
  AddDesign("Aqua",         "aqua.bmp",           1,  8,  8, 5, 0.5f, 5,  10,   kRaceDrone,   10, 1,  "Fighter",                   100, 10, no);
  AddDesign("Mertlyn",      "mertlyn.bmp",        1,  8,  8, 4, 0.1f, 4,  20,   kRaceHuman,   10, 1,  "Troop Transport",           100, 10, yes);
  AddDesign("LunaStrike",   "Luna_player.bmp",    1,  8,  8, 5, 0.3f, 4,  20,   kRaceHuman,   10, 2,  "Heavy Fighter",             100, 10, no);
  AddDesign("DarkMertlyn",  "Dark_mertlyn.bmp",   1,  8,  8, 3, 0.1f, 3,  20,   kRaceDragaar, 10, 1,  "Captured Troop Transport",  100, 10, yes);
  AddDesign("Swipe",        "swipe.bmp",          1,  8,  8, 3, 0.5f, 10, 5,    kRaceHuman,   10, 1,  "Scout",                     100, 10, no);
  AddDesign("Stagg",        "stagg.bmp",          1,  8,  8, 5, 0.5f, 9,  7,    kRaceDrone,   10, 1,  "Light Fighter",             100, 10, no);
  AddDesign("Dode",         "dode.bmp",           1,  8,  8, 6, 1,    5,  5,    kRaceDrone,   10, 1,  "Scout",                     100, 10, no);
  AddDesign("Zerab",        "zerab.bmp",          1,  8,  8, 4, 0.3f, 6,  20,   kRaceDrone,   10, 2,  "Heavy Fighter",             100, 10, no);
  AddDesign("Fox",          "fox.bmp",            1,  8,  8, 5, 0.5f, 5,  10,   kRaceDrone,   10, 1,  "Fighter",                   100, 10, no);
  AddDesign("Guard",        "guard.bmp",          1,  8,  8, 2, 0.5f, 6,  10,   kRaceHuman,   10, 1,  "Police",                    100, 10, no);
  AddDesign("Veebee",       "veebee.bmp",         1,  8,  8, 10, 0.7f, 5, 10,   kRaceSect,    10, 1,  "Scout",                     100, 10, no);
  AddDesign("Rustark",      "rustark.bmp",        1,  8,  8, 5, 0.5f, 4,  10,   kRaceHuman,   10, 1,  "Old Craft",                 100, 10, no);
  AddDesign("Frork",        "Frork.bmp",          1,  8,  8, 5, 0.5f, 5,  10,   kRaceDragaar, 10, 1,  "Heavy Fighter",             100, 10, no);
  AddDesign("Jar",          "jar.bmp",            1,  8,  8, 5, 0.4f, 6,  10,   kRaceLitu,    10, 1,  "Scout",                     100, 10, no);
  AddDesign("Zoob",         "zoob.bmp",           1,  8,  8, 5, 1,    6,  10,   kRaceLitu,    10, 1,  "Fighter",                   100, 10, no);
  AddDesign("EyeBorg",      "eyeborg.bmp",        1,  8,  8, 5, 0.5f, 5,  10,   kRaceDragaar, 10, 1,  "Fighter",                   100, 10, no);
  AddDesign("Leays",        "leays.bmp",          1,  8,  8, 5, 0.5f, 5,  10,   kRaceSect,    10, 1,  "Fighter",                   100, 10, no);
  AddDesign("Saga",         "saga.bmp",           1,  8,  8, 5, 0.5f, 5,  10,   kRaceLitu,    10, 10, "Bomber",                    100, 20, no);
  AddDesign("MRXix",        "MR6.bmp",            1, 16, 16, 3, 0.2f, 4,  10,   kRaceLitu,    10, 1,  "Transport",                 100, 10, yes);
  AddDesign("Passa",        "passa.bmp",          1,  8,  8, 5, 0.5f, 5,  10,   kRaceHuman,   10, 1,  "Recreational Craft",        100, 10, no);
  AddDesign("Ant",          "ant.bmp",            1,  8,  8, 5, 0.5f, 5,  10,   kRaceSect,    50, 10, "Bomber",                    100, 20, no);
  AddDesign("Flyby",        "flyby.bmp",          1,  8,  8, 5, 0.5f, 5,  10,   kRaceSect,    10, 1,  "Light Fighter",             100, 10, no);
  AddDesign("Haze",         "haze.bmp",           1,  8,  8, 5, 0.5f, 5,  10,   kRaceHuman,   10, 1,  "Modded Craft",              100, 10, no);
  AddDesign("VatdeKrap",    "vatdekrap.bmp",      1, 16, 16, 5, 0.1f, 3,  10,   kRaceDragaar, 10, 1,  "Cruiser",                   100, 10, yes);
  AddDesign("Cerrvent",     "cerrvent.bmp",       1,  8,  8, 5, 0.5f, 5,  10,   kRaceHuman,   10, 1,  "Experimental Craft",        100, 10, no);
  AddDesign("DarkCruiser",  "darkcruise.bmp",     1, 32, 32, 1, 0.2f, 2,  100,  kRaceDragaar, 10, 5,  "Heavy Cruiser",             100, 10, yes);
  AddDesign("SpaceStation", "space-station.bmp", -1, 64, 64, 0, 0,    1,  1000, kRaceHuman,   10, 1,  "Base",                      100, 10, yes);
  // clang-format on
}

}  // namespace sb
