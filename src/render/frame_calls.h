// The platform calls of a drawing method (battle frame, craft drawing,
// selection screen).
//
// Each call first checks the floating-point status, so a fault in the
// method's own arithmetic since the last call ends the game before anything
// depending on it reaches the screen. (The platform keeps the status as it
// found it, so what its own work raises is never blamed on the game.)
#pragma once

#include <string>

#include "core/form1.h"
#include "core/runtime_error.h"

namespace sb {

// An untinted sprite, or white text (colours are ARGB).
inline constexpr uint32_t kWhite = 0xFFFFFFFF;

class FrameCalls {
 public:
  explicit FrameCalls(Form1& game) : game_(game) {
    if (!game.Dev) Fail(ErrorKind::PlatformCall, "no graphics device");
  }

  void SetRenderState(uint32_t state, uint32_t value) {
    Guard([&] { game_.Dev->SetRenderState(state, value); });
  }
  void SetViewport(const Viewport& viewport) {
    Guard([&] { game_.Dev->SetViewport(viewport); });
  }
  void Clear(uint32_t colour) {
    Guard([&] { game_.Dev->Clear(colour); });
  }
  void BeginScene() {
    Guard([&] { game_.Dev->BeginScene(); });
  }
  void EndScene() {
    Guard([&] { game_.Dev->EndScene(); });
  }
  void Present() {
    Guard([&] { game_.Dev->Present(); });
  }
  void SetTransform(TransformType type, const Matrix& matrix) {
    Guard([&] { game_.Dev->SetTransform(type, matrix); });
  }
  void SetVertexShader(uint32_t format) {
    Guard([&] { game_.Dev->SetVertexShader(format); });
  }
  void SetTexture(const TextureRef& texture) {
    Guard([&] { game_.Dev->SetTexture(texture); });
  }
  void DrawQuad(const LitVertex* corners) {
    Guard([&] { game_.Dev->DrawQuad(corners); });
  }
  void DrawPoints(const Particle* first, int count) {
    Guard([&] { game_.Dev->DrawPoints(first, count); });
  }
  void Sprite(const TextureRef& texture, Vec2f scaling, Vec2f centre, float rotation,
              Vec2f translation, uint32_t colour) {
    Guard([&] { game_.P.sprite().Draw(texture, scaling, centre, rotation, translation, colour); });
  }
  void Text(const FontRef& font, uint32_t colour, const std::string& text, const Rect& rect,
            uint32_t format) {
    Guard([&] { game_.P.text().DrawText(font, colour, text, rect, format); });
  }

 private:
  template <typename Call>
  void Guard(const Call& call) {
    CheckFloatStatus();
    call();
  }

  Form1& game_;
};

}  // namespace sb
