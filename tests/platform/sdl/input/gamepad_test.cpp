// Game controllers made with SDL's virtual joysticks, read through the real
// SDL platform: the keys they hold beside the keyboard, plugging and
// unplugging, Back + Start, and the selection cursor.
#include <gtest/gtest.h>

#include <vector>

#include "core/craft.h"
#include "core/form1.h"
#include "core/key_codes.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

// A virtual pad in SDL's standard layout: button i is SDL_CONTROLLER_BUTTON
// i and axis i is SDL_CONTROLLER_AXIS i.
class VirtualPad {
 public:
  VirtualPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Test pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    EXPECT_GE(index, 0) << SDL_GetError();
    id_ = SDL_JoystickGetDeviceInstanceID(index);
    joystick_ = SDL_JoystickOpen(index);
    EXPECT_NE(joystick_, nullptr) << SDL_GetError();
  }
  ~VirtualPad() { Unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  void Button(int b, bool down) {
    ASSERT_EQ(SDL_JoystickSetVirtualButton(joystick_, b, down ? 1 : 0), 0) << SDL_GetError();
  }
  // Sticks -32768..32767; triggers 0..32767, which SDL reads from the
  // whole range of the pad's own axis.
  void Axis(int a, int value) {
    if (a == SDL_CONTROLLER_AXIS_TRIGGERLEFT || a == SDL_CONTROLLER_AXIS_TRIGGERRIGHT) {
      value = value * 2 - 32767;
    }
    ASSERT_EQ(SDL_JoystickSetVirtualAxis(joystick_, a, static_cast<Sint16>(value)), 0)
        << SDL_GetError();
  }
  // SDL samples a virtual pad when it updates its joysticks: this makes the
  // values set so far one sample, as a real pad's report would be.
  static void Sample() { SDL_JoystickUpdate(); }
  void Unplug() {
    if (joystick_ == nullptr) return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
      if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
    }
  }

 private:
  SDL_JoystickID id_ = -1;
  SDL_Joystick* joystick_ = nullptr;
};

class Gamepad : public GameTest {
 protected:
  void SetUp() override {
    // SDL drops pad events while none of the program's windows has the
    // keyboard focus, and an offscreen window never gets it.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    GameTest::SetUp();
    form_->Intialize();  // screen, keyboard and mouse as the game sets them up
  }
  void TearDown() override {
    pads_.clear();
    GameTest::TearDown();
  }

  VirtualPad& Plug() {
    pads_.push_back(std::make_unique<VirtualPad>());
    return *pads_.back();
  }
  // Yields once to the game's own form; the first yield starts the pads.
  void Pass() { platform_->window().Yield(*form_); }
  // A pad plugged in once the pads are started, and seen by the game.
  VirtualPad& PlugStarted() {
    Pass();
    VirtualPad& pad = Plug();
    Pass();
    return pad;
  }
  // The battle keys and Escape held in the key table.
  std::vector<int> Held() const {
    std::vector<int> held;
    if (form_->KeyDown[keys::kEscape]) held.push_back(keys::kEscape);
    for (int k : keys::kBattleKeys) {
      if (form_->KeyDown[k]) held.push_back(k);
    }
    return held;
  }
  void Key(SDL_Scancode scancode, bool down) { PushKey(*platform_, scancode, down); }
  // The cursor movement waiting in the mouse.
  struct MouseRecords {
    int x = 0, y = 0;
  };
  MouseRecords TakeMouse() {
    MouseRecords out;
    InputRecord records[256];
    int n;
    while ((n = platform_->mouse().GetDeviceData(records, 256)) > 0) {
      for (int i = 0; i < n; ++i) {
        const auto data = static_cast<int32_t>(records[i].Data);
        if (records[i].Offset == kMouseOffsetX) out.x += data;
        if (records[i].Offset == kMouseOffsetY) out.y += data;
      }
    }
    return out;
  }

  std::vector<std::unique_ptr<VirtualPad>> pads_;
};

constexpr int kFull = 32767;

TEST_F(Gamepad, PadAndKeyboardHoldAKeyTogether) {
  VirtualPad& pad = PlugStarted();
  Key(SDL_SCANCODE_W, true);
  pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, kFull);
  Pass();
  EXPECT_EQ(Held(), std::vector<int>{keys::kW});
  Key(SDL_SCANCODE_W, false);  // the trigger still holds it
  Pass();
  EXPECT_EQ(Held(), std::vector<int>{keys::kW});
  Key(SDL_SCANCODE_W, true);
  Pass();
  pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);  // now the key holds it
  Pass();
  EXPECT_EQ(Held(), std::vector<int>{keys::kW});
  Key(SDL_SCANCODE_W, false);
  Pass();
  EXPECT_EQ(Held(), std::vector<int>{});
  // The pad and the keyboard holding different keys at once.
  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  Key(SDL_SCANCODE_D, true);
  Pass();
  EXPECT_EQ(Held(), (std::vector<int>{keys::kD, keys::kSpace}));
}

TEST_F(Gamepad, APressAndReleaseWithinOnePassIsHeldForOnePass) {
  VirtualPad& pad = PlugStarted();
  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  VirtualPad::Sample();
  pad.Button(SDL_CONTROLLER_BUTTON_A, false);
  VirtualPad::Sample();
  EXPECT_EQ(Held(), std::vector<int>{}) << "nothing changes between yields";
  Pass();
  EXPECT_EQ(Held(), std::vector<int>{keys::kSpace});
  Pass();  // the release arrives without a new event
  EXPECT_EQ(Held(), std::vector<int>{});
}

