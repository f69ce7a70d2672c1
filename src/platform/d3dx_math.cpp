#include "platform/d3dx_math.h"

#include <cmath>

namespace sb {

namespace {

Vec3f Sub(const Vec3f& a, const Vec3f& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3f Cross(const Vec3f& a, const Vec3f& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Dot(const Vec3f& a, const Vec3f& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3f Normalize(const Vec3f& v) {
  const float len = std::sqrt(Dot(v, v));
  if (len == 0.0f) return v;
  return {v.x / len, v.y / len, v.z / len};
}

}  // namespace

Matrix MatrixIdentity() {
  Matrix r;
  for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0f;
  return r;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b) {
  Matrix r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += a.m[i][k] * b.m[k][j];
      r.m[i][j] = sum;
    }
  }
  return r;
}

Matrix MatrixScaling(float sx, float sy, float sz) {
  Matrix r;
  r.m[0][0] = sx;
  r.m[1][1] = sy;
  r.m[2][2] = sz;
  r.m[3][3] = 1.0f;
  return r;
}

Matrix MatrixTranslation(float x, float y, float z) {
  Matrix r = MatrixIdentity();
  r.m[3][0] = x;
  r.m[3][1] = y;
  r.m[3][2] = z;
  return r;
}

Matrix MatrixRotationZ(float angle) {
  Matrix r = MatrixIdentity();
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  r.m[0][0] = c;
  r.m[0][1] = s;
  r.m[1][0] = -s;
  r.m[1][1] = c;
  return r;
}

Matrix MatrixLookAtLH(const Vec3f& eye, const Vec3f& at, const Vec3f& up) {
  const Vec3f zaxis = Normalize(Sub(at, eye));
  const Vec3f xaxis = Normalize(Cross(up, zaxis));
  const Vec3f yaxis = Cross(zaxis, xaxis);
  Matrix r;
  r.m[0][0] = xaxis.x;
  r.m[0][1] = yaxis.x;
  r.m[0][2] = zaxis.x;
  r.m[1][0] = xaxis.y;
  r.m[1][1] = yaxis.y;
  r.m[1][2] = zaxis.y;
  r.m[2][0] = xaxis.z;
  r.m[2][1] = yaxis.z;
  r.m[2][2] = zaxis.z;
  r.m[3][0] = -Dot(xaxis, eye);
  r.m[3][1] = -Dot(yaxis, eye);
  r.m[3][2] = -Dot(zaxis, eye);
  r.m[3][3] = 1.0f;
  return r;
}

Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar) {
  const float yScale = 1.0f / std::tan(fovY / 2.0f);
  const float xScale = yScale / aspect;
  Matrix r;
  r.m[0][0] = xScale;
  r.m[1][1] = yScale;
  r.m[2][2] = zFar / (zFar - zNear);
  r.m[2][3] = 1.0f;
  r.m[3][2] = -zNear * zFar / (zFar - zNear);
  return r;
}

Vec4f TransformPoint(const Vec3f& p, const Matrix& m) {
  Vec4f r;
  r.x = p.x * m.m[0][0] + p.y * m.m[1][0] + p.z * m.m[2][0] + m.m[3][0];
  r.y = p.x * m.m[0][1] + p.y * m.m[1][1] + p.z * m.m[2][1] + m.m[3][1];
  r.z = p.x * m.m[0][2] + p.y * m.m[1][2] + p.z * m.m[2][2] + m.m[3][2];
  r.w = p.x * m.m[0][3] + p.y * m.m[1][3] + p.z * m.m[2][3] + m.m[3][3];
  return r;
}

}  // namespace sb
