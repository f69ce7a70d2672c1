// Reads a generated picture through SDL_LoadBMP, as the game does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sbtest {

struct Pixel {
  std::uint8_t r = 0, g = 0, b = 0;
  bool Transparent() const { return r == 0 && g == 0 && b == 0; }
  int Luma() const { return (299 * r + 587 * g + 114 * b) / 1000; }
  bool operator==(const Pixel&) const = default;
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;
  const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  // Share of pixels that are not the transparent black.
  double Coverage() const;
  // Mean colour of the visible pixels.
  void MeanColour(double* r, double* g, double* b) const;
  bool BorderTransparent() const;
};

// Empty picture (width 0) and a failure message when SDL cannot read the file.
Picture LoadPicture(const std::string& path, std::string* error);

// The folder the build generated the files into.
std::string ProgramDir();

}  // namespace sbtest
