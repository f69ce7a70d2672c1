// The meaning of one pad's controls: the key each holds, the dead zone and
// its hysteresis, without SDL's event machinery.
#include "platform/sdl/input/pad_controls.h"

#include <gtest/gtest.h>

#include "core/key_codes.h"

namespace sb::sdl {
namespace {

std::vector<int> Held(const PadState& pad) {
  const PadKeys keys = KeysHeldBy(pad);
  std::vector<int> held;
  for (int k = 0; k < 256; ++k) {
    if (keys[k]) held.push_back(k);
  }
  return held;
}

TEST(PadControls, EveryControlHoldsItsKeyAndNoOtherControlHoldsAny) {
  struct Row {
    const char* name;
    int key;
    std::vector<int> buttons;
    int axis = -1, value = 0;
  };
  const Row rows[] = {
      {"left stick left", keys::kA, {}, SDL_CONTROLLER_AXIS_LEFTX, -kAxisFull},
      {"d-pad left", keys::kA, {SDL_CONTROLLER_BUTTON_DPAD_LEFT}},
      {"left stick right", keys::kD, {}, SDL_CONTROLLER_AXIS_LEFTX, kAxisFull},
      {"d-pad right", keys::kD, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT}},
      {"right trigger", keys::kW, {}, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, kAxisFull},
      {"d-pad up", keys::kW, {SDL_CONTROLLER_BUTTON_DPAD_UP}},
      {"left trigger", keys::kLShift, {}, SDL_CONTROLLER_AXIS_TRIGGERLEFT, kAxisFull},
      {"A", keys::kSpace, {SDL_CONTROLLER_BUTTON_A}},
      {"right stick left", keys::kLeft, {}, SDL_CONTROLLER_AXIS_RIGHTX, -kAxisFull},
      {"X", keys::kLeft, {SDL_CONTROLLER_BUTTON_X}},
      {"right stick right", keys::kRight, {}, SDL_CONTROLLER_AXIS_RIGHTX, kAxisFull},
      {"B", keys::kRight, {SDL_CONTROLLER_BUTTON_B}},
      {"Y", keys::kN, {SDL_CONTROLLER_BUTTON_Y}},
      {"left shoulder", keys::kComma, {SDL_CONTROLLER_BUTTON_LEFTSHOULDER}},
      {"right shoulder", keys::kPeriod, {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER}},
      {"right stick click", keys::kC, {SDL_CONTROLLER_BUTTON_RIGHTSTICK}},
      {"Back + Start", keys::kEscape, {SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_START}},
      // Neither alone is Escape; the left stick's click, the d-pad's down,
      // Guide and the sticks' other axes hold nothing.
      {"Back", -1, {SDL_CONTROLLER_BUTTON_BACK}},
      {"Start", -1, {SDL_CONTROLLER_BUTTON_START}},
      {"left stick click", -1, {SDL_CONTROLLER_BUTTON_LEFTSTICK}},
      {"d-pad down", -1, {SDL_CONTROLLER_BUTTON_DPAD_DOWN}},
      {"Guide", -1, {SDL_CONTROLLER_BUTTON_GUIDE}},
      {"left stick down", -1, {}, SDL_CONTROLLER_AXIS_LEFTY, kAxisFull},
      {"right stick up", -1, {}, SDL_CONTROLLER_AXIS_RIGHTY, -kAxisFull},
  };
  for (const Row& row : rows) {
    PadState pad;
    for (int b : row.buttons) pad.SetButton(b, true);
    if (row.axis >= 0) pad.SetAxis(row.axis, row.value);
    EXPECT_EQ(Held(pad), row.key < 0 ? std::vector<int>{} : std::vector<int>{row.key}) << row.name;
  }
  // Only the left stick and the d-pad move the cursor.
  PadState right;
  right.SetAxis(SDL_CONTROLLER_AXIS_RIGHTX, kAxisFull);
  right.SetAxis(SDL_CONTROLLER_AXIS_RIGHTY, kAxisFull);
  EXPECT_EQ(CursorVelocityOf(right).x, 0);
  EXPECT_EQ(CursorVelocityOf(right).y, 0);
}

TEST(PadControls, AStickCountsPastAQuarterOfItsTravelAndLetsGoBelowAFifth) {
  PadState pad;
  pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -(kAxisEngage - 1));
  EXPECT_TRUE(Held(pad).empty());
  pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -kAxisEngage);
  EXPECT_EQ(Held(pad), std::vector<int>{keys::kA});
  // Falling back into the band between release and engage keeps it held...
  pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -kAxisRelease);
  EXPECT_EQ(Held(pad), std::vector<int>{keys::kA});
  // ...until it is under the release point.
  pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -(kAxisRelease - 1));
  EXPECT_TRUE(Held(pad).empty());
  // Rising into the band from rest holds nothing.
  pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, kAxisRelease + 1000);
  EXPECT_TRUE(Held(pad).empty());
  // A flick straight across goes from one side to the other.
  pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, kAxisFull);
  EXPECT_EQ(Held(pad), std::vector<int>{keys::kD});
  pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
  EXPECT_EQ(Held(pad), std::vector<int>{keys::kA});
}

