// The device's vertex pipeline, done on the CPU: a point goes through
// world x view x projection (row vectors), is divided by w and mapped from
// normalised device coordinates to pixels of the current viewport.
#pragma once

#include "core/vertex.h"
#include "platform/d3dx_math.h"
#include "platform/types.h"

namespace sb::sdl {

struct ScreenPoint {
  float x = 0, y = 0;  // pixels, relative to the viewport's top-left corner
};

// Maps a point to viewport pixels; false when it lies on or behind the
// camera plane (w <= 0), where it has no screen position.
bool ProjectToViewport(const Vec3f& p, const Matrix& worldViewProj, float viewportWidth,
                       float viewportHeight, ScreenPoint& out);

// The four corners of a quad; false (draw nothing) when any corner is behind
// the camera or the whole quad lies beyond the far plane.
bool ProjectQuad(const LitVertex* corners, const Matrix& worldViewProj, float viewportWidth,
                 float viewportHeight, ScreenPoint out[4]);

// Side of a point sprite in pixels: with point scaling on, the point size is
// a fraction of the viewport's height; with it off, a size in pixels.
float PointSidePixels(float pointSize, bool scaleEnabled, float viewportHeight);

}  // namespace sb::sdl
