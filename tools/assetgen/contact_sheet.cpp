#include "contact_sheet.h"

#include <algorithm>

#include "pixel_font.h"

namespace assetgen {

namespace {
constexpr int kSheetWidth = 1200;
constexpr int kMargin = 12;
constexpr int kCaption = 14;
const Rgb kGrey{128, 128, 128};
const Rgb kBackground{48, 52, 60};

int ScaleFor(const Image& img) {
  int largest = std::max(img.width(), img.height());
  if (largest <= 16) return 4;
  if (largest <= 32) return 3;
  if (largest <= 64) return 2;
  return 1;
}
}  // namespace

Image ContactSheet(const std::vector<SheetEntry>& entries) {
  // Shelf packing, left to right, in the order given.
  struct Placed {
    int x, y, scale;
  };
  std::vector<Placed> placed;
  int x = kMargin, y = kMargin, shelf = 0;
  for (const SheetEntry& e : entries) {
    int scale = ScaleFor(e.image);
    int w = std::max(e.image.width() * scale, TextWidth(e.caption, 1)) + 8;
    int h = e.image.height() * scale + kCaption + 8;
    if (x + w > kSheetWidth - kMargin && x > kMargin) {
      x = kMargin;
      y += shelf + kMargin;
      shelf = 0;
    }
    placed.push_back({x, y, scale});
    x += w + kMargin;
    shelf = std::max(shelf, h);
  }
  Image sheet(kSheetWidth, y + shelf + kMargin, kBackground);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Image& img = entries[i].image;
    const Placed& p = placed[i];
    int w = img.width() * p.scale, h = img.height() * p.scale;
    sheet.FillRect(p.x, p.y, w + 8, h + 8, kGrey);
    sheet.Blit(img, p.x + 4, p.y + 4, p.scale, kGrey);
    DrawText(sheet, p.x, p.y + h + 11, entries[i].caption, 1, Rgb{230, 230, 230});
  }
  return sheet;
}

}  // namespace assetgen