TEST(PadControls, ADriftingStickOrTriggerNeverHoldsAKeyNorMovesTheCursor) {
  PadState pad;
  // A worn stick wandering around its centre, up to 22 % of its travel.
  for (int i = 0; i < 400; ++i) {
    const int drift = (i * 7919) % 14001 - 7000;
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis) pad.SetAxis(axis, drift);
    ASSERT_TRUE(Held(pad).empty()) << "drift " << drift;
    const CursorVelocity v = CursorVelocityOf(pad);
    ASSERT_EQ(v.x, 0);
    ASSERT_EQ(v.y, 0);
  }
  // Once pushed, the same wandering around the dead zone's edge does not
  // make the key flicker.
  pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 12000);
  for (int i = 0; i < 100; ++i) {
    pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 7000 + (i * 37) % 3000);
    ASSERT_EQ(Held(pad), std::vector<int>{keys::kW});
  }
}

// One button change as the pads see it: the tap it gives, then the state.
int Change(PadState& pad, SDL_GameControllerButton b, bool down) {
  const int tap = pad.TapOf(b, down);
  pad.SetButton(b, down);
  return tap;
}

TEST(PadControls, StartOrBackAloneTapTheirKeyOnReleaseAndTogetherNothing) {
  PadState pad;
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_START, true), 0);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_START, false), keys::kPause);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_BACK, true), 0);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_BACK, false), keys::kControllerBack);
  // Other buttons held meanwhile do not matter.
  Change(pad, SDL_CONTROLLER_BUTTON_A, true);
  Change(pad, SDL_CONTROLLER_BUTTON_START, true);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_START, false), keys::kPause);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_A, false), 0);

  // Back, then Start, released in either order: the two together quit, and
  // neither taps.
  for (bool startFirst : {false, true}) {
    Change(pad, SDL_CONTROLLER_BUTTON_BACK, true);
    Change(pad, SDL_CONTROLLER_BUTTON_START, true);
    const auto first = startFirst ? SDL_CONTROLLER_BUTTON_START : SDL_CONTROLLER_BUTTON_BACK;
    const auto second = startFirst ? SDL_CONTROLLER_BUTTON_BACK : SDL_CONTROLLER_BUTTON_START;
    EXPECT_EQ(Change(pad, first, false), 0);
    EXPECT_EQ(Change(pad, second, false), 0);
  }
  // Start pressed again while Back is still down from before: not alone.
  Change(pad, SDL_CONTROLLER_BUTTON_BACK, true);
  Change(pad, SDL_CONTROLLER_BUTTON_START, true);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_START, false), 0);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_START, true), 0);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_START, false), 0);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_BACK, false), 0);
  // A repeated report of a held button changes nothing.
  Change(pad, SDL_CONTROLLER_BUTTON_START, true);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_START, true), 0);
  EXPECT_EQ(Change(pad, SDL_CONTROLLER_BUTTON_START, false), keys::kPause);
}

}  // namespace
}  // namespace sb::sdl
