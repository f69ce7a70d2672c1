// The game's own screens in windows of the sizes players have: the window
// shows the 1024 x 768 picture scaled and letterboxed, each pixel in the
// colour of the picture pixel it scales from or of a neighbour (scalers may
// round either way), black outside.
#include <gtest/gtest.h>

#include <string>

#include "core/form1.h"
#include "core/key_codes.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

struct Size {
  int w, h;
  SDL_Rect picture;  // where the picture must go
};

// What the window shows, as ARGB pixels.
std::vector<uint32_t> ReadWindow(sdl::Video& video, int w, int h) {
  std::vector<uint32_t> out(static_cast<size_t>(w) * h);
  if (SDL_Surface* surface = video.picture() ? SDL_GetWindowSurface(video.window()) : nullptr) {
    EXPECT_EQ(surface->w, w);
    EXPECT_EQ(surface->h, h);
    EXPECT_EQ(SDL_ConvertPixels(w, h, surface->format->format, surface->pixels, surface->pitch,
                                SDL_PIXELFORMAT_ARGB8888, out.data(), w * 4),
              0)
        << SDL_GetError();
    return out;
  }
  // A hardware renderer: the window's back buffer, made again as shown.
  video.PreparePicture();
  EXPECT_EQ(
      SDL_RenderReadPixels(video.renderer(), nullptr, SDL_PIXELFORMAT_ARGB8888, out.data(), w * 4),
      0)
      << SDL_GetError();
  video.ShowPicture();
  return out;
}

// Window pixels inside the picture's place that match neither the picture
// pixel they scale from nor its neighbours, and bar pixels that are not black.
std::string Mismatches(const Screenshot& picture, const std::vector<uint32_t>& window,
                       const Size& size) {
  int inside = 0, outside = 0;
  std::string first;
  const SDL_Rect& r = size.picture;
  for (int y = 0; y < size.h; ++y) {
    for (int x = 0; x < size.w; ++x) {
      const uint32_t shown = window[static_cast<size_t>(y) * size.w + x] | 0xFF000000u;
      if (x < r.x || y < r.y || x >= r.x + r.w || y >= r.y + r.h) {
        outside += shown != 0xFF000000u;
        continue;
      }
      const int sx = static_cast<int>((int64_t{x - r.x} * 1024) / r.w);
      const int sy = static_cast<int>((int64_t{y - r.y} * 768) / r.h);
      bool found = false;
      for (int py = std::max(sy - 1, 0); py <= std::min(sy + 1, 767) && !found; ++py) {
        for (int px = std::max(sx - 1, 0); px <= std::min(sx + 1, 1023) && !found; ++px)
          found = (picture.At(px, py) | 0xFF000000u) == shown;
      }
      if (!found && inside++ == 0) first = std::to_string(sx) + "," + std::to_string(sy);
    }
  }
  if (inside + outside == 0) return "";
  return std::to_string(inside) + " in the picture (first at its " + first + "), " +
         std::to_string(outside) + " in the bars";
}

class ScreenSizes : public GameTest, public ::testing::WithParamInterface<Size> {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    form_->StartUp();
    // A first frame at the picture's own size, drawn straight into the
    // window's surface, which the resize then makes anew.
    form_->Do_Mouse();
    form_->SelecterRender();
    const Size& size = GetParam();
    // Resized as a window manager would, and pumped until the window system
    // has told SDL and its renderer of the new size (on X11 that comes later).
    SDL_Window* window = platform_->video().window();
    // Out of full screen as Alt+Enter takes it: a window the player can resize.
    ASSERT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN, 0u);
    platform_->video().ToggleFullscreen();
    ASSERT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_RESIZABLE, 0u);
    SDL_AddEventWatch(WatchSize, this);
    SDL_SetWindowSize(window, size.w, size.h);
    RecordingSink sink;
    for (int i = 0; i < 500 && !resized_; ++i) {
      platform_->window().Yield(sink);
      if (!resized_) SDL_Delay(10);
    }
    SDL_DelEventWatch(WatchSize, this);
    // The renderer asked for is the one drawing, not a fallback.
    if (const char* asked = SDL_getenv("SDL_RENDER_DRIVER")) {
      SDL_RendererInfo info;
      ASSERT_EQ(SDL_GetRendererInfo(platform_->video().renderer(), &info), 0);
      ASSERT_STREQ(info.name, asked);
    }
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    ASSERT_TRUE(w == size.w && h == size.h) << "the window is " << w << "x" << h;
  }
  void ExpectWindowShowsPicture(const char* what) {
    const Size& size = GetParam();
    const Screenshot picture(*platform_);
    const std::vector<uint32_t> window = ReadWindow(platform_->video(), size.w, size.h);
    EXPECT_EQ(Mismatches(picture, window, size), "") << what << " at " << size.w << "x" << size.h;
  }

  static int WatchSize(void* self, SDL_Event* event) {
    auto* test = static_cast<ScreenSizes*>(self);
    if (event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_SIZE_CHANGED &&
        event->window.data1 == test->GetParam().w && event->window.data2 == test->GetParam().h) {
      test->resized_ = true;
    }
    return 0;
  }

  bool resized_ = false;
};

TEST_P(ScreenSizes, TheWindowShowsThePictureScaled) {
  Form1& f = *form_;
  f.Do_Mouse();
  f.SelecterRender();
  ExpectWindowShowsPicture("the selection screen");

  // A battle with craft around the player, hit tints of both kinds, wrecks,
  // the station and blips on the radar, a target in the target view.
  StartBattle(f, 5);
  for (int i = 2; i <= 50; ++i) {
    Crafts[i].X = Crafts[0].X + static_cast<float>((i * 37) % 700 - 350);
    Crafts[i].Y = Crafts[0].Y + static_cast<float>((i * 53) % 700 - 350);
    Crafts[i].Heading = i * 0.61;
    if (i % 5 == 0) Crafts[i].ArmourHitTimer = 103;
    if (i % 7 == 0) Crafts[i].ShieldHitTimer = 103;
    if (i % 11 == 0) Crafts[i].Armour = -1;
  }
  Crafts[1].X = Crafts[0].X + 250;
  Crafts[1].Y = Crafts[0].Y - 150;
  Crafts[0].Target = 3;
  // Flying, turning and firing: every frame of it shown right, also where
  // only what changed since the frame before reaches the window.
  for (int key : {keys::kW, keys::kA, keys::kSpace}) f.KeyDown[key] = true;
  for (int pass = 0; pass < 40 && !HasFailure(); ++pass) {
    f.AI();
    f.Physics();
    f.Renderme();
    ExpectWindowShowsPicture(("battle frame " + std::to_string(pass)).c_str());
  }

  // One race left: its banner.
  for (int i = 1; i <= 50; ++i) {
    if (Crafts[i].Race != Crafts[0].Race) Crafts[i].Armour = -1;
  }
  f.Renderme();
  ExpectWindowShowsPicture("the win banner");
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenSizes,
    ::testing::Values(Size{1024, 768, {0, 0, 1024, 768}}, Size{1280, 800, {107, 0, 1066, 800}},
                      Size{1366, 768, {171, 0, 1024, 768}}, Size{1920, 1080, {240, 0, 1440, 1080}},
                      Size{1600, 1200, {0, 0, 1600, 1200}}, Size{2560, 1440, {320, 0, 1920, 1440}},
                      Size{800, 600, {0, 0, 800, 600}}),
    [](const ::testing::TestParamInfo<Size>& param) {
      return std::to_string(param.param.w) + "x" + std::to_string(param.param.h);
    });

}  // namespace
}  // namespace sb::sdltest
