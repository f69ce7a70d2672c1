#include "image.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Colour Mix(Colour a, Colour b, float t) {
  return a * (1.0f - t) + b * t;
}

Colour FromBytes(int r, int g, int b) {
  return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f,
          static_cast<float>(b) / 255.0f};
}

Rgb Opaque(Colour c) {
  auto byte = [](float v, std::uint8_t floor) {
    float scaled = std::round(std::clamp(v, 0.0f, 1.0f) * 255.0f);
    return std::max(static_cast<std::uint8_t>(scaled), floor);
  };
  return {byte(c.r, kNearBlack.r), byte(c.g, kNearBlack.g), byte(c.b, kNearBlack.b)};
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Image::FillRect(int x, int y, int w, int h, Rgb c) {
  for (int yy = std::max(y, 0); yy < std::min(y + h, height_); ++yy) {
    for (int xx = std::max(x, 0); xx < std::min(x + w, width_); ++xx) at(xx, yy) = c;
  }
}

void Image::Blit(const Image& src, int x, int y, int scale, Rgb key) {
  for (int sy = 0; sy < src.height(); ++sy) {
    for (int sx = 0; sx < src.width(); ++sx) {
      Rgb c = src.at(sx, sy);
      FillRect(x + sx * scale, y + sy * scale, scale, scale, c.IsTransparent() ? key : c);
    }
  }
}

}  // namespace assetgen
