// A look at a BMP file's header before it is decoded: the decoder allocates
// the picture the header claims before it reads a pixel, so a damaged or
// hostile header must be refused first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace sb::sdl {

// The largest picture the game loads, on either side.
inline constexpr int64_t kMaxBitmapSide = 4096;
// Bytes of the file header and the longest info header field read here.
inline constexpr size_t kBitmapHeaderBytes = 54;

// Empty when the header (the file's first bytes, `size` of them) describes a
// picture the file of `fileSize` bytes can hold; otherwise the fault, in a
// few words.
std::string BitmapHeaderFault(const uint8_t* head, size_t size, uint64_t fileSize);

// Where the pixels of a plain 24-bit picture lie: uncompressed, with the
// common 40-byte info header, as every picture of the game is. Such a
// picture is decoded here in one pass instead of by the general decoder.
struct PlainBitmap {
  uint32_t pixelOffset = 0;
  int width = 0, height = 0;
  bool topDown = false;  // rows stored from the top (negative height)
  size_t rowBytes = 0;   // with the padding to four bytes
};
// True, filling `out`, when the header describes such a picture; for a
// header BitmapHeaderFault has accepted.
bool PlainBitmapLayout(const uint8_t* head, size_t size, PlainBitmap& out);

}  // namespace sb::sdl
