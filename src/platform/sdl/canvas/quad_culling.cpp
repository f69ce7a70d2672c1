#include "platform/sdl/canvas/quad_culling.h"

#include <algorithm>

namespace sb::sdl {

namespace {

// Renderers truncate or round corner positions to whole pixels, each
// coordinate and size on its own; the picture is drawn at its own size, so
// two pixels leave room to spare.
constexpr float kMargin = 2.0f;

}  // namespace

bool LiesOutsideViewport(const SDL_Vertex corners[4], int width, int height) {
  float minX = corners[0].position.x, maxX = minX;
  float minY = corners[0].position.y, maxY = minY;
  for (int i = 1; i < 4; ++i) {
    minX = std::min(minX, corners[i].position.x);
    maxX = std::max(maxX, corners[i].position.x);
    minY = std::min(minY, corners[i].position.y);
    maxY = std::max(maxY, corners[i].position.y);
  }
  // Comparisons false for NaN corners: those are left to the renderer.
  return maxX < -kMargin || maxY < -kMargin || minX > static_cast<float>(width) + kMargin ||
         minY > static_cast<float>(height) + kMargin;
}

}  // namespace sb::sdl
