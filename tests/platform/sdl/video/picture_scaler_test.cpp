// Scaling the finished picture into the window by the nearest pixel.
#include "platform/sdl/video/picture_scaler.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace sb::sdltest {
namespace {

struct Surface {
  SDL_Surface* s;
  Surface(int w, int h, uint32_t format = SDL_PIXELFORMAT_RGB888)
      : s(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, format)) {}
  ~Surface() { SDL_FreeSurface(s); }
  uint32_t& At(int x, int y) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch)[x];
  }
};

TEST(PictureScaler, WholeScalesGiveBlocksAndOthersStayInsideTheirPlace) {
  Surface picture(4, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) picture.At(x, y) = 0x010000u * (x + 1) + (y + 1);
  }
  sdl::PictureScaler scaler;
  // Twice the size, one pixel in from the corner: 2x2 blocks, nothing else
  // touched.
  Surface window(10, 8);
  ASSERT_TRUE(scaler.Scale(picture.s, window.s, SDL_Rect{1, 1, 8, 6}));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 1 && x < 9 && y >= 1 && y < 7;
      EXPECT_EQ(window.At(x, y), inside ? picture.At((x - 1) / 2, (y - 1) / 2) : 0u)
          << x << "," << y;
    }
  }
  // Half the size: every other pixel; the same scaler with a new size.
  Surface small(2, 2);
  ASSERT_TRUE(scaler.Scale(picture.s, small.s, SDL_Rect{0, 0, 2, 2}));
  EXPECT_EQ(small.At(1, 0), picture.At(2, 0));
  EXPECT_EQ(small.At(1, 1), picture.At(2, 1));
  // An uneven scale still starts and ends on the picture's corners.
  Surface odd(7, 5);
  ASSERT_TRUE(scaler.Scale(picture.s, odd.s, SDL_Rect{0, 0, 7, 5}));
  EXPECT_EQ(odd.At(0, 0), picture.At(0, 0));
  EXPECT_EQ(odd.At(6, 4), picture.At(3, 2));
}

TEST(PictureScaler, RefusesWhatItCannotScaleWithoutTouchingIt) {
  Surface picture(4, 3), window(8, 6), other(8, 6, SDL_PIXELFORMAT_ARGB8888);
  sdl::PictureScaler scaler;
  EXPECT_FALSE(scaler.Scale(picture.s, other.s, SDL_Rect{0, 0, 8, 6}));   // another format
  EXPECT_FALSE(scaler.Scale(picture.s, window.s, SDL_Rect{1, 0, 8, 6}));  // spills over
  EXPECT_FALSE(scaler.Scale(picture.s, window.s, SDL_Rect{0, 0, 0, 6}));  // no area
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) EXPECT_EQ(window.At(x, y), 0u);
  }
}

}  // namespace
}  // namespace sb::sdltest
