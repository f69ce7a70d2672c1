#include "platform/sdl/video/picture_scaler.h"

#include <algorithm>
#include <cstring>

namespace sb::sdl {

namespace {

const uint32_t* Row(const SDL_Surface* s, int y) {
  return reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) +
                                           static_cast<size_t>(y) * s->pitch);
}

// The first window position whose source position is at least `source`.
int FirstOutput(int source, int fromSize, int placeSize) {
  return static_cast<int>((int64_t{source} * placeSize + fromSize - 1) / fromSize);
}

}  // namespace

bool PictureScaler::Fits(const SDL_Surface* from, const SDL_Surface* to,
                         const SDL_Rect& place) const {
  return from->format->format == to->format->format && from->format->BytesPerPixel == 4 &&
         place.x >= 0 && place.y >= 0 && place.w > 0 && place.h > 0 && place.x + place.w <= to->w &&
         place.y + place.h <= to->h && from->w > 0 && from->h > 0;
}

void PictureScaler::PrepareColumns(int fromW, int placeW) {
  if (static_cast<int>(columns_.size()) == placeW && fromW_ == fromW) return;
  columns_.resize(static_cast<size_t>(placeW));
  for (int x = 0; x < placeW; ++x) {
    columns_[static_cast<size_t>(x)] = static_cast<int>(int64_t{x} * fromW / placeW);
  }
  fromW_ = fromW;
}

SDL_Rect PictureScaler::ScaleRegion(const SDL_Surface* from, SDL_Surface* to, const SDL_Rect& place,
                                    int x0, int x1, int y0, int y1) {
  const int outX0 = FirstOutput(x0, from->w, place.w);
  const int outX1 = FirstOutput(x1, from->w, place.w);
  const int outY0 = FirstOutput(y0, from->h, place.h);
  const int outY1 = FirstOutput(y1, from->h, place.h);
  const int* columns = columns_.data();
  int lastSource = -1;
  const uint32_t* lastRow = nullptr;
  for (int y = outY0; y < outY1; ++y) {
    const int source = static_cast<int>(int64_t{y} * from->h / place.h);
    auto* out = const_cast<uint32_t*>(Row(to, place.y + y)) + place.x;
    if (source == lastSource) {
      std::memcpy(out + outX0, lastRow + outX0, static_cast<size_t>(outX1 - outX0) * 4);
    } else if (place.w == from->w) {
      std::memcpy(out + outX0, Row(from, source) + outX0, static_cast<size_t>(outX1 - outX0) * 4);
    } else {
      const uint32_t* in = Row(from, source);
      for (int x = outX0; x < outX1; ++x) out[x] = in[columns[x]];
    }
    lastSource = source;
    lastRow = out;
  }
  return SDL_Rect{place.x + outX0, place.y + outY0, outX1 - outX0, outY1 - outY0};
}

void PictureScaler::CompareColumns(const SDL_Surface* from, int y0, int y1, int a, int b, int& x0,
                                   int& x1) {
  const int w = from->w;
  for (int y = y0; y < y1; ++y) {
    const uint32_t* now = Row(from, y);
    uint32_t* held = heldPixels_.data() + static_cast<size_t>(y) * w;
    if (std::memcmp(now + a, held + a, static_cast<size_t>(b - a) * 4) == 0) continue;
    int first = a;
    while (now[first] == held[first]) ++first;
    int end = b;
    while (now[end - 1] == held[end - 1]) --end;
    std::memcpy(held + first, now + first, static_cast<size_t>(end - first) * 4);
    x0 = std::min(x0, first);
    x1 = std::max(x1, end);
  }
}

void PictureScaler::FindChanges(const SDL_Surface* from, int y0, int y1,
                                const TileSignatures* tiles, int& x0, int& x1) {
  const int w = from->w;
  x0 = w;
  x1 = 0;
  if (tiles == nullptr) {
    CompareColumns(from, y0, y1, 0, w, x0, x1);
  } else {
    // Runs of tiles that may have changed, each compared as one.
    constexpr int kTileW = TileSignatures::kTileW;
    const int ty = y0 / kBand, columns = (w + kTileW - 1) / kTileW;
    for (int tx = 0; tx < columns;) {
      if (!tiles->Changed(tx, ty)) {
        ++tx;
        continue;
      }
      int end = tx + 1;
      while (end < columns && tiles->Changed(end, ty)) ++end;
      CompareColumns(from, y0, y1, tx * kTileW, std::min(w, end * kTileW), x0, x1);
      tx = end;
    }
  }
  if (x0 >= x1) x0 = x1 = 0;
}

bool PictureScaler::ScaleChanges(const SDL_Surface* from, SDL_Surface* to, const SDL_Rect& place,
                                 std::vector<SDL_Rect>& changed, const TileSignatures* tiles) {
  changed.clear();
  if (!Fits(from, to, place)) return false;
  PrepareColumns(from->w, place.w);
  const bool same = held_ && heldTo_ == to->pixels && heldPitch_ == to->pitch &&
                    heldW_ == from->w && heldH_ == from->h && SDL_RectEquals(&heldPlace_, &place);
  if (!same) {
    changed.push_back(ScaleRegion(from, to, place, 0, from->w, 0, from->h));
    heldPixels_.resize(static_cast<size_t>(from->w) * from->h);
    for (int y = 0; y < from->h; ++y) {
      std::memcpy(heldPixels_.data() + static_cast<size_t>(y) * from->w, Row(from, y),
                  static_cast<size_t>(from->w) * 4);
    }
    held_ = true;
    heldTo_ = to->pixels;
    heldPitch_ = to->pitch;
    heldW_ = from->w;
    heldH_ = from->h;
    heldPlace_ = place;
    return true;
  }
  // One band a frame, in turn, is compared in full and scaled and shown
  // whole, whatever the tiles say: should the window lose pixels without a
  // word, or two drawings of a tile come to the same number, the picture is
  // whole again within a second.
  const int bands = (from->h + kBand - 1) / kBand;
  const int whole = nextWhole_ % bands;
  nextWhole_ = (whole + 1) % bands;
  for (int y0 = 0; y0 < from->h; y0 += kBand) {
    const int y1 = std::min(from->h, y0 + kBand);
    int x0 = 0, x1 = 0;
    if (y0 / kBand == whole) {
      FindChanges(from, y0, y1, nullptr, x0, x1);
      x0 = 0;
      x1 = from->w;
    } else {
      FindChanges(from, y0, y1, tiles, x0, x1);
    }
    if (x0 == x1) continue;
    const SDL_Rect rect = ScaleRegion(from, to, place, x0, x1, y0, y1);
    if (rect.w <= 0 || rect.h <= 0) continue;
    SDL_Rect* last = changed.empty() ? nullptr : &changed.back();
    if (last != nullptr && last->x == rect.x && last->w == rect.w && last->y + last->h == rect.y) {
      last->h += rect.h;  // the band below with the same columns: one rectangle
    } else {
      changed.push_back(rect);
    }
  }
  return true;
}

}  // namespace sb::sdl
