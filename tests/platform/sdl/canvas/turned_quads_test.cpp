// Turned quads drawn straight into the screen come out exactly as SDL's
// software renderer draws them, over hundreds of random quads: turned at any
// angle, stretched, tinted, half transparent, mirrored, partly off the
// viewport or the screen.
#include "platform/sdl/canvas/turned_quads.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "core/angles.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

class TurnedQuads : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    renderer_ = platform_->video().renderer();
    screen_ = platform_->video().picture();
    ASSERT_NE(screen_, nullptr) << SDL_GetError();
    ASSERT_EQ(screen_->format->format, SDL_PIXELFORMAT_RGB888);
    ASSERT_EQ(screen_->w * screen_->h, 1024 * 768);
    ASSERT_EQ(screen_->pitch, 1024 * 4);
  }
  void TearDown() override {
    for (SDL_Texture* t : textures_) SDL_DestroyTexture(t);
    for (SDL_Surface* s : pictures_) SDL_FreeSurface(s);
  }

  // A picture of random colours and alphas (some fully transparent or
  // opaque), with its texture.
  SDL_Surface* Picture(int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    auto* p = static_cast<uint32_t*>(s->pixels);
    for (int i = 0; i < w * h; ++i) {
      const uint32_t alpha = chance_() % 4 == 0 ? 0 : chance_() % 3 == 0 ? 255 : chance_() % 256;
      p[i] = alpha << 24 | (chance_() & 0xFFFFFF);
    }
    SDL_Texture* t = SDL_CreateTextureFromSurface(renderer_, s);
    SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
    pictures_.push_back(s);
    textures_.push_back(t);
    return s;
  }

  std::vector<uint32_t> ScreenPixels() const {
    const auto* p = static_cast<const uint32_t*>(screen_->pixels);
    return {p, p + 1024 * 768};
  }
  void SetScreen(const std::vector<uint32_t>& pixels) {
    std::memcpy(screen_->pixels, pixels.data(), pixels.size() * 4);
  }

  SDL_Renderer* renderer_ = nullptr;
  SDL_Surface* screen_ = nullptr;
  std::mt19937 chance_{23};
  std::vector<SDL_Surface*> pictures_;
  std::vector<SDL_Texture*> textures_;
};

