// How the program ends: a run-time error becomes one line on stderr, the
// same line in the message box, a released device and status 1.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "core/checked.h"
#include "core/entry.h"
#include "core/form1.h"
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
  ExpectOneLine(Run(),
                "failed platform call in Intialize: cannot load sound /headless/sfx/fire.wav");
}

TEST_F(FatalReport, IndexOutOfRange) {
  platform.onYield = [](int, headless::HeadlessPlatform&) {
    Fail(ErrorKind::IndexOutOfRange, "201 outside 0..200");
  };
  ExpectOneLine(Run(), "index out of range: 201 outside 0..200");
}

TEST_F(FatalReport, OverflowAndFloatingPointErrorsEndTheSameWay) {
  platform.onYield = [](int, headless::HeadlessPlatform&) { Add16(32767, 1); };
  ExpectOneLine(Run(), "overflow: 32768 does not fit in 16 bits");
}

TEST_F(FatalReport, FloatingPointError) {
  platform.onYield = [](int, headless::HeadlessPlatform&) {
    ScopedOperation op("Physics");
    Fail(ErrorKind::FloatingPoint, "division by zero");
  };
  ExpectOneLine(Run(), "floating-point error in Physics: division by zero");
}

TEST_F(FatalReport, ALibraryExceptionIsReportedTheSameWay) {
  platform.onYield = [](int, headless::HeadlessPlatform&) {
    throw std::length_error("vector too long");
  };
  ExpectOneLine(Run(), "run-time error: vector too long");
}

TEST_F(FatalReport, EscapeEndsWithStatusZeroAndNoMessage) {
  platform.onYield = [](int yield, headless::HeadlessPlatform& p) {
    if (yield == 1) p.PressKey(1);
  };
  const Outcome o = Run();
  EXPECT_EQ(o.status, 0);
  EXPECT_TRUE(o.err.empty());
  EXPECT_TRUE(platform.fatalMessage.empty());
}

}  // namespace
}  // namespace sb
