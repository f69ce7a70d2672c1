// The platform as a whole: files, the device's life, failures the game sees.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/entry.h"
#include "platform/sdl/system/program_folder.h"
#include "platform/sdl/text/message_window.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

TEST(SdlPlatform, AMissingTextureEndsTheGameWithOneLineNamingTheFile) {
  ScratchFolder folder;
  auto platform = MakePlatform(folder.path().string());
  std::ostringstream err;
  EXPECT_EQ(RunGame(*platform, err), 1);
  const std::string line = err.str();
  EXPECT_EQ(line.rfind("spacebattle: run-time error while loading the picture " +
                           folder.path().string() + "/Textures/bar.bmp: ",
                       0),
            0u)
      << line;
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
  EXPECT_FALSE(platform->video().hasScreen()) << "the device is released";
}

// Installed, the program in <prefix>/games reads its files from
// <prefix>/share/games/spacebattle; anywhere else, from its own folder.
TEST(DataFolder, TheInstalledFolderWhenThereIsOneOtherwiseThePrograms) {
  ScratchFolder root;
  const std::string games = root.File("usr/games");
  std::filesystem::create_directories(games);
  EXPECT_EQ(sdl::DataFolderFor(games), games);
  const std::string data = root.File("usr/share/games/spacebattle");
  std::filesystem::create_directories(data);
  EXPECT_EQ(sdl::DataFolderFor(games), data);
  // A file of that name is no data folder.
  const std::string copied = root.File("copy/game");
  std::filesystem::create_directories(copied);
  std::filesystem::create_directories(root.File("copy/share/games"));
  std::ofstream(root.File("copy/share/games/spacebattle")) << "x";
  EXPECT_EQ(sdl::DataFolderFor(copied), copied);
  EXPECT_EQ(sdl::DataFolderFor(""), "");
}

TEST(MessageWindow, ReturnOrAClickOnOkDismissesIt) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  const std::string font = std::string(SB_TEST_DATA_DIR) + "/fonts/DejaVuSans-Bold.ttf";
  SDL_Event key = KeyEvent(SDL_SCANCODE_RETURN, true);
  ASSERT_EQ(SDL_PushEvent(&key), 1);
  EXPECT_TRUE(sdl::ShowMessageWindow("Space Battle", "spacebattle: run-time error", font));
  // Other keys and clicks beside the button leave it open; a click on OK
  // (centred at the bottom of the 640-pixel-wide window) closes it.
  key = KeyEvent(SDL_SCANCODE_A, true);
  SDL_Event beside{}, onOk{};
  beside.type = onOk.type = SDL_MOUSEBUTTONUP;
  beside.button.button = onOk.button.button = SDL_BUTTON_LEFT;
  beside.button.x = beside.button.y = 5;
  onOk.button.x = 320;
  onOk.button.y = 20 + 20 + 20 + 16;  // margin, one line, margin, half the button
  for (SDL_Event* e : {&key, &beside, &onOk, &beside}) ASSERT_EQ(SDL_PushEvent(e), 1);
  EXPECT_TRUE(sdl::ShowMessageWindow("Space Battle", "x", font));
  int leftover = 0;
  for (SDL_Event e; SDL_PollEvent(&e);) leftover += e.type == SDL_MOUSEBUTTONUP;
  EXPECT_EQ(leftover, 1) << "the window should close at the click on OK, and only then";
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
}  // namespace sb::sdltest
