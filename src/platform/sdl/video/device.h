// The graphics device on SDL's renderer. Transforms, viewports and render
// states are kept here; quads and point sprites are projected on the CPU and
// handed to the canvas as textured triangles.
#pragma once

#include <SDL.h>

#include "platform/device.h"
#include "platform/sdl/time/frame_pacer.h"
#include "platform/sdl/video/window.h"

namespace sb::sdl {

class SdlDevice : public Device {
 public:
  SdlDevice(Video& video, bool pacePresents);

  void SetRenderState(uint32_t state, uint32_t value) override;
  void SetTextureStageState(uint32_t stage, uint32_t state, uint32_t value) override;
  void SetViewport(const Viewport& viewport) override;
  void Clear(uint32_t colour) override;
  void BeginScene() override;
  void EndScene() override;
  void Present() override;
  bool PresentAgain() override;
  void SetTransform(TransformType type, const Matrix& matrix) override;
  void SetVertexShader(uint32_t format) override;
  void SetTexture(const TextureRef& texture) override;
  void DrawQuad(const LitVertex* corners) override;
  void DrawPoints(const Particle* first, int count) override;

  // The viewport in force, for the screen-space drawers.
  const Viewport& viewport() const { return viewport_; }

 private:
  const Matrix& WorldViewProjection();
  SDL_BlendMode BlendMode() const;
  SDL_ScaleMode ScaleMode() const;
  void WaitForDeadline();
  void RequireScreen() const;

  Video& video_;
  const bool pace_;
  FramePacer pacer_;
  Viewport viewport_;
  Matrix world_, view_, projection_, worldViewProjection_;
  bool transformDirty_ = true;
  bool inScene_ = false;
  int holds_ = 0;  // frames shown again since the last one drawn
  uint32_t vertexFormat_ = 0;
  GpuImageRef image_;
  // Render states, starting at the device's defaults.
  bool alphaBlend_ = false;
  uint32_t srcBlend_ = kBlendOne;
  uint32_t destBlend_ = kBlendZero;
  float pointSize_ = 1.0f;
  bool pointScale_ = false;
  bool pointSprite_ = false;
  uint32_t magFilter_ = kTexFilterPoint;
  uint32_t minFilter_ = kTexFilterPoint;
};

}  // namespace sb::sdl
