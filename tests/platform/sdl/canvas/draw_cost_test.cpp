// What the platform leaves out or shares to draw and load for less: quads
// wholly outside the viewport, and pictures loaded more than once.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "platform/sdl/canvas/quad_culling.h"
#include "platform/sdl/canvas/stretch_cache.h"
#include "platform/sdl/pictures/texture_loader.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

TEST(QuadCulling, OnlyQuadsWhollyBeyondOneEdgeAreLeftOut) {
  const float nan = std::nanf("");
  const struct {
    std::vector<SDL_Vertex> quad;
    bool outside;
  } cases[] = {
      // Beyond each edge, clear of the rounding margin.
      {Rectangle(-50, 100, 40, 40), true},
      {Rectangle(810, 100, 40, 40), true},
      {Rectangle(100, -50, 40, 40), true},
      {Rectangle(100, 610, 40, 40), true},
      // Touching or just short of an edge: a renderer may still light a pixel.
      {Rectangle(-40, 100, 40, 40), false},
      {Rectangle(-40.5f, 100, 40, 40), false},
      {Rectangle(800, 100, 40, 40), false},
      {Rectangle(100, 600.5f, 40, 40), false},
      // Corners outside on different sides, the quad across the viewport.
      {Rectangle(-100, -100, 1000, 800), false},
      // A diamond whose corners all lie outside the viewport's corner box but
      // which covers its middle.
      {Quad({400, -300, 1100, 300, 400, 900, -300, 300}), false},
      // A rotated quad past the top-left corner, beyond the left edge.
      {Quad({-30, -30, -10, -50, -5, -20, -25, 0}), true},
      // Corners that are not numbers are left to the renderer.
      {Quad({nan, nan, nan, nan, nan, nan, nan, nan}), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sdl::LiesOutsideViewport(c.quad.data(), 800, 600), c.outside)
        << c.quad[0].position.x << "," << c.quad[0].position.y;
  }
}

class DrawCostTest : public ScreenTest {
 protected:
  sdl::SdlTexture& Own(const TextureRef& t) { return dynamic_cast<sdl::SdlTexture&>(*t); }
};

TEST_F(DrawCostTest, LoadsOfOneFileShareItsPictureOnlyWhileItIsHeld) {
  WriteBmp(folder_.File("ship.bmp"), 16, 8, {0x00FF00});
  TextureRef first = Load("ship.bmp"), second = Load("ship.bmp");
  sdl::Canvas& canvas = platform_->video().canvas();
  EXPECT_EQ(Own(first).Image(canvas), Own(second).Image(canvas));
  WriteBmp(folder_.File("ship.bmp"), 4, 4, {0x0000FF});
  first.reset();
  EXPECT_EQ(Own(Load("ship.bmp")).width(), 16) << "still held by the second texture";
  second.reset();
  EXPECT_EQ(Own(Load("ship.bmp")).width(), 4) << "no longer held: read again";
}

TEST_F(DrawCostTest, APictureIsStretchedAheadOnlyForASizeDrawnAgainInALaterFrame) {
  WriteBmp(folder_.File("ship.bmp"), 13, 7, {0x00FF00});
  const TextureRef ship = Load("ship.bmp");
  const sdl::GpuImageRef image = Own(ship).Image(platform_->video().canvas());
  sdl::StretchCache cache;
  cache.Attach(platform_->video().renderer());
  std::vector<SDL_Vertex> big = Rectangle(10.5f, 20.25f, 30.7f, 14.2f);
  EXPECT_EQ(cache.Pick(image, big.data(), SDL_ScaleModeLinear), image);
  EXPECT_EQ(cache.Pick(image, big.data(), SDL_ScaleModeLinear), image) << "same frame";
  cache.NextFrame();
  const sdl::GpuImageRef stretched = cache.Pick(image, big.data(), SDL_ScaleModeLinear);
  ASSERT_NE(stretched, image);
  EXPECT_EQ(stretched->width(), 30);
  EXPECT_EQ(stretched->height(), 14);
  // Drawn as it is, nearest-neighbour, rotated or in two colours: never.
  EXPECT_EQ(cache.Pick(image, Rectangle(0, 0, 13, 7).data(), SDL_ScaleModeLinear), image);
  EXPECT_EQ(cache.Pick(image, big.data(), SDL_ScaleModeNearest), image);
  std::vector<SDL_Vertex> tilted = big;
  tilted[1].position.y += 3;
  std::vector<SDL_Vertex> shaded = big;
  shaded[2].color.r = 10;
  // Mirrored across one axis only.
  std::vector<SDL_Vertex> mirrored = big;
  for (SDL_Vertex& v : mirrored) v.tex_coord.x = 1 - v.tex_coord.x;
  for (int n = 0; n < 3; ++n, cache.NextFrame()) {
    EXPECT_EQ(cache.Pick(image, tilted.data(), SDL_ScaleModeLinear), image);
    EXPECT_EQ(cache.Pick(image, shaded.data(), SDL_ScaleModeLinear), image);
    EXPECT_EQ(cache.Pick(image, mirrored.data(), SDL_ScaleModeLinear), image);
  }
  // Turned by half a turn, corners listed from the bottom-right: a copy of
  // its own, shown by the upright quad of the same corners.
  std::vector<SDL_Vertex> turned = big;
  for (int i = 0; i < 4; ++i) turned[i].position = big[(i + 2) % 4].position;
  cache.Pick(image, turned.data(), SDL_ScaleModeLinear);
  cache.NextFrame();
  std::vector<SDL_Vertex> shown = turned;
  const sdl::GpuImageRef turnedCopy = cache.Pick(image, shown.data(), SDL_ScaleModeLinear);
  ASSERT_NE(turnedCopy, image);
  EXPECT_NE(turnedCopy, stretched);
  EXPECT_EQ(turnedCopy->width(), 30);
  EXPECT_EQ(std::memcmp(shown.data(), big.data(), 4 * sizeof(SDL_Vertex)), 0);
  // Sizes not drawn for a few seconds are forgotten.
  for (int n = 0; n < 400; ++n) cache.NextFrame();
  EXPECT_EQ(cache.size(), 0u);
}

}  // namespace
}  // namespace sb::sdltest
