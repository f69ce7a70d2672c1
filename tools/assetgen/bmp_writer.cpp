#include "bmp_writer.h"

namespace assetgen {

Bytes EncodeBmp(const Image& image) {
  const std::uint32_t kHeaderSize = 14 + 40;
  const std::uint32_t row_bytes = (static_cast<std::uint32_t>(image.width()) * 3 + 3) & ~3u;
  const std::uint32_t data_size = row_bytes * static_cast<std::uint32_t>(image.height());
  Bytes out;
  out.reserve(kHeaderSize + data_size);
  // BITMAPFILEHEADER
  PutText(out, "BM");
  PutLE32(out, kHeaderSize + data_size);
  PutLE32(out, 0);
  PutLE32(out, kHeaderSize);
  // BITMAPINFOHEADER
  PutLE32(out, 40);
  PutLE32(out, static_cast<std::uint32_t>(image.width()));
  PutLE32(out, static_cast<std::uint32_t>(image.height()));
  PutLE16(out, 1);   // planes
  PutLE16(out, 24);  // bits per pixel
  PutLE32(out, 0);   // BI_RGB
  PutLE32(out, data_size);
  PutLE32(out, 2835);  // 72 dpi
  PutLE32(out, 2835);
  PutLE32(out, 0);
  PutLE32(out, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    std::size_t row_start = out.size();
    for (int x = 0; x < image.width(); ++x) {
      const Rgb& c = image.at(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    while (out.size() - row_start < row_bytes) out.push_back(0);
  }
  return out;
}

}  // namespace assetgen
