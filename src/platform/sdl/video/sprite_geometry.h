// Where a screen-space image lands: a texel p (image pixels) goes to
// (S p - c) R + c + t, S the scaling, c the rotation centre, R the rotation
// (screen y points down, so a positive angle turns clockwise on screen) and t
// the translation.
#pragma once

#include "platform/types.h"

namespace sb::sdl {

struct SpriteCorners {
  // Top-left, top-right, bottom-right, bottom-left of the image, in screen
  // pixels.
  Vec2f p[4];
};

SpriteCorners PlaceSprite(float imageWidth, float imageHeight, Vec2f scaling, Vec2f centre,
                          float rotation, Vec2f translation);

}  // namespace sb::sdl
