#include "platform/sdl/video/picture_scaler.h"

#include <cstdint>
#include <cstring>

namespace sb::sdl {

namespace {

const uint32_t* Row(const SDL_Surface* s, int y) {
  return reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) +
                                           static_cast<size_t>(y) * s->pitch);
}

}  // namespace

bool PictureScaler::Scale(const SDL_Surface* from, SDL_Surface* to, const SDL_Rect& place) {
  if (from->format->format != to->format->format || from->format->BytesPerPixel != 4 ||
      place.x < 0 || place.y < 0 || place.w <= 0 || place.h <= 0 || place.x + place.w > to->w ||
      place.y + place.h > to->h || from->w <= 0 || from->h <= 0) {
    return false;
  }
  if (static_cast<int>(columns_.size()) != place.w || fromW_ != from->w) {
    columns_.resize(static_cast<size_t>(place.w));
    for (int x = 0; x < place.w; ++x) {
      columns_[static_cast<size_t>(x)] = static_cast<int>(int64_t{x} * from->w / place.w);
    }
    fromW_ = from->w;
  }
  int lastSource = -1;
  const uint32_t* lastRow = nullptr;
  for (int y = 0; y < place.h; ++y) {
    const int source = static_cast<int>(int64_t{y} * from->h / place.h);
    auto* out = const_cast<uint32_t*>(Row(to, place.y + y)) + place.x;
    if (source == lastSource) {
      std::memcpy(out, lastRow, static_cast<size_t>(place.w) * 4);
    } else {
      const uint32_t* in = Row(from, source);
      for (int x = 0; x < place.w; ++x) out[x] = in[columns_[static_cast<size_t>(x)]];
    }
    lastSource = source;
    lastRow = out;
  }
  return true;
}

}  // namespace sb::sdl
