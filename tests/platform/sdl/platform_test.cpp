// The platform as a whole: files, the device's life, failures the game sees.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstdlib>
#include <sstream>

#include "core/entry.h"
#include "platform/sdl/float_status.h"
#include "platform/sdl/message_window.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

TEST(SdlPlatform, TheProgramFolderIsGivenWithoutATrailingSeparator) {
  ScratchFolder folder;
  auto platform = MakePlatform(folder.path().string() + "/");
  EXPECT_EQ(platform->window().ProgramFolder(), folder.path().string());
  // By default, the folder of the executable.
  auto own = CreateSdlPlatform();
  const std::string exe = own->window().ProgramFolder();
  EXPECT_FALSE(exe.empty());
  EXPECT_NE(exe.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(exe + "/test_platform_sdl"));
}

TEST(SdlPlatform, AMissingTextureEndsTheGameWithOneLineNamingTheFile) {
  ScratchFolder folder;
  auto platform = MakePlatform(folder.path().string());
  std::ostringstream err;
  EXPECT_EQ(RunGame(*platform, err), 1);
  const std::string line = err.str();
  EXPECT_NE(line.find("cannot load texture " + folder.path().string() + "/Textures/bar.bmp"),
            std::string::npos)
      << line;
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
  EXPECT_FALSE(platform->video().hasScreen()) << "the device is released";
}

TEST(SdlPlatform, TheDeviceFillsTheDesktopWithA1024By768LogicalScreen) {
  ScratchFolder folder;
  auto platform = MakePlatform(folder.path().string());
  const DisplayMode mode = platform->window().GetDisplayMode();
  EXPECT_GT(mode.Width, 0u);
  EXPECT_GT(mode.Height, 0u);
  OpenScreen(*platform);
  int w = 0, h = 0;
  SDL_RenderGetLogicalSize(platform->video().renderer(), &w, &h);
  EXPECT_EQ(w, 1024);
  EXPECT_EQ(h, 768);
  EXPECT_NE(SDL_GetWindowFlags(platform->video().window()) & SDL_WINDOW_FULLSCREEN, 0u);
  // The offscreen driver has nothing to accelerate: it draws in software.
  SDL_RendererInfo info;
  ASSERT_EQ(SDL_GetRendererInfo(platform->video().renderer(), &info), 0);
  if (std::getenv("SDL_RENDER_DRIVER") == nullptr) {
    EXPECT_NE(info.flags & SDL_RENDERER_SOFTWARE, 0u) << info.name;
  }
  // Alt+Enter switches to a window and back.
  platform->video().ToggleFullscreen();
  EXPECT_EQ(SDL_GetWindowFlags(platform->video().window()) & SDL_WINDOW_FULLSCREEN, 0u);
  platform->video().ToggleFullscreen();
  EXPECT_NE(SDL_GetWindowFlags(platform->video().window()) & SDL_WINDOW_FULLSCREEN, 0u);
}

TEST(SdlPlatform, DeviceCallsOutsideTheirRulesFail) {
  ScratchFolder folder;
  auto platform = MakePlatform(folder.path().string());
  Device& device = OpenScreen(*platform);
  EXPECT_NE(FailureOf([&] { device.SetViewport(Viewport{900, 0, 128, 128, -1, 100}); }), "");
  EXPECT_NE(FailureOf([&] { device.SetViewport(Viewport{0, 0, 0, 10, -1, 100}); }), "");
  EXPECT_NE(FailureOf([&] { device.SetVertexShader(0x102); }), "");
  EXPECT_NE(FailureOf([&] { device.EndScene(); }), "");
  device.BeginScene();
  EXPECT_NE(FailureOf([&] { device.BeginScene(); }), "");
  device.EndScene();
  EXPECT_NE(FailureOf([&] { device.SetRenderState(kRsSrcBlend, 42); }), "");
}

