#include "hud_painter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "geometry.h"
#include "pixel_font.h"
#include "sculpture.h"

namespace assetgen {

namespace {

const Rgb kLabel{255, 168, 48};
const Rgb kRadarLine{40, 150, 80};

Region RoundedRect(float x0, float y0, float x1, float y1, float r) {
  std::vector<V2> pts;
  const V2 centres[4] = {{x1 - r, y0 + r}, {x1 - r, y1 - r}, {x0 + r, y1 - r}, {x0 + r, y0 + r}};
  for (int c = 0; c < 4; ++c) {
    for (int i = 0; i <= 6; ++i) {
      float a = -kPi * 0.5f + kPi * 0.5f * (static_cast<float>(c) + static_cast<float>(i) / 6.0f);
      pts.push_back(centres[c] + V2{std::cos(a) * r, std::sin(a) * r});
    }
  }
  return Region::Polygon(std::move(pts));
}

// A bevelled steel panel filling a w x h sculpture.
void Panel(Sculpture& s, float w, float h, float bevel) {
  Material steel{FromBytes(58, 64, 80), 0.3f, 12.0f};
  s.Fill(Region::Rect(0.0f, 0.0f, w, h), steel, 0.0f, 3.0f, bevel);
}

void Line(Image& img, int x0, int y0, int x1, int y1, Rgb c) {
  int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= steps; ++i) {
    float t = steps ? static_cast<float>(i) / static_cast<float>(steps) : 0.0f;
    img.Set(static_cast<int>(std::lround(x0 + (x1 - x0) * t)),
            static_cast<int>(std::lround(y0 + (y1 - y0) * t)), c);
  }
}

void Circle(Image& img, float cx, float cy, float r, Rgb c, float dash = 0.0f) {
  int steps = static_cast<int>(r * 8.0f);
  for (int i = 0; i < steps; ++i) {
    float a = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(steps);
    if (dash > 0.0f && std::fmod(a * r, dash * 2.0f) > dash) continue;
    img.Set(static_cast<int>(std::floor(cx + std::cos(a) * r)),
            static_cast<int>(std::floor(cy + std::sin(a) * r)), c);
  }
}

// Text lifted off a sculpted face, one raised block per font pixel.
void EmbossText(Sculpture& s, const std::string& text, float x, float y, int scale,
                const Material& m) {
  LayoutText(text, scale, [&](int px, int py) {
    float x0 = x + static_cast<float>(px), y0 = y + static_cast<float>(py);
    s.Stack(Region::Rect(x0, y0, x0 + static_cast<float>(scale), y0 + static_cast<float>(scale)), m,
            2.0f, 1.0f);
  });
}

Image Button(const std::string& caption, int arrow) {
  Sculpture s(128, 64, 3, 1.0f, {0.0f, 0.0f});
  Material rim{FromBytes(236, 128, 26), 0.35f, 12.0f};
  Material face{FromBytes(44, 52, 70), 0.3f, 10.0f};
  Material ink{FromBytes(255, 196, 70), 0.5f, 16.0f};
  s.Fill(RoundedRect(1.0f, 1.0f, 127.0f, 63.0f, 10.0f), rim, 0.0f, 4.0f, 4.0f);
  s.Fill(RoundedRect(6.0f, 6.0f, 122.0f, 58.0f, 7.0f), face, 1.0f, 2.0f, 3.0f);
  // Fine horizontal ribs on the face.
  for (float y = 10.0f; y < 56.0f; y += 4.0f)
    s.Raise(Region::Rect(8.0f, y, 120.0f, y + 0.6f), -0.4f);
  if (!caption.empty()) {
    const int scale = 3;
    float w = static_cast<float>(TextWidth(caption, scale));
    EmbossText(s, caption, 64.0f - w * 0.5f, 32.0f - kGlyphHeight * scale * 0.5f, scale, ink);
  }
  if (arrow != 0) {
    // Arrow head and shaft pointing left (-1) or right (+1).
    float d = static_cast<float>(arrow);
    std::vector<V2> pts = {{64.0f + d * 38.0f, 32.0f}, {64.0f + d * 8.0f, 13.0f},
                           {64.0f + d * 8.0f, 24.0f},  {64.0f - d * 34.0f, 24.0f},
                           {64.0f - d * 34.0f, 40.0f}, {64.0f + d * 8.0f, 40.0f},
                           {64.0f + d * 8.0f, 51.0f}};
    s.Stack(Region::Polygon(pts), ink, 3.0f, 3.0f);
  }
  return s.Render();
}

}  // namespace

