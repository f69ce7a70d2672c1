// The message window that shows a run-time error.
#include "platform/sdl/text/message_window.h"

#include <gtest/gtest.h>

#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

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
