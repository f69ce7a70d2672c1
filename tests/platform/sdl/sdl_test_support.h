// Helpers for the SDL platform's tests: a platform on a scratch folder, small
// pictures, waves and tunes written at test time, and reading the screen back.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/runtime_error.h"
#include "platform/sdl/sdl_platform_impl.h"

namespace sb::sdltest {

// A folder removed again at the end of the test.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// The platform reading game files from `folder`, with pacing off.
std::unique_ptr<sdl::SdlPlatform> MakePlatform(const std::string& folder, bool pace = false);

// Opens the 1024 x 768 screen.
Device& OpenScreen(sdl::SdlPlatform& platform);

// A picture of ARGB pixels (alpha ignored: BMP files are 24-bit), row-major.
void WriteBmp(const std::string& path, int width, int height, const std::vector<uint32_t>& rgb);
void WriteSolidBmp(const std::string& path, int width, int height, uint32_t rgb);

// A mono 16-bit wave of `samples` at `rate` samples per second.
void WriteWav(const std::string& path, int rate, const std::vector<int16_t>& samples);

// A one-track MIDI file from raw track events (delta times included), with
// `ticksPerQuarter`; the end-of-track event is appended.
std::vector<uint8_t> MidiFile(uint16_t format, uint16_t ticksPerQuarter,
                              const std::vector<std::vector<uint8_t>>& tracks);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

// The whole logical screen as ARGB pixels, after flushing pending drawing.
class Screenshot {
 public:
  explicit Screenshot(sdl::SdlPlatform& platform);
  uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Bounding box of pixels matching `pred` (x0 > x1 when none).
  struct Box {
    int x0, y0, x1, y1;
    int width() const { return x1 - x0 + 1; }
    int height() const { return y1 - y0 + 1; }
    bool empty() const { return x0 > x1; }
  };
  // In rows y0 to y1 - 1 (all rows by default).
  template <typename Pred>
  Box Find(Pred pred, int y0 = 0, int y1 = -1) const {
    Box box{width_, height_, -1, -1};
    for (int y = y0; y < (y1 < 0 ? height_ : y1); ++y) {
      for (int x = 0; x < width_; ++x) {
        if (pred(At(x, y))) {
          box.x0 = std::min(box.x0, x);
          box.y0 = std::min(box.y0, y);
          box.x1 = std::max(box.x1, x);
          box.y1 = std::max(box.y1, y);
        }
      }
    }
    return box;
  }
  // Bounding box of pixels brighter than `level` in any channel.
  Box Lit(int level = 40) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

inline int Red(uint32_t argb) {
  return (argb >> 16) & 0xFF;
}
inline int Green(uint32_t argb) {
  return (argb >> 8) & 0xFF;
}
inline int Blue(uint32_t argb) {
  return argb & 0xFF;
}

// The camera 150 units above (0, 0) looking down, as the battle view sets it.
void SetTopDownCamera(Device& device, float height);

// Runs a platform call, returning the run-time error's detail ("" if none).
template <typename F>
std::string FailureOf(F&& body) {
  try {
    body();
  } catch (const GameError& e) {
    return e.detail.empty() ? "(failed)" : e.detail;
  }
  return "";
}

}  // namespace sb::sdltest
