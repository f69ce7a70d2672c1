// Frames that repeat the one on screen are neither drawn nor presented again;
// every other frame is, in full.
#include <gtest/gtest.h>

#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

class RepeatedFrames : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    // A picture of many colours, drawn stretched so that any difference in
    // what reaches the screen shows.
    std::vector<uint32_t> pixels(13 * 7);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint32_t>(i * 0x030507);
    WriteBmp(folder_.File("ship.bmp"), 13, 7, pixels);
    ship_ = Load("ship.bmp");
  }

  // A frame as the selection screen draws it: the whole screen cleared, then
  // a sprite at `x`.
  Screenshot Frame(float x) {
    device_->SetViewport(Viewport{0, 0, 1024, 768, 0, 1});
    device_->Clear(0x203040);
    platform_->sprite().Draw(ship_, {2.5f, 3.5f}, {0, 0}, 0, {x, 200}, 0xFFFFC0A0);
    device_->Present();
    return Screenshot(*platform_);
  }
  uint64_t Repeated() const { return platform_->video().canvas().repeatedFrames(); }

  TextureRef ship_;
};

TEST_F(RepeatedFrames, OnlyAFrameThatRepeatsTheScreenExactlyIsLeftOut) {
  Frame(100);
  const Screenshot shown = Frame(100);  // the platform's stretched copy from here on
  const uint64_t before = Repeated();
  const Screenshot again = Frame(100);
  EXPECT_EQ(Repeated(), before + 1);
  EXPECT_EQ(shown.Differing(again), 0);

  // A pixel further, a fraction of a pixel further, another tint, or
  // another clear colour: each is drawn.
  EXPECT_GT(again.Differing(Frame(101)), 0);
  Frame(101.25f);
  device_->Clear(0x203040);
  platform_->sprite().Draw(ship_, {2.5f, 3.5f}, {0, 0}, 0, {100, 200}, 0xFFFFC0A1);
  device_->Present();
  device_->Clear(0x203041);
  platform_->sprite().Draw(ship_, {2.5f, 3.5f}, {0, 0}, 0, {100, 200}, 0xFFFFC0A1);
  device_->Present();
  EXPECT_EQ(Repeated(), before + 1);
  // Back to the first frame: not what is on screen now, so drawn, and the
  // same pixels as before.
  EXPECT_EQ(shown.Differing(Frame(100)), 0);
  EXPECT_EQ(Repeated(), before + 1);
  // The same frame handed to the renderer before it was presented (as when
  // read back): presented.
  device_->Clear(0x203040);
  platform_->sprite().Draw(ship_, {2.5f, 3.5f}, {0, 0}, 0, {100, 200}, 0xFFFFC0A0);
  platform_->video().canvas().Flush();
  device_->Present();
  EXPECT_EQ(Repeated(), before + 1);
}

TEST_F(RepeatedFrames, AWindowEventOrHalfASecondOfRepeatsDrawsTheFrameAgain) {
  Frame(100);
  Frame(100);
  Frame(100);
  uint64_t repeated = Repeated();
  ASSERT_GT(repeated, 0u);
  EXPECT_TRUE(device_->PresentAgain()) << "a paused game's frame is on screen";

  SDL_Event exposed{};
  exposed.type = SDL_WINDOWEVENT;
  exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
  exposed.window.windowID = SDL_GetWindowID(platform_->video().window());
  ASSERT_EQ(SDL_PushEvent(&exposed), 1) << SDL_GetError();
  RecordingSink sink;
  platform_->window().Yield(sink);
  EXPECT_FALSE(device_->PresentAgain()) << "the game is not asked to draw it again";
  Frame(100);
  EXPECT_EQ(Repeated(), repeated) << "drawn after the window was uncovered";

  // From a drawn frame on: kMaxRepeats left out, then one drawn.
  repeated = Repeated();
  const int round = sdl::Canvas::kMaxRepeats + 1;
  for (int n = 0; n < 2 * round; ++n) Frame(100);
  EXPECT_EQ(Repeated(), repeated + 2 * (round - 1));
}

TEST_F(RepeatedFrames, AFrameDrawnOverTheLastOneIsAlwaysDrawn) {
  device_->Clear(0);
  device_->Present();
  // A quarter-opaque white square over what the last frame left: each frame
  // lightens it further, however alike the frames are.
  WriteBmp(folder_.File("white.bmp"), 8, 8, {0xFFFFFF});
  const TextureRef white = Load("white.bmp");
  int last = 0;
  for (int n = 0; n < 3; ++n) {
    platform_->sprite().Draw(white, {1, 1}, {0, 0}, 0, {500, 500}, 0x40FFFFFF);
    device_->Present();
    const int red = Red(Screenshot(*platform_).At(504, 504));
    EXPECT_GT(red, last + 20) << "frame " << n;
    last = red;
  }
  // Clearing a part of the screen first is no different.
  for (int n = 0; n < 3; ++n) {
    device_->SetViewport(Viewport{872, 0, 128, 128, 0, 1});
    device_->Clear(0x102030);
    device_->SetViewport(Viewport{0, 0, 1024, 768, 0, 1});
    platform_->sprite().Draw(white, {1, 1}, {0, 0}, 0, {500, 500}, 0x40FFFFFF);
    device_->Present();
  }
  EXPECT_GT(Red(Screenshot(*platform_).At(504, 504)), last);
  EXPECT_EQ(Repeated(), 0u);
}

}  // namespace
}  // namespace sb::sdltest
