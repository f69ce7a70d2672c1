#include "platform/sdl/stretch_cache.h"

#include <functional>

#include "platform/sdl/canvas.h"

namespace sb::sdl {

namespace {

// Sizes not drawn for this many frames are forgotten.
constexpr uint32_t kForgetAfterFrames = 120;
// How often forgotten sizes are swept out.
constexpr uint32_t kSweepEveryFrames = 60;
// No more pictures are kept than this (a screenful of sprites at
// different sizes); beyond it quads are drawn as before.
constexpr size_t kMaxEntries = 1024;
// Larger stretched copies cost more memory than they save work.
constexpr int kMaxSide = 1024;

bool SameColour(const SDL_Color& a, const SDL_Color& b) {
  return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

}  // namespace

bool RectangleCopySize(const SDL_Vertex corners[4], int& width, int& height) {
  const SDL_Vertex* v = corners;
  const bool rectangle = v[0].position.y == v[1].position.y && v[1].position.x == v[2].position.x &&
                         v[2].position.y == v[3].position.y && v[3].position.x == v[0].position.x &&
                         v[2].position.x > v[0].position.x && v[2].position.y > v[0].position.y;
  const bool wholePicture = v[0].tex_coord.x == 0 && v[0].tex_coord.y == 0 &&
                            v[1].tex_coord.x == 1 && v[1].tex_coord.y == 0 &&
                            v[2].tex_coord.x == 1 && v[2].tex_coord.y == 1 &&
                            v[3].tex_coord.x == 0 && v[3].tex_coord.y == 1;
  if (!rectangle || !wholePicture || !SameColour(v[0].color, v[1].color) ||
      !SameColour(v[0].color, v[2].color) || !SameColour(v[0].color, v[3].color)) {
    return false;
  }
  // As the renderer computes it: the float difference, truncated.
  const float w = v[2].position.x - v[0].position.x;
  const float h = v[2].position.y - v[0].position.y;
  if (!(w < static_cast<float>(kMaxSide + 1)) || !(h < static_cast<float>(kMaxSide + 1))) {
    return false;
  }
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return width > 0 && height > 0;
}

size_t StretchCache::KeyHash::operator()(const Key& k) const {
  return std::hash<const void*>()(k.image) ^
         (static_cast<size_t>(k.width) * 0x9E3779B1u + static_cast<size_t>(k.height));
}

void StretchCache::Attach(SDL_Renderer* renderer) {
  Detach();
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0) {
    renderer_ = renderer;
  }
}

void StretchCache::Detach() {
  entries_.clear();
  renderer_ = nullptr;
}

GpuImageRef StretchCache::Pick(const GpuImageRef& image, const SDL_Vertex corners[4],
                               SDL_ScaleMode scale) {
  if (renderer_ == nullptr || !image || image->pixels() == nullptr ||
      scale != SDL_ScaleModeLinear) {
    return image;
  }
  int width = 0, height = 0;
  if (!RectangleCopySize(corners, width, height)) return image;
  if (width == image->width() && height == image->height()) return image;
  // Stretching only happens at the window's own scale.
  float sx = 0, sy = 0;
  SDL_RenderGetScale(renderer_, &sx, &sy);
  if (sx != 1.0f || sy != 1.0f) return image;

  const Key key{image.get(), width, height};
  auto found = entries_.find(key);
  if (found != entries_.end() && found->second.source.lock() != image) {
    entries_.erase(found);  // a new picture at a freed one's address
    found = entries_.end();
  }
  if (found == entries_.end()) {
    if (entries_.size() < kMaxEntries) entries_.emplace(key, Entry{image, nullptr, frame_, false});
    return image;
  }
  Entry& entry = found->second;
  const bool seenBefore = entry.lastFrame != frame_;
  entry.lastFrame = frame_;
  if (!entry.tried && seenBefore) {
    entry.tried = true;
    entry.stretched = Stretch(*image, width, height);
  }
  return entry.stretched ? entry.stretched : image;
}

GpuImageRef StretchCache::Stretch(const GpuImage& source, int width, int height) const {
  SDL_Surface* from = source.pixels();
  SDL_Surface* to = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, from->format->format);
  if (to == nullptr) return nullptr;
  GpuImageRef out;
  // The same bilinear stretch the renderer applies to the whole picture.
  if (SDL_SoftStretchLinear(from, nullptr, to, nullptr) == 0) {
    if (SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer_, to)) {
      SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
      out = std::make_shared<GpuImage>(texture, width, height, source.life());
    }
  }
  SDL_FreeSurface(to);
  return out;
}

void StretchCache::NextFrame() {
  if (renderer_ == nullptr) return;
  ++frame_;
  if (frame_ % kSweepEveryFrames != 0) return;
  for (auto it = entries_.begin(); it != entries_.end();) {
    const bool stale = frame_ - it->second.lastFrame > kForgetAfterFrames;
    it = stale || it->second.source.expired() ? entries_.erase(it) : std::next(it);
  }
}

}  // namespace sb::sdl
