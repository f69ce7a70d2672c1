// Scaling the finished picture into the window by the nearest pixel.
#include "platform/sdl/video/picture_scaler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

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

// Scales the whole of `from` (a scaler that has seen nothing yet).
bool ScaleAll(const Surface& from, Surface& to, const SDL_Rect& place) {
  std::vector<SDL_Rect> changed;
  return sdl::PictureScaler().ScaleChanges(from.s, to.s, place, changed);
}

TEST(PictureScaler, WholeScalesGiveBlocksAndOthersStayInsideTheirPlace) {
  Surface picture(4, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) picture.At(x, y) = 0x010000u * (x + 1) + (y + 1);
  }
  // Twice the size, one pixel in from the corner: 2x2 blocks, nothing else
  // touched.
  Surface window(10, 8);
  ASSERT_TRUE(ScaleAll(picture, window, SDL_Rect{1, 1, 8, 6}));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 1 && x < 9 && y >= 1 && y < 7;
      EXPECT_EQ(window.At(x, y), inside ? picture.At((x - 1) / 2, (y - 1) / 2) : 0u)
          << x << "," << y;
    }
  }
  // Half the size: every other pixel.
  Surface small(2, 2);
  ASSERT_TRUE(ScaleAll(picture, small, SDL_Rect{0, 0, 2, 2}));
  EXPECT_EQ(small.At(1, 0), picture.At(2, 0));
  EXPECT_EQ(small.At(1, 1), picture.At(2, 1));
  // An uneven scale still starts and ends on the picture's corners.
  Surface odd(7, 5);
  ASSERT_TRUE(ScaleAll(picture, odd, SDL_Rect{0, 0, 7, 5}));
  EXPECT_EQ(odd.At(0, 0), picture.At(0, 0));
  EXPECT_EQ(odd.At(6, 4), picture.At(3, 2));
}

TEST(PictureScaler, RefusesWhatItCannotScaleWithoutTouchingIt) {
  Surface picture(4, 3), window(8, 6), other(8, 6, SDL_PIXELFORMAT_ARGB8888);
  EXPECT_FALSE(ScaleAll(picture, other, SDL_Rect{0, 0, 8, 6}));   // another format
  EXPECT_FALSE(ScaleAll(picture, window, SDL_Rect{1, 0, 8, 6}));  // spills over
  EXPECT_FALSE(ScaleAll(picture, window, SDL_Rect{0, 0, 0, 6}));  // no area
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) EXPECT_EQ(window.At(x, y), 0u);
  }
}

// Frame after frame, only what changed is scaled and reported, and the
// window always ends up as the whole picture scaled afresh would leave it.
TEST(PictureScaler, LaterFramesScaleOnlyTheBandsThatChanged) {
  constexpr int kW = 40, kH = 160;      // ten bands
  const SDL_Rect place{3, 2, 56, 224};  // 1.4 times, in bars
  Surface picture(kW, kH), window(62, 228), fresh(62, 228);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) picture.At(x, y) = 0x10101u * static_cast<uint32_t>(x + y);
  }
  sdl::PictureScaler scaler;
  std::vector<SDL_Rect> changed;
  const auto expectWindowIsFresh = [&] {
    ASSERT_TRUE(ScaleAll(picture, fresh, place));
    for (int y = 0; y < 228; ++y) {
      for (int x = 0; x < 62; ++x) ASSERT_EQ(window.At(x, y), fresh.At(x, y)) << x << "," << y;
    }
  };
  ASSERT_TRUE(scaler.ScaleChanges(picture.s, window.s, place, changed));
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_TRUE(SDL_RectEquals(&changed[0], &place));
  // Nothing changed: only the band whose turn it is, shown whole.
  ASSERT_TRUE(scaler.ScaleChanges(picture.s, window.s, place, changed));
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].w, place.w);
  EXPECT_LE(changed[0].h, 23);

  struct Step {
    std::vector<SDL_Point> pixels;  // changed this frame
    bool forget;                    // the window was cleared in between
  };
  const Step steps[] = {
      {{{0, 0}}, false},                      // a corner
      {{{39, 159}, {39, 0}}, false},          // the far corners, bands apart
      {{{5, 17}, {30, 18}, {6, 31}}, false},  // across a band's edge
      {{{20, 20}}, true},                     // after the window was cleared
  };
  uint32_t colour = 0xABCDEFu;
  for (const Step& step : steps) {
    for (const SDL_Point& p : step.pixels) picture.At(p.x, p.y) = colour++;
    if (step.forget) {
      scaler.Forget();
      SDL_FillRect(window.s, nullptr, 0);
    }
    ASSERT_TRUE(scaler.ScaleChanges(picture.s, window.s, place, changed));
    expectWindowIsFresh();
    // Every changed pixel's window block lies within a reported rectangle,
    // and what is reported is far less than the window.
    int area = 0;
    for (const SDL_Rect& r : changed) area += r.w * r.h;
    if (!step.forget) {
      EXPECT_LT(area, place.w * place.h / 3);
    }
    for (const SDL_Point& p : step.pixels) {
      const SDL_Point corner{place.x + (p.x * place.w + kW - 1) / kW,
                             place.y + (p.y * place.h + kH - 1) / kH};
      bool inside = false;
      for (const SDL_Rect& r : changed) inside = inside || SDL_PointInRect(&corner, &r);
      EXPECT_TRUE(inside) << p.x << "," << p.y;
    }
  }
  // A window pixel lost behind the scaler's back is back within ten frames.
  window.At(30, 200) = 0x123456u;
  for (int frame = 0; frame < 10; ++frame) scaler.ScaleChanges(picture.s, window.s, place, changed);
  expectWindowIsFresh();
  // Another place in the window: scaled whole again.
  const SDL_Rect moved{0, 0, 56, 224};
  ASSERT_TRUE(scaler.ScaleChanges(picture.s, window.s, moved, changed));
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_TRUE(SDL_RectEquals(&changed[0], &moved));
}

}  // namespace
}  // namespace sb::sdltest
