// The battle trace's lines: names, shapes and the shortest round-trip form
// of floats of either width.
#include <gtest/gtest.h>

#include <limits>

#include "battle/battle_harness.h"
#include "battle/battle_trace.h"
#include "core/key_codes.h"

namespace sb {
namespace {

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(Trace, NumbersUseTheShortestFormOfTheirOwnWidthAndALineHoldsEveryCraft) {
  harness::JsonLine j;
  j.Open('[');
  j.Number(0.1f);
  j.Number(static_cast<double>(0.1f));
  j.Number(std::numeric_limits<float>::quiet_NaN());
  j.String("a\"b\\c\n");
  j.Bool(true);
  j.Close(']');
  EXPECT_EQ(j.text(), "[0.1,0.10000000149011612,\"nan\",\"a\\\"b\\\\c\\n\",true]");

  // A line: the pass, the keys held, the random draws and fifty-one craft.
  std::vector<double> draws;
  harness::BattleRun run(8, 4, false, &draws);  // Mertlyn: a turret craft
  run.form->KeyDown[keys::kSpace] = run.form->KeyDown[keys::kRight] = true;
  draws.clear();
  run.Pass();
  const std::string line = harness::TraceLine(1, *run.form, draws);
  EXPECT_EQ(line.rfind("{\"pass\":1,\"keys\":[57,205],\"KeyRepeatDelay\":-1,", 0), 0u)
      << line.substr(0, 80);
  EXPECT_EQ(Count(line, "\"Name\":"), 51u);
  EXPECT_NE(line.find("\"Name\":\"Mertlyn\",\"X\":"), std::string::npos);
  EXPECT_NE(line.find("\"Acceleration\":0.05,"), std::string::npos);  // a float field
  // The station's frolic pilot draws once or twice per pass.
  ASSERT_GE(draws.size(), 1u);
  const size_t open = line.find("\"draws\":[");
  EXPECT_EQ(Count(line.substr(open, line.find(']', open) - open), ","), draws.size() - 1);
}

}  // namespace
}  // namespace sb
