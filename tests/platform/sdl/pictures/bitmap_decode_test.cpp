// Pictures decoded by the platform's own pass for plain 24-bit files give
// exactly the pixels SDL's decoder gives.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/sdl/pictures/bitmap_header.h"
#include "platform/sdl/pictures/texture_loader.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

std::vector<uint32_t> Pixels(SDL_Surface* s) {
  std::vector<uint32_t> out;
  for (int y = 0; y < s->h; ++y) {
    const auto* row =
        reinterpret_cast<const uint32_t*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
    out.insert(out.end(), row, row + s->w);
  }
  SDL_FreeSurface(s);
  return out;
}

// SDL's decoder and converter, with opaque black made transparent.
std::vector<uint32_t> BySdl(const std::string& path) {
  SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
  EXPECT_NE(loaded, nullptr) << SDL_GetError();
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  std::vector<uint32_t> pixels = Pixels(argb);
  for (uint32_t& p : pixels) p = p == 0xFF000000u ? 0 : p;
  return pixels;
}

bool Plain(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadFile(path);
  sdl::PlainBitmap layout;
  return sdl::PlainBitmapLayout(bytes.data(), bytes.size(), layout);
}

TEST(BitmapDecoding, EitherRowOrderGivesThePixelsSdlGives) {
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
  ScratchFolder folder;
  // Odd widths leave padding at the end of each row; some pixels are black.
  std::mt19937 chance(11);
  std::vector<uint32_t> colours(13 * 7);
  for (uint32_t& c : colours) c = chance() % 3 == 0 ? 0 : chance() & 0xFFFFFF;
  colours[1] = 0x010101;  // the darkest grey is not keyed
  const std::string bottomUp = folder.File("odd.bmp");
  WriteBmp(bottomUp, 13, 7, colours);
  ASSERT_TRUE(Plain(bottomUp));
  const std::vector<uint32_t> expected = BySdl(bottomUp);
  EXPECT_EQ(Pixels(sdl::LoadKeyedBitmap(bottomUp)), expected);

  // The same picture with its rows stored from the top.
  std::vector<uint8_t> bytes = ReadFile(bottomUp);
  const uint32_t offset = bytes[10] | bytes[11] << 8;
  const size_t row = (13 * 3 + 3) / 4 * 4;
  std::vector<uint8_t> flipped(bytes.begin(), bytes.begin() + offset);
  for (int y = 6; y >= 0; --y) {
    const auto start = bytes.begin() + offset + static_cast<long>(y * row);
    flipped.insert(flipped.end(), start, start + static_cast<long>(row));
  }
  const int32_t negative = -7;
  std::memcpy(flipped.data() + 22, &negative, 4);
  const std::string topDown = folder.File("top.bmp");
  WriteFile(topDown, flipped);
  ASSERT_TRUE(Plain(topDown));
  EXPECT_EQ(Pixels(sdl::LoadKeyedBitmap(topDown)), expected);
  SDL_Quit();
}

}  // namespace
}  // namespace sb::sdltest
