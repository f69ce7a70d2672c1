#include "sdl_test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace sb::sdltest {

namespace {

// `bytes` bytes of `v`, least significant first unless `big`.
void Put(std::vector<uint8_t>& out, uint32_t v, int bytes, bool big = false) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<uint8_t>(v >> 8 * (big ? bytes - 1 - i : i)));
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("sb_sdl_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

std::unique_ptr<sdl::SdlPlatform> MakePlatform(const std::string& folder,
                                               SdlPlatformOptions options) {
  options.programFolder = folder;
  if (options.dataFolder.empty()) options.dataFolder = SB_TEST_DATA_DIR;
  options.pacePresents = false;
  if (!options.settingsFile) options.settingsFile = "";
  return std::make_unique<sdl::SdlPlatform>(options);
}

void UseDiskAudio(const char* delay) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  setenv("SDL_DISKAUDIODELAY", delay, 1);
}

Device& OpenScreen(sdl::SdlPlatform& platform) {
  Device& device = platform.CreateDevice(PresentParameters{
      .BackBufferWidth = 1024, .BackBufferHeight = 768, .BackBufferCount = 1, .SwapEffect = 2});
  device.SetViewport(Viewport{0, 0, 1024, 768, -1.0f, 100.0f});
  device.Clear(0);
  return device;
}

void WriteBmp(const std::string& path, int width, int height, const std::vector<uint32_t>& rgb) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(s, nullptr) << SDL_GetError();
  for (int i = 0; i < width * height; ++i) {
    const uint32_t c = rgb[rgb.size() == 1 ? 0 : static_cast<size_t>(i)];
    auto* p = static_cast<uint8_t*>(s->pixels) + (i / width) * s->pitch + 3 * (i % width);
    p[0] = static_cast<uint8_t>(c >> 16);
    p[1] = static_cast<uint8_t>(c >> 8);
    p[2] = static_cast<uint8_t>(c);
  }
  ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0) << SDL_GetError();
  SDL_FreeSurface(s);
}

void WriteWav(const std::string& path, int rate, const std::vector<int16_t>& samples) {
  const auto dataBytes = static_cast<uint32_t>(samples.size() * 2), r = static_cast<uint32_t>(rate);
  std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
  Put(out, 36 + dataBytes, 4);
  out.insert(out.end(),
             {'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0});  // PCM mono
  Put(out, r, 4);
  Put(out, 2 * r, 4);
  out.insert(out.end(), {2, 0, 16, 0, 'd', 'a', 't', 'a'});  // 16-bit
  Put(out, dataBytes, 4);
  for (int16_t s : samples) Put(out, static_cast<uint16_t>(s), 2);
  WriteFile(path, out);
}

std::vector<uint8_t> MidiFile(uint16_t format, uint16_t ticksPerQuarter,
                              const std::vector<std::vector<uint8_t>>& tracks) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
  Put(out, format, 2, true);
  Put(out, static_cast<uint32_t>(tracks.size()), 2, true);
  Put(out, ticksPerQuarter, 2, true);
  for (std::vector<uint8_t> body : tracks) {
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    Put(out, static_cast<uint32_t>(body.size()), 4, true);
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<SDL_Vertex> Quad(const std::array<float, 8>& xy) {
  const float u[4] = {0, 1, 1, 0}, v[4] = {0, 0, 1, 1};
  std::vector<SDL_Vertex> quad;
  for (int i = 0; i < 4; ++i) {
    quad.push_back({{xy[2 * i], xy[2 * i + 1]}, {255, 255, 255, 255}, {u[i], v[i]}});
  }
  return quad;
}

std::vector<SDL_Vertex> Rectangle(float x, float y, float w, float h) {
  return Quad({x, y, x + w, y, x + w, y + h, x, y + h});
}

OutputTap::OutputTap(sdl::Mixer& audio) : audio_(audio) {
  audio_.SetOutputTap([this](const Uint8* stream, int length) {
    const auto* s = reinterpret_cast<const int16_t*>(stream);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!started_) {
      started_ = true;
      sound_.first = audio_.FramesMixed() - static_cast<uint64_t>(length / 4);
    }
    sound_.samples.insert(sound_.samples.end(), s, s + length / 2);
  });
}

OutputTap::Sound OutputTap::Taken() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return sound_;
}

std::vector<int16_t> OutputTap::Sound::From(int64_t frame, size_t count) const {
  std::vector<int16_t> out(count, 0);
  for (size_t i = 0; i < count; ++i) {
    const int64_t at = (frame - static_cast<int64_t>(first)) * 2 + static_cast<int64_t>(i);
    if (at >= 0 && at < static_cast<int64_t>(samples.size())) out[i] = samples[size_t(at)];
  }
  return out;
}

int64_t OutputTap::Sound::LoudFrames(int loud) const {
  int64_t n = 0;
  for (size_t i = 0; i + 1 < samples.size(); i += 2)
    n += std::abs(int{samples[i]}) > loud || std::abs(int{samples[i + 1]}) > loud;
  return n;
}

int Peak(const std::vector<int16_t>& samples) {
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

SDL_Event KeyEvent(SDL_Scancode scancode, bool down, Uint32 windowId) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.scancode = scancode;
  e.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
  e.key.windowID = windowId;
  return e;
}

void PushKey(sdl::SdlPlatform& platform, SDL_Scancode scancode, bool down) {
  SDL_Event e = KeyEvent(scancode, down, SDL_GetWindowID(platform.video().window()));
  ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

void StartBattle(Form1& form, uint64_t seed) {
  form.SpawnCraft("Strike", 0, 100);
  form.BattleActive = true;
  form.SelectionActive = false;
  form.FixedSeed = seed;
  form.BattleSetUp();
}

int Screenshot::Differing(const Screenshot& other, int x0, int y0, int x1, int y1) const {
  int n = 0;
  for (int y = y0; y < (y1 < 0 ? height_ : y1); ++y) {
    for (int x = x0; x < (x1 < 0 ? width_ : x1); ++x) n += At(x, y) != other.At(x, y);
  }
  return n;
}

int Screenshot::Lit(int x0, int y0, int x1, int y1) const {
  int n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x)
      n += std::max({Red(At(x, y)), Green(At(x, y)), Blue(At(x, y))}) > 40;
  }
  return n;
}

Screenshot::Screenshot(sdl::SdlPlatform& platform) {
  platform.video().canvas().Flush();
  SDL_Renderer* renderer = platform.video().renderer();
  SDL_RenderSetViewport(renderer, nullptr);
  width_ = platform.video().canvas().width();
  height_ = platform.video().canvas().height();
  pixels_.assign(static_cast<size_t>(width_) * height_, 0);
  EXPECT_EQ(
      SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels_.data(), width_ * 4),
      0)
      << SDL_GetError();
  platform.video().canvas().ReapplyViewport();
}

}  // namespace sb::sdltest
