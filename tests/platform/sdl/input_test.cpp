// Keyboard, mouse and window events pushed into SDL's queue, delivered at the
// yield the way the game's loops expect.
#include <gtest/gtest.h>

#include "core/form1.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr int32_t kKeyboardEvent = 7;

// Reads the keyboard on every notification, as the game's callback does.
class RecordingSink : public NotificationSink {
 public:
  explicit RecordingSink(Keyboard& keyboard) : keyboard_(keyboard) {}
  void DirectXEvent8_DXCallback(int32_t eventid) override {
    events.push_back(eventid);
    keyboard_.GetDeviceState(state);
    records.clear();
    InputRecord buffer[64];
    const int n = keyboard_.GetDeviceData(buffer, 64);
    records.assign(buffer, buffer + n);
  }
  void Form_Unload(int16_t cancel) override { unloads.push_back(cancel); }

  std::vector<int32_t> events;
  std::vector<int16_t> unloads;
  uint8_t state[256] = {};
  std::vector<InputRecord> records;

 private:
  Keyboard& keyboard_;
};

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_ = MakePlatform(folder_.path().string());
    OpenScreen(*platform_);
    Keyboard& keyboard = platform_->keyboard();
    keyboard.SetBufferSize(100000);
    keyboard.SetEventNotification(kKeyboardEvent);
    keyboard.Acquire();
    platform_->mouse().SetBufferSize(100000);
    platform_->mouse().Acquire();
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);  // window start-up events
  }

  void Key(SDL_Scancode scancode, bool down, bool repeat = false) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = SDL_GetWindowID(platform_->video().window());
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat ? 1 : 0;
    e.key.keysym.scancode = scancode;
    e.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
  }

  void Push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }

  ScratchFolder folder_;
  std::unique_ptr<sdl::SdlPlatform> platform_;
};

TEST_F(InputTest, AllKeysOfAPassMakeOneNotificationAtTheYield) {
  RecordingSink sink(platform_->keyboard());
  Key(SDL_SCANCODE_W, true);
  Key(SDL_SCANCODE_SPACE, true);
  EXPECT_TRUE(sink.events.empty()) << "nothing before the yield";
  platform_->window().Yield(sink);
  ASSERT_EQ(sink.events, std::vector<int32_t>{kKeyboardEvent});
  EXPECT_EQ(sink.state[17], 0x80);
  EXPECT_EQ(sink.state[57], 0x80);
  EXPECT_EQ(sink.state[30], 0);
  ASSERT_EQ(sink.records.size(), 2u);
  EXPECT_EQ(sink.records[0].Offset, 17u);
  EXPECT_EQ(sink.records[0].Data, 0x80u);
  EXPECT_EQ(sink.records[1].Offset, 57u);

  // A quiet pass: no notification.
  platform_->window().Yield(sink);
  EXPECT_EQ(sink.events.size(), 1u);

  Key(SDL_SCANCODE_W, false);
  platform_->window().Yield(sink);
  ASSERT_EQ(sink.events.size(), 2u);
  EXPECT_EQ(sink.state[17], 0);
  EXPECT_EQ(sink.state[57], 0x80);
  ASSERT_EQ(sink.records.size(), 1u);
  EXPECT_EQ(sink.records[0].Data, 0u);
}

TEST_F(InputTest, ReleasingAAndPressingDInOnePassLeavesOnlyDHeldInTheGame) {
  auto form = std::make_unique<Form1>(*platform_);
  form->KeyboardEvent = kKeyboardEvent;
  Key(SDL_SCANCODE_A, true);
  platform_->window().Yield(*form);
  EXPECT_TRUE(form->KeyDown[30]);
  Key(SDL_SCANCODE_A, false);
  Key(SDL_SCANCODE_D, true);
  platform_->window().Yield(*form);
  EXPECT_TRUE(form->KeyDown[32]);
  EXPECT_FALSE(form->KeyDown[30]);
}

