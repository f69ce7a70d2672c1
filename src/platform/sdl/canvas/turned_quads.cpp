#include "platform/sdl/canvas/turned_quads.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/sdl/canvas/colour.h"

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

// One triangle, as the renderer's general path blends it: source ARGB8888,
// destination XRGB8888, one colour `c` on every corner.
void BlitTriangle(const SDL_Surface* picture, Point s0, Point s1, Point s2, SDL_Surface* screen,
                  const Point& d0, const Point& d1, const Point& d2, const SDL_Color& c,
                  const SDL_Rect& clip) {
  int area = Cross(d0, d1, d2.x, d2.y);
  if (area == 0) return;

  SDL_Rect rect;
  {
    const int minX = std::min(d0.x, std::min(d1.x, d2.x)),
              maxX = std::max(d0.x, std::max(d1.x, d2.x));
    const int minY = std::min(d0.y, std::min(d1.y, d2.y)),
              maxY = std::max(d0.y, std::max(d1.y, d2.y));
    rect = SDL_Rect{minX >> kFixedShift, minY >> kFixedShift, (maxX - minX) >> kFixedShift,
                    (maxY - minY) >> kFixedShift};
  }
  // Texture coordinates reach the largest one included: pull it in by one.
  {
    const int maxX = std::max(s0.x, std::max(s1.x, s2.x));
    const int maxY = std::max(s0.y, std::max(s1.y, s2.y));
    if (maxX > std::min(s0.x, std::min(s1.x, s2.x))) {
      for (Point* s : {&s0, &s1, &s2}) s->x -= s->x == maxX;
    }
    if (maxY > std::min(s0.y, std::min(s1.y, s2.y))) {
      for (Point* s : {&s0, &s1, &s2}) s->y -= s->y == maxY;
    }
  }
  const SDL_Rect whole{0, 0, screen->w, screen->h};
  SDL_IntersectRect(&rect, &whole, &rect);
  SDL_IntersectRect(&rect, &clip, &rect);
  if (rect.w <= 0 || rect.h <= 0) return;

  const bool clockwise = area > 0;
  area = std::abs(area);
  int d2d1y = (d1.y - d2.y) * 2, d0d2y = (d2.y - d0.y) * 2, d1d0y = (d0.y - d1.y) * 2;
  int d1d2x = (d2.x - d1.x) * 2, d2d0x = (d0.x - d2.x) * 2, d0d1x = (d1.x - d0.x) * 2;
  const int s2s0x = s0.x - s2.x, s2s1x = s1.x - s2.x, s2s0y = s0.y - s2.y, s2s1y = s1.y - s2.y;
  // Rows start at the middle of the rectangle's first pixel.
  const int px = rect.x * 2 + 1, py = rect.y * 2 + 1;
  int w0Row = Cross(d1, d2, px, py), w1Row = Cross(d2, d0, px, py), w2Row = Cross(d0, d1, px, py);
  if (!clockwise) {
    for (int* v : {&d2d1y, &d0d2y, &d1d0y, &d1d2x, &d2d0x, &d0d1x, &w0Row, &w1Row, &w2Row}) {
      *v = -*v;
    }
  }
  const int bias0 = IsTopLeft(d1, d2, clockwise) ? 0 : -1;
  const int bias1 = IsTopLeft(d2, d0, clockwise) ? 0 : -1;
  const int bias2 = IsTopLeft(d0, d1, clockwise) ? 0 : -1;
  const int64_t s2AreaX = static_cast<int64_t>(s2.x) * area;
  const int64_t s2AreaY = static_cast<int64_t>(s2.y) * area;

  const bool modulateColour = c.r != 255 || c.g != 255 || c.b != 255;
  const bool modulateAlpha = c.a != 255;
  auto* row = static_cast<uint8_t*>(screen->pixels) + rect.y * screen->pitch + rect.x * 4;
  const auto* texels = static_cast<const uint8_t*>(picture->pixels);
  for (int y = 0; y < rect.h; ++y, row += screen->pitch) {
    int w0 = w0Row, w1 = w1Row, w2 = w2Row;
    auto* out = reinterpret_cast<uint32_t*>(row);
    for (int x = 0; x < rect.w; ++x, w0 += d2d1y, w1 += d0d2y, w2 += d1d0y) {
      if (w0 + bias0 < 0 || w1 + bias1 < 0 || w2 + bias2 < 0) continue;
      const auto sx = static_cast<int>(
          (static_cast<int64_t>(w0) * s2s0x + static_cast<int64_t>(w1) * s2s1x + s2AreaX) / area);
      const auto sy = static_cast<int>(
          (static_cast<int64_t>(w0) * s2s0y + static_cast<int64_t>(w1) * s2s1y + s2AreaY) / area);
      const uint32_t texel = reinterpret_cast<const uint32_t*>(texels + sy * picture->pitch)[sx];
      uint32_t sr = (texel >> 16) & 0xFF, sg = (texel >> 8) & 0xFF, sb = texel & 0xFF;
      uint32_t sa = texel >> 24;
      if (modulateColour) {
        sr = sr * c.r / 255;
        sg = sg * c.g / 255;
        sb = sb * c.b / 255;
      }
      if (modulateAlpha) sa = sa * c.a / 255;
      if (sa < 255) {
        sr = sr * sa / 255;
        sg = sg * sa / 255;
        sb = sb * sa / 255;
      }
      const uint32_t dst = out[x];
      const uint32_t dr = sr + (255 - sa) * ((dst >> 16) & 0xFF) / 255;
      const uint32_t dg = sg + (255 - sa) * ((dst >> 8) & 0xFF) / 255;
      const uint32_t db = sb + (255 - sa) * (dst & 0xFF) / 255;
      out[x] = dr << 16 | dg << 8 | db;
    }
    w0Row += d1d2x;
    w1Row += d2d0x;
    w2Row += d0d1x;
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
  for (const Triangle& t : triangles) {
    BlitTriangle(picture, t.s[0], t.s[1], t.s[2], target.screen, t.d[0], t.d[1], t.d[2],
                 corners[0].color, target.viewport);
  }
}

}  // namespace sb::sdl
