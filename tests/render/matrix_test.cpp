// The matrix helpers against hand-worked values: row vectors, left-handed
// cameras.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/d3dx_math.h"

namespace sb {
namespace {

void ExpectPoint(const Vec4f& p, float x, float y, float z, float w) {
  EXPECT_NEAR(p.x, x, 1e-4f);
  EXPECT_NEAR(p.y, y, 1e-4f);
  EXPECT_NEAR(p.z, z, 1e-4f);
  EXPECT_NEAR(p.w, w, 1e-4f);
}

TEST(Matrix, IdentityScalingAndTranslationMovePointsAsRowVectors) {
  ExpectPoint(TransformPoint({3, -4, 5}, MatrixIdentity()), 3, -4, 5, 1);
  ExpectPoint(TransformPoint({3, -4, 5}, MatrixScaling(2, 0.5f, -1)), 6, -2, -5, 1);
  const Matrix t = MatrixTranslation(10, 20, 30);
  EXPECT_EQ(t.m[3][0], 10.0f);  // the translation lives in the bottom row
  EXPECT_EQ(t.m[0][3], 0.0f);
  ExpectPoint(TransformPoint({3, -4, 5}, t), 13, 16, 35, 1);
}

TEST(Matrix, RotationTurnsPlusXTowardsPlusY) {
  const float quarter = 1.5707964f;
  ExpectPoint(TransformPoint({1, 0, 0}, MatrixRotationZ(quarter)), 0, 1, 0, 1);
  ExpectPoint(TransformPoint({0, 1, 0}, MatrixRotationZ(quarter)), -1, 0, 0, 1);
  ExpectPoint(TransformPoint({2, 0, 7}, MatrixRotationZ(3.14159265f)), -2, 0, 7, 1);
}

TEST(Matrix, ProductAppliesTheLeftFactorFirst) {
  // Scale, then turn a quarter, then move: (1, 0) -> (2, 0) -> (0, 2) -> (10, 2).
  const Matrix srt =
      MatrixMultiply(MatrixMultiply(MatrixScaling(2, 2, 2), MatrixRotationZ(1.5707964f)),
                     MatrixTranslation(10, 0, 0));
  ExpectPoint(TransformPoint({1, 0, 0}, srt), 10, 2, 0, 1);
  // The other order moves first, so the move is turned and scaled too.
  const Matrix trs =
      MatrixMultiply(MatrixMultiply(MatrixTranslation(10, 0, 0), MatrixRotationZ(1.5707964f)),
                     MatrixScaling(2, 2, 2));
  ExpectPoint(TransformPoint({1, 0, 0}, trs), 0, 22, 0, 1);
}

TEST(Matrix, LookAtFromAboveShowsPlusXOnTheLeftAndPlusYUp) {
  const Matrix view = MatrixLookAtLH({5, 7, 150}, {5, 7, 0}, {0, 1, 0});
  ExpectPoint(TransformPoint({5, 7, 0}, view), 0, 0, 150, 1);     // centre, 150 ahead
  ExpectPoint(TransformPoint({15, 7, 0}, view), -10, 0, 150, 1);  // +X: screen-left
  ExpectPoint(TransformPoint({5, 17, 0}, view), 0, 10, 150, 1);   // +Y: screen-up
  ExpectPoint(TransformPoint({5, 7, -20}, view), 0, 0, 170, 1);   // deeper is farther
}

TEST(Matrix, PerspectiveOfAQuarterTurnReachesTheEdgeAtEqualDistance) {
  const Matrix proj = MatrixPerspectiveFovLH(3.14159265358979f / 2.0f, 1.0f, 0.001f, 10000.0f);
  const Vec4f edge = TransformPoint({150, -150, 150}, proj);
  EXPECT_NEAR(edge.x / edge.w, 1.0f, 1e-6f);
  EXPECT_NEAR(edge.y / edge.w, -1.0f, 1e-6f);
  EXPECT_FLOAT_EQ(edge.w, 150.0f);
  // Depth runs from 0 at the near plane to 1 at the far plane.
  const Vec4f nearPoint = TransformPoint({0, 0, 0.001f}, proj);
  const Vec4f farPoint = TransformPoint({0, 0, 10000.0f}, proj);
  EXPECT_NEAR(nearPoint.z / nearPoint.w, 0.0f, 1e-5f);
  EXPECT_NEAR(farPoint.z / farPoint.w, 1.0f, 1e-5f);
  // With aspect 2 the x reach halves.
  const Matrix wide = MatrixPerspectiveFovLH(1.5707964f, 2.0f, 1.0f, 100.0f);
  const Vec4f p = TransformPoint({150, 0, 150}, wide);
  EXPECT_NEAR(p.x / p.w, 0.5f, 1e-6f);
}

}  // namespace
}  // namespace sb