TEST_F(InputTest, AKeyTappedWithinOnePassIsHeldForOnePass) {
  auto form = std::make_unique<Form1>(*platform_);
  form->KeyboardEvent = kKeyboardEvent;
  Key(SDL_SCANCODE_ESCAPE, true);
  Key(SDL_SCANCODE_ESCAPE, false);
  platform_->window().Yield(*form);
  EXPECT_TRUE(form->KeyDown[1]);
  // The release reaches the game at the next yield, without a new event.
  platform_->window().Yield(*form);
  EXPECT_FALSE(form->KeyDown[1]);
  // A tap of a key that stays held elsewhere does not disturb it.
  Key(SDL_SCANCODE_W, true);
  platform_->window().Yield(*form);
  Key(SDL_SCANCODE_SPACE, true);
  Key(SDL_SCANCODE_SPACE, false);
  platform_->window().Yield(*form);
  EXPECT_TRUE(form->KeyDown[17]);
  EXPECT_TRUE(form->KeyDown[57]);
  platform_->window().Yield(*form);
  EXPECT_TRUE(form->KeyDown[17]);
  EXPECT_FALSE(form->KeyDown[57]);
}

TEST_F(InputTest, KeyRepeatsAreNotNewPresses) {
  RecordingSink sink(platform_->keyboard());
  Key(SDL_SCANCODE_N, true);
  platform_->window().Yield(sink);
  ASSERT_EQ(sink.events.size(), 1u);
  Key(SDL_SCANCODE_N, true, true);
  Key(SDL_SCANCODE_N, true, true);
  platform_->window().Yield(sink);
  EXPECT_EQ(sink.events.size(), 1u);
  uint8_t state[256];
  platform_->keyboard().GetDeviceState(state);
  EXPECT_EQ(state[49], 0x80);
  InputRecord none[4];
  EXPECT_EQ(platform_->keyboard().GetDeviceData(none, 4), 0);
}

TEST_F(InputTest, TheKeyboardBufferKeepsTheFirstRecordsWhenFull) {
  platform_->keyboard().SetBufferSize(3);
  RecordingSink sink(platform_->keyboard());
  for (SDL_Scancode s : {SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3, SDL_SCANCODE_4}) {
    Key(s, true);
  }
  platform_->window().Yield(sink);
  ASSERT_EQ(sink.records.size(), 3u);
  EXPECT_EQ(sink.records[2].Offset, 4u);
  EXPECT_EQ(sink.state[5], 0x80) << "the state still sees every key";
}

TEST_F(InputTest, MouseMovementAndTheLeftButtonAreBufferedRecords) {
  RecordingSink sink(platform_->keyboard());
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.windowID = SDL_GetWindowID(platform_->video().window());
  motion.motion.xrel = -20;
  motion.motion.yrel = 5;
  Push(motion);
  SDL_Event button{};
  button.type = SDL_MOUSEBUTTONDOWN;
  button.button.button = SDL_BUTTON_LEFT;
  button.button.state = SDL_PRESSED;
  Push(button);
  button.type = SDL_MOUSEBUTTONUP;
  button.button.state = SDL_RELEASED;
  Push(button);
  platform_->window().Yield(sink);
  EXPECT_TRUE(sink.events.empty());

  InputRecord records[10];
  const int n = platform_->mouse().GetDeviceData(records, 10);
  ASSERT_EQ(n, 4);
  EXPECT_EQ(records[0].Offset, kMouseOffsetX);
  EXPECT_EQ(static_cast<int32_t>(records[0].Data), -20);
  EXPECT_EQ(records[1].Offset, kMouseOffsetY);
  EXPECT_EQ(static_cast<int32_t>(records[1].Data), 5);
  EXPECT_EQ(records[2].Offset, kMouseOffsetButton0);
  EXPECT_EQ(records[2].Data, 0x80u);
  EXPECT_EQ(records[3].Offset, kMouseOffsetButton0);
  EXPECT_EQ(records[3].Data, 0u);
  EXPECT_EQ(platform_->mouse().GetDeviceData(records, 10), 0) << "records are taken once";
}

TEST_F(InputTest, ClosingTheWindowUnloadsTheGameAtTheYield) {
  RecordingSink sink(platform_->keyboard());
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  close.window.windowID = SDL_GetWindowID(platform_->video().window());
  Push(close);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  Push(quit);
  platform_->window().Yield(sink);
  EXPECT_EQ(sink.unloads, std::vector<int16_t>{1}) << "one unload for both close events";
}

TEST_F(InputTest, TheGameEndsCleanlyWhenItsWindowIsClosed) {
  auto form = std::make_unique<Form1>(*platform_);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  Push(quit);
  try {
    platform_->window().Yield(*form);
    FAIL() << "the program did not end";
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.status, 0);
  }
  EXPECT_FALSE(platform_->video().hasScreen()) << "the device was released";
}

}  // namespace
}  // namespace sb::sdltest
