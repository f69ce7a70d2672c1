// Platform start-up: device and render states, input, layout, shared
// textures, fonts, projection, music and sound effects, in that order.
#include "core/checked.h"
#include "core/form1.h"
#include "platform/d3dx_math.h"

namespace sb {

namespace {

constexpr uint32_t kInputBufferRecords = 100000;
constexpr int32_t kSoundFrequency = 10000;

}  // namespace

void Form1::Intialize() {
  ScopedOperation op("Intialize");
  Window& window = P.window();
  const std::string folder = window.ProgramFolder();
  auto load = [&](const char* name) { return P.textures().LoadTexture(folder + name); };

  // Display mode and presentation: full screen 1024 x 768, one back buffer,
  // no depth buffer.
  Mode = window.GetDisplayMode();
  Mode.Width = 1024;
  Mode.Height = 768;
  PresentParams = PresentParameters{};
  PresentParams.BackBufferWidth = 1024;
  PresentParams.BackBufferHeight = 768;
  PresentParams.BackBufferFormat = Mode.Format;
  PresentParams.BackBufferCount = 1;
  PresentParams.SwapEffect = 2;  // flip
  PresentParams.Windowed = false;

  Dev = &P.CreateDevice(PresentParams);
  Device& dev = *Dev;
  dev.SetRenderState(kRsSrcBlend, kBlendSrcAlpha);
  dev.SetRenderState(kRsDestBlend, kBlendInvSrcAlpha);
  dev.SetRenderState(kRsAlphaBlendEnable, static_cast<uint32_t>(-1));
  dev.SetRenderState(kRsPointScaleEnable, 1);
  dev.SetRenderState(kRsPointSize, static_cast<uint32_t>(FloatBits(0.03f)));
  dev.SetRenderState(kRsPointSpriteEnable, 1);
  dev.SetTextureStageState(0, kTssMagFilter, kTexFilterLinear);
  dev.SetTextureStageState(0, kTssMinFilter, kTexFilterLinear);
  dev.SetRenderState(kRsZWriteEnable, 0);
  dev.SetRenderState(kRsLighting, 0);

  Keyboard& keyboard = P.keyboard();
  keyboard.SetBufferSize(kInputBufferRecords);
  KeyboardEvent = window.CreateEvent();
  keyboard.SetEventNotification(KeyboardEvent);
  keyboard.Acquire();

  Mouse& mouse = P.mouse();
  mouse.SetBufferSize(kInputBufferRecords);
  mouse.Acquire();

  RadarViewport = Viewport{872, 0, 128, 128, -1.0f, 100.0f};
  TargetViewport = Viewport{747, 500, 256, 256, -1.0f, 100.0f};
  ScreenViewport = Viewport{0, 0, Mode.Width, Mode.Height, -1.0f, 100.0f};

  BarTexture = load("\\Textures\\bar.bmp");
  FrameTexture = load("\\Textures\\frame.bmp");
  TarBackTexture = load("\\Textures\\tarback.bmp");
  TargeterTexture = load("\\Textures\\targeter.bmp");
  HudTexture = load("\\Textures\\Hud.bmp");
  CursorTexture = load("\\Textures\\cursor.bmp");
  SelectionBox.Texture = load("\\Textures\\box.bmp");
  TurretTexture = load("\\Textures\\turret.bmp");
  StartButton.X = 0;
  StartButton.Y = 350;
  StartButton.Width = 128;
  StartButton.Height = 64;
  StartButton.Texture = load("\\Textures\\start.bmp");
  LeftButton.X = 300;
  LeftButton.Y = 350;
  LeftButton.Width = 128;
  LeftButton.Height = 64;
  LeftButton.Texture = load("\\Textures\\goleft.bmp");
  RightButton.X = 420;
  RightButton.Y = 350;
  RightButton.Width = 128;
  RightButton.Height = 64;
  RightButton.Texture = load("\\Textures\\goright.bmp");

  TechnicalFont = P.text().CreateFont("technical", 12, true);
  ArielFont = P.text().CreateFont("ariel", 8, true);

  SideRect1 = Rect{932, 150, 1022, 200};
  SideRect2 = Rect{922, 200, 1022, 250};
  SprayTexture = load("\\Textures\\spray.bmp");
  StarTexture = load("\\Textures\\star.bmp");
  BulletTexture = load("\\Textures\\bullet.bmp");
  PointTexture = load("\\Textures\\point.bmp");
  // The text areas sit directly under the buttons.
  const int32_t underButtons = RoundTo32(StartButton.Y + StartButton.Height);
  TitleRect = Rect{500, 180, 700, 200};
  InfoRect = Rect{300, underButtons, 500, 700};
  ControlsRect = Rect{600, underButtons, 800, 800};
  StatusRect = Rect{0, 0, 800, 200};
  TargetTextRect = Rect{767, 520, 1000, 700};
  SideRect3 = Rect{922, 250, 1022, 300};
  SideRect4 = Rect{922, 300, 1022, 350};

  dev.SetVertexShader(kFvfLitVertex);
  ProjectionMatrix = MatrixPerspectiveFovLH(3.14159265358979f / 2.0f, 1.0f, 0.001f, 10000.0f);
  dev.SetTransform(TransformType::Projection, ProjectionMatrix);

  Music& music = P.music();
  music.InitAudio(kAudioFlagsAll, kAudioPathDynamicMono, 128);
  music.SetMasterVolume(0);
  music.SetMasterTempo(1.0f);
  music.SetMasterAutoDownload(true);
  music.AddNotificationType(kNotifyOnSegment);
  MusicEvent = window.CreateEvent();
  music.SetNotificationHandle(MusicEvent);
  BattleMusic = music.LoadSegment(folder + "\\Einswei.mid");
  DeathMusic = music.LoadSegment(folder + "\\Frozenbuffalo.mid");

  SoundOutput& sound = P.sound();
  sound.SetCooperativeLevel(1);  // normal
  struct EffectSetting {
    SoundRef* buffer;
    const char* file;
    int32_t volume;
  };
  const EffectSetting effects[] = {
      {&FlySound, "\\sfx\\fly.wav", -1000},
      {&ShieldHitSound, "\\sfx\\shieldhit.wav", -10},
      {&HpHitSound, "\\sfx\\hphit.wav", 0},
      {&FireSound, "\\sfx\\fire.wav", -10},
  };
  for (const EffectSetting& e : effects) {
    *e.buffer = sound.CreateSoundBufferFromFile(folder + e.file);
    (*e.buffer)->SetVolume(e.volume);
    (*e.buffer)->SetFrequency(kSoundFrequency);
    (*e.buffer)->SetPan(0);
  }
}

}  // namespace sb
