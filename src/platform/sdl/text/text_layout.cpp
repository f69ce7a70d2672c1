#include "platform/sdl/text/text_layout.h"

#include <algorithm>

namespace sb::sdl {

std::vector<std::string> SplitTextLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\r' || ch == '\n') {
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += ch;
    }
  }
  return lines;
}

int LineLeft(const Rect& rect, int lineWidth, uint32_t format) {
  if (format & kFormatRight) return rect.Right - lineWidth;
  if (format & kFormatCenter) return rect.Left + (rect.Right - rect.Left - lineWidth) / 2;
  return rect.Left;
}

int TextTop(const Rect& rect, int lineCount, int lineSkip, uint32_t format) {
  const int height = lineCount * lineSkip;
  if (format & kFormatBottom) return rect.Bottom - height;
  if (format & kFormatVCenter) return rect.Top + (rect.Bottom - rect.Top - height) / 2;
  return rect.Top;
}

bool ClipImage(float x, float y, float w, float h, const Rect& clip, ClippedImage& out) {
  if (!(w > 0.0f) || !(h > 0.0f)) return false;
  out.x0 = std::max(x, static_cast<float>(clip.Left));
  out.y0 = std::max(y, static_cast<float>(clip.Top));
  out.x1 = std::min(x + w, static_cast<float>(clip.Right));
  out.y1 = std::min(y + h, static_cast<float>(clip.Bottom));
  if (out.x1 <= out.x0 || out.y1 <= out.y0) return false;
  out.u0 = (out.x0 - x) / w;
  out.v0 = (out.y0 - y) / h;
  out.u1 = (out.x1 - x) / w;
  out.v1 = (out.y1 - y) / h;
  return true;
}

}  // namespace sb::sdl
