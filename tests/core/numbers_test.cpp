// Integer widths, float conversions and the text form of numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "core/checked.h"
#include "core/number_text.h"
#include "core/table.h"
#include "support/test_support.h"

namespace sb {
namespace {

using test::RunCatching;
using test::RunEnd;

bool Overflows(const std::function<void()>& f) {
  const RunEnd end = RunCatching(f);
  return end.kind == RunEnd::Error && end.line.find("overflow") != std::string::npos;
}

TEST(CheckedIntegers, SixteenAndThirtyTwoBitResultsStayInTheirWidth) {
  EXPECT_EQ(Add16(32766, 1), 32767);
  EXPECT_TRUE(Overflows([] { Add16(32767, 1); }));
  EXPECT_TRUE(Overflows([] { Sub16(-32768, 1); }));
  EXPECT_TRUE(Overflows([] { Mul16(16384, 2); }));
  EXPECT_EQ(Mul16(-16384, 2), -32768);
  EXPECT_TRUE(Overflows([] { Add32(2147483647, 1); }));
  EXPECT_TRUE(Overflows([] { Sub32(-2147483647 - 1, 1); }));
}

TEST(CheckedIntegers, FloatStoresRoundHalfToEvenOrFloor) {
  EXPECT_EQ(RoundTo16(2.5), 2);
  EXPECT_EQ(RoundTo16(3.5), 4);
  EXPECT_EQ(RoundTo16(-2.5), -2);
  EXPECT_EQ(RoundTo32(1.5), 2);
  EXPECT_EQ(FloorTo16(-0.5), -1);
  EXPECT_EQ(FloorTo32(9999.999), 9999);
  EXPECT_EQ(RoundTo16(32767.4), 32767);
  EXPECT_TRUE(Overflows([] { RoundTo16(32767.5); }));
  EXPECT_TRUE(Overflows([] { FloorTo16(-32769.0); }));
  EXPECT_TRUE(Overflows([] { RoundTo32(std::numeric_limits<double>::quiet_NaN()); }));
  EXPECT_TRUE(Overflows([] { RoundTo32(std::numeric_limits<double>::infinity()); }));
}

TEST(Tables, EveryIndexIsCheckedAgainstInclusiveBounds) {
  Table<int, 1, 5> t;
  t[1] = 10;
  t[5] = 50;
  EXPECT_EQ(t[1] + t[5], 60);
  for (long long bad : {0LL, 6LL, -1LL, 1LL << 40}) {
    const RunEnd end = RunCatching([&] { t[bad] = 1; });
    EXPECT_EQ(end.kind, RunEnd::Error) << bad;
    EXPECT_NE(end.line.find("index out of range"), std::string::npos) << end.line;
    EXPECT_NE(end.line.find("outside 1..5"), std::string::npos) << end.line;
  }
}

// Seven significant digits without float noise, exponents as "1E+07".
TEST(FloatText, ShortestFormUpToSevenSignificantDigits) {
  const std::pair<float, const char*> cases[] = {
      {87.5f, "87.5"},      {1.0f / 3.0f, "0.3333333"}, {0.1f / 2.0f, "0.05"},
      {-0.0f, "0"},         {-12.25f, "-12.25"},        {1234567.0f, "1234567"},
      {9.99f, "9.99"},      {9999999.5f, "1E+07"},      {12345678.0f, "1.234568E+07"},
      {0.000001f, "1E-06"}, {0.00001f, "0.00001"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(FloatText(value), text) << text;
  EXPECT_EQ(FloatText(2.5f, ','), "2,5");
}

TEST(FloatStatus, DivisionByZeroIsAFloatingPointError) {
  volatile float zero = 0.0f;
  ClearFloatStatus();
  [[maybe_unused]] volatile float r = 1.0f / zero;
  const RunEnd end = RunCatching([] { CheckFloatStatus(); });
  EXPECT_EQ(end.kind, RunEnd::Error);
  EXPECT_NE(end.line.find("floating-point error"), std::string::npos) << end.line;
  // The status is clear again afterwards.
  EXPECT_EQ(RunCatching([] { CheckFloatStatus(); }).kind, RunEnd::Returned);
}

}  // namespace
}  // namespace sb
