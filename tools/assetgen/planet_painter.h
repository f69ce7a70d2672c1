// The four planet pictures: shaded spheres on black.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace assetgen {

enum class World { kZoltar, kMoo, kCow, kMassacre };

struct PlanetFile {
  std::string file;
  World world;
};

// Zoltar, Moo, Cow and Massacre, in the order the game numbers them.
const std::vector<PlanetFile>& PlanetFiles();

// A 128 x 128 picture of the world, lit from the top left.
Image PaintPlanet(World world);

}  // namespace assetgen
