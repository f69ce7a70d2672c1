#include "platform/sdl/video/projection.h"

namespace sb::sdl {

namespace {

// Points closer to the camera plane than this have no usable position.
constexpr float kMinW = 1e-6f;

}  // namespace

bool ProjectToViewport(const Vec3f& p, const Matrix& worldViewProj, float viewportWidth,
                       float viewportHeight, ScreenPoint& out) {
  const Vec4f c = TransformPoint(p, worldViewProj);
  if (!(c.w > kMinW)) return false;  // also rejects NaN
  const float ndcX = c.x / c.w;
  const float ndcY = c.y / c.w;
  out.x = (ndcX + 1.0f) * 0.5f * viewportWidth;
  out.y = (1.0f - ndcY) * 0.5f * viewportHeight;
  return true;
}

bool ProjectQuad(const LitVertex* corners, const Matrix& worldViewProj, float viewportWidth,
                 float viewportHeight, ScreenPoint out[4]) {
  bool allBeyondFar = true;
  for (int i = 0; i < 4; ++i) {
    const Vec3f p{corners[i].X, corners[i].Y, corners[i].Z};
    const Vec4f c = TransformPoint(p, worldViewProj);
    if (!(c.w > kMinW)) return false;
    if (c.z <= c.w) allBeyondFar = false;
    const float ndcX = c.x / c.w;
    const float ndcY = c.y / c.w;
    out[i].x = (ndcX + 1.0f) * 0.5f * viewportWidth;
    out[i].y = (1.0f - ndcY) * 0.5f * viewportHeight;
  }
  return !allBeyondFar;
}

float PointSidePixels(float pointSize, bool scaleEnabled, float viewportHeight) {
  if (!(pointSize > 0.0f)) return 0.0f;
  return scaleEnabled ? pointSize * viewportHeight : pointSize;
}

}  // namespace sb::sdl
