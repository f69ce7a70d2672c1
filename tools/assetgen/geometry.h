// Small 2D vector helpers shared by the painters.
#pragma once

#include <algorithm>
#include <cmath>

namespace assetgen {

// Pi to single precision, for the painters' angles.
inline constexpr float kPi = 3.14159265f;

struct V2 {
  float x = 0.0f;
  float y = 0.0f;
};

inline V2 operator+(V2 a, V2 b) {
  return {a.x + b.x, a.y + b.y};
}
inline V2 operator-(V2 a, V2 b) {
  return {a.x - b.x, a.y - b.y};
}
inline V2 operator*(V2 a, float s) {
  return {a.x * s, a.y * s};
}
inline float Dot(V2 a, V2 b) {
  return a.x * b.x + a.y * b.y;
}
inline float Length(V2 a) {
  return std::sqrt(Dot(a, a));
}

// Distance from p to the segment a-b.
inline float SegmentDistance(V2 p, V2 a, V2 b) {
  V2 ab = b - a;
  float len2 = Dot(ab, ab);
  float t = len2 > 0.0f ? std::clamp(Dot(p - a, ab) / len2, 0.0f, 1.0f) : 0.0f;
  return Length(p - (a + ab * t));
}

// Rotates v by angle radians (counter-clockwise in a y-up frame, clockwise on a y-down picture).
inline V2 Rotate(V2 v, float angle) {
  float c = std::cos(angle);
  float s = std::sin(angle);
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}

inline float Smoothstep(float e0, float e1, float x) {
  float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

}  // namespace assetgen
