// Laying out text in a rectangle the way the game's text calls expect: a
// carriage return (or a line feed, or both together) starts a new line, each
// line is placed by the format flags, and what falls outside the rectangle is
// cut off.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace sb::sdl {

// Format flags understood by DrawText.
constexpr uint32_t kFormatCenter = 0x1;
constexpr uint32_t kFormatRight = 0x2;
constexpr uint32_t kFormatVCenter = 0x4;
constexpr uint32_t kFormatBottom = 0x8;
constexpr uint32_t kFormatNoClip = 0x100;

std::vector<std::string> SplitTextLines(const std::string& text);

// Left edge of a line `lineWidth` pixels wide.
int LineLeft(const Rect& rect, int lineWidth, uint32_t format);

// Top of the first of `lineCount` lines stepped by `lineSkip`.
int TextTop(const Rect& rect, int lineCount, int lineSkip, uint32_t format);

// A w x h image at (x, y) cut to `clip`: the visible part on screen and the
// matching part of the image as fractions 0..1. False when nothing shows.
struct ClippedImage {
  float x0, y0, x1, y1;
  float u0, v0, u1, v1;
};
bool ClipImage(float x, float y, float w, float h, const Rect& clip, ClippedImage& out);

}  // namespace sb::sdl
