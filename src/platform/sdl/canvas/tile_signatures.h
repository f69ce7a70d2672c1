// What a frame's drawing does to each tile of the picture, as one number per
// tile: the steps that touch the tile, in order. A frame that clears the
// whole picture first and gives a tile the same number as the frame before
// it did leaves the same pixels there (a picture's pixels never change once
// made, gpu_image.h), so whoever shows the picture need not look at that
// tile again.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/sdl/canvas/frame_record.h"

namespace sb::sdl {

class TileSignatures {
 public:
  static constexpr int kTileW = 64, kTileH = 16;

  // Signs `frame`, drawn on a picture of `width` x `height`. `fromAClear`:
  // the frame began by clearing the whole picture and every step of it is
  // in `frame`; otherwise what it leaves depends on what was there, and
  // every tile counts as changed.
  void Sign(const FrameRecord& frame, int width, int height, bool fromAClear);
  // Whether the tile at column `tx`, row `ty` may hold other pixels after
  // the frame signed last than after the one signed before it.
  bool Changed(int tx, int ty) const {
    if (!compared_ || tx < 0 || ty < 0 || tx >= columns_ || ty >= rows_) return true;
    const size_t i = static_cast<size_t>(ty) * columns_ + tx;
    return now_[i] != before_[i];
  }
  // The next frame signed counts as changed everywhere.
  void Forget() { known_ = false; }

 private:
  void Mix(int x0, int y0, int x1, int y1, uint64_t value);

  std::vector<uint64_t> now_, before_;
  int columns_ = 0, rows_ = 0;
  bool known_ = false;     // now_ holds a signed frame
  bool compared_ = false;  // and before_ the one before it, of the same size
};

}  // namespace sb::sdl
