#include "platform/sdl/canvas/fast_path_router.h"

#include "platform/sdl/canvas/gpu_image.h"
#include "platform/sdl/canvas/quad_culling.h"
#include "platform/sdl/canvas/turned_quads.h"

namespace sb::sdl {

void FastPathRouter::Attach(SDL_Renderer* renderer, SDL_Surface* picture, const FastPaths& paths) {
  Detach();
  paths_ = paths;
  // The software paths draw into the renderer's own surface.
  if (picture == nullptr) paths_.stretchCache = paths_.turnedQuads = false;
  picture_ = picture;
  if (paths_.stretchCache) stretch_.Attach(renderer);
}

void FastPathRouter::Detach() {
  stretch_.Detach();
  paths_ = FastPaths{};
  picture_ = nullptr;
}

bool FastPathRouter::LeavesOut(const SDL_Vertex corners[4], int width, int height) const {
  return paths_.culling && LiesOutsideViewport(corners, width, height);
}

std::shared_ptr<GpuImage> FastPathRouter::Pick(const std::shared_ptr<GpuImage>& image,
                                               SDL_Vertex corners[4], SDL_ScaleMode scale) {
  return paths_.stretchCache ? stretch_.Pick(image, corners, scale) : image;
}

bool FastPathRouter::TakesTurnedQuad(const SDL_Vertex corners[4], SDL_BlendMode blend,
                                     const GpuImage* image, const SDL_Rect& viewport) const {
  return paths_.turnedQuads && turnedQuadsHere_ && image != nullptr &&
         IsTurnedQuad(corners, blend, image->pixels(), TurnedQuadTarget{picture_, viewport});
}

void FastPathRouter::DrawTurnedQuad(const SDL_Vertex corners[4], const GpuImage& image,
                                    const SDL_Rect& viewport) {
  sdl::DrawTurnedQuad(image.pixels(), corners, TurnedQuadTarget{picture_, viewport});
  ++turnedQuadsDrawn_;
}

}  // namespace sb::sdl
