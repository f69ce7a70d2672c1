// The canvas uses a fast path only when it draws its check quads exactly as
// SDL does; a path spoiled on purpose is left out, and the picture is then
// SDL's own.
#include "platform/sdl/canvas/fast_path_check.h"

#include <gtest/gtest.h>

#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

using sdl::FastPath;

// Paints what the spoiled path made in one colour.
FastPath spoiledPath = FastPath::TurnedQuads;
void Spoil(FastPath path, SDL_Surface* pixels, const SDL_Rect& area) {
  if (path != spoiledPath || area.w <= 0 || area.h <= 0) return;
  SDL_Rect box = area;
  SDL_FillRect(pixels, &box, SDL_MapRGB(pixels->format, 255, 0, 255));
}

class FastPathCheck : public ::testing::TestWithParam<FastPath> {
 protected:
  void TearDown() override { sdl::SetFastPathSpoiler(nullptr); }

  // A platform on the software renderer with a picture of many colours and
  // holes; `spoilFirst` sets the spoiler before the screen opens.
  std::unique_ptr<sdl::SdlPlatform> Start(bool spoilFirst) {
    sdl::SetFastPathSpoiler(spoilFirst ? Spoil : nullptr);
    auto platform = MakePlatform(folder_.path().string());
    OpenScreen(*platform);
    std::vector<uint32_t> pixels(13 * 7);
    for (size_t i = 0; i < pixels.size(); ++i) {
      pixels[i] = i % 5 == 0 ? 0 : static_cast<uint32_t>(i * 0x0B0713);
    }
    WriteBmp(folder_.File("ship.bmp"), 13, 7, pixels);
    ship_ = platform->textures().LoadTexture(folder_.path().string() + "\\ship.bmp");
    return platform;
  }

  // Turned, stretched, half-turned (negative scales), tinted and
  // half-transparent sprites, at fractional corners that truncate
  // differently, some across the screen's edges, drawn for three frames (the
  // stretch cache makes its copies in the second); the last frame's picture.
  Screenshot Scene(sdl::SdlPlatform& platform) {
    SpriteDrawer& sprite = platform.sprite();
    const uint32_t white = 0xFFFFFFFF;
    for (int frame = 0;; ++frame) {
      platform.device().Clear(0x203040);
      sprite.Draw(ship_, {2.37f, 3.1f}, {6, 3}, 0.7f, {300.4f, 200.7f}, 0x80FFC0A0);
      sprite.Draw(ship_, {4, 4}, {6, 3}, 2.2f, {-10.5f, 600.2f}, white);
      sprite.Draw(ship_, {5.5f, 4.25f}, {0, 0}, 0, {100.4f, 400.2f}, white);
      sprite.Draw(ship_, {5.5f, 4.25f}, {0, 0}, 0, {-20.6f, 440.2f}, white);
      sprite.Draw(ship_, {-3.3f, -2.1f}, {0, 0}, 0, {700.7f, 500.1f}, 0xC0A0FFFF);
      sprite.Draw(ship_, {-2.37f, -3.1f}, {0, 0}, 0, {450.4f, 100.7f}, 0x80FFC0A0);
      sprite.Draw(ship_, {-1, -1}, {0, 0}, 0, {500, 100}, white);
      sprite.Draw(ship_, {-1, -1}, {0, 0}, 0, {600.5f, 100.5f}, white);
      sprite.Draw(ship_, {-5.5f, -4.25f}, {0, 0}, 0, {30.6f, 300.2f}, white);
      sprite.Draw(ship_, {-3.3f, -3.3f}, {0, 0}, 0, {800.7f, 780.1f}, white);
      sprite.Draw(ship_, {-0.77f, -0.61f}, {0, 0}, 0, {850.3f, 300.9f}, white);
      if (frame == 2) return Screenshot(platform);
      platform.device().Present();
    }
  }

  ScratchFolder folder_;
  TextureRef ship_;
};

TEST(FastPathChoice, HardwareRenderersCullOnly) {
  const sdl::FastPaths hardware = sdl::ChooseFastPaths(nullptr);
  EXPECT_TRUE(hardware.culling);
  EXPECT_FALSE(hardware.stretchCache || hardware.turnedQuads || hardware.keepPixels());
}

TEST_P(FastPathCheck, ASpoiledPathIsLeftOutAndThePictureIsSdls) {
  spoiledPath = GetParam();
  // The picture as SDL draws it (every path on draws it the same).
  const Screenshot bySdl = Scene(*Start(false));

  // Spoiled after the check, the path is used (every path passes on this
  // SDL) and its spoiling shows: the scene does take the path.
  {
    auto platform = Start(false);
    const sdl::FastPaths all = platform->video().canvas().fastPaths();
    EXPECT_TRUE(all.culling && all.stretchCache && all.turnedQuads);
    sdl::SetFastPathSpoiler(Spoil);
    EXPECT_GT(Scene(*platform).Differing(bySdl), 20);
  }

  // Spoiled before the check: left out, the others kept, the picture SDL's.
  auto platform = Start(true);
  const sdl::Canvas& canvas = platform->video().canvas();
  const sdl::FastPaths paths = canvas.fastPaths();
  EXPECT_EQ(paths.turnedQuads, GetParam() != FastPath::TurnedQuads);
  EXPECT_EQ(paths.stretchCache, GetParam() != FastPath::StretchCache);
  EXPECT_TRUE(paths.culling);
  EXPECT_EQ(Scene(*platform).Differing(bySdl), 0);
  if (GetParam() == FastPath::TurnedQuads) {
    EXPECT_EQ(canvas.turnedQuadsDrawn(), 0u);
  }
}

std::string PathName(const ::testing::TestParamInfo<FastPath>& path) {
  return path.param == FastPath::TurnedQuads ? "TurnedQuads" : "StretchCache";
}

INSTANTIATE_TEST_SUITE_P(Paths, FastPathCheck,
                         ::testing::Values(FastPath::TurnedQuads, FastPath::StretchCache),
                         PathName);

}  // namespace
}  // namespace sb::sdltest