Image PaintHud() {
  const int w = 152, h = 360;
  Sculpture s(w, h, 2, 1.0f, {0.0f, 0.0f});
  Panel(s, static_cast<float>(w), static_cast<float>(h), 5.0f);
  Material slot{FromBytes(12, 16, 24), 0.2f, 8.0f};
  Material lamp{FromBytes(255, 150, 40), 0.6f, 20.0f};
  // Recessed read-out windows where the game prints the numbers.
  for (int row : kHudReadoutRows) {
    float x0 = static_cast<float>(kHudNumbersX - kHudX - 4);
    s.Fill(Region::Rect(x0, row - 5.0f, w - 5.0f, row + 24.0f), slot, -1.0f, 1.0f, 2.0f);
  }
  // Rivets down the right of the radar and a status lamp.
  for (int i = 0; i < 4; ++i)
    s.Stack(Region::Circle({140.0f, 14.0f + 32.0f * i}, 2.5f), slot, 1.5f);
  s.Stack(Region::Circle({140.0f, 112.0f}, 4.0f), lamp, 1.5f);
  s.Emit(Region::Circle({140.0f, 112.0f}, 4.0f), FromBytes(255, 140, 40) * 0.5f, true);
  s.Roughen(0x4D7, 0.25f, 5.0f);
  Image img = s.Render();

  // The radar screen: dark green glass with range rings and a grid.
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) {
      float r = std::hypot(x + 0.5f - 64.0f, y + 0.5f - 64.0f) / 90.0f;
      float glow = 1.0f - 0.6f * r;
      Colour c = FromBytes(8, 40, 22) * glow;
      if (x % 16 == 0 || y % 16 == 0) c = c + FromBytes(6, 22, 12);
      img.at(x, y) = Opaque(c);
    }
  }
  for (float r : {16.0f, 32.0f, 48.0f})
    Circle(img, 64.0f, 64.0f, r, kRadarLine, r > 40 ? 3.0f : 0.0f);
  Line(img, 64, 4, 64, 124, kRadarLine);
  Line(img, 4, 64, 124, 64, kRadarLine);
  for (int x = 0; x < 128; ++x) {
    img.at(x, 0) = img.at(x, 127) = Rgb{30, 90, 56};
    img.at(0, x) = img.at(127, x) = Rgb{30, 90, 56};
  }

  // Labels, left of the numbers: a bold line of the built-in font.
  for (int i = 0; i < 4; ++i) {
    int y = kHudReadoutRows[i] + 4;
    DrawText(img, 5, y + 1, kHudLabels[i], 1, Rgb{40, 24, 8});
    DrawText(img, 4, y, kHudLabels[i], 1, kLabel);
    DrawText(img, 5, y, kHudLabels[i], 1, kLabel);
    Line(img, 4, y + 10, 44, y + 10, Rgb{120, 80, 30});
  }
  return img;
}

