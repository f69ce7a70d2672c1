#include "platform/sdl/canvas/fast_path_check.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/sdl/canvas/gpu_image.h"
#include "platform/sdl/canvas/quad_culling.h"
#include "platform/sdl/canvas/stretch_cache.h"
#include "platform/sdl/canvas/turned_quads.h"

namespace sb::sdl {

namespace {

// The scratch screen, and an inner viewport whose edges quads cross.
constexpr int kScratchW = 128, kScratchH = 96;
constexpr SDL_Rect kWhole{0, 0, kScratchW, kScratchH};
constexpr SDL_Rect kInner{20, 14, 88, 64};

// The two check pictures: small and oddly sized, and square.
constexpr int kPictureSizes[2][2] = {{13, 7}, {32, 32}};

// One quad of the set: which picture, where (centre, half sizes and turn,
// relative to its viewport), which part of the picture (corner 0 shows
// (u0, v0), corner 2 shows (u1, v1)), with which colour and blend, and
// from which corner the list starts (2: from the bottom-right).
struct CheckQuad {
  int picture;
  SDL_Rect viewport;
  float cx, cy, halfW, halfH, turn;
  float u0, v0, u1, v1;
  SDL_Color colour;
  SDL_BlendMode blend;
  int firstCorner;
};

constexpr SDL_Color kWhite{255, 255, 255, 255};
constexpr SDL_BlendMode kBlend = SDL_BLENDMODE_BLEND;

// clang-format off
constexpr CheckQuad kQuads[] = {
    // Turned at any angle: stretched, tinted, half transparent, mirrored,
    // part of the picture, across the edges of the viewport and the screen.
    {0, kWhole, 40, 30, 20, 12, 0.5f, 0, 0, 1, 1, kWhite, kBlend, 0},
    {1, kWhole, 70, 50, 30, 9, 2.3f, 0, 0, 1, 1, {200, 120, 255, 255}, kBlend, 0},
    {0, kWhole, 64, 48, 6.3f, 4.1f, 4.0f, 0, 0, 1, 1, {255, 255, 255, 128}, kBlend, 0},
    {1, kInner, 2, 30, 25, 15, 1.1f, 0, 0, 1, 1, {90, 255, 160, 200}, kBlend, 0},
    {0, kWhole, 120, 90, 20, 20, 5.5f, 0, 0, 1, 1, kWhite, kBlend, 0},
    {1, kWhole, 30, 70, 18, 11, 2.9f, 0.7f, 0.2f, 0.25f, 0.9f, kWhite, kBlend, 0},
    {0, kInner, 80, 60, 12, 30, 0.9f, 0, 0, 1, 1, {255, 200, 100, 77}, kBlend, 0},
    // Upright at fractional corners, stretched or at the picture's size,
    // turned by half a turn, tinted, half transparent, in each blend.
    {0, kWhole, 25.75f, 27.8f, 15.35f, 7.1f, 0, 0, 0, 1, 1, kWhite, kBlend, 0},
    {0, kWhole, 62, 22, 11.65f, 15.95f, 0, 0, 0, 1, 1, {255, 160, 128, 128}, kBlend, 0},
    {0, kWhole, 90.3f, 70.2f, 14.1f, 9.6f, 0, 1, 1, 0, 0, kWhite, kBlend, 0},
    {1, kInner, 4.8f, 20.3f, 10.3f, 9.05f, 0, 0, 0, 1, 1, {200, 255, 255, 255}, kBlend, 0},
    {0, kWhole, 100.1f, 30.9f, 13.55f, 4.95f, 0, 0, 0, 1, 1, kWhite, SDL_BLENDMODE_ADD, 0},
    {1, kWhole, 40.5f, 80.5f, 9.2f, 7.7f, 0, 0, 0, 1, 1, kWhite, SDL_BLENDMODE_NONE, 0},
    {0, kWhole, 64, 12, 6.5f, 3.5f, 0, 0, 0, 1, 1, kWhite, kBlend, 2},
    // Just beyond each edge of a viewport.
    {0, kWhole, -17.1f, 40, 15, 10, 0, 0, 0, 1, 1, kWhite, kBlend, 0},
    {1, kInner, 44, 90, 10, 8, 0.7f, 0, 0, 1, 1, kWhite, kBlend, 0},
    {0, kWhole, 140.25f, 50, 9.75f, 6, 0, 0, 0, 1, 1, kWhite, kBlend, 0},
    {1, kInner, 30, -9.5f, 7, 7.4f, 0, 0, 0, 1, 1, kWhite, kBlend, 0},
};
// clang-format on

struct Corners {
  SDL_Vertex v[4];
};

Corners CornersOf(const CheckQuad& q) {
  const float dx[4] = {-q.halfW, q.halfW, q.halfW, -q.halfW};
  const float dy[4] = {-q.halfH, -q.halfH, q.halfH, q.halfH};
  const float u[4] = {q.u0, q.u1, q.u1, q.u0}, v[4] = {q.v0, q.v0, q.v1, q.v1};
  const float c = std::cos(q.turn), s = std::sin(q.turn);
  Corners out;
  for (int i = 0; i < 4; ++i) {
    const int at = (i + q.firstCorner) % 4;
    out.v[i].position = SDL_FPoint{q.cx + dx[at] * c - dy[at] * s, q.cy + dx[at] * s + dy[at] * c};
    out.v[i].color = q.colour;
    out.v[i].tex_coord = SDL_FPoint{u[i], v[i]};
  }
  return out;
}

// A picture of many colours, some pixels transparent and some half, so that
// any difference in filtering or blending shows.
uint32_t PicturePixel(int x, int y) {
  const uint32_t alpha = (x + y) % 5 == 0   ? 0
                         : (x * y) % 3 == 0 ? 255
                                            : (40 + 17 * x + 9 * y) % 256;
  const uint32_t rgb =
      static_cast<uint32_t>((x * 19 % 256) << 16 | (y * 37 % 256) << 8 | ((200 + x * y) % 256));
  return alpha << 24 | rgb;
}

uint32_t BackgroundPixel(int x, int y) {
  return 0xFF000000u | static_cast<uint32_t>(((x * 7 + y * 3) & 255) << 16 | ((x * y) & 255) << 8 |
                                             ((x + y * 5) & 255));
}

SDL_Surface* MakeArgb(int w, int h, uint32_t (*pixel)(int, int)) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (s == nullptr) return nullptr;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
    for (int x = 0; x < w; ++x) row[x] = pixel(x, y);
  }
  return s;
}

