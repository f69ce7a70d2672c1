// Keyboard and window events pushed into SDL's queue, delivered at the
// yield the way the game's loops expect.
#include <gtest/gtest.h>

#include "core/form1.h"
#include "core/key_codes.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr int32_t kKeyboardEvent = 7;

class InputTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    Keyboard& keyboard = platform_->keyboard();
    keyboard.SetBufferSize(100000);
    keyboard.SetEventNotification(kKeyboardEvent);
    keyboard.Acquire();
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);  // window start-up events
    form_ = std::make_unique<Form1>(*platform_);
    form_->KeyboardEvent = kKeyboardEvent;
  }

  void Push(SDL_Event e) {
    e.key.windowID = SDL_GetWindowID(platform_->video().window());  // same place in every kind
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
  }

  void Key(SDL_Scancode scancode, bool down) { PushKey(*platform_, scancode, down); }

  // Yields once to the game's own form.
  void Pass() { platform_->window().Yield(*form_); }

  std::unique_ptr<Form1> form_;
};

TEST_F(InputTest, EveryChangeOfAPassReachesTheGameOnce) {
  Key(SDL_SCANCODE_A, true);
  Pass();
  EXPECT_TRUE(form_->KeyDown[keys::kA]);
  Key(SDL_SCANCODE_A, false);  // released A and pressed D in one pass: only D is held
  Key(SDL_SCANCODE_D, true);
  Pass();
  EXPECT_TRUE(form_->KeyDown[keys::kD]);
  EXPECT_FALSE(form_->KeyDown[keys::kA]);
  // A key tapped within one pass is held for one pass.
  Key(SDL_SCANCODE_W, true);  // held throughout
  Key(SDL_SCANCODE_SPACE, true);
  Key(SDL_SCANCODE_SPACE, false);
  Pass();
  EXPECT_TRUE(form_->KeyDown[keys::kSpace]);
  // The release reaches the game at the next yield, without a new event.
  Pass();
  EXPECT_FALSE(form_->KeyDown[keys::kSpace]);
  EXPECT_TRUE(form_->KeyDown[keys::kW]);
}

TEST_F(InputTest, ClosingTheWindowUnloadsTheGameAtTheYield) {
  RecordingSink sink;
  SDL_Event close{SDL_WINDOWEVENT};
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  Push(close);
  Push(SDL_Event{SDL_QUIT});
  platform_->window().Yield(sink);
  EXPECT_EQ(sink.unloads, std::vector<int16_t>{1}) << "one unload for both close events";
}

}  // namespace
}  // namespace sb::sdltest
