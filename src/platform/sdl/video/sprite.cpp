#include "platform/sdl/video/sprite.h"

#include "core/runtime_error.h"
#include "platform/sdl/pictures/texture_loader.h"
#include "platform/sdl/system/float_status.h"
#include "platform/sdl/video/sprite_geometry.h"

namespace sb::sdl {

void SdlSprite::Draw(const TextureRef& texture, Vec2f scaling, Vec2f centre, float rotation,
                     Vec2f translation, uint32_t colour) {
  Canvas& canvas = video_.canvas();
  if (!canvas.attached()) Fail(ErrorKind::PlatformCall, "sprite drawn with no graphics device");
  if (!texture) Fail(ErrorKind::PlatformCall, "sprite drawn with no texture");
  auto* own = dynamic_cast<SdlTexture*>(texture.get());
  if (own == nullptr) Fail(ErrorKind::PlatformCall, "texture " + texture->Path() + " is foreign");
  FloatStatusKeeper keep;
  const GpuImageRef& image = own->Image(video_.canvas());
  const SpriteCorners at =
      PlaceSprite(static_cast<float>(own->width()), static_cast<float>(own->height()), scaling,
                  centre, rotation, translation);
  // Screen coordinates; the canvas works relative to the viewport.
  const float ox = static_cast<float>(canvas.viewport().x);
  const float oy = static_cast<float>(canvas.viewport().y);
  const SDL_Color tint{static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8),
                       static_cast<Uint8>(colour), static_cast<Uint8>(colour >> 24)};
  const SDL_FPoint uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  SDL_Vertex v[4];
  for (int i = 0; i < 4; ++i) {
    v[i].position = SDL_FPoint{at.p[i].x - ox, at.p[i].y - oy};
    v[i].color = tint;
    v[i].tex_coord = uv[i];
  }
  canvas.AddQuad(image, v, SDL_BLENDMODE_BLEND, SDL_ScaleModeLinear);
}

}  // namespace sb::sdl