Image PaintFrame() {
  Sculpture s(128, 128, 3, 1.0f, {0.0f, 0.0f});
  Material steel{FromBytes(120, 128, 146), 0.45f, 14.0f};
  Material accent{FromBytes(236, 128, 26), 0.35f, 12.0f};
  s.Fill(Region::Rect(0.0f, 0.0f, 128.0f, 128.0f), steel, 0.0f, 4.0f, 3.0f);
  s.Erase(RoundedRect(7.0f, 7.0f, 121.0f, 121.0f, 8.0f));
  // Orange corner pieces and bolts.
  for (float cx : {0.0f, 1.0f}) {
    for (float cy : {0.0f, 1.0f}) {
      float x = cx * 116.0f, y = cy * 116.0f;
      s.Paint(Region::Rect(x, y, x + 12.0f, y + 12.0f), accent);
      s.Stack(Region::Circle({x + 4.5f + cx * 3.0f, y + 4.5f + cy * 3.0f}, 2.0f),
              {FromBytes(60, 64, 74), 0.4f, 10.0f}, 1.0f);
    }
  }
  // Range ticks along the inner edge.
  for (float t = 32.0f; t < 100.0f; t += 32.0f) {
    s.Raise(Region::Rect(t - 0.7f, 0.0f, t + 0.7f, 7.0f), -1.5f);
    s.Raise(Region::Rect(t - 0.7f, 121.0f, t + 0.7f, 128.0f), -1.5f);
    s.Raise(Region::Rect(0.0f, t - 0.7f, 7.0f, t + 0.7f), -1.5f);
    s.Raise(Region::Rect(121.0f, t - 0.7f, 128.0f, t + 0.7f), -1.5f);
  }
  return s.Render();
}

Image PaintTarBack() {
  Sculpture s(256, 256, 2, 1.0f, {0.0f, 0.0f});
  Material steel{FromBytes(70, 78, 96), 0.35f, 12.0f};
  Material screen{FromBytes(12, 20, 34), 0.2f, 8.0f};
  s.Fill(RoundedRect(0.0f, 0.0f, 256.0f, 256.0f, 12.0f), steel, 0.0f, 4.0f, 4.0f);
  s.Fill(RoundedRect(6.0f, 6.0f, 250.0f, 250.0f, 8.0f), screen, -2.0f, 0.0f);
  Image img = s.Render();
  // Faint grid and a vignette on the screen.
  for (int y = 8; y < 248; ++y) {
    for (int x = 8; x < 248; ++x) {
      if (img.at(x, y).r > 40) continue;  // leave the bezel alone
      float r = std::hypot(x - 128.0f, y - 128.0f) / 181.0f;
      Colour c = FromBytes(12, 22, 38) * (1.1f - 0.5f * r);
      if ((x - 8) % 24 == 0 || (y - 8) % 24 == 0) c = c + FromBytes(8, 20, 30);
      img.at(x, y) = Opaque(c);
    }
  }
  return img;
}

Image PaintTargeter() {
  Image img(256, 256);
  const Rgb c{120, 255, 170};
  const Rgb dim{60, 150, 100};
  // Corner brackets.
  for (int t = 0; t < 3; ++t) {
    for (int sx : {0, 1}) {
      for (int sy : {0, 1}) {
        int x = sx ? 243 - t : 12 + t, y = sy ? 243 - t : 12 + t;
        int dx = sx ? -1 : 1, dy = sy ? -1 : 1;
        Line(img, x, y, x + dx * 36, y, c);
        Line(img, x, y, x, y + dy * 36, c);
      }
    }
  }
  // Reticle: broken circle, four ticks and a centre dot.
  for (float r : {27.0f, 28.0f}) Circle(img, 128.0f, 128.0f, r, c, 6.0f);
  for (int t : {-1, 0, 1}) {
    Line(img, 128 + t, 86, 128 + t, 106, c);
    Line(img, 128 + t, 150, 128 + t, 170, c);
    Line(img, 86, 128 + t, 106, 128 + t, c);
    Line(img, 150, 128 + t, 170, 128 + t, c);
  }
  img.FillRect(127, 127, 2, 2, c);
  // Range marks along the outer ring.
  for (int i = 0; i < 24; ++i) {
    float a = 2.0f * kPi * static_cast<float>(i) / 24.0f;
    float inner = i % 6 == 0 ? 60.0f : 66.0f;
    Line(img, static_cast<int>(128 + std::cos(a) * inner),
         static_cast<int>(128 + std::sin(a) * inner), static_cast<int>(128 + std::cos(a) * 70.0f),
         static_cast<int>(128 + std::sin(a) * 70.0f), dim);
  }
  return img;
}

