// The battle trace's lines: names, shapes and the shortest round-trip form
// of floats of either width.
#include <gtest/gtest.h>

#include <limits>

#include "battle/battle_harness.h"
#include "battle/battle_trace.h"

namespace sb {
namespace {

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(Trace, NumbersUseTheShortestFormOfTheirOwnWidth) {
  harness::JsonLine j;
  j.Open('[');
  j.Number(0.1f);
  j.Number(0.1);
  j.Number(static_cast<double>(0.1f));
  j.Number(int16_t{-32768});
  j.Number(std::numeric_limits<float>::quiet_NaN());
  j.String("a\"b\\c\n");
  j.Bool(true);
  j.Close(']');
  EXPECT_EQ(j.Text(), "[0.1,0.1,0.10000000149011612,-32768,\"nan\",\"a\\\"b\\\\c\\u000a\",true]");
}

TEST(Trace, ALineHoldsThePassKeysDrawsAndFiftyOneCraft) {
  std::vector<double> draws;
  harness::BattleRun run(8, 4, false, &draws);  // Mertlyn: a turret craft
  const std::string setUp = harness::TraceLine(0, *run.form, draws);
  EXPECT_EQ(setUp.rfind("{\"pass\":0,\"keys\":[],\"KeyRepeatDelay\":0,", 0), 0u)
      << setUp.substr(0, 80);
  EXPECT_EQ(Count(setUp, "\"Name\":"), 51u);
  EXPECT_EQ(Count(setUp, "\"TurretAngle\":"), 51u);
  EXPECT_EQ(setUp.find("\"Quad\""), std::string::npos);
  EXPECT_EQ(setUp.find("\"Texture\""), std::string::npos);
  EXPECT_NE(setUp.find("\"Name\":\"Mertlyn\",\"X\":0,\"Y\":100,"), std::string::npos);
  EXPECT_NE(setUp.find("\"Acceleration\":0.05,"), std::string::npos);  // a float field
  EXPECT_EQ(Count(setUp, "\"Trail\":[["), 51u);
  EXPECT_EQ(setUp.back(), '}');

  run.form->KeyDown[57] = true;
  run.form->KeyDown[205] = true;
  draws.clear();
  run.Pass();
  const std::string first = harness::TraceLine(1, *run.form, draws);
  EXPECT_EQ(first.rfind("{\"pass\":1,\"keys\":[57,205],\"KeyRepeatDelay\":-1,", 0), 0u)
      << first.substr(0, 80);
  // The station's frolic pilot draws once or twice per pass.
  const size_t drawn = draws.size();
  EXPECT_GE(drawn, 1u);
  const size_t open = first.find("\"draws\":[");
  const size_t close = first.find(']', open);
  EXPECT_EQ(Count(first.substr(open, close - open), ","), drawn - 1);
}

}  // namespace
}  // namespace sb
