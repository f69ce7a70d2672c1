#include "platform/sdl/video/sprite_geometry.h"

#include <cmath>

namespace sb::sdl {

SpriteCorners PlaceSprite(float imageWidth, float imageHeight, Vec2f scaling, Vec2f centre,
                          float rotation, Vec2f translation) {
  const float c = std::cos(rotation);
  const float s = std::sin(rotation);
  const Vec2f image[4] = {{0, 0}, {imageWidth, 0}, {imageWidth, imageHeight}, {0, imageHeight}};
  SpriteCorners out;
  for (int i = 0; i < 4; ++i) {
    const float x = scaling.x * image[i].x - centre.x;
    const float y = scaling.y * image[i].y - centre.y;
    out.p[i].x = x * c - y * s + centre.x + translation.x;
    out.p[i].y = x * s + y * c + centre.y + translation.y;
  }
  return out;
}

}  // namespace sb::sdl
