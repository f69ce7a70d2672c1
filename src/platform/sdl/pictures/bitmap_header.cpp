#include "platform/sdl/pictures/bitmap_header.h"

#include <cstdlib>

namespace sb::sdl {

namespace {

constexpr uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER: unsigned 16-bit sides
constexpr uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER and its successors
constexpr uint32_t kUncompressed = 0;     // BI_RGB
constexpr uint32_t kBitFields = 3;        // BI_BITFIELDS: pixels still uncompressed

uint32_t Little(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

int64_t Signed32(const uint8_t* p) {
  return static_cast<int32_t>(Little(p, 4));
}

std::string Sides(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

std::string BitmapHeaderFault(const uint8_t* head, size_t size, uint64_t fileSize) {
  if (size < 18 || head[0] != 'B' || head[1] != 'M') return "not a BMP picture";
  const uint32_t pixelOffset = Little(head + 10, 4);
  const uint32_t infoSize = Little(head + 14, 4);
  int64_t width = 0, height = 0;
  uint32_t bits = 0, compression = kUncompressed;
  if (infoSize == kCoreHeaderSize && size >= 26) {
    width = Little(head + 18, 2);
    height = Little(head + 20, 2);
    bits = Little(head + 24, 2);
  } else if (infoSize >= kInfoHeaderSize && size >= kBitmapHeaderBytes) {
    width = Signed32(head + 18);
    height = std::abs(Signed32(head + 22));  // negative: rows stored top down
    bits = Little(head + 28, 2);
    compression = Little(head + 30, 4);
  } else {
    return "damaged BMP header";
  }
  if (width <= 0 || height <= 0) return "picture of " + Sides(width, height) + " pixels";
  if (width > kMaxBitmapSide || height > kMaxBitmapSide) {
    return "picture of " + Sides(width, height) + " pixels, larger than " +
           Sides(kMaxBitmapSide, kMaxBitmapSide);
  }
  if (bits == 0 || bits > 32) return "damaged BMP header (" + std::to_string(bits) + " bits)";
  // Compressed rows can be any length; their sides are bounded above.
  if (compression != kUncompressed && compression != kBitFields) return {};
  const uint64_t row = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
  const uint64_t needed = pixelOffset + row * static_cast<uint64_t>(height);
  if (needed > fileSize) {
    return "header claims " + Sides(width, height) + " pixels, which need " +
           std::to_string(needed) + " bytes, but the file has " + std::to_string(fileSize);
  }
  return {};
}

}  // namespace sb::sdl

namespace sb::sdl {

bool PlainBitmapLayout(const uint8_t* head, size_t size, PlainBitmap& out) {
  if (size < kBitmapHeaderBytes || head[0] != 'B' || head[1] != 'M') return false;
  const int64_t width = Signed32(head + 18);
  const int64_t height = Signed32(head + 22);
  const uint32_t pixelOffset = Little(head + 10, 4);
  if (Little(head + 14, 4) != kInfoHeaderSize || Little(head + 26, 2) != 1 ||
      Little(head + 28, 2) != 24 || Little(head + 30, 4) != kUncompressed ||
      pixelOffset < kBitmapHeaderBytes || width <= 0 || width > kMaxBitmapSide || height == 0 ||
      std::abs(height) > kMaxBitmapSide) {
    return false;
  }
  out.pixelOffset = pixelOffset;
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(std::abs(height));
  out.topDown = height < 0;
  out.rowBytes = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  return true;
}

}  // namespace sb::sdl
