// The graphics device: viewports, clears, transforms, textures and the two
// primitive kinds the game draws (a quad as a two-triangle fan, and runs of
// point sprites).
#pragma once

#include <cstdint>

#include "core/vertex.h"
#include "platform/types.h"

namespace sb {

enum class TransformType : uint32_t { View = 2, Projection = 3, World = 256 };

// Render states the game sets.
constexpr uint32_t kRsZWriteEnable = 14;
constexpr uint32_t kRsSrcBlend = 19;
constexpr uint32_t kRsDestBlend = 20;
constexpr uint32_t kRsAlphaBlendEnable = 27;
constexpr uint32_t kRsLighting = 137;
constexpr uint32_t kRsPointSize = 154;
constexpr uint32_t kRsPointSpriteEnable = 156;
constexpr uint32_t kRsPointScaleEnable = 157;
// Blend factors of kRsSrcBlend and kRsDestBlend.
constexpr uint32_t kBlendZero = 1;
constexpr uint32_t kBlendOne = 2;
constexpr uint32_t kBlendSrcColor = 3;
constexpr uint32_t kBlendInvSrcColor = 4;
constexpr uint32_t kBlendSrcAlpha = 5;
constexpr uint32_t kBlendInvSrcAlpha = 6;
constexpr uint32_t kBlendDestAlpha = 7;
constexpr uint32_t kBlendInvDestAlpha = 8;
constexpr uint32_t kBlendDestColor = 9;
constexpr uint32_t kBlendInvDestColor = 10;
// Texture stage states.
constexpr uint32_t kTssMagFilter = 16;
constexpr uint32_t kTssMinFilter = 17;
constexpr uint32_t kTexFilterPoint = 1;
constexpr uint32_t kTexFilterLinear = 2;

class Device {
 public:
  virtual ~Device() = default;

  virtual void SetRenderState(uint32_t state, uint32_t value) = 0;
  virtual void SetTextureStageState(uint32_t stage, uint32_t state, uint32_t value) = 0;
  virtual void SetViewport(const Viewport& viewport) = 0;
  // Clears the whole render target to an ARGB colour.
  virtual void Clear(uint32_t colour) = 0;
  virtual void BeginScene() = 0;
  virtual void EndScene() = 0;
  virtual void Present() = 0;
  // Shows the last presented frame again, at the time the next frame would
  // be presented, without drawing anything. False, with nothing shown, when
  // the platform no longer has that frame: draw it anew.
  virtual bool PresentAgain() = 0;
  virtual void SetTransform(TransformType type, const Matrix& matrix) = 0;
  // Vertex format of later draws: kFvfLitVertex or kFvfPointVertex.
  virtual void SetVertexShader(uint32_t format) = 0;
  // Texture of later draws (stage 0).
  virtual void SetTexture(const TextureRef& texture) = 0;
  // One textured square: four corners in fan order, 28 bytes apart.
  virtual void DrawQuad(const LitVertex* corners) = 0;
  // count point sprites from consecutive particles, 32 bytes apart.
  virtual void DrawPoints(const Particle* first, int count) = 0;
};

}  // namespace sb
