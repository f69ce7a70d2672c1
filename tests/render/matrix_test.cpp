// The direction of a turn, which nothing on screen pins down. Products,
// scaling and the cameras are measured in battle_view_test and on screen in
// game_screens_test.
#include <gtest/gtest.h>

#include "platform/d3dx_math.h"

namespace sb {
namespace {

TEST(Matrix, AQuarterTurnTakesXTowardsY) {
  const Vec4f p = TransformPoint({1, 0, 0}, MatrixRotationZ(1.5707964f));
  EXPECT_NEAR(p.x, 0, 1e-6f);
  EXPECT_NEAR(p.y, 1, 1e-6f);
}

}  // namespace
}  // namespace sb
