// The craft pictures the game loads: one per distinct texture file of the
// design catalogue, with what the painter needs to know about each.
#pragma once

#include <string>
#include <vector>

namespace assetgen {

enum class Race { kNone, kHuman, kSect, kDrone, kDragaar, kLitu };

enum class Role {
  kScout,
  kLightFighter,
  kFighter,
  kHeavyFighter,
  kBomber,
  kTransport,
  kCruiser,
  kHeavyCruiser,
  kStation,
  kPod,
  kPolice,
  kOldCraft,
  kRecreational,
  kModded,
  kExperimental,
};

struct CraftDesign {
  std::string name;  // the design's name in the game; seeds its small variations
  std::string file;  // texture file under Textures/
  Race race;
  Role role;
  int size;     // picture width and height in pixels
  bool turret;  // the game draws a turret over the middle of this craft
};

// The 29 distinct design pictures, in catalogue order.
const std::vector<CraftDesign>& CraftDesigns();

}  // namespace assetgen
