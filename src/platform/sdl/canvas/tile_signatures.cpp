#include "platform/sdl/canvas/tile_signatures.h"

#include <algorithm>
#include <cmath>

#include "platform/sdl/canvas/gpu_image.h"

namespace sb::sdl {

namespace {

// FNV-1a over bytes, then one more stir; plenty for telling steps apart.
uint64_t HashBytes(uint64_t h, const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  for (size_t i = 0; i < size; ++i) h = (h ^ p[i]) * 0x100000001B3ull;
  return h;
}

template <typename T>
uint64_t Hash(uint64_t h, const T& value) {
  return HashBytes(h, &value, sizeof value);
}

constexpr uint64_t kStart = 0xCBF29CE484222325ull;

}  // namespace

void TileSignatures::Mix(int x0, int y0, int x1, int y1, uint64_t value) {
  // The pixels [x0, x1) x [y0, y1), already within the picture.
  if (x0 >= x1 || y0 >= y1) return;
  for (int ty = y0 / kTileH; ty <= (y1 - 1) / kTileH; ++ty) {
    uint64_t* row = now_.data() + static_cast<size_t>(ty) * columns_;
    for (int tx = x0 / kTileW; tx <= (x1 - 1) / kTileW; ++tx) {
      row[tx] = (row[tx] ^ value) * 0x9E3779B97F4A7C15ull;
      row[tx] ^= row[tx] >> 29;
    }
  }
}

void TileSignatures::Sign(const FrameRecord& frame, int width, int height, bool fromAClear) {
  const int columns = (width + kTileW - 1) / kTileW, rows = (height + kTileH - 1) / kTileH;
  compared_ = known_ && fromAClear && columns == columns_ && rows == rows_;
  std::swap(now_, before_);
  columns_ = columns;
  rows_ = rows;
  known_ = fromAClear;
  now_.assign(static_cast<size_t>(columns) * rows, kStart);
  if (!fromAClear) return;
  SDL_Rect viewport{0, 0, width, height};
  for (const DrawStep& step : frame.steps()) {
    switch (step.kind) {
      case DrawStep::Kind::Viewport:
        viewport = step.viewport;
        break;
      case DrawStep::Kind::Clear: {
        const int x0 = std::clamp(viewport.x, 0, width), y0 = std::clamp(viewport.y, 0, height);
        const int x1 = std::clamp(viewport.x + viewport.w, 0, width);
        const int y1 = std::clamp(viewport.y + viewport.h, 0, height);
        Mix(x0, y0, x1, y1, Hash(Hash(kStart, step.colour), viewport));
        break;
      }
      case DrawStep::Kind::Triangles: {
        uint64_t kind = Hash(Hash(Hash(kStart, viewport), step.blend), step.scale);
        kind = Hash(kind, step.image ? step.image->serial() : uint64_t{0});
        const SDL_Vertex* v = frame.vertices(step);
        for (size_t q = 0; q < step.count; q += 4, v += 4) {
          // The quad's pixels lie within its corners' box, a pixel wider on
          // every side for the rasterizer's rounding; a box that cannot be
          // worked out (not finite, far off) is the whole picture.
          float lx = v[0].position.x, hx = lx, ly = v[0].position.y, hy = ly;
          for (int i = 1; i < 4; ++i) {
            lx = std::min(lx, v[i].position.x);
            hx = std::max(hx, v[i].position.x);
            ly = std::min(ly, v[i].position.y);
            hy = std::max(hy, v[i].position.y);
          }
          int x0 = 0, y0 = 0, x1 = width, y1 = height;
          if (std::isfinite(lx) && std::isfinite(hx) && std::isfinite(ly) && std::isfinite(hy) &&
              std::fabs(lx) < 1e6f && std::fabs(hx) < 1e6f && std::fabs(ly) < 1e6f &&
              std::fabs(hy) < 1e6f) {
            x0 = std::clamp(viewport.x + static_cast<int>(std::floor(lx)) - 1, 0, width);
            x1 = std::clamp(viewport.x + static_cast<int>(std::ceil(hx)) + 2, 0, width);
            y0 = std::clamp(viewport.y + static_cast<int>(std::floor(ly)) - 1, 0, height);
            y1 = std::clamp(viewport.y + static_cast<int>(std::ceil(hy)) + 2, 0, height);
          }
          Mix(x0, y0, x1, y1, HashBytes(kind, v, 4 * sizeof(SDL_Vertex)));
        }
        break;
      }
    }
  }
}

}  // namespace sb::sdl
