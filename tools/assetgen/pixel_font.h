// A small built-in bitmap font (5 x 7 cells, two rows below for descenders)
// for the HUD labels, the buttons and the contact sheet captions.
#pragma once

#include <string_view>
#include <vector>

#include "image.h"

namespace assetgen {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;  // cap height; descenders go two rows lower

// Rows of the glyph, '#' for ink; an unknown character gives a hollow box.
const std::vector<const char*>& Glyph(char c);

// Width in pixels of text at the given scale (one blank column between letters).
int TextWidth(std::string_view text, int scale);

// Calls plot(x, y) for every inked cell of the text, top-left at (0, 0) with
// each font pixel `scale` units wide.
template <typename Plot>
void LayoutText(std::string_view text, int scale, Plot plot) {
  int pen = 0;
  for (char c : text) {
    const std::vector<const char*>& rows = Glyph(c);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
      for (int col = 0; rows[row][col] != '\0'; ++col) {
        if (rows[row][col] == '#') plot(pen + col * scale, row * scale);
      }
    }
    pen += (kGlyphWidth + 1) * scale;
  }
}

// Draws text straight into a picture with its top-left corner at (x, y).
void DrawText(Image& image, int x, int y, std::string_view text, int scale, Rgb colour);

}  // namespace assetgen
