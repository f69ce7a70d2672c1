// Matrix helpers with the graphics device's conventions: row vectors
// (p' = p x M), so in A x B the factor A applies first; left-handed cameras.
#pragma once

#include "platform/types.h"

namespace sb {

Matrix MatrixIdentity();
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
Matrix MatrixScaling(float sx, float sy, float sz);
Matrix MatrixTranslation(float x, float y, float z);
// (x, y) -> (x cos a - y sin a, x sin a + y cos a)
Matrix MatrixRotationZ(float angle);
Matrix MatrixLookAtLH(const Vec3f& eye, const Vec3f& at, const Vec3f& up);
Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar);

// A point (x, y, z, 1) through a matrix, before the homogeneous divide.
struct Vec4f {
  float x = 0, y = 0, z = 0, w = 0;
};
Vec4f TransformPoint(const Vec3f& p, const Matrix& m);

}  // namespace sb