TEST_F(TurnedQuads, LookExactlyAsTheSoftwareRendererDrawsThem) {
  std::vector<uint32_t> background(1024 * 768);
  for (uint32_t& p : background) p = chance_() & 0xFFFFFF;
  const SDL_Rect viewports[] = {{0, 0, 1024, 768}, {747, 500, 256, 256}, {872, 0, 128, 128}};
  const int sizes[][2] = {{1, 1}, {13, 7}, {32, 32}, {64, 64}, {256, 256}};
  std::uniform_real_distribution<float> unit(0, 1);
  int drawnHere = 0, differing = 0;
  long changed = 0;
  for (int n = 0; n < 240; ++n) {
    const size_t which = chance_() % 5;
    SDL_Surface* picture = Picture(sizes[which][0], sizes[which][1]);
    SDL_Texture* texture = textures_.back();
    const SDL_Rect viewport = viewports[chance_() % 3];
    // A rectangle of any size turned about its centre, which may lie a
    // little beyond the viewport.
    const float cx = unit(chance_) * (viewport.w + 100) - 50;
    const float cy = unit(chance_) * (viewport.h + 100) - 50;
    const float hw = 0.3f + unit(chance_) * (n % 7 == 0 ? 300 : 60);
    const float hh = 0.3f + unit(chance_) * (n % 7 == 0 ? 300 : 60);
    const float turn = unit(chance_) * 2 * static_cast<float>(kPi);
    const SDL_Color tint =
        n % 3 == 0
            ? SDL_Color{255, 255, 255, 255}
            : SDL_Color{static_cast<Uint8>(chance_()), static_cast<Uint8>(chance_()),
                        static_cast<Uint8>(chance_()), static_cast<Uint8>(n % 2 ? 255 : chance_())};
    const float dx[4] = {-hw, hw, hw, -hw}, dy[4] = {-hh, -hh, hh, hh};
    // Whole picture, mirrored, or a part of it.
    const bool part = n % 5 == 0;
    const float u0 = part ? unit(chance_) * 0.5f : 0, u1 = part ? 0.5f + unit(chance_) * 0.5f : 1;
    float u[4] = {u0, u1, u1, u0}, v[4] = {u0, u0, u1, u1};
    if (n % 4 == 1) std::swap(u[0], u[1]), std::swap(u[2], u[3]);
    SDL_Vertex corners[4];
    for (int i = 0; i < 4; ++i) {
      corners[i].position = SDL_FPoint{cx + dx[i] * std::cos(turn) - dy[i] * std::sin(turn),
                                       cy + dx[i] * std::sin(turn) + dy[i] * std::cos(turn)};
      corners[i].color = tint;
      corners[i].tex_coord = SDL_FPoint{u[i], v[i]};
    }
    const SDL_Rect placed = viewport;
    const sdl::TurnedQuadTarget target{screen_, placed};
    if (!sdl::IsTurnedQuad(corners, SDL_BLENDMODE_BLEND, picture, target)) continue;
    ++drawnHere;

    SetScreen(background);
    ASSERT_EQ(SDL_RenderSetViewport(renderer_, &placed), 0);
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    ASSERT_EQ(SDL_RenderGeometry(renderer_, texture, corners, 4, indices, 6), 0) << SDL_GetError();
    ASSERT_EQ(SDL_RenderFlush(renderer_), 0);
    const std::vector<uint32_t> byRenderer = ScreenPixels();
    SetScreen(background);
    sdl::DrawTurnedQuad(picture, corners, target);
    const std::vector<uint32_t> here = ScreenPixels();
    for (size_t i = 0; i < here.size(); ++i) changed += here[i] != background[i];
    if (here != byRenderer) {
      ++differing;
      int pixels = 0;
      for (size_t i = 0; i < here.size(); ++i) pixels += here[i] != byRenderer[i];
      ADD_FAILURE() << "quad " << n << " differs in " << pixels << " pixels";
    }
  }
  EXPECT_GT(drawnHere, 180);
  EXPECT_GT(changed, 200000) << "the quads drew something";
  EXPECT_EQ(differing, 0);
}

TEST_F(TurnedQuads, UprightRectanglesAndOtherKindsAreLeftToTheRenderer) {
  SDL_Surface* picture = Picture(16, 16);
  const sdl::TurnedQuadTarget target{screen_, SDL_Rect{0, 0, 1024, 768}};
  const auto here = [&](const std::vector<SDL_Vertex>& q, SDL_BlendMode b = SDL_BLENDMODE_BLEND) {
    return sdl::IsTurnedQuad(q.data(), b, picture, target);
  };
  const std::vector<SDL_Vertex> turned = Quad({100, 100, 140, 120, 120, 160, 80, 140});
  const auto changed = [&](auto change) {
    std::vector<SDL_Vertex> q = turned;
    change(q);
    return q;
  };
  // Upright, upright from another corner, turned by half a turn: copies.
  EXPECT_FALSE(here(Rectangle(10, 10, 40, 20)));
  EXPECT_FALSE(here(Quad({50, 30, 10, 30, 10, 10, 50, 10})));
  EXPECT_TRUE(here(turned));
  // Other blends, corners of different colours, coordinates the renderer
  // refuses, corners far off: the renderer's.
  EXPECT_FALSE(here(turned, SDL_BLENDMODE_ADD));
  EXPECT_FALSE(here(changed([](auto& q) { q[2].color.g = 3; })));
  EXPECT_FALSE(here(changed([](auto& q) { q[1].tex_coord.x = 1.5f; })));
  EXPECT_FALSE(here(changed([](auto& q) { q[3].position.x = -1e6f; })));
  EXPECT_FALSE(here(changed([](auto& q) { q[3].position.x = std::nanf(""); })));
}

}  // namespace
}  // namespace sb::sdltest
