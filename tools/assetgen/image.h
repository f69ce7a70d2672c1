// 24-bit pictures in memory. Opaque black (0,0,0) is the game's transparent
// colour, so every visible pixel must be something else.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
  bool IsTransparent() const { return r == 0 && g == 0 && b == 0; }
};

// Colour with float channels in [0, 1] (values above 1 are allowed while mixing).
struct Colour {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
};

inline Colour operator+(Colour a, Colour b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator*(Colour a, float s) {
  return {a.r * s, a.g * s, a.b * s};
}
inline Colour operator*(Colour a, Colour b) {
  return {a.r * b.r, a.g * b.g, a.b * b.b};
}
Colour Mix(Colour a, Colour b, float t);
Colour FromBytes(int r, int g, int b);

// The darkest colour a visible pixel gets: near-black, never the transparent key.
inline constexpr Rgb kNearBlack{8, 8, 12};

// Converts to bytes for a visible pixel: clamped, and lifted off pure black.
Rgb Opaque(Colour c);

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = {});

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgb& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  // Writes a pixel; positions outside the picture are ignored.
  void Set(int x, int y, Rgb c) {
    if (Contains(x, y)) at(x, y) = c;
  }
  void FillRect(int x, int y, int w, int h, Rgb c);
  // Copies src with its top-left corner at (x, y), each pixel scale x scale;
  // transparent pixels of src become `key` so the sheet shows where they are.
  void Blit(const Image& src, int x, int y, int scale, Rgb key);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

}  // namespace assetgen
