// Scales the finished picture into the window's surface by the nearest
// pixel, quickly: the source column of every window column is worked out
// once per size, a window row that repeats the row above (at any scale over
// 1, some do) is copied rather than scaled again, and from one frame to the
// next only the bands of the picture that changed are scaled and shown.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/canvas/tile_signatures.h"

namespace sb::sdl {

class PictureScaler {
 public:
  // Scales `from` into `to`'s rectangle `place` (within `to`). Both
  // surfaces must hold 32-bit pixels of one format. False (nothing drawn)
  // when they do not, or when `place` does not lie within `to`. When the
  // last call put a picture of this size into the same surface at the same
  // place, and `to` still holds it, only the bands of `from` that differ
  // from that picture are scaled; `tiles`, when given, says which tiles of
  // `from` may differ at all, and only those are compared. `changed` gets
  // the window rectangles written (none when nothing changed).
  bool ScaleChanges(const SDL_Surface* from, SDL_Surface* to, const SDL_Rect& place,
                    std::vector<SDL_Rect>& changed, const TileSignatures* tiles = nullptr);
  // The window no longer holds what was scaled last (cleared, made anew):
  // the next ScaleChanges scales the whole picture.
  void Forget() { held_ = false; }

 private:
  // Picture rows compared and shown as one: a row of tiles.
  static constexpr int kBand = TileSignatures::kTileH;
  bool Fits(const SDL_Surface* from, const SDL_Surface* to, const SDL_Rect& place) const;
  void PrepareColumns(int fromW, int placeW);
  // Scales picture rows [y0, y1) and columns [x0, x1) into their window
  // rectangle, which it returns.
  SDL_Rect ScaleRegion(const SDL_Surface* from, SDL_Surface* to, const SDL_Rect& place, int x0,
                       int x1, int y0, int y1);
  // The columns [x0, x1) of picture rows [y0, y1) that differ from the copy
  // kept of the last picture (x0 == x1 when none), within the tiles that
  // may have changed, and the copy brought up to date.
  void FindChanges(const SDL_Surface* from, int y0, int y1, const TileSignatures* tiles, int& x0,
                   int& x1);
  // The picture columns [a, b) of rows [y0, y1) compared with the copy.
  void CompareColumns(const SDL_Surface* from, int y0, int y1, int a, int b, int& x0, int& x1);

  std::vector<int> columns_;  // source column of each window column
  int fromW_ = 0;
  // What the last ScaleChanges left in the window: a copy of the picture,
  // and where it went.
  std::vector<uint32_t> heldPixels_;
  bool held_ = false;
  const void* heldTo_ = nullptr;
  int heldPitch_ = 0, heldW_ = 0, heldH_ = 0;
  SDL_Rect heldPlace_{0, 0, 0, 0};
  int nextWhole_ = 0;  // the band compared and shown whole next
};

}  // namespace sb::sdl
