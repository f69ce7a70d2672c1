// Screen-space images.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace sb {

class SpriteDrawer {
 public:
  virtual ~SpriteDrawer() = default;
  // Draws the whole texture scaled by `scaling`, turned by `rotation` radians
  // about `centre` (image pixels), its top-left corner at `translation`; the
  // ARGB colour multiplies the texture's colours and alpha.
  virtual void Draw(const TextureRef& texture, Vec2f scaling, Vec2f centre, float rotation,
                    Vec2f translation, uint32_t colour) = 0;
};

}  // namespace sb
