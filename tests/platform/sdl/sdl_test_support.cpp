#include "sdl_test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <fstream>

#include "platform/d3dx_math.h"

namespace sb::sdltest {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutBig(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("sb_sdl_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::unique_ptr<sdl::SdlPlatform> MakePlatform(const std::string& folder, bool pace) {
  SdlPlatformOptions options;
  options.programFolder = folder;
  options.dataFolder = SB_TEST_DATA_DIR;
  options.pacePresents = pace;
  return std::make_unique<sdl::SdlPlatform>(options);
}

Device& OpenScreen(sdl::SdlPlatform& platform) {
  PresentParameters params;
  params.BackBufferWidth = 1024;
  params.BackBufferHeight = 768;
  params.BackBufferCount = 1;
  params.SwapEffect = 2;
  Device& device = platform.CreateDevice(params);
  device.SetViewport(Viewport{0, 0, 1024, 768, -1.0f, 100.0f});
  device.Clear(0);
  return device;
}

void WriteBmp(const std::string& path, int width, int height, const std::vector<uint32_t>& rgb) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(s, nullptr) << SDL_GetError();
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = rgb[static_cast<size_t>(y) * width + x];
      row[3 * x] = static_cast<uint8_t>(c >> 16);
      row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(c);
    }
  }
  ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0) << SDL_GetError();
  SDL_FreeSurface(s);
}

void WriteSolidBmp(const std::string& path, int width, int height, uint32_t rgb) {
  WriteBmp(path, width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, rgb));
}

void WriteWav(const std::string& path, int rate, const std::vector<int16_t>& samples) {
  std::vector<uint8_t> out;
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  Put32(out, 36 + dataBytes);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<uint32_t>(rate));
  Put32(out, static_cast<uint32_t>(rate * 2));
  Put16(out, 2);
  Put16(out, 16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  Put32(out, dataBytes);
  for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
  WriteFile(path, out);
}

std::vector<uint8_t> MidiFile(uint16_t format, uint16_t ticksPerQuarter,
                              const std::vector<std::vector<uint8_t>>& tracks) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
  PutBig(out, 6, 4);
  PutBig(out, format, 2);
  PutBig(out, static_cast<uint32_t>(tracks.size()), 2);
  PutBig(out, ticksPerQuarter, 2);
  for (const auto& events : tracks) {
    std::vector<uint8_t> body = events;
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    PutBig(out, static_cast<uint32_t>(body.size()), 4);
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

Screenshot::Screenshot(sdl::SdlPlatform& platform) {
  sdl::Canvas& canvas = platform.video().canvas();
  canvas.Flush();
  SDL_Renderer* renderer = platform.video().renderer();
  SDL_RenderSetViewport(renderer, nullptr);
  SDL_GetRendererOutputSize(renderer, &width_, &height_);
  pixels_.assign(static_cast<size_t>(width_) * height_, 0);
  const int rc =
      SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels_.data(), width_ * 4);
  EXPECT_EQ(rc, 0) << SDL_GetError();
  canvas.ReapplyViewport();
}

Screenshot::Box Screenshot::Lit(int level) const {
  return Find(
      [level](uint32_t p) { return Red(p) > level || Green(p) > level || Blue(p) > level; });
}

void SetTopDownCamera(Device& device, float height) {
  device.SetTransform(TransformType::Projection,
                      MatrixPerspectiveFovLH(3.14159265358979f / 2.0f, 1.0f, 0.001f, 10000.0f));
  device.SetTransform(TransformType::View,
                      MatrixLookAtLH(Vec3f{0, 0, height}, Vec3f{0, 0, 0}, Vec3f{0, 1, 0}));
  device.SetTransform(TransformType::World, MatrixIdentity());
}

}  // namespace sb::sdltest
