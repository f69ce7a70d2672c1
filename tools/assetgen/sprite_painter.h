// Small shared battle pictures: the turret, the background star and the two
// glows the game draws as point sprites (shots and engine trails).
#pragma once

#include "image.h"

namespace assetgen {

// 32 x 32, barrel towards the top; drawn over a craft's middle, turned to its aim.
Image PaintTurret();
// 16 x 16 twinkle.
Image PaintStar();
// 32 x 32 round glows, nearly white so the race tint of each shot shows.
Image PaintBullet();
Image PaintSpray();

}  // namespace assetgen
