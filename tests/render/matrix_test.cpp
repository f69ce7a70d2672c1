// The matrix helpers against hand-worked values: row vectors, left-handed
// cameras.
#include <gtest/gtest.h>

#include "platform/d3dx_math.h"

namespace sb {
namespace {

void ExpectPoint(const Vec4f& p, float x, float y, float z, float w = 1) {
  EXPECT_NEAR(p.x, x, 1e-4f);
  EXPECT_NEAR(p.y, y, 1e-4f);
  EXPECT_NEAR(p.z, z, 1e-4f);
  EXPECT_NEAR(p.w, w, 1e-4f);
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

TEST(Matrix, CamerasFromAboveShowPlusXOnTheLeftAndReachTheEdgeAtEqualDistance) {
  const Matrix view = MatrixLookAtLH({5, 7, 150}, {5, 7, 0}, {0, 1, 0});
  ExpectPoint(TransformPoint({15, 7, 0}, view), -10, 0, 150);   // +X: screen-left
  ExpectPoint(TransformPoint({5, 17, -20}, view), 0, 10, 170);  // +Y up, deeper is farther
  const Matrix proj = MatrixPerspectiveFovLH(1.5707964f, 2.0f, 1.0f, 100.0f);
  const Vec4f edge = TransformPoint({150, -150, 150}, proj);
  EXPECT_NEAR(edge.x / edge.w, 0.5f, 1e-6f);  // twice as wide: half the x reach
  EXPECT_NEAR(edge.y / edge.w, -1.0f, 1e-6f);
  const Vec4f far = TransformPoint({0, 0, 100}, proj);  // depth 1 at the far plane
  EXPECT_NEAR(far.z / far.w, 1.0f, 1e-5f);
}

}  // namespace
}  // namespace sb
