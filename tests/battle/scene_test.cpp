// Stars and planets, drawn from the random sequence in a fixed order after
// the fleet (then one draw per first target).
#include <gtest/gtest.h>

#include <cmath>

#include "battle/battle_harness.h"

namespace sb {
namespace {

constexpr size_t kFleetDraws = 49 * 3, kStarDraws = 20001 * 3, kPlanetDraws = 201 * 4;

TEST(Scene, StarsAndPlanetsUseTheDrawsInOrderAtWholeNumbers) {
  std::vector<double> u;  // every random draw of the set-up
  harness::BattleRun run(11, 1, true, &u);
  const Form1& f = *run.form;
  ASSERT_EQ(u.size(), kFleetDraws + kStarDraws + kPlanetDraws + 51);
  auto whole = [](double draw, int span, int offset) { return std::floor(draw * span - offset); };

  for (int s = 0; s <= 20000; ++s) {
    const LitVertex* q = f.Stars[s].Quad;
    const size_t at = kFleetDraws + 3 * s;
    ASSERT_EQ(q[0].X, whole(u[at], 20000, 10000) - 2) << s;
    ASSERT_EQ(q[2].Y, whole(u[at + 1], 20000, 10000) + 2) << s;
    ASSERT_EQ(q[1].Z, whole(u[at + 2], 102, 100)) << s;
  }

  const char* pictures[] = {"zoltar.bmp", "planetmoo.bmp", "planetcow.bmp", "planetmasacre.bmp"};
  for (int p = 0; p <= 200; ++p) {
    const LitVertex* q = f.Planets[p].Quad;
    const size_t at = kFleetDraws + kStarDraws + 4 * p;
    ASSERT_EQ(q[0].X, whole(u[at], 20000, 10000) - 20) << p;
    ASSERT_EQ(q[2].Y, whole(u[at + 1], 20000, 10000) + 20) << p;
    ASSERT_EQ(q[3].Z, whole(u[at + 2], 1002, 1000)) << p;
    ASSERT_TRUE(f.Planets[p].Texture);
    EXPECT_EQ(FileNameOf(f.Planets[p].Texture->Path()), pictures[int(u[at + 3] * 4)]) << p;
  }
}

}  // namespace
}  // namespace sb
