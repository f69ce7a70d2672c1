// The CPU vertex pipeline: the game's cameras put the world where the battle
// view expects it, and what cannot be projected is not drawn.
#include "platform/sdl/projection.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/d3dx_math.h"

namespace sb::sdl {
namespace {

Matrix Camera(float x, float y, float height) {
  const Matrix view = MatrixLookAtLH(Vec3f{x, y, height}, Vec3f{x, y, 0}, Vec3f{0, 1, 0});
  const Matrix proj = MatrixPerspectiveFovLH(3.14159265358979f / 2.0f, 1.0f, 0.001f, 10000.0f);
  return MatrixMultiply(view, proj);
}

ScreenPoint Project(const Matrix& m, Vec3f p, float w, float h) {
  ScreenPoint out;
  EXPECT_TRUE(ProjectToViewport(p, m, w, h, out));
  return out;
}

TEST(Projection, MainCameraShows150UnitsEachSideWithPlusXOnTheLeft) {
  const float x0 = 1234.5f, y0 = -567.25f;
  const Matrix m = Camera(x0, y0, 150);
  const ScreenPoint centre = Project(m, {x0, y0, 0}, 1024, 768);
  EXPECT_NEAR(centre.x, 512, 0.05);
  EXPECT_NEAR(centre.y, 384, 0.05);
  // World +X is screen-left, +Y is screen-up; 150 units reach the edges.
  const ScreenPoint plusX = Project(m, {x0 + 150, y0, 0}, 1024, 768);
  EXPECT_NEAR(plusX.x, 0, 0.1);
  EXPECT_NEAR(plusX.y, 384, 0.1);
  const ScreenPoint minusX = Project(m, {x0 - 150, y0, 0}, 1024, 768);
  EXPECT_NEAR(minusX.x, 1024, 0.1);
  const ScreenPoint plusY = Project(m, {x0, y0 + 150, 0}, 1024, 768);
  EXPECT_NEAR(plusY.y, 0, 0.1);
  EXPECT_NEAR(plusY.x, 512, 0.1);
  const ScreenPoint minusY = Project(m, {x0, y0 - 150, 0}, 1024, 768);
  EXPECT_NEAR(minusY.y, 768, 0.1);
}

TEST(Projection, RadarAndTargetCamerasScaleToTheirViewports) {
  const ScreenPoint radar = Project(Camera(0, 0, 400), {400, -200, 0}, 128, 128);
  EXPECT_NEAR(radar.x, 0, 0.05);
  EXPECT_NEAR(radar.y, 96, 0.05);
  const ScreenPoint target = Project(Camera(10, 10, 40), {10 - 20, 10 + 40, 0}, 256, 256);
  EXPECT_NEAR(target.x, 192, 0.05);
  EXPECT_NEAR(target.y, 0, 0.05);
}

TEST(Projection, NothingBehindOrOnTheCameraIsDrawn) {
  const Matrix m = Camera(0, 0, 150);
  ScreenPoint out;
  EXPECT_FALSE(ProjectToViewport({0, 0, 200}, m, 1024, 768, out));
  EXPECT_FALSE(ProjectToViewport({5, 5, 150}, m, 1024, 768, out));
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(ProjectToViewport({0, 0, nan}, m, 1024, 768, out));

  LitVertex quad[4] = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
  ScreenPoint corners[4];
  EXPECT_TRUE(ProjectQuad(quad, m, 1024, 768, corners));
  quad[2].Z = 160;  // one corner above the camera
  EXPECT_FALSE(ProjectQuad(quad, m, 1024, 768, corners));
}

TEST(Projection, QuadsWhollyBeyondTheFarPlaneAreDropped) {
  const Matrix m = Camera(0, 0, 150);
  LitVertex quad[4] = {{-1, -1, -1e6f}, {1, -1, -1e6f}, {1, 1, -1e6f}, {-1, 1, -1e6f}};
  ScreenPoint corners[4];
  EXPECT_FALSE(ProjectQuad(quad, m, 1024, 768, corners));
  quad[0].Z = 0;  // one corner back in range: the quad is drawn
  EXPECT_TRUE(ProjectQuad(quad, m, 1024, 768, corners));
}

TEST(Projection, PointSpritesAreAFractionOfTheViewportHeight) {
  EXPECT_NEAR(PointSidePixels(0.03f, true, 768), 23.04, 0.01);
  EXPECT_NEAR(PointSidePixels(0.09f, true, 256), 23.04, 0.01);
  EXPECT_NEAR(PointSidePixels(4.0f, false, 768), 4.0, 1e-6);
  EXPECT_EQ(PointSidePixels(-1.0f, true, 768), 0.0f);
  EXPECT_EQ(PointSidePixels(std::numeric_limits<float>::quiet_NaN(), true, 768), 0.0f);
}

}  // namespace
}  // namespace sb::sdl
