// Platform start-up: device and render states, input, layout, shared
// textures, fonts, projection, music and sound effects, in that order.
#include <string>
#include <utility>

#include "core/angles.h"
#include "core/checked.h"
#include "core/form1.h"
#include "platform/d3dx_math.h"
#include "platform/game_screen.h"

namespace sb {

namespace {

constexpr uint32_t kInputBufferRecords = 100000;
constexpr int32_t kSoundFrequency = 10000;

// Display mode and presentation: full screen at the picture's size, one back buffer,
// no depth buffer; then the device's render states.
void SetUpDevice(Form1& f) {
  f.Mode = f.P.window().GetDisplayMode();
  f.Mode.Width = kScreenWidth;
  f.Mode.Height = kScreenHeight;
  f.PresentParams = PresentParameters{};
  f.PresentParams.BackBufferWidth = kScreenWidth;
  f.PresentParams.BackBufferHeight = kScreenHeight;
  f.PresentParams.BackBufferFormat = f.Mode.Format;
  f.PresentParams.BackBufferCount = 1;
  f.PresentParams.SwapEffect = kSwapEffectFlip;
  f.PresentParams.Windowed = false;

  f.Dev = &f.P.CreateDevice(f.PresentParams);
  Device& dev = *f.Dev;
  dev.SetRenderState(kRsSrcBlend, kBlendSrcAlpha);
  dev.SetRenderState(kRsDestBlend, kBlendInvSrcAlpha);
  dev.SetRenderState(kRsAlphaBlendEnable, static_cast<uint32_t>(-1));
  dev.SetRenderState(kRsPointScaleEnable, 1);
  dev.SetRenderState(kRsPointSize, static_cast<uint32_t>(Form1::FloatBits(0.03f)));
  dev.SetRenderState(kRsPointSpriteEnable, 1);
  dev.SetTextureStageState(0, kTssMagFilter, kTexFilterLinear);
  dev.SetTextureStageState(0, kTssMinFilter, kTexFilterLinear);
  dev.SetRenderState(kRsZWriteEnable, 0);
  dev.SetRenderState(kRsLighting, 0);
}

// Buffered keyboard with an event to wake the game; buffered mouse.
void SetUpInput(Form1& f) {
  Keyboard& keyboard = f.P.keyboard();
  keyboard.SetBufferSize(kInputBufferRecords);
  f.KeyboardEvent = f.P.window().CreateEvent();
  keyboard.SetEventNotification(f.KeyboardEvent);
  keyboard.Acquire();

  Mouse& mouse = f.P.mouse();
  mouse.SetBufferSize(kInputBufferRecords);
  mouse.Acquire();
}

void PlaceButton(ScreenButton& button, float x, float y, TextureRef texture) {
  button.X = x;
  button.Y = y;
  button.Width = 128;
  button.Height = 64;
  button.Texture = std::move(texture);
}

// Viewports, shared pictures, buttons, fonts and text areas, in the order
// the game has always loaded them.
void LayOutScreen(Form1& f, const std::string& folder) {
  auto load = [&](const char* name) { return f.P.textures().LoadTexture(folder + name); };
  f.RadarViewport = Viewport{872, 0, 128, 128, -1.0f, 100.0f};
  f.TargetViewport = Viewport{747, 500, 256, 256, -1.0f, 100.0f};
  f.ScreenViewport = Viewport{0, 0, f.Mode.Width, f.Mode.Height, -1.0f, 100.0f};

  f.BarTexture = load("\\Textures\\bar.bmp");
  f.FrameTexture = load("\\Textures\\frame.bmp");
  f.TarBackTexture = load("\\Textures\\tarback.bmp");
  f.TargeterTexture = load("\\Textures\\targeter.bmp");
  f.HudTexture = load("\\Textures\\Hud.bmp");
  f.CursorTexture = load("\\Textures\\cursor.bmp");
  f.SelectionBox.Texture = load("\\Textures\\box.bmp");
  f.TurretTexture = load("\\Textures\\turret.bmp");
  PlaceButton(f.StartButton, 0, 350, load("\\Textures\\start.bmp"));
  PlaceButton(f.LeftButton, 300, 350, load("\\Textures\\goleft.bmp"));
  PlaceButton(f.RightButton, 420, 350, load("\\Textures\\goright.bmp"));

  f.TechnicalFont = f.P.text().CreateFont("technical", 12, true);
  f.ArielFont = f.P.text().CreateFont("ariel", 8, true);

  f.SideRect1 = Rect{932, 150, 1022, 200};
  f.SideRect2 = Rect{922, 200, 1022, 250};
  f.SprayTexture = load("\\Textures\\spray.bmp");
  f.StarTexture = load("\\Textures\\star.bmp");
  f.BulletTexture = load("\\Textures\\bullet.bmp");
  f.PointTexture = load("\\Textures\\point.bmp");
  // The text areas sit directly under the buttons.
  const int32_t underButtons = RoundTo32(f.StartButton.Y + f.StartButton.Height);
  f.TitleRect = Rect{500, 180, 700, 200};
  f.InfoRect = Rect{300, underButtons, 500, 700};
  f.ControlsRect = Rect{600, underButtons, 800, 800};
  f.StatusRect = Rect{0, 0, 800, 200};
  f.TargetTextRect = Rect{767, 520, 1000, 700};
  f.SideRect3 = Rect{922, 250, 1022, 300};
  f.SideRect4 = Rect{922, 300, 1022, 350};
}

// A quarter-turn field of view, square aspect.
void SetUpProjection(Form1& f) {
  f.Dev->SetVertexShader(kFvfLitVertex);
  f.ProjectionMatrix =
      MatrixPerspectiveFovLH(static_cast<float>(kPi) / 2.0f, 1.0f, 0.001f, 10000.0f);
  f.Dev->SetTransform(TransformType::Projection, f.ProjectionMatrix);
}

// The music engine, silent master volume, segment notifications, two tunes.
void SetUpMusic(Form1& f, const std::string& folder) {
  Music& music = f.P.music();
  music.InitAudio(kAudioFlagsAll, kAudioPathDynamicMono, 128);
  music.SetMasterVolume(0);
  music.SetMasterTempo(1.0f);
  music.SetMasterAutoDownload(true);
  music.AddNotificationType(kNotifyOnSegment);
  f.MusicEvent = f.P.window().CreateEvent();
  music.SetNotificationHandle(f.MusicEvent);
  f.BattleMusic = music.LoadSegment(folder + "\\Einswei.mid");
  f.DeathMusic = music.LoadSegment(folder + "\\Frozenbuffalo.mid");
}

// The four effects, each at its own volume, played at a fixed rate.
void SetUpSounds(Form1& f, const std::string& folder) {
  SoundOutput& sound = f.P.sound();
  sound.SetCooperativeLevel(kCooperativeNormal);
  struct EffectSetting {
    SoundRef* buffer;
    const char* file;
    int32_t volume;
  };
  const EffectSetting effects[] = {
      {&f.FlySound, "\\sfx\\fly.wav", -1000},
      {&f.ShieldHitSound, "\\sfx\\shieldhit.wav", -10},
      {&f.HpHitSound, "\\sfx\\hphit.wav", 0},
      {&f.FireSound, "\\sfx\\fire.wav", -10},
  };
  for (const EffectSetting& e : effects) {
    *e.buffer = sound.CreateSoundBufferFromFile(folder + e.file);
    (*e.buffer)->SetVolume(e.volume);
    (*e.buffer)->SetFrequency(kSoundFrequency);
    (*e.buffer)->SetPan(0);
  }
}

}  // namespace

void Form1::Intialize() {
  ScopedOperation op("Intialize", "starting up");
  const std::string folder = P.window().ProgramFolder();
  SetUpDevice(*this);
  SetUpInput(*this);
  LayOutScreen(*this, folder);
  SetUpProjection(*this);
  SetUpMusic(*this, folder);
  SetUpSounds(*this, folder);
}

}  // namespace sb
