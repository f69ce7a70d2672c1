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

}  // namespace sb::sdl
