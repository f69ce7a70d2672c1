// Frame presentation on the SDL platform: the cost of an unpaced present,
// the cost of drawing a battle-sized frame, and the intervals between 600
// paced presents (mean and standard deviation). Run it under the offscreen
// video driver or Xvfb, e.g.
//   SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy build/bench/platform/bench_platform_present
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/entry.h"
#include "core/runtime_error.h"
#include "platform/d3dx_math.h"
#include "platform/game_screen.h"
#include "platform/sdl/sdl_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Stats {
  double mean = 0, sd = 0, min = 0, max = 0;
};

Stats Measure(const std::vector<double>& ms) {
  Stats s;
  if (ms.empty()) return s;
  s.min = s.max = ms[0];
  for (double v : ms) {
    s.mean += v;
    s.min = std::min(s.min, v);
    s.max = std::max(s.max, v);
  }
  s.mean /= ms.size();
  for (double v : ms) s.sd += (v - s.mean) * (v - s.mean);
  s.sd = std::sqrt(s.sd / ms.size());
  return s;
}

void Print(const char* what, const std::vector<double>& ms) {
  const Stats s = Measure(ms);
  std::printf("%-34s n=%4zu  mean %8.4f ms  sd %7.4f ms  min %8.4f  max %8.4f\n", what, ms.size(),
              s.mean, s.sd, s.min, s.max);
}

double Millis(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

// A small 24-bit BMP: a white disc on black (black is transparent).
void WriteDisc(const std::string& path, int size) {
  const int rowBytes = (size * 3 + 3) & ~3;
  const uint32_t dataBytes = static_cast<uint32_t>(rowBytes * size);
  std::vector<uint8_t> out(54 + dataBytes, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, 54 + dataBytes);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(size));
  put32(22, static_cast<uint32_t>(size));
  out[26] = 1;
  out[28] = 24;
  put32(34, dataBytes);
  const double r = size / 2.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double dx = x + 0.5 - r, dy = y + 0.5 - r;
      const uint8_t v = dx * dx + dy * dy < r * r ? 255 : 0;
      const size_t at = 54 + static_cast<size_t>(y) * rowBytes + x * 3;
      out[at] = out[at + 1] = out[at + 2] = v;
    }
  }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

struct Scene {
  sb::TextureRef star, craft;
  sb::FontRef font;
  std::vector<sb::LitVertex> stars;
  std::vector<sb::Particle> shots;
};

// About what a battle frame draws: 1000 stars, 50 turned craft, 200 point
// sprites and a status line.
void DrawFrame(sb::Platform& platform, sb::Device& device, const Scene& scene, int frame) {
  device.SetViewport(sb::Viewport{0, 0, sb::kScreenWidth, sb::kScreenHeight, -1.0f, 100.0f});
  device.Clear(0);
  device.BeginScene();
  device.SetTransform(sb::TransformType::View,
                      sb::MatrixLookAtLH({0, 0, 150}, {0, 0, 0}, {0, 1, 0}));
  device.SetTransform(sb::TransformType::World, sb::MatrixIdentity());
  device.SetVertexShader(sb::kFvfLitVertex);
  device.SetTexture(scene.star);
  for (size_t i = 0; i + 4 <= scene.stars.size(); i += 4) device.DrawQuad(&scene.stars[i]);
  device.SetTexture(scene.craft);
  for (int c = 0; c < 50; ++c) {
    const float x = static_cast<float>((c % 10) * 28 - 130);
    const float y = static_cast<float>((c / 10) * 50 - 100);
    device.SetTransform(sb::TransformType::World,
                        sb::MatrixMultiply(sb::MatrixRotationZ(0.01f * (frame + c)),
                                           sb::MatrixTranslation(x, y, 0)));
    device.DrawQuad(&scene.stars[0]);
  }
  device.SetTransform(sb::TransformType::World, sb::MatrixIdentity());
  device.SetVertexShader(sb::kFvfPointVertex);
  device.DrawPoints(scene.shots.data(), static_cast<int>(scene.shots.size()));
  device.SetVertexShader(sb::kFvfLitVertex);
  platform.text().DrawText(scene.font, 0xFFFFFFFF, "FPS: 60  Human: 10  Sect: 10  Drone: 10",
                           sb::Rect{0, 0, 800, 200}, 0);
  device.EndScene();
}

