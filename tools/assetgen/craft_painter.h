// Paints one craft picture: a silhouette per role, styled by race.
#pragma once

#include "craft_catalog.h"
#include "image.h"

namespace assetgen {

// A design.size square picture, nose towards the top, black all around.
Image PaintCraft(const CraftDesign& design);

}  // namespace assetgen
