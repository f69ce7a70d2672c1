// Plain records that cross the boundary between the game and its platform.
// No platform library type appears here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace sb {

// Two-component vector (x then y), as built by Vec2.
struct Vec2f {
  float x = 0, y = 0;
};

struct Vec3f {
  float x = 0, y = 0, z = 0;
};

// 4 x 4 matrix of 32-bit floats, row-vector convention (p' = p x M).
struct Matrix {
  float m[4][4] = {};
};

struct Viewport {
  uint32_t X = 0, Y = 0, Width = 0, Height = 0;
  float MinZ = 0, MaxZ = 0;
};

// Screen rectangle in pixels, right and bottom exclusive.
struct Rect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// One buffered input record: which key, axis or button (Offset) and its data
// (0x80 pressed, 0 released; signed movement for an axis).
struct InputRecord {
  uint32_t Offset = 0;
  uint32_t Data = 0;
  uint32_t TimeStamp = 0;
  uint32_t Sequence = 0;
  uint32_t AppData = 0;
};

constexpr uint32_t kMouseOffsetX = 0;
constexpr uint32_t kMouseOffsetY = 4;
constexpr uint32_t kMouseOffsetButton0 = 12;

// The desktop's display mode.
struct DisplayMode {
  uint32_t Width = 0, Height = 0, RefreshRate = 0, Format = 0;
};

constexpr uint32_t kSwapEffectFlip = 2;  // PresentParameters::SwapEffect: flip

// How the game asks for its screen.
struct PresentParameters {
  uint32_t BackBufferWidth = 0, BackBufferHeight = 0, BackBufferFormat = 0, BackBufferCount = 0;
  uint32_t MultiSampleType = 0, SwapEffect = 0, DeviceWindow = 0;
  bool Windowed = false, EnableAutoDepthStencil = false;
  uint32_t AutoDepthStencilFormat = 0, Flags = 0;
  uint32_t FullScreenRefreshRateInHz = 0, FullScreenPresentationInterval = 0;
};

// Loaded resources, owned through shared references: a craft's texture is
// released when its entry is given a new one.
class Texture {
 public:
  virtual ~Texture() = default;
  // The path it was loaded from, as the game gave it.
  virtual const std::string& Path() const = 0;
};
using TextureRef = std::shared_ptr<Texture>;

class Font {
 public:
  virtual ~Font() = default;
  virtual const std::string& Face() const = 0;
};
using FontRef = std::shared_ptr<Font>;

// The last component of a path given with backslashes or slashes.
std::string FileNameOf(const std::string& path);

// The game joins names with backslashes; the file system wants '/'.
std::string ToSlashes(std::string path);

}  // namespace sb
