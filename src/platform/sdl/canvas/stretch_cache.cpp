#include "platform/sdl/canvas/stretch_cache.h"

#include <algorithm>
#include <cstddef>
#include <functional>

#include "platform/sdl/canvas/colour.h"
#include "platform/sdl/canvas/fast_paths.h"
#include "platform/sdl/canvas/gpu_image.h"

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

// Turns a 32-bit surface's pixels by half a turn, in place.
void TurnPixels(SDL_Surface* surface) {
  auto* bytes = static_cast<uint8_t*>(surface->pixels);
  const auto row = [&](int y) {
    return reinterpret_cast<uint32_t*>(bytes + static_cast<ptrdiff_t>(y) * surface->pitch);
  };
  for (int y = 0; y < surface->h; ++y) std::reverse(row(y), row(y) + surface->w);
  for (int top = 0, bottom = surface->h - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(row(top), row(top) + surface->w, row(bottom));
  }
}

// Lists the quad's corners from its top-left one, showing the whole picture
// upright.
void MakeUpright(SDL_Vertex corners[4], int topLeft) {
  SDL_Vertex turned[4];
  const SDL_FPoint whole[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (int i = 0; i < 4; ++i) {
    turned[i] = corners[(topLeft + i) % 4];
    turned[i].tex_coord = whole[i];
  }
  std::copy(turned, turned + 4, corners);
}

}  // namespace

bool FindRectangleCopy(const SDL_Vertex corners[4], RectangleCopy& copy) {
  const SDL_Vertex& c = corners[0];
  for (int i = 1; i < 4; ++i) {
    if (!SameColour(c.color, corners[i].color)) return false;
  }
  for (const int first : {0, 2}) {
    SDL_Vertex v[4];
    for (int i = 0; i < 4; ++i) v[i] = corners[(first + i) % 4];
    const bool rectangle =
        v[0].position.y == v[1].position.y && v[1].position.x == v[2].position.x &&
        v[2].position.y == v[3].position.y && v[3].position.x == v[0].position.x &&
        v[2].position.x > v[0].position.x && v[2].position.y > v[0].position.y;
    if (!rectangle) continue;
    // Upright or turned by half a turn; a picture mirrored across one axis
    // only is left to the renderer.
    const SDL_FPoint top = v[0].tex_coord;
    if ((top.x != 0 && top.x != 1) || top.y != top.x) return false;
    // Each corner's texture coordinate: its place in the rectangle, or the
    // opposite place when turned.
    const float placeX[4] = {0, 1, 1, 0}, placeY[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
      if (v[i].tex_coord.x != (top.x == 0 ? placeX[i] : 1 - placeX[i]) ||
          v[i].tex_coord.y != (top.y == 0 ? placeY[i] : 1 - placeY[i])) {
        return false;
      }
    }
    // As the renderer computes it: the float difference, truncated.
    const float w = v[2].position.x - v[0].position.x;
    const float h = v[2].position.y - v[0].position.y;
    if (!(w < static_cast<float>(kMaxSide + 1)) || !(h < static_cast<float>(kMaxSide + 1))) {
      return false;
    }
    copy.width = static_cast<int>(w);
    copy.height = static_cast<int>(h);
    copy.turned = top.x == 1;
    copy.topLeft = first;
    return copy.width > 0 && copy.height > 0;
  }
  return false;
}

size_t StretchCache::KeyHash::operator()(const Key& k) const {
  return std::hash<const void*>()(k.image) ^
         (static_cast<size_t>(k.width) * 0x9E3779B1u + static_cast<size_t>(k.height) * 4u +
          (k.turned ? 1u : 0u));
}

void StretchCache::Attach(SDL_Renderer* renderer) {
  Detach();
  renderer_ = renderer;
}

void StretchCache::Detach() {
  entries_.clear();
  renderer_ = nullptr;
}

GpuImageRef StretchCache::Pick(const GpuImageRef& image, SDL_Vertex corners[4],
                               SDL_ScaleMode scale) {
  if (renderer_ == nullptr || !image || image->pixels() == nullptr ||
      scale != SDL_ScaleModeLinear) {
    return image;
  }
  RectangleCopy copy;
  if (!FindRectangleCopy(corners, copy)) return image;
  if (!copy.turned && copy.width == image->width() && copy.height == image->height()) return image;

  const Key key{image.get(), copy.width, copy.height, copy.turned};
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
    entry.stretched = Stretch(*image, key);
  }
  if (!entry.stretched) return image;
  MakeUpright(corners, copy.topLeft);
  return entry.stretched;
}

GpuImageRef StretchCache::Stretch(const GpuImage& source, const Key& key) const {
  SDL_Surface* from = source.pixels();
  SDL_Surface* to =
      SDL_CreateRGBSurfaceWithFormat(0, key.width, key.height, 32, from->format->format);
  if (to == nullptr) return nullptr;
  GpuImageRef out;
  // The same bilinear stretch the renderer applies to the whole picture,
  // then turned as the renderer turns the stretched copy.
  if (SDL_SoftStretchLinear(from, nullptr, to, nullptr) == 0) {
    if (key.turned) TurnPixels(to);
    SpoilFastPath(FastPath::StretchCache, to, SDL_Rect{0, 0, to->w, to->h});
    if (SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer_, to)) {
      SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
      out = std::make_shared<GpuImage>(texture, key.width, key.height, source.life());
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
