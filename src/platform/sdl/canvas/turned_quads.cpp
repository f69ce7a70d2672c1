#include "platform/sdl/canvas/turned_quads.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/sdl/canvas/colour.h"
#include "platform/sdl/canvas/fast_paths.h"

namespace sb::sdl {

namespace {

// The renderer's triangle corners are in half pixels.
constexpr int kFixedShift = 1;
// Corners this far from the screen's origin at most (in pixels), so that no
// product of the renderer's 32-bit arithmetic overflows.
constexpr float kMaxCorner = 4000;

struct Point {
  int x, y;
};

// The renderer's test for a quad it copies as a rectangle, for the triangles
// (0,1,2) and (0,2,3), on the corners as given.
bool RendererTakesForRectangle(const SDL_Vertex v[4]) {
  const int k[3] = {0, 2, 3};
  const float x0 = v[k[0]].position.x, y0 = v[k[0]].position.y;
  const float x1 = v[k[1]].position.x, y1 = v[k[1]].position.y;
  const float x2 = v[k[2]].position.x, y2 = v[k[2]].position.y;
  int a, b;
  if (x0 <= x1 && y0 <= y1) {
    a = (x0 <= x2 && y0 <= y2) ? k[0] : k[2];
  } else {
    a = (x1 <= x2 && y1 <= y2) ? k[1] : k[2];
  }
  if (x0 >= x1 && y0 >= y1) {
    b = (x0 >= x2 && y0 >= y2) ? k[0] : k[2];
  } else {
    b = (x1 >= x2 && y1 >= y2) ? k[1] : k[2];
  }
  const auto other = [a, b](const int* of) {
    for (int i = 0; i < 3; ++i) {
      if (of[i] != a && of[i] != b) return of[i];
    }
    return of[2];
  };
  const int previous[3] = {0, 1, 2};
  const int c = other(k), c2 = other(previous);
  const SDL_FPoint& pa = v[a].position;
  const SDL_FPoint& pb = v[b].position;
  for (const int third : {c, c2}) {
    const SDL_FPoint& p = v[third].position;
    if (!((pa.x == p.x && pb.y == p.y) || (pa.y == p.y && pb.x == p.x))) return false;
  }
  for (const int corner : {b, c, c2}) {
    if (!SameColour(v[a].color, v[corner].color)) return false;
  }
  return true;
}

int Cross(const Point& a, const Point& b, int cx, int cy) {
  return (b.x - a.x) * (cy - a.y) - (b.y - a.y) * (cx - a.x);
}

bool IsTopLeft(const Point& a, const Point& b, bool clockwise) {
  if (clockwise) return (a.y == b.y && a.x < b.x) || b.y < a.y;
  return (a.y == b.y && b.x < a.x) || a.y < b.y;
}

// The triangle's bounding box in whole pixels, as the renderer rounds it:
// from its corners in half pixels, origin and size each shifted down.
SDL_Rect BoundingPixels(const Point d[3]) {
  const int minX = std::min({d[0].x, d[1].x, d[2].x}), maxX = std::max({d[0].x, d[1].x, d[2].x});
  const int minY = std::min({d[0].y, d[1].y, d[2].y}), maxY = std::max({d[0].y, d[1].y, d[2].y});
  return SDL_Rect{minX >> kFixedShift, minY >> kFixedShift, (maxX - minX) >> kFixedShift,
                  (maxY - minY) >> kFixedShift};
}

// Texture coordinates reach the largest one included: the renderer pulls it
// in by one texel, on each axis where the corners differ.
void PullInLargestTexel(Point s[3]) {
  const int maxX = std::max({s[0].x, s[1].x, s[2].x});
  const int maxY = std::max({s[0].y, s[1].y, s[2].y});
  if (maxX > std::min({s[0].x, s[1].x, s[2].x})) {
    for (int i = 0; i < 3; ++i) s[i].x -= s[i].x == maxX;
  }
  if (maxY > std::min({s[0].y, s[1].y, s[2].y})) {
    for (int i = 0; i < 3; ++i) s[i].y -= s[i].y == maxY;
  }
}

// The three edge functions, walked across the bounding box: their values at
// the middle of its first pixel, their steps one pixel right and one pixel
// down, and the top-left rule's bias. A pixel is inside when every value
// plus its bias is at least zero. Edge i is the one opposite corner i.
struct EdgeWalk {
  int row[3];    // at the start of the current row
  int stepX[3];  // one pixel to the right
  int stepY[3];  // one pixel down
  int bias[3];   // 0 on a top or left edge, -1 elsewhere
};

EdgeWalk StartEdges(const Point d[3], const SDL_Rect& rect, bool clockwise) {
  EdgeWalk e;
  const int px = rect.x * 2 + 1, py = rect.y * 2 + 1;  // middle of the first pixel
  const int sign = clockwise ? 1 : -1;
  for (int i = 0; i < 3; ++i) {
    const Point& a = d[(i + 1) % 3];
    const Point& b = d[(i + 2) % 3];
    e.row[i] = sign * Cross(a, b, px, py);
    e.stepX[i] = sign * (a.y - b.y) * 2;
    e.stepY[i] = sign * (b.x - a.x) * 2;
    e.bias[i] = IsTopLeft(a, b, clockwise) ? 0 : -1;
  }
  return e;
}

// The texel at a pixel, from two of its edge values: the renderer's
// barycentric interpolation in 64-bit integers, divided once by the area.
struct TexelMap {
  int64_t x0, x1, xBase, y0, y1, yBase, area;
  Point At(int w0, int w1) const {
    return Point{static_cast<int>((w0 * x0 + w1 * x1 + xBase) / area),
                 static_cast<int>((w0 * y0 + w1 * y1 + yBase) / area)};
  }
};

TexelMap MapTexels(const Point s[3], int area) {
  return TexelMap{s[0].x - s[2].x,
                  s[1].x - s[2].x,
                  static_cast<int64_t>(s[2].x) * area,
                  s[0].y - s[2].y,
                  s[1].y - s[2].y,
                  static_cast<int64_t>(s[2].y) * area,
                  area};
}

// An ARGB8888 texel tinted by `c` and blended over an XRGB8888 pixel, as the
// renderer's blend does it: each step in 8-bit integers, divided by 255.
uint32_t BlendOver(uint32_t texel, const SDL_Color& c, bool tint, bool fade, uint32_t dst) {
  uint32_t sr = (texel >> 16) & 0xFF, sg = (texel >> 8) & 0xFF, sb = texel & 0xFF;
  uint32_t sa = texel >> 24;
  if (tint) {
    sr = sr * c.r / 255;
    sg = sg * c.g / 255;
    sb = sb * c.b / 255;
  }
  if (fade) sa = sa * c.a / 255;
  if (sa < 255) {
    sr = sr * sa / 255;
    sg = sg * sa / 255;
    sb = sb * sa / 255;
  }
  const uint32_t dr = sr + (255 - sa) * ((dst >> 16) & 0xFF) / 255;
  const uint32_t dg = sg + (255 - sa) * ((dst >> 8) & 0xFF) / 255;
  const uint32_t db = sb + (255 - sa) * (dst & 0xFF) / 255;
  return dr << 16 | dg << 8 | db;
}

// One triangle, as the renderer's general path blends it: source ARGB8888,
// destination XRGB8888, one colour `c` on every corner. `s` are the
// corners' texels, `d` their places in half pixels of the screen.
void BlitTriangle(const SDL_Surface* picture, Point s[3], SDL_Surface* screen, const Point d[3],
                  const SDL_Color& c, const SDL_Rect& clip) {
  const int signedArea = Cross(d[0], d[1], d[2].x, d[2].y);
  if (signedArea == 0) return;
  SDL_Rect rect = BoundingPixels(d);
  PullInLargestTexel(s);
  const SDL_Rect whole{0, 0, screen->w, screen->h};
  SDL_IntersectRect(&rect, &whole, &rect);
  SDL_IntersectRect(&rect, &clip, &rect);
  if (rect.w <= 0 || rect.h <= 0) return;

  EdgeWalk edges = StartEdges(d, rect, signedArea > 0);
  const TexelMap texels = MapTexels(s, std::abs(signedArea));
  const bool tint = c.r != 255 || c.g != 255 || c.b != 255;
  const bool fade = c.a != 255;
  auto* row = static_cast<uint8_t*>(screen->pixels) + rect.y * screen->pitch + rect.x * 4;
  const auto* source = static_cast<const uint8_t*>(picture->pixels);
  for (int y = 0; y < rect.h; ++y, row += screen->pitch) {
    int w0 = edges.row[0], w1 = edges.row[1], w2 = edges.row[2];
    auto* out = reinterpret_cast<uint32_t*>(row);
    for (int x = 0; x < rect.w; ++x) {
      if (w0 + edges.bias[0] >= 0 && w1 + edges.bias[1] >= 0 && w2 + edges.bias[2] >= 0) {
        const Point t = texels.At(w0, w1);
        const uint32_t texel =
            reinterpret_cast<const uint32_t*>(source + t.y * picture->pitch)[t.x];
        out[x] = BlendOver(texel, c, tint, fade, out[x]);
      }
      w0 += edges.stepX[0];
      w1 += edges.stepX[1];
      w2 += edges.stepX[2];
    }
    for (int i = 0; i < 3; ++i) edges.row[i] += edges.stepY[i];
  }
}

// The corners of the two triangles as the renderer holds them: texture
// coordinates in whole texels, positions in half pixels of the screen.
struct Triangle {
  Point s[3], d[3];
};

void Prepare(const SDL_Surface* picture, const SDL_Vertex corners[4], const SDL_Rect& viewport,
             Triangle out[2]) {
  const int order[2][3] = {{0, 1, 2}, {0, 2, 3}};
  for (int t = 0; t < 2; ++t) {
    for (int i = 0; i < 3; ++i) {
      const SDL_Vertex& v = corners[order[t][i]];
      out[t].s[i] = Point{static_cast<int>(v.tex_coord.x * static_cast<float>(picture->w)),
                          static_cast<int>(v.tex_coord.y * static_cast<float>(picture->h))};
      out[t].d[i] = Point{(static_cast<int>(v.position.x) + viewport.x) * 2,
                          (static_cast<int>(v.position.y) + viewport.y) * 2};
    }
  }
}

}  // namespace

bool IsTurnedQuad(const SDL_Vertex corners[4], SDL_BlendMode blend, const SDL_Surface* picture,
                  const TurnedQuadTarget& target) {
  const SDL_Surface* screen = target.screen;
  if (blend != SDL_BLENDMODE_BLEND || picture == nullptr ||
      picture->format->format != SDL_PIXELFORMAT_ARGB8888 || screen == nullptr ||
      screen->format->format != SDL_PIXELFORMAT_RGB888 || SDL_MUSTLOCK(screen) ||
      screen->w > kMaxCorner || screen->h > kMaxCorner) {
    return false;
  }
  for (int i = 0; i < 4; ++i) {
    const SDL_Vertex& v = corners[i];
    if (!SameColour(v.color, corners[0].color)) return false;
    // Out-of-range texture coordinates are the renderer's to refuse.
    if (!(v.tex_coord.x >= 0 && v.tex_coord.x <= 1 && v.tex_coord.y >= 0 && v.tex_coord.y <= 1)) {
      return false;
    }
    if (!(std::fabs(v.position.x + static_cast<float>(target.viewport.x)) < kMaxCorner &&
          std::fabs(v.position.y + static_cast<float>(target.viewport.y)) < kMaxCorner)) {
      return false;
    }
  }
  // The renderer multiplies a texel coordinate by the triangle's area in 32
  // bits; triangles where that could overflow are left to it.
  Triangle triangles[2];
  Prepare(picture, corners, target.viewport, triangles);
  for (const Triangle& t : triangles) {
    const int64_t area = std::abs(Cross(t.d[0], t.d[1], t.d[2].x, t.d[2].y));
    if (area * std::max(picture->w, picture->h) > INT32_MAX) return false;
  }
  return !RendererTakesForRectangle(corners);
}

void DrawTurnedQuad(const SDL_Surface* picture, const SDL_Vertex corners[4],
                    const TurnedQuadTarget& target) {
  Triangle triangles[2];
  Prepare(picture, corners, target.viewport, triangles);
  for (Triangle& t : triangles) {
    BlitTriangle(picture, t.s, target.screen, t.d, corners[0].color, target.viewport);
  }
  SDL_Rect area = BoundingPixels(triangles[0].d);
  const SDL_Rect second = BoundingPixels(triangles[1].d);
  SDL_UnionRect(&area, &second, &area);
  SDL_IntersectRect(&area, &target.viewport, &area);
  SpoilFastPath(FastPath::TurnedQuads, target.screen, area);
}

}  // namespace sb::sdl