int Run() {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "sb_present_bench";
  fs::create_directories(folder);
  WriteDisc((folder / "disc.bmp").string(), 16);

  sb::SdlPlatformOptions options;
  options.programFolder = folder.string();
  options.dataFolder = SB_BENCH_DATA_DIR;
  options.pacePresents = false;
  auto platform = sb::CreateSdlPlatform(options);
  sb::PresentParameters params;
  params.BackBufferWidth = sb::kScreenWidth;
  params.BackBufferHeight = sb::kScreenHeight;
  params.BackBufferCount = 1;
  sb::Device& device = platform->CreateDevice(params);
  device.SetRenderState(sb::kRsSrcBlend, sb::kBlendSrcAlpha);
  device.SetRenderState(sb::kRsDestBlend, sb::kBlendInvSrcAlpha);
  device.SetRenderState(sb::kRsAlphaBlendEnable, static_cast<uint32_t>(-1));
  device.SetRenderState(sb::kRsPointScaleEnable, 1);
  device.SetRenderState(sb::kRsPointSpriteEnable, 1);
  const float pointSize = 0.03f;
  uint32_t bits;
  static_assert(sizeof bits == sizeof pointSize);
  std::memcpy(&bits, &pointSize, sizeof bits);
  device.SetRenderState(sb::kRsPointSize, bits);
  device.SetTextureStageState(0, sb::kTssMagFilter, sb::kTexFilterLinear);
  device.SetTextureStageState(0, sb::kTssMinFilter, sb::kTexFilterLinear);
  device.SetTransform(sb::TransformType::Projection,
                      sb::MatrixPerspectiveFovLH(3.14159265f / 2, 1.0f, 0.001f, 10000.0f));

  Scene scene;
  scene.star = platform->textures().LoadTexture((folder / "disc.bmp").string());
  scene.craft = scene.star;
  scene.font = platform->text().CreateFont("technical", 12, true);
  uint32_t seed = 12345;
  auto random = [&seed](float range) {
    seed = seed * 1664525u + 1013904223u;
    return (static_cast<float>(seed >> 8) / 16777216.0f - 0.5f) * 2 * range;
  };
  for (int s = 0; s < 1000; ++s) {
    const float x = random(150), y = random(150), z = -random(50) - 60, h = 2;
    const float cx[4] = {-h, h, h, -h}, cy[4] = {-h, -h, h, h}, u[4] = {0, 1, 1, 0},
                v[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
      scene.stars.push_back(sb::LitVertex{x + cx[i], y + cy[i], z, 0xFFFFFFFF, 0, u[i], v[i]});
    }
  }
  for (int p = 0; p < 200; ++p) {
    sb::Particle particle{};
    particle.X = random(140);
    particle.Y = random(140);
    particle.Colour = 0xFFFF8040;
    scene.shots.push_back(particle);
  }

  // Unpaced: a bare present, then a battle-sized frame.
  std::vector<double> present, frame;
  for (int i = 0; i < 300; ++i) {
    device.Clear(0);
    const auto a = Clock::now();
    device.Present();
    present.push_back(Millis(a, Clock::now()));
  }
  for (int i = 0; i < 300; ++i) {
    const auto a = Clock::now();
    DrawFrame(*platform, device, scene, i);
    device.Present();
    frame.push_back(Millis(a, Clock::now()));
  }
  Print("unpaced present (clear only)", present);
  Print("unpaced battle frame + present", frame);

  // Paced: 600 presents of the battle frame, intervals between them.
  platform.reset();
  options.pacePresents = true;
  platform = sb::CreateSdlPlatform(options);
  sb::Device& paced = platform->CreateDevice(params);
  paced.SetTransform(sb::TransformType::Projection,
                     sb::MatrixPerspectiveFovLH(3.14159265f / 2, 1.0f, 0.001f, 10000.0f));
  scene.star = platform->textures().LoadTexture((folder / "disc.bmp").string());
  scene.craft = scene.star;
  scene.font = platform->text().CreateFont("technical", 12, true);
  std::vector<double> intervals;
  DrawFrame(*platform, paced, scene, 0);
  paced.Present();
  auto last = Clock::now();
  for (int i = 0; i < 600; ++i) {
    DrawFrame(*platform, paced, scene, i);
    paced.Present();
    const auto now = Clock::now();
    intervals.push_back(Millis(last, now));
    last = now;
  }
  Print("paced present interval (600)", intervals);
  scene = Scene{};
  platform.reset();
  fs::remove_all(folder);
  return 0;
}

}  // namespace

int main() {
  try {
    return Run();
  } catch (const sb::GameError& e) {
    std::fprintf(stderr, "%s\n", e.Line().c_str());
    return 1;
  }
}
