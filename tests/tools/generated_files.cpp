#include "generated_files.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace sbtest {

std::vector<std::string> AllExpectedFiles() {
  std::vector<std::string> out;
  for (const auto& p : kSharedPictures) out.push_back("Textures/" + p.file);
  for (const auto& p : kSubjectPictures) out.push_back("Textures/" + p.file);
  for (const auto& s : kSounds) out.push_back("sfx/" + s);
  for (const auto& t : kTunes) out.push_back(t);
  return out;
}

double Picture::Coverage() const {
  std::size_t n = 0;
  for (const Pixel& p : pixels) n += p.Transparent() ? 0 : 1;
  return pixels.empty() ? 0.0 : static_cast<double>(n) / static_cast<double>(pixels.size());
}

bool Picture::BorderTransparent() const {
  for (int i = 0; i < width * height; ++i) {
    const int x = i % width, y = i / width;
    const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
    if (edge && !pixels[static_cast<std::size_t>(i)].Transparent()) return false;
  }
  return true;
}

Picture LoadPicture(const std::string& file) {
  Picture out;
  const std::string path = ProgramDir() + "/Textures/" + file;
  SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
  SDL_Surface* rgb = loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0) : nullptr;
  SDL_FreeSurface(loaded);
  if (rgb == nullptr) {
    ADD_FAILURE() << path << ": " << SDL_GetError();
    return out;
  }
  out.width = rgb->w;
  out.height = rgb->h;
  for (int y = 0; y < rgb->h; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch;
    for (int x = 0; x < rgb->w; ++x)
      out.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
  }
  SDL_FreeSurface(rgb);
  return out;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace sbtest
