// Screen-space images: scaled, turned about a centre and placed, in pixels
// of the logical screen, clipped to the viewport in force.
#pragma once

#include "platform/sdl/video/window.h"
#include "platform/sprite.h"

namespace sb::sdl {

class SdlSprite : public SpriteDrawer {
 public:
  explicit SdlSprite(Video& video) : video_(video) {}
  void Draw(const TextureRef& texture, Vec2f scaling, Vec2f centre, float rotation,
            Vec2f translation, uint32_t colour) override;

 private:
  Video& video_;
};

}  // namespace sb::sdl
