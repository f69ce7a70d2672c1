// Which tiles of the picture a frame may have changed, told from its steps.
#include "platform/sdl/canvas/tile_signatures.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "platform/sdl/canvas/gpu_image.h"

namespace sb::sdltest {
namespace {

using sdl::TileSignatures;

// A whole-picture clear and one 10-pixel quad at (x, y) of `image`.
sdl::FrameRecord Frame(const sdl::GpuImageRef& image, float x, float y) {
  sdl::FrameRecord frame;
  frame.AddViewport(SDL_Rect{0, 0, 1024, 768});
  frame.AddClear(SDL_Color{0, 0, 0, 255});
  const SDL_Vertex corners[4] = {{{x, y}, {255, 255, 255, 255}, {0, 0}},
                                 {{x + 10, y}, {255, 255, 255, 255}, {1, 0}},
                                 {{x + 10, y + 10}, {255, 255, 255, 255}, {1, 1}},
                                 {{x, y + 10}, {255, 255, 255, 255}, {0, 1}}};
  frame.AddQuad(image, corners, SDL_BLENDMODE_BLEND, SDL_ScaleModeNearest, 0);
  return frame;
}

std::set<std::pair<int, int>> ChangedTiles(const TileSignatures& tiles) {
  std::set<std::pair<int, int>> changed;
  for (int ty = 0; ty < 768 / TileSignatures::kTileH; ++ty) {
    for (int tx = 0; tx < 1024 / TileSignatures::kTileW; ++tx) {
      if (tiles.Changed(tx, ty)) changed.insert({tx, ty});
    }
  }
  return changed;
}

TEST(TileSignatures, OnlyTilesWhoseStepsDifferCount) {
  auto life = std::make_shared<sdl::RendererLife>();
  auto image = std::make_shared<sdl::GpuImage>(nullptr, 1, 1, life);
  auto other = std::make_shared<sdl::GpuImage>(nullptr, 1, 1, life);
  const size_t all = (1024 / TileSignatures::kTileW) * (768 / TileSignatures::kTileH);
  TileSignatures tiles;
  tiles.Sign(Frame(image, 20, 20), 1024, 768, true);
  EXPECT_EQ(ChangedTiles(tiles).size(), all) << "nothing to compare with yet";
  tiles.Sign(Frame(image, 20, 20), 1024, 768, true);
  EXPECT_TRUE(ChangedTiles(tiles).empty());
  // Moved: the tiles it left and the tiles it reached, its box a pixel
  // wider for the rasterizer (its last row is 63, the tile ends at 64).
  tiles.Sign(Frame(image, 330, 53), 1024, 768, true);
  EXPECT_EQ(ChangedTiles(tiles), (std::set<std::pair<int, int>>{{0, 1}, {5, 3}, {5, 4}}));
  // Another picture at the same place.
  tiles.Sign(Frame(other, 330, 53), 1024, 768, true);
  EXPECT_EQ(ChangedTiles(tiles), (std::set<std::pair<int, int>>{{5, 3}, {5, 4}}));
  // A frame drawn over what was there, and the one after it: all unknown.
  tiles.Sign(Frame(other, 330, 53), 1024, 768, false);
  EXPECT_EQ(ChangedTiles(tiles).size(), all);
  tiles.Sign(Frame(other, 330, 53), 1024, 768, true);
  EXPECT_EQ(ChangedTiles(tiles).size(), all);
  tiles.Forget();
  tiles.Sign(Frame(other, 330, 53), 1024, 768, true);
  EXPECT_EQ(ChangedTiles(tiles).size(), all);
}

}  // namespace
}  // namespace sb::sdltest