Image PaintBar() {
  Image img(256, 12);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 256; ++x) {
      bool corner = (x == 0 || x == 255) && (y == 0 || y == 11);
      if (corner) continue;
      float shade = 1.0f - 0.2f * static_cast<float>(y) / 11.0f;
      if (y == 2) shade = 1.0f;
      if (x % 16 == 15) shade -= 0.12f;  // segment notches
      Colour c = FromBytes(246, 248, 252) * shade;
      if (y == 0 || y == 11 || x == 0 || x == 255) c = FromBytes(150, 156, 168);
      img.at(x, y) = Opaque(c);
    }
  }
  return img;
}

Image PaintPointer() {
  Sculpture s(64, 64, 4, 1.0f, {0.0f, 0.0f});
  Material gold{FromBytes(255, 184, 40), 0.5f, 16.0f};
  Material dark{FromBytes(150, 70, 16), 0.3f, 10.0f};
  // A ring around the pivot and an arrow head below it, pointing down.
  s.Fill(Region::Ring({32.0f, 32.0f}, 7.0f, 11.0f), dark, 0.0f, 2.0f);
  s.Fill(Region::Polygon({{32.0f, 61.0f}, {19.0f, 42.0f}, {32.0f, 47.0f}, {45.0f, 42.0f}}), gold,
         0.0f, 3.0f, 3.0f);
  s.Fill(Region::Rect(30.0f, 40.0f, 34.0f, 48.0f), gold, 0.0f, 2.0f, 1.5f);
  s.Stack(Region::Circle({32.0f, 32.0f}, 3.0f), gold, 2.0f);
  return s.Render();
}

Image PaintCursor() {
  static const char* kArrow[] = {
      "X.............", "XX............", "XoX...........", "XooX..........", "XoooX.........",
      "XooooX........", "XoooooX.......", "XooooooX......", "XoooooooX.....", "XooooooooX....",
      "XoooooooooX...", "XooooooooooX..", "XoooooooooooX.", "XooooooXXXXXX.", "XoooXooX......",
      "XooX.XooX.....", "XoX..XooX.....", "XX....XooX....", "X.....XooX....", ".......XooX...",
      ".......XooX...", "........XX....",
  };
  Image img(32, 32);
  int rows = static_cast<int>(sizeof(kArrow) / sizeof(kArrow[0]));
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; kArrow[y][x] != '\0'; ++x) {
      if (kArrow[y][x] == 'X') img.at(x, y) = Rgb{40, 40, 52};
      if (kArrow[y][x] == 'o') {
        auto v = static_cast<std::uint8_t>(255 - y * 3);
        img.at(x, y) = Rgb{v, v, 255};
      }
    }
  }
  return img;
}

Image PaintBox() {
  Image img(32, 32);
  const Rgb c{255, 196, 60};
  const Rgb bright{255, 240, 170};
  for (int i = 0; i < 32; ++i) {
    for (int t : {0, 1}) {
      img.at(i, t) = img.at(i, 31 - t) = c;
      img.at(t, i) = img.at(31 - t, i) = c;
    }
  }
  // Heavier corners.
  for (int sx : {0, 1}) {
    for (int sy : {0, 1}) {
      int x = sx ? 26 : 2, y = sy ? 29 : 2;
      img.FillRect(x, y, 4, 1, bright);
      img.FillRect(sx ? 29 : 2, sy ? 26 : 2, 1, 4, bright);
    }
  }
  return img;
}

Image PaintStartButton() {
  return Button("START", 0);
}
Image PaintLeftButton() {
  return Button("", -1);
}
Image PaintRightButton() {
  return Button("", 1);
}

}  // namespace assetgen
