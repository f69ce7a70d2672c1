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
  harness::BattleRun run(8, 4, false, &draws);
  run.form->KeyDown[keys::kSpace] = run.form->KeyDown[keys::kRight] = true;
  draws.clear();
  run.Pass();
  const std::string line = harness::TraceLine(1, *run.form, draws);
  EXPECT_EQ(line.rfind("{\"pass\":1,\"keys\":[57,205],\"KeyRepeatDelay\":-1,", 0), 0u)
      << line.substr(0, 80);
  EXPECT_EQ(Count(line, "\"Name\":"), 51u);
  EXPECT_NE(line.find("\"draws\":[0."), std::string::npos);  // the station's frolic pilot
}

}  // namespace
}  // namespace sb
