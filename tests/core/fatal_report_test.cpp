// How the program ends: a run-time error becomes one line on stderr saying
// in a player's words what the game was doing, the same line in the message
// box, a released device and status 1.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/checked.h"
#include "core/entry.h"
#include "core/form1.h"
#include "platform/headless/headless_platform.h"

namespace sb {
namespace {

// Runs the game on `platform` and checks that it ends with `line` alone.
void ExpectEndsWith(headless::HeadlessPlatform& platform, const std::string& line) {
  std::ostringstream err;
  EXPECT_EQ(RunGame(platform, err), 1);
  EXPECT_EQ(err.str(), line + "\n");
  EXPECT_EQ(platform.fatalMessage, line);
  EXPECT_TRUE(platform.deviceReleased);
}

// Every kind of error, raised in the middle of the selection loop. The line
// names the innermost operation still running, or the failing call's own
// words when it gives them, and nothing once every operation has ended.
TEST(FatalReport, EveryKindEndsWithOneLineAndStatusOne) {
  const std::string error = "spacebattle: run-time error";
  const std::vector<std::pair<std::function<void()>, std::string>> cases = {
      {[] { Fail(ErrorKind::IndexOutOfRange, "201 outside 0..200"); },
       ": index out of range: 201 outside 0..200"},
      {[] { Add16(32767, 1); }, ": overflow: 32768 does not fit in 16 bits"},
      {[] {
         ScopedOperation op("Physics", "moving the craft and their shots");
         Fail(ErrorKind::FloatingPoint, "division by zero");
       },
       " while moving the craft and their shots: floating-point error: division by zero"},
      {[] {
         ScopedOperation op("Intialize", "starting up");
         FailWhile("loading the picture /g/Textures/Hud.bmp", "empty file");
       },
       " while loading the picture /g/Textures/Hud.bmp: empty file"},
      {[] {
         { ScopedOperation op("Renderme", "drawing the battle"); }
         Fail(ErrorKind::PlatformCall, "");
       },
       ""},
      {[] { throw std::length_error("vector too long"); }, ": vector too long"},
  };
  for (const auto& c : cases) {
    headless::HeadlessPlatform fresh;
    fresh.onYield = [&c](int, headless::HeadlessPlatform&) { c.first(); };
    ExpectEndsWith(fresh, error + c.second);
  }
}

}  // namespace
}  // namespace sb
