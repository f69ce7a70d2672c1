// The matrix helpers against hand-worked values: row vectors, and a turn
// that takes +X towards +Y. The cameras are measured in battle_view_test
// and on screen in game_screens_test.
#include <gtest/gtest.h>

#include "platform/d3dx_math.h"

namespace sb {
namespace {

void ExpectPoint(const Vec4f& p, float x, float y, float z) {
  EXPECT_NEAR(p.x, x, 1e-4f);
  EXPECT_NEAR(p.y, y, 1e-4f);
  EXPECT_NEAR(p.z, z, 1e-4f);
  EXPECT_NEAR(p.w, 1, 1e-4f);
}

TEST(Matrix, ProductsApplyTheLeftFactorFirstToRowVectors) {
  ExpectPoint(TransformPoint({3, -4, 5}, MatrixScaling(2, 0.5f, -1)), 6, -2, -5);
  ExpectPoint(TransformPoint({1, 0, 0}, MatrixRotationZ(1.5707964f)), 0, 1, 0);  // +X to +Y
  // Scale, then turn a quarter, then move: (1, 0) -> (2, 0) -> (0, 2) -> (10, 2).
  const Matrix srt =
      MatrixMultiply(MatrixMultiply(MatrixScaling(2, 2, 2), MatrixRotationZ(1.5707964f)),
                     MatrixTranslation(10, 0, 0));
  ExpectPoint(TransformPoint({1, 0, 0}, srt), 10, 2, 0);
}

}  // namespace
}  // namespace sb