TEST(SdlPlatform, NothingIsDrawnAfterTheDeviceIsReleased) {
  ScratchFolder folder;
  auto platform = MakePlatform(folder.path().string());
  Device& device = OpenScreen(*platform);
  WriteSolidBmp(folder.File("star.bmp"), 4, 4, 0xFFFFFF);
  TextureRef star = platform->textures().LoadTexture(folder.File("star.bmp"));
  device.SetTexture(star);
  platform->window().ReleaseDevice();
  platform->window().ReleaseDevice();  // a second release is harmless
  EXPECT_NE(FailureOf([&] { device.Present(); }), "");
  EXPECT_NE(FailureOf([&] { platform->sprite().Draw(star, {1, 1}, {0, 0}, 0, {0, 0}, ~0u); }), "");
  // Textures may outlive the platform (the battle table is global).
  platform.reset();
  star.reset();
}

TEST(SdlPlatform, TexturesLoadedBeforeTheDeviceAreUsableAfterwards) {
  ScratchFolder folder;
  auto platform = MakePlatform(folder.path().string());
  WriteSolidBmp(folder.File("early.bmp"), 4, 4, 0x00FF00);
  const TextureRef early = platform->textures().LoadTexture(folder.File("early.bmp"));
  OpenScreen(*platform);
  platform->sprite().Draw(early, {2, 2}, {0, 0}, 0, {10, 10}, 0xFFFFFFFF);
  const Screenshot shot(*platform);
  EXPECT_GE(Green(shot.At(13, 13)), 250);
}

TEST(SdlPlatform, EndProgramUnwindsWithItsStatus) {
  ScratchFolder folder;
  auto platform = MakePlatform(folder.path().string());
  OpenScreen(*platform);
  try {
    platform->window().EndProgram(3);
    FAIL() << "EndProgram returned";
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.status, 3);
  }
}

TEST(MessageWindow, ReturnOrAClickOnOkDismissesIt) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  const std::string font = std::string(SB_TEST_DATA_DIR) + "/fonts/DejaVuSans-Bold.ttf";
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.state = SDL_PRESSED;
  key.key.keysym.scancode = SDL_SCANCODE_RETURN;
  key.key.keysym.sym = SDLK_RETURN;
  ASSERT_EQ(SDL_PushEvent(&key), 1);
  EXPECT_TRUE(sdl::ShowMessageWindow("Space Battle", "spacebattle: run-time error", font));

  // Other keys and clicks beside the button leave it open; a click on OK
  // (centred at the bottom of the 640-pixel-wide window) closes it.
  key.key.keysym.scancode = SDL_SCANCODE_A;
  key.key.keysym.sym = SDLK_a;
  ASSERT_EQ(SDL_PushEvent(&key), 1);
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONUP;
  click.button.button = SDL_BUTTON_LEFT;
  click.button.x = 5;
  click.button.y = 5;
  ASSERT_EQ(SDL_PushEvent(&click), 1);
  SDL_Event onOk = click;
  onOk.button.x = 320;
  onOk.button.y = 20 + 20 + 20 + 16;  // margin, one line, margin, half the button
  ASSERT_EQ(SDL_PushEvent(&onOk), 1);
  EXPECT_TRUE(sdl::ShowMessageWindow("Space Battle", "x", font));
  SDL_Event left;
  int leftover = 0;
  while (SDL_PollEvent(&left)) leftover += left.type == SDL_MOUSEBUTTONUP;
  EXPECT_EQ(leftover, 0) << "the window closed before reaching the click on OK";
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(FloatStatusKeeper, LibraryFaultsDoNotReachTheGamesStatusAndTheGamesStay) {
  volatile float zero = 0.0f;
  std::feclearexcept(FE_ALL_EXCEPT);
  {
    sdl::FloatStatusKeeper keep;
    volatile float nan = zero / zero;  // raised inside a library call
    (void)nan;
  }
  EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
  volatile float inf = 1.0f / zero;  // raised by the game itself
  (void)inf;
  { sdl::FloatStatusKeeper keep; }
  EXPECT_NE(std::fetestexcept(FE_DIVBYZERO), 0);
  std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace sb::sdltest
