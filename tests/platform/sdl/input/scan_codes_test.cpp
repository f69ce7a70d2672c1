// SDL scan codes to the game's key codes (PC scan codes).
#include "platform/sdl/input/scan_codes.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <set>

namespace sb::sdl {
namespace {

TEST(KeyCodes, PcScanCodesOneForEveryKey) {
  const std::pair<SDL_Scancode, int> expected[] = {
      {SDL_SCANCODE_ESCAPE, 1},    {SDL_SCANCODE_W, 17},      {SDL_SCANCODE_A, 30},
      {SDL_SCANCODE_D, 32},        {SDL_SCANCODE_LSHIFT, 42}, {SDL_SCANCODE_C, 46},
      {SDL_SCANCODE_N, 49},        {SDL_SCANCODE_COMMA, 51},  {SDL_SCANCODE_PERIOD, 52},
      {SDL_SCANCODE_SPACE, 57},    {SDL_SCANCODE_LEFT, 203},  {SDL_SCANCODE_RIGHT, 205},
      {SDL_SCANCODE_1, 2},         {SDL_SCANCODE_0, 11},      {SDL_SCANCODE_F1, 0x3B},
      {SDL_SCANCODE_F10, 0x44},    {SDL_SCANCODE_F11, 0x57},  {SDL_SCANCODE_F12, 0x58},
      {SDL_SCANCODE_KP_7, 0x47},   {SDL_SCANCODE_KP_0, 0x52}, {SDL_SCANCODE_KP_ENTER, 0x9C},
      {SDL_SCANCODE_RCTRL, 157},   {SDL_SCANCODE_RALT, 184},  {SDL_SCANCODE_KP_DIVIDE, 0xB5},
      {SDL_SCANCODE_HOME, 199},    {SDL_SCANCODE_UP, 200},    {SDL_SCANCODE_DOWN, 208},
      {SDL_SCANCODE_DELETE, 0xD3}, {SDL_SCANCODE_LGUI, 0xDB}, {SDL_SCANCODE_RSHIFT, 0x36},
  };
  for (const auto& [scancode, code] : expected) {
    EXPECT_EQ(KeyCodeOf(scancode), code) << SDL_GetScancodeName(scancode);
  }
  // Every key of a standard keyboard has its own code.
  std::multiset<int> codes;
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s) {
    if (const int code = KeyCodeOf(s)) codes.insert(code);
  }
  EXPECT_EQ(std::set<int>(codes.begin(), codes.end()).size(), codes.size()) << "a shared code";
  EXPECT_GE(codes.size(), 104u);  // a full 104-key keyboard at least
  EXPECT_EQ(KeyCodeOf(SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(KeyCodeOf(SDL_NUM_SCANCODES), 0);
  EXPECT_EQ(KeyCodeOf(-1), 0);
}

}  // namespace
}  // namespace sb::sdl
