#include "render/player_overlays.h"

#include "core/controls_text.h"
#include "platform/game_screen.h"

namespace sb::overlay {

namespace {

constexpr uint32_t kShadow = 0xFF000000;
constexpr uint32_t kTitleGreen = 0xFF1FFF1F;
constexpr uint32_t kKeyYellow = 0xFFFFE060;
// The cockpit picture has no transparent pixel: tinted black and stretched
// (from its designed 152 x 360, or any larger size) it darkens a band of the
// screen evenly.
constexpr float kPanelPictureWidth = 152;
constexpr float kPanelPictureHeight = 360;

void Panel(Form1& g, FrameCalls& calls, int32_t top, int32_t height, uint32_t alpha) {
  calls.Sprite(g.HudTexture,
               Form1::Vec2(kScreenWidth / kPanelPictureWidth,
                           static_cast<float>(height) / kPanelPictureHeight),
               Form1::Vec2(0, 0), 0, Form1::Vec2(0, static_cast<float>(top)), alpha << 24);
}

// Text with a dark copy behind it, readable over any picture.
void ShadowedText(FrameCalls& calls, const FontRef& font, const std::string& text, const Rect& r,
                  uint32_t format) {
  calls.Text(font, kShadow, text, Rect{r.Left + 2, r.Top + 2, r.Right + 2, r.Bottom + 2}, format);
  calls.Text(font, kWhite, text, r, format);
}

Rect Line(int32_t left, int32_t width, int32_t top) {
  return Rect{left, top, left + width, top + kLineHeight};
}

void DrawColumn(Form1& g, FrameCalls& calls, ControlDevice device, const Column& c) {
  int32_t y = kColumnsTop;
  for (const ControlGroup& group : ControlGroups()) {
    if (group.device != device) continue;
    calls.Text(g.TechnicalFont, kTitleGreen, std::string(group.title),
               Line(c.left, c.keysWidth + c.actionsWidth, y), kTextLeftTop);
    y += kLineHeight;
    for (const ControlLine& line : group.lines) {
      calls.Text(g.TechnicalFont, kKeyYellow, std::string(line.keys), Line(c.left, c.keysWidth, y),
                 kTextLeftTop);
      calls.Text(g.TechnicalFont, kWhite, std::string(line.action),
                 Line(c.left + c.keysWidth, c.actionsWidth, y), kTextLeftTop);
      y += kLineHeight;
    }
    y += kLineHeight / 2;
  }
}

void DrawControls(Form1& g, FrameCalls& calls) {
  Panel(g, calls, 0, kScreenHeight, 0xD8);
  calls.Text(g.TechnicalFont, kWhite, "CONTROLS", Rect{0, 80, kScreenWidth, 100}, kTextCenter);
  DrawColumn(g, calls, ControlDevice::Keyboard, kKeyboardColumn);
  DrawColumn(g, calls, ControlDevice::Controller, kControllerColumn);
  calls.Text(g.TechnicalFont, kTitleGreen, "Any key or button closes this screen",
             Rect{0, kFooterTop, kScreenWidth, kFooterTop + kLineHeight}, kTextCenter);
}

void DrawPaused(Form1& g, FrameCalls& calls) {
  PlayerState& s = g.Player;
  if (!s.LargeFont) s.LargeFont = g.P.text().CreateFont("technical", 36, true);
  Panel(g, calls, 320, 128, 0xA0);
  ShadowedText(calls, s.LargeFont, "PAUSED", Rect{0, 340, kScreenWidth, 400}, kTextCenter);
  ShadowedText(calls, g.TechnicalFont, "P, Pause or a pad's Start goes on",
               Rect{0, 408, kScreenWidth, 428}, kTextCenter);
}

}  // namespace

std::string VolumeText(const SoundSettings& sound) {
  if (sound.Muted) return "SOUND OFF";
  return "VOLUME " + std::to_string(sound.Volume) + " / " + std::to_string(SoundSettings::kSteps);
}

void Draw(Form1& g, FrameCalls& calls) {
  const PlayerState& s = g.Player;
  const bool paused = s.Paused && g.BattleActive;
  const bool volume = VolumeOnScreen(g);
  if (!s.ControlsShown && !paused && !volume) return;
  // The battle frame ends in the target view's viewport.
  calls.SetViewport(g.ScreenViewport);
  if (s.ControlsShown) {
    DrawControls(g, calls);
  } else if (paused) {
    DrawPaused(g, calls);
  }
  if (volume) {
    ShadowedText(calls, g.TechnicalFont, VolumeText(s.Sound), Rect{0, 40, kScreenWidth, 60},
                 kTextCenter);
  }
}

}  // namespace sb::overlay
