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
  // The left stick's positions in turn, and the key each leaves held (0: none).
  const std::pair<int, int> steps[] = {
      {-(kAxisEngage - 1), 0},   {-kAxisEngage, keys::kA},
      {-kAxisRelease, keys::kA},                       // back into the band: still held
      {-(kAxisRelease - 1), 0},                        // under the release point
      {kAxisRelease + 1000, 0},                        // into the band from rest: nothing
      {kAxisFull, keys::kD},     {-32768, keys::kA}};  // a flick straight across
  PadState pad;
  for (const auto& [value, key] : steps) {
    pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, value);
    EXPECT_EQ(Held(pad), key ? std::vector<int>{key} : std::vector<int>{}) << value;
  }
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

TEST(PadControls, StartOrBackAloneTapTheirKeyOnReleaseAndTogetherNothing) {
  // Button changes in turn ("S+" Start pressed, "B-" Back released, "A" the
  // A button), each with the tap it gives: P(ause), B(ack) or . (none).
  const std::string script =
      "S+. S-P B+. B-B "
      "A+. S+. S-P A-. "                  // other buttons held meanwhile do not matter
      "B+. S+. B-. S-. B+. S+. S-. B-. "  // together, released in either order: no tap
      "B+. S+. S-. S+. S-. B-. "          // Start again while Back is still down
      "S+. S+. S-P";                      // a repeated report of a held button
  PadState pad;
  for (size_t i = 0; i < script.size(); i += 4) {
    const auto button = script[i] == 'S'   ? SDL_CONTROLLER_BUTTON_START
                        : script[i] == 'B' ? SDL_CONTROLLER_BUTTON_BACK
                                           : SDL_CONTROLLER_BUTTON_A;
    const char tap = script[i + 2];
    EXPECT_EQ(pad.TapOf(button, script[i + 1] == '+'), tap == 'P'   ? keys::kPause
                                                       : tap == 'B' ? keys::kControllerBack
                                                                    : 0)
        << script.substr(0, i + 3);
    pad.SetButton(button, script[i + 1] == '+');
  }
}

}  // namespace
}  // namespace sb::sdl