// A software renderer on a scratch surface of the picture's format, with
// the check pictures made on it.
class Scratch {
 public:
  explicit Scratch(uint32_t format) {
    screen_ = SDL_CreateRGBSurfaceWithFormat(0, kScratchW, kScratchH, 32, format);
    background_ = MakeArgb(kScratchW, kScratchH, BackgroundPixel);
    if (screen_ == nullptr || background_ == nullptr || SDL_MUSTLOCK(screen_)) return;
    SDL_SetSurfaceBlendMode(background_, SDL_BLENDMODE_NONE);
    renderer_ = SDL_CreateSoftwareRenderer(screen_);
    if (renderer_ == nullptr) return;
    life_->renderer = renderer_;
    life_->keepPixels = true;
    for (const auto& size : kPictureSizes) {
      SDL_Surface* pixels = MakeArgb(size[0], size[1], PicturePixel);
      SDL_Texture* texture = pixels ? SDL_CreateTextureFromSurface(renderer_, pixels) : nullptr;
      if (texture == nullptr) {
        SDL_FreeSurface(pixels);
        return;
      }
      auto image = std::make_shared<GpuImage>(texture, size[0], size[1], life_);
      image->KeepPixels(pixels);
      pictures_.push_back(std::move(image));
    }
  }
  ~Scratch() {
    pictures_.clear();
    life_->renderer = nullptr;
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    SDL_FreeSurface(background_);
    SDL_FreeSurface(screen_);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  bool ready() const { return pictures_.size() == 2; }
  SDL_Renderer* renderer() const { return renderer_; }
  SDL_Surface* screen() const { return screen_; }
  const GpuImageRef& picture(int which) const { return pictures_[static_cast<size_t>(which)]; }

  // Puts the background back on the whole screen.
  bool Reset() {
    SDL_Rect to = kWhole;
    return SDL_BlitSurface(background_, nullptr, screen_, &to) == 0;
  }
  // Draws the quad through SDL, as the canvas hands it over.
  bool DrawBySdl(const GpuImage& image, const Corners& c, const CheckQuad& q) {
    static const int kIndices[6] = {0, 1, 2, 0, 2, 3};
    SDL_Texture* texture = image.texture();
    return SDL_RenderSetViewport(renderer_, &q.viewport) == 0 &&
           SDL_SetTextureBlendMode(texture, q.blend) == 0 &&
           SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear) == 0 &&
           SDL_RenderGeometry(renderer_, texture, c.v, 4, kIndices, 6) == 0 &&
           SDL_RenderFlush(renderer_) == 0;
  }
  // The screen's pixels, row by row.
  std::vector<uint8_t> Pixels() const {
    const size_t row = static_cast<size_t>(screen_->w) * screen_->format->BytesPerPixel;
    std::vector<uint8_t> out(row * static_cast<size_t>(screen_->h));
    for (int y = 0; y < screen_->h; ++y) {
      std::memcpy(out.data() + row * static_cast<size_t>(y),
                  static_cast<const uint8_t*>(screen_->pixels) + y * screen_->pitch, row);
    }
    return out;
  }
  // SDL's pixels for the quad on the background, or empty when it failed.
  std::vector<uint8_t> BySdl(const GpuImage& image, const Corners& c, const CheckQuad& q) {
    if (!Reset() || !DrawBySdl(image, c, q)) return {};
    return Pixels();
  }

