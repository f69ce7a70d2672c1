// The picture on screens of another size: the logical screen is scaled to
// the window and centred between bars, whatever viewport the game draws in.
#include "platform/sdl/window_fit.h"

#include <gtest/gtest.h>

#include "platform/sdl/canvas.h"
#include "platform/sdl/letterbox.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

TEST(Letterbox, TheLogicalScreenIsCentredBetweenBars) {
  // 16:9 gets bars left and right: 1440 pixels drawn, 240 either side.
  const SDL_Point wide = sdl::LetterboxOffset(1920, 1080, 1024, 768, 1080.0f / 768);
  EXPECT_EQ(wide.x, 170);  // 240 output pixels, in logical ones
  EXPECT_EQ(wide.y, 0);
  // 5:4 gets bars above and below.
  const SDL_Point tall = sdl::LetterboxOffset(1280, 1024, 1024, 768, 1.25f);
  EXPECT_EQ(tall.x, 0);
  EXPECT_EQ(tall.y, 25);
  // The same shape, larger or smaller: no bars.
  for (const float scale : {0.625f, 1.0f, 2.0f}) {
    const SDL_Point same = sdl::LetterboxOffset(static_cast<int>(1024 * scale),
                                                static_cast<int>(768 * scale), 1024, 768, scale);
    EXPECT_EQ(same.x, 0) << scale;
    EXPECT_EQ(same.y, 0) << scale;
  }
}

TEST(Letterbox, AViewportDrawsInsideThePictureNotAtTheWindowsCorner) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  // The software renderer straight to the window, without a GL surface.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_Window* window = SDL_CreateWindow("wide", 0, 0, 1920, 1080, 0);
  ASSERT_NE(window, nullptr) << SDL_GetError();
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  ASSERT_NE(renderer, nullptr) << SDL_GetError();
  ASSERT_EQ(SDL_RenderSetLogicalSize(renderer, 1024, 768), 0);
  sdl::Canvas canvas;
  canvas.Attach(renderer, 1024, 768);
  canvas.Clear(0, 0, 0);
  canvas.SetViewport(SDL_Rect{100, 50, 200, 100});
  canvas.Clear(255, 255, 255);
  canvas.Flush();
  std::vector<uint32_t> pixels(1920 * 1080);
  SDL_RenderSetViewport(renderer, nullptr);
  ASSERT_EQ(
      SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), 1920 * 4),
      0);
  const auto lit = [&](double x, double y) {
    return Red(pixels[static_cast<size_t>(y) * 1920 + static_cast<size_t>(x)]) > 128;
  };
  const double scale = 1080.0 / 768, bar = 240;
  // Inside the viewport's corners, shifted by the bar; nothing where it
  // would lie without the bar.
  EXPECT_TRUE(lit(bar + 102 * scale, 52 * scale));
  EXPECT_TRUE(lit(bar + 298 * scale, 148 * scale));
  EXPECT_FALSE(lit(bar + 98 * scale, 52 * scale));
  EXPECT_FALSE(lit(bar + 302 * scale, 148 * scale));
  EXPECT_FALSE(lit(110 * scale, 60 * scale));
  canvas.Detach();
  SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(WindowFit, TheWindowedSizeShrinksToASmallerDesktopKeepingItsShape) {
  const auto size = [](SDL_Rect usable) { return sdl::WindowedSize(1024, 768, usable); };
  EXPECT_EQ(size({0, 0, 1920, 1050}).x, 1024);
  EXPECT_EQ(size({0, 0, 1920, 1050}).y, 768);
  EXPECT_EQ(size({0, 0, 640, 480}).x, 640);
  EXPECT_EQ(size({0, 0, 640, 480}).y, 480);
  EXPECT_EQ(size({0, 0, 800, 1000}).x, 800);
  EXPECT_EQ(size({0, 0, 800, 1000}).y, 600);
  EXPECT_EQ(size({0, 0, 0, 0}).x, 1024) << "no usable area known";
}

}  // namespace
}  // namespace sb::sdltest
