// The meaning of one pad's controls: the dead zone and its hysteresis and
// the cursor's speed, without SDL's event machinery.
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

TEST(PadControls, TheCursorSpeedGrowsWithDeflectionUpToItsTop) {
  PadState pad;
  double last = 0;
  for (int value = kAxisEngage; value <= kAxisFull; value += 2000) {
    pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, value);
    pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTY, -value);
    const CursorVelocity v = CursorVelocityOf(pad);
    EXPECT_GT(v.x, last) << value;
    EXPECT_EQ(v.y, -v.x);
    last = v.x;
  }
  pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
  EXPECT_DOUBLE_EQ(CursorVelocityOf(pad).x, -kCursorSpeed);
  // The right stick does not move the cursor.
  PadState right;
  right.SetAxis(SDL_CONTROLLER_AXIS_RIGHTX, kAxisFull);
  EXPECT_EQ(CursorVelocityOf(right).x, 0);
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