 private:
  SDL_Surface* screen_ = nullptr;
  SDL_Surface* background_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  std::shared_ptr<RendererLife> life_ = std::make_shared<RendererLife>();
  std::vector<GpuImageRef> pictures_;
};

// Outcome of a path's check over the whole set: it must take at least one
// quad, and draw every quad it takes as SDL does.
struct Tally {
  int taken = 0;
  bool differs = false;
  bool passed() const { return taken > 0 && !differs; }
};

// Quads culling leaves out draw nothing through SDL either.
bool CheckCulling(Scratch& scratch) {
  Tally tally;
  for (const CheckQuad& q : kQuads) {
    const Corners c = CornersOf(q);
    if (!LiesOutsideViewport(c.v, q.viewport.w, q.viewport.h)) continue;
    ++tally.taken;
    if (!scratch.Reset()) return false;
    const std::vector<uint8_t> before = scratch.Pixels();
    tally.differs |= scratch.BySdl(*scratch.picture(q.picture), c, q) != before;
  }
  return tally.passed();
}

// Quads drawn from a stretched copy look as SDL stretches them.
bool CheckStretchCache(Scratch& scratch) {
  StretchCache cache;
  cache.Attach(scratch.renderer());
  Tally tally;
  for (const CheckQuad& q : kQuads) {
    const GpuImageRef& image = scratch.picture(q.picture);
    const Corners given = CornersOf(q);
    // A size is stretched ahead once it is drawn in a second frame.
    Corners first = given, corners = given;
    cache.Pick(image, first.v, SDL_ScaleModeLinear);
    cache.NextFrame();
    const GpuImageRef copy = cache.Pick(image, corners.v, SDL_ScaleModeLinear);
    if (copy == image) continue;
    ++tally.taken;
    const std::vector<uint8_t> bySdl = scratch.BySdl(*image, given, q);
    tally.differs |= bySdl.empty() || scratch.BySdl(*copy, corners, q) != bySdl;
  }
  return tally.passed();
}

// Turned quads drawn here look as SDL draws them.
bool CheckTurnedQuads(Scratch& scratch) {
  Tally tally;
  for (const CheckQuad& q : kQuads) {
    const GpuImage& image = *scratch.picture(q.picture);
    const Corners c = CornersOf(q);
    const TurnedQuadTarget target{scratch.screen(), q.viewport};
    if (!IsTurnedQuad(c.v, q.blend, image.pixels(), target)) continue;
    ++tally.taken;
    const std::vector<uint8_t> bySdl = scratch.BySdl(image, c, q);
    if (bySdl.empty() || !scratch.Reset()) return false;
    DrawTurnedQuad(image.pixels(), c.v, target);
    tally.differs |= scratch.Pixels() != bySdl;
  }
  return tally.passed();
}

}  // namespace

FastPaths ChooseFastPaths(const SDL_Surface* picture) {
  FastPaths paths;
  if (picture == nullptr) {
    // A quad wholly beyond the viewport's margin draws nothing on any
    // renderer; the other paths draw into a software renderer's surface.
    paths.culling = true;
    return paths;
  }
  Scratch scratch(picture->format->format);
  if (!scratch.ready()) return paths;
  paths.culling = CheckCulling(scratch);
  paths.stretchCache = CheckStretchCache(scratch);
  paths.turnedQuads = CheckTurnedQuads(scratch);
  return paths;
}

}  // namespace sb::sdl
