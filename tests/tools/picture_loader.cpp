#include "picture_loader.h"

#include <SDL.h>

namespace sbtest {

double Picture::Coverage() const {
  std::size_t n = 0;
  for (const Pixel& p : pixels) n += p.Transparent() ? 0 : 1;
  return pixels.empty() ? 0.0 : static_cast<double>(n) / static_cast<double>(pixels.size());
}

void Picture::MeanColour(double* r, double* g, double* b) const {
  double sr = 0, sg = 0, sb = 0;
  std::size_t n = 0;
  for (const Pixel& p : pixels) {
    if (p.Transparent()) continue;
    sr += p.r;
    sg += p.g;
    sb += p.b;
    ++n;
  }
  *r = n ? sr / n : 0;
  *g = n ? sg / n : 0;
  *b = n ? sb / n : 0;
}

bool Picture::BorderTransparent() const {
  for (int x = 0; x < width; ++x) {
    if (!at(x, 0).Transparent() || !at(x, height - 1).Transparent()) return false;
  }
  for (int y = 0; y < height; ++y) {
    if (!at(0, y).Transparent() || !at(width - 1, y).Transparent()) return false;
  }
  return true;
}

Picture LoadPicture(const std::string& path, std::string* error) {
  Picture out;
  SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
  if (loaded == nullptr) {
    *error = path + ": " + SDL_GetError();
    return out;
  }
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(loaded);
  if (rgb == nullptr) {
    *error = path + ": " + SDL_GetError();
    return out;
  }
  out.width = rgb->w;
  out.height = rgb->h;
  out.pixels.resize(static_cast<std::size_t>(rgb->w) * rgb->h);
  for (int y = 0; y < rgb->h; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch;
    for (int x = 0; x < rgb->w; ++x) {
      out.pixels[static_cast<std::size_t>(y) * rgb->w + x] = {row[x * 3], row[x * 3 + 1],
                                                              row[x * 3 + 2]};
    }
  }
  SDL_FreeSurface(rgb);
  return out;
}

std::string ProgramDir() {
  return SB_PROGRAM_DIR;
}

}  // namespace sbtest
