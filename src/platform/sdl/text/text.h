// Fonts and text on SDL_ttf. Each line is rendered once in white and kept in
// a small least-recently-used cache; drawing tints it with the text colour.
#pragma once

#include <SDL_ttf.h>

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/sdl/canvas/canvas.h"
#include "platform/text.h"

namespace sb::sdl {

// The font file and pixel height standing in for a face name and a size in
// points: "technical" is the monospaced face, every other face the
// proportional one; sizes are points at 96 dots per inch.
struct FontChoice {
  std::string file;  // name within the fonts folder
  int pixels;
};
FontChoice ChooseFont(const std::string& face, int points);

class SdlFont : public Font {
 public:
  SdlFont(std::string face, TTF_Font* font, uint64_t id, std::shared_ptr<bool> ttfAlive);
  ~SdlFont() override;
  const std::string& Face() const override { return face_; }
  TTF_Font* ttf() const { return font_; }
  int lineSkip() const { return lineSkip_; }
  uint64_t id() const { return id_; }

 private:
  std::string face_;
  TTF_Font* font_;
  int lineSkip_;
  uint64_t id_;
  std::shared_ptr<bool> ttfAlive_;
};

class TextLineCache {
 public:
  explicit TextLineCache(size_t capacity) : capacity_(capacity) {}
  // The cached image of a line, or null.
  GpuImageRef Find(const std::string& key);
  void Put(const std::string& key, GpuImageRef image);
  void Clear();
  size_t size() const { return order_.size(); }

 private:
  using Entry = std::pair<std::string, GpuImageRef>;
  size_t capacity_;
  std::list<Entry> order_;  // most recently used first
  std::unordered_map<std::string, std::list<Entry>::iterator> index_;
};

class SdlText : public TextDrawer {
 public:
  SdlText(Canvas& canvas, std::string fontFolder);
  ~SdlText() override;
  FontRef CreateFont(const std::string& face, int points, bool bold) override;
  void DrawText(const FontRef& font, uint32_t colour, const std::string& text, const Rect& rect,
                uint32_t format) override;
  // Drops the cached line images (their renderer is going away).
  void ReleaseTextures() { cache_.Clear(); }
  const TextLineCache& cache() const { return cache_; }

 private:
  GpuImageRef LineImage(const SdlFont& font, const std::string& line);

  Canvas& canvas_;
  std::string fontFolder_;
  std::shared_ptr<bool> ttfAlive_ = std::make_shared<bool>(false);
  uint64_t nextFontId_ = 1;
  TextLineCache cache_{256};
};

}  // namespace sb::sdl
