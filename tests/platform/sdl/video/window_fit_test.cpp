// The picture on screens of another size: scaled to fit the window and
// centred between bars; a window never starts larger than the desktop.
#include "platform/sdl/video/window_fit.h"

#include <gtest/gtest.h>

#include "platform/sdl/video/letterbox.h"

namespace sb::sdltest {
namespace {

TEST(Letterbox, ThePictureFillsOneAxisAndIsCentredOnTheOther) {
  struct Case {
    int w, h;
    SDL_Rect expected;
  };
  const Case cases[] = {
      {1024, 768, {0, 0, 1024, 768}},      // its own size
      {2048, 1536, {0, 0, 2048, 1536}},    // the same shape, larger
      {640, 480, {0, 0, 640, 480}},        // and smaller
      {1920, 1080, {240, 0, 1440, 1080}},  // 16:9: bars left and right
      {1366, 768, {171, 0, 1024, 768}},    // wide, same height
      {1280, 800, {107, 0, 1066, 800}},    // 16:10: the height decides
      {1280, 1024, {0, 32, 1280, 960}},    // 5:4: bars above and below
      {3840, 2160, {480, 0, 2880, 2160}},
      {1, 1, {0, 0, 1, 0}},    // nothing to see, but nothing out of bounds
      {0, 500, {0, 0, 0, 0}},  // no area at all
  };
  for (const Case& c : cases) {
    const SDL_Rect r = sdl::LetterboxRect(c.w, c.h, 1024, 768);
    EXPECT_TRUE(SDL_RectEquals(&r, &c.expected))
        << c.w << "x" << c.h << " gave " << r.x << "," << r.y << " " << r.w << "x" << r.h;
  }
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
