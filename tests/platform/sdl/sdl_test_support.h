// Helpers for the SDL platform's tests: a platform on a scratch folder, small
// pictures, waves and tunes written at test time, reading the screen and the
// mixer's output back, quads and the game's battle.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/form1.h"
#include "core/runtime_error.h"
#include "platform/sdl/sdl_platform_impl.h"

namespace sb::sdltest {

// A folder removed again at the end of the test.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// The platform reading game files from `folder`, with pacing off, no settings
// file, and the fonts and sound font of `options.dataFolder` (the game's if empty).
std::unique_ptr<sdl::SdlPlatform> MakePlatform(const std::string& folder,
                                               SdlPlatformOptions options = {});

// SDL's disk sound driver writing into nothing, `delay` ms between buffers
// (faster than real time); each test is its own process.
void UseDiskAudio(const char* delay);

// Waits (up to 20 s) until `done` holds; false if it never did.
template <typename F>
bool WaitFor(F done) {
  for (int i = 0; i < 20000 && !done(); ++i) SDL_Delay(1);
  return done();
}

// Opens the 1024 x 768 screen.
Device& OpenScreen(sdl::SdlPlatform& platform);

// A 24-bit picture of RGB pixels, row-major; one colour when `rgb` has one entry.
void WriteBmp(const std::string& path, int width, int height, const std::vector<uint32_t>& rgb);

// A mono 16-bit wave of `samples` at `rate` samples per second.
void WriteWav(const std::string& path, int rate, const std::vector<int16_t>& samples);

// A MIDI file of `tracks` of raw events (delta times included), with
// `ticksPerQuarter`; each track's end-of-track event is appended.
std::vector<uint8_t> MidiFile(uint16_t format, uint16_t ticksPerQuarter,
                              const std::vector<std::vector<uint8_t>>& tracks);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFile(const std::string& path);

inline int Red(uint32_t argb) {
  return (argb >> 16) & 0xFF;
}
inline int Green(uint32_t argb) {
  return (argb >> 8) & 0xFF;
}
inline int Blue(uint32_t argb) {
  return argb & 0xFF;
}

// The whole logical screen as ARGB pixels, after flushing pending drawing.
class Screenshot {
 public:
  explicit Screenshot(sdl::SdlPlatform& platform);
  uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  struct Box {
    int x0, y0, x1, y1;  // x0 > x1 when empty
    int width() const { return x1 - x0 + 1; }
    int height() const { return y1 - y0 + 1; }
    bool empty() const { return x0 > x1; }
  };
  // Pixels of the rectangle x0..x1-1 by y0..y1-1 (all by default) that
  // differ from `other`'s.
  int Differing(const Screenshot& other, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1) const;
  // Pixels of that rectangle drawn over black (brighter than 40 in a channel).
  int Lit(int x0, int y0, int x1, int y1) const;
  // Bounding box of pixels matching `pred` in rows y0 to y1 - 1 (all by default).
  template <typename Pred>
  Box Find(Pred pred, int y0 = 0, int y1 = -1) const {
    Box box{width_, height_, -1, -1};
    for (int y = y0; y < (y1 < 0 ? height_ : y1); ++y) {
      for (int x = 0; x < width_; ++x) {
        if (!pred(At(x, y))) continue;
        box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x), std::max(box.y1, y)};
      }
    }
    return box;
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

// A white quad showing the whole picture from its corners' positions
// (x0, y0, ..., x3, y3), given for the picture's corners clockwise from its
// top left.
std::vector<SDL_Vertex> Quad(const std::array<float, 8>& xy);
// The upright rectangle of that kind.
std::vector<SDL_Vertex> Rectangle(float x, float y, float w, float h);

// What the mixer puts out (16-bit samples, left and right interleaved) from
// the first buffer mixed after the tap was set on.
class OutputTap {
 public:
  explicit OutputTap(sdl::Mixer& audio);
  ~OutputTap() { audio_.SetOutputTap(nullptr); }
  struct Sound {
    uint64_t first = 0;  // the mixer's frame count (FramesMixed) at samples[0]
    std::vector<int16_t> samples;
    // `count` samples from the mixer's frame `frame` on (zeros outside).
    std::vector<int16_t> From(int64_t frame, size_t count) const;
    // Frames with a sample louder than `loud`.
    int64_t LoudFrames(int loud) const;
  };
  // A copy of what was mixed so far.
  Sound Taken() const;

 private:
  sdl::Mixer& audio_;
  mutable std::mutex mutex_;
  Sound sound_;
  bool started_ = false;
};
// The largest magnitude among `samples`.
int Peak(const std::vector<int16_t>& samples);

// The player's "Strike" at (0, 100), then the fleet and the scene of `seed`,
// as the Start button and the battle's set-up leave them.
void StartBattle(Form1& form, uint64_t seed);

// Runs a platform call, returning the run-time error's line after
// "spacebattle: run-time error" ("" if none).
template <typename F>
std::string FailureOf(F&& body) {
  try {
    body();
  } catch (const GameError& e) {
    const std::string line = e.Line();
    const std::string head = "spacebattle: run-time error";
    const std::string rest = line.substr(line.rfind(head, 0) == 0 ? head.size() : 0);
    return rest.empty() ? "(failed)" : rest;
  }
  return "";
}

// A test with the platform reading files from a scratch folder, its
// 1024 x 768 screen open.
class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_ = MakePlatform(folder_.path().string());
    device_ = &OpenScreen(*platform_);
  }
  // The picture `name` in the scratch folder.
  TextureRef Load(const std::string& name) {
    return platform_->textures().LoadTexture(folder_.path().string() + "\\" + name);
  }

  ScratchFolder folder_;
  std::unique_ptr<sdl::SdlPlatform> platform_;
  Device* device_ = nullptr;
};

// A test of the game itself on the platform reading the game's own files;
// the battle table is emptied before and after.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCrafts();
    platform_ = MakePlatform(SB_TEST_DATA_DIR);
    form_ = std::make_unique<Form1>(*platform_);
  }
  void TearDown() override {
    form_.reset();
    ResetCrafts();
  }

  std::unique_ptr<sdl::SdlPlatform> platform_;
  std::unique_ptr<Form1> form_;
};

// A keyboard key as SDL reports it to the window `windowId` (0: none).
SDL_Event KeyEvent(SDL_Scancode scancode, bool down, Uint32 windowId = 0);
// Pushes that event for the platform's window into SDL's queue.
void PushKey(sdl::SdlPlatform& platform, SDL_Scancode scancode, bool down);

// Keeps the notifications of the yields it is given.
class RecordingSink : public NotificationSink {
 public:
  void DirectXEvent8_DXCallback(int32_t eventid) override { events.push_back(eventid); }
  void Form_Unload(int16_t cancel) override { unloads.push_back(cancel); }
  std::vector<int32_t> events;
  std::vector<int16_t> unloads;
};

}  // namespace sb::sdltest
