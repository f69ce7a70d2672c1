#include "platform/sdl/text/text.h"

#include <cmath>

#include "core/runtime_error.h"
#include "platform/sdl/system/file_faults.h"
#include "platform/sdl/system/float_status.h"
#include "platform/sdl/text/text_layout.h"

namespace sb::sdl {

FontChoice ChooseFont(const std::string& face, int points) {
  FontChoice choice;
  const bool technical = face == "technical";
  choice.file = technical ? "DejaVuSansMono-Bold.ttf" : "DejaVuSans-Bold.ttf";
  choice.pixels = static_cast<int>(std::lround(points * 96.0 / 72.0));
  // The monospaced face runs wide: one pixel less lets the longest figure
  // line of the design description ("Acceleration Rate:0.25") fit its
  // 200-pixel area instead of losing its last digit.
  if (technical) choice.pixels -= 1;
  if (choice.pixels < 1) choice.pixels = 1;
  return choice;
}

SdlFont::SdlFont(std::string face, TTF_Font* font, uint64_t id, std::shared_ptr<bool> ttfAlive)
    : face_(std::move(face)),
      font_(font),
      lineSkip_(TTF_FontLineSkip(font)),
      id_(id),
      ttfAlive_(std::move(ttfAlive)) {}

SdlFont::~SdlFont() {
  if (*ttfAlive_) TTF_CloseFont(font_);
}

GpuImageRef TextLineCache::Find(const std::string& key) {
  auto it = index_.find(key);
  if (it == index_.end()) return nullptr;
  order_.splice(order_.begin(), order_, it->second);
  return it->second->second;
}

void TextLineCache::Put(const std::string& key, GpuImageRef image) {
  auto it = index_.find(key);
  if (it != index_.end()) {
    it->second->second = std::move(image);
    order_.splice(order_.begin(), order_, it->second);
    return;
  }
  order_.emplace_front(key, std::move(image));
  index_[key] = order_.begin();
  if (order_.size() > capacity_) {
    index_.erase(order_.back().first);
    order_.pop_back();
  }
}

void TextLineCache::Clear() {
  index_.clear();
  order_.clear();
}

SdlText::SdlText(Canvas& canvas, std::string fontFolder)
    : canvas_(canvas), fontFolder_(std::move(fontFolder)) {}

SdlText::~SdlText() {
  cache_.Clear();
  if (*ttfAlive_) {
    *ttfAlive_ = false;
    TTF_Quit();
  }
}

FontRef SdlText::CreateFont(const std::string& face, int points, bool bold) {
  FloatStatusKeeper keep;
  if (!*ttfAlive_) {
    if (TTF_Init() != 0) {
      FailWhile("loading the fonts", TTF_GetError());
    }
    *ttfAlive_ = true;
  }
  const FontChoice choice = ChooseFont(face, points);
  const std::string path = fontFolder_ + "/" + choice.file;
  // The font library names the file but not the system's reason.
  const std::string fault = OpenFault(path);
  if (!fault.empty()) FailWhile("loading the font " + path, fault);
  TTF_Font* font = TTF_OpenFont(path.c_str(), choice.pixels);
  if (font == nullptr) {
    FailWhile("loading the font " + path, TTF_GetError());
  }
  // Both font files are bold faces; a regular request is drawn with them too.
  (void)bold;
  TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
  return std::make_shared<SdlFont>(face, font, nextFontId_++, ttfAlive_);
}

GpuImageRef SdlText::LineImage(const SdlFont& font, const std::string& line) {
  std::string key = std::to_string(font.id());
  key += '\x1f';
  key += line;
  GpuImageRef image = cache_.Find(key);
  if (image && image->texture() != nullptr) return image;
  SDL_Surface* surface =
      TTF_RenderUTF8_Blended(font.ttf(), line.c_str(), SDL_Color{255, 255, 255, 255});
  if (surface == nullptr) {
    Fail(ErrorKind::PlatformCall, "cannot render text \"" + line + "\": " + TTF_GetError());
  }
  try {
    image = MakeGpuImage(canvas_.renderer(), canvas_.life(), surface, "text");
  } catch (...) {
    SDL_FreeSurface(surface);
    throw;
  }
  SDL_FreeSurface(surface);
  cache_.Put(key, image);
  return image;
}

void SdlText::DrawText(const FontRef& fontRef, uint32_t colour, const std::string& text,
                       const Rect& rect, uint32_t format) {
  Canvas& canvas = canvas_;
  if (!canvas.attached()) Fail(ErrorKind::PlatformCall, "text drawn with no graphics device");
  auto* font = dynamic_cast<SdlFont*>(fontRef.get());
  if (font == nullptr) Fail(ErrorKind::PlatformCall, "text drawn with no font");
  FloatStatusKeeper keep;
  const std::vector<std::string> lines = SplitTextLines(text);
  const int skip = font->lineSkip();
  const int top = TextTop(rect, static_cast<int>(lines.size()), skip, format);
  const bool clip = (format & kFormatNoClip) == 0;
  const float ox = static_cast<float>(canvas.viewport().x);
  const float oy = static_cast<float>(canvas.viewport().y);
  const SDL_Color tint{static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8),
                       static_cast<Uint8>(colour), static_cast<Uint8>(colour >> 24)};
  for (size_t i = 0; i < lines.size(); ++i) {
    const int y = top + static_cast<int>(i) * skip;
    if (clip && y >= rect.Bottom) break;
    if (lines[i].empty()) continue;  // an empty line only takes its height
    const GpuImageRef image = LineImage(*font, lines[i]);
    const int x = LineLeft(rect, image->width(), format);
    ClippedImage part{static_cast<float>(x),
                      static_cast<float>(y),
                      static_cast<float>(x + image->width()),
                      static_cast<float>(y + image->height()),
                      0,
                      0,
                      1,
                      1};
    if (clip &&
        !ClipImage(static_cast<float>(x), static_cast<float>(y), static_cast<float>(image->width()),
                   static_cast<float>(image->height()), rect, part)) {
      continue;
    }
    const SDL_Vertex v[4] = {
        {{part.x0 - ox, part.y0 - oy}, tint, {part.u0, part.v0}},
        {{part.x1 - ox, part.y0 - oy}, tint, {part.u1, part.v0}},
        {{part.x1 - ox, part.y1 - oy}, tint, {part.u1, part.v1}},
        {{part.x0 - ox, part.y1 - oy}, tint, {part.u0, part.v1}},
    };
    canvas.AddQuad(image, v, SDL_BLENDMODE_BLEND, SDL_ScaleModeLinear);
  }
}

}  // namespace sb::sdl