TEST_F(Gamepad, UnpluggingAPadReleasesEveryKeyItHeld) {
  Pass();
  VirtualPad& first = Plug();
  VirtualPad& second = Plug();
  Pass();
  ASSERT_EQ(platform_->gamepads().count(), 2u);
  first.Button(SDL_CONTROLLER_BUTTON_Y, true);
  first.Axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, kFull);
  first.Axis(SDL_CONTROLLER_AXIS_LEFTX, -kFull);
  second.Button(SDL_CONTROLLER_BUTTON_Y, true);
  Key(SDL_SCANCODE_SPACE, true);
  Pass();
  EXPECT_EQ(Held(), (std::vector<int>{keys::kA, keys::kLShift, keys::kN, keys::kSpace}));
  first.Unplug();
  Pass();
  EXPECT_EQ(platform_->gamepads().count(), 1u);
  // N stays held by the second pad, Space by the keyboard.
  EXPECT_EQ(Held(), (std::vector<int>{keys::kN, keys::kSpace}));
  second.Unplug();
  Pass();
  EXPECT_EQ(Held(), std::vector<int>{keys::kSpace});
}

TEST_F(Gamepad, APadPresentAtStartIsOpenedWithWhatItAlreadyHolds) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
  VirtualPad& pad = Plug();
  pad.Button(SDL_CONTROLLER_BUTTON_B, true);
  VirtualPad::Sample();
  Pass();
  EXPECT_EQ(platform_->gamepads().count(), 1u);
  EXPECT_EQ(Held(), std::vector<int>{keys::kRight});
  pads_.clear();
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

// Start alone is Pause and Back alone the controller's Back, each for one pass.
TEST_F(Gamepad, StartOrBackTappedWithinOnePassHoldTheirKeyForOnePass) {
  VirtualPad& pad = PlugStarted();
  for (const auto& [button, key] : {std::pair{SDL_CONTROLLER_BUTTON_START, keys::kPause},
                                    {SDL_CONTROLLER_BUTTON_BACK, keys::kControllerBack}}) {
    pad.Button(button, true);
    VirtualPad::Sample();
    pad.Button(button, false);
    Pass();
    EXPECT_TRUE(form_->KeyDown[key]) << key;
    EXPECT_FALSE(form_->KeyDown[keys::kEscape]);
    Pass();
    EXPECT_FALSE(form_->KeyDown[key]) << key;
  }
}

TEST_F(Gamepad, TheCursorMovesAtASpeedThatGrowsWithDeflection) {
  VirtualPad& pad = PlugStarted();
  sdl::Gamepads& pads = platform_->gamepads();
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, kFull);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, -20000);
  Pass();
  TakeMouse();
  pads.Advance(0.5);
  const MouseRecords fast = TakeMouse();
  EXPECT_EQ(fast.x, 300) << "full deflection: 600 pixels a second";
  EXPECT_LT(fast.y, 0);
  EXPECT_GT(fast.y, -150);
  // Short steps add up to the same distance: fractions of a pixel are kept.
  for (int i = 0; i < 100; ++i) pads.Advance(0.005);
  const MouseRecords steps = TakeMouse();
  EXPECT_EQ(steps.x, 300);
  EXPECT_NEAR(steps.y, fast.y, 1);
  // The d-pad moves at the top speed.
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
  pad.Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  Pass();
  TakeMouse();
  pads.Advance(0.25);
  const MouseRecords down = TakeMouse();
  EXPECT_EQ(down.x, 0);
  EXPECT_EQ(down.y, 150);
}

TEST_F(Gamepad, ACursorMovedOntoStartAndAClickStartTheBattle) {
  Form1& f = *form_;
  f.DesignSTUFF();
  f.SelectionActive = true;
  f.SelectedDesign = 1;
  f.CheckWhichCraft();
  f.buildDisp();
  const auto selectionPass = [&f] {
    f.Do_Mouse();
    f.SelecterRender();
    f.EndOfPass();
  };
  selectionPass();
  VirtualPad& pad = Plug();
  // Down and a little to the right, from the top-left corner to Start at
  // (0, 350) to (128, 414); a generous bound on the passes it may take. A
  // partial deflection keeps each pass's step (at most 0.1 s of movement on
  // a stalled machine) well inside the button, so the cursor cannot
  // overshoot it.
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 12000);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 20000);
  for (int pass = 0; pass < 100000 && !f.StartButton.Hovered; ++pass) selectionPass();
  ASSERT_TRUE(f.StartButton.Hovered) << "cursor at " << f.MouseX << ", " << f.MouseY;
  EXPECT_GT(f.MouseY, 350);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
  pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
  selectionPass();
  ASSERT_TRUE(f.SelectionActive);
  pad.Button(SDL_CONTROLLER_BUTTON_A, true);
  selectionPass();  // the press reaches the mouse at this pass's yield
  selectionPass();
  EXPECT_FALSE(f.SelectionActive);
  EXPECT_TRUE(f.BattleActive);
  EXPECT_EQ(Crafts[0].Race, f.Designs[1].Race) << "the shown design is the player's craft";
}

}  // namespace
}  // namespace sb::sdltest
