// Fonts and text drawing.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace sb {

constexpr uint32_t kTextLeftTop = 0;  // DT_LEFT | DT_TOP
constexpr uint32_t kTextCenter = 1;   // DT_CENTER: each line centred
constexpr uint32_t kTextRight = 2;    // DT_RIGHT: each line right-aligned

class TextDrawer {
 public:
  virtual ~TextDrawer() = default;
  // A font of the named face, size in points.
  virtual FontRef CreateFont(const std::string& face, int points, bool bold) = 0;
  // Draws text in a screen rectangle; a carriage return (13) starts a line.
  virtual void DrawText(const FontRef& font, uint32_t colour, const std::string& text,
                        const Rect& rect, uint32_t format) = 0;
};

}  // namespace sb
