// How the program ends: a run-time error becomes one line on stderr, the
// same line in the message box, a released device and status 1.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/checked.h"
#include "core/entry.h"
#include "core/form1.h"
#include "core/key_codes.h"
#include "platform/headless/headless_platform.h"

namespace sb {
namespace {

struct Outcome {
  int status;
  std::string err;
  headless::HeadlessPlatform* platform;
};

class FatalReport : public ::testing::Test {
 protected:
  Outcome Run() {
    std::ostringstream err;
    const int status = RunGame(platform, err);
    return {status, err.str(), &platform};
  }
  void ExpectOneLine(const Outcome& o, const std::string& fragment) {
    EXPECT_EQ(o.status, 1);
    ASSERT_FALSE(o.err.empty());
    EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err;  // exactly one line
    EXPECT_NE(o.err.find(fragment), std::string::npos) << o.err;
    EXPECT_EQ(platform.fatalMessage + "\n", o.err);
    EXPECT_TRUE(platform.deviceReleased);
  }
  headless::HeadlessPlatform platform;
};

TEST_F(FatalReport, FailedLoadNamesTheFile) {
  platform.failingFiles.insert("fire.wav");
  const Outcome o = Run();
  ExpectOneLine(o, "while loading the sound /headless/sfx/fire.wav: cannot read it");
  EXPECT_EQ(o.err.find("Intialize"), std::string::npos) << "the operation's own name";
}

// The line says what the game was doing in a player's words: the innermost
// operation's, or the failing call's own when it gives them, and nothing
// once every operation has ended.
TEST(ErrorLine, NamesWhatTheGameWasDoing) {
  auto lineOf = [](const std::function<void()>& raise) {
    try {
      raise();
    } catch (const GameError& e) {
      return std::make_pair(e.where, e.Line());
    }
    return std::make_pair(std::string("none"), std::string());
  };
  auto [where, line] = lineOf([] {
    ScopedOperation outer("BUILDSTUFF", "setting up the battle");
    { ScopedOperation inner("SpawnCraft", "placing a craft in the battle"); }
    Fail(ErrorKind::Overflow, "40000 does not fit in 16 bits");
  });
  EXPECT_EQ(where, "BUILDSTUFF");
  EXPECT_EQ(line,
            "spacebattle: run-time error while setting up the battle: overflow: 40000 does not fit "
            "in 16 bits");

  std::tie(where, line) = lineOf([] {
    ScopedOperation op("Intialize", "starting up");
    FailWhile("loading the picture /g/Textures/Hud.bmp", "empty file");
  });
  EXPECT_EQ(where, "Intialize");
  EXPECT_EQ(line,
            "spacebattle: run-time error while loading the picture /g/Textures/Hud.bmp: "
            "empty file");

  std::tie(where, line) = lineOf([] {
    { ScopedOperation op("Renderme", "drawing the battle"); }
    Fail(ErrorKind::PlatformCall, "");
  });
  EXPECT_EQ(where, "");
  EXPECT_EQ(line, "spacebattle: run-time error");
}

// Every kind of error, raised in the middle of the selection loop.
TEST_F(FatalReport, EveryKindEndsWithOneLineAndStatusOne) {
  const std::vector<std::pair<std::function<void()>, std::string>> cases = {
      {[] { Fail(ErrorKind::IndexOutOfRange, "201 outside 0..200"); },
       "index out of range: 201 outside 0..200"},
      {[] { Add16(32767, 1); }, "overflow: 32768 does not fit in 16 bits"},
      {[] {
         ScopedOperation op("Physics", "moving the craft and their shots");
         Fail(ErrorKind::FloatingPoint, "division by zero");
       },
       "error while moving the craft and their shots: floating-point error: division by zero"},
      {[] { throw std::length_error("vector too long"); }, "run-time error: vector too long"},
  };
  for (const auto& kase : cases) {
    const std::function<void()>& raise = kase.first;
    const std::string& line = kase.second;
    headless::HeadlessPlatform fresh;
    fresh.onYield = [&](int, headless::HeadlessPlatform&) { raise(); };
    std::ostringstream err;
    EXPECT_EQ(RunGame(fresh, err), 1);
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << err.str();
    EXPECT_NE(err.str().find(line), std::string::npos) << err.str();
    EXPECT_EQ(fresh.fatalMessage + "\n", err.str());
  }
}

TEST_F(FatalReport, EscapeEndsWithStatusZeroAndNoMessage) {
  platform.onYield = [](int yield, headless::HeadlessPlatform& p) {
    if (yield == 1) p.PressKey(keys::kEscape);
  };
  const Outcome o = Run();
  EXPECT_EQ(o.status, 0);
  EXPECT_TRUE(o.err.empty());
  EXPECT_TRUE(platform.fatalMessage.empty());
}

}  // namespace
}  // namespace sb
