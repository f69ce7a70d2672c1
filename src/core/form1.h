// The game object: owns every table and platform object of the game except
// the battle table `Crafts`. Each subsystem defines its operations in its
// own folder (core, platform, catalogue, selection, battle, sim, render).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/battle_hooks.h"
#include "core/craft.h"
#include "core/random.h"
#include "core/table.h"
#include "platform/platform.h"

namespace sb {

// A screen button or grid icon: top-left corner and size in pixels.
struct ScreenButton {
  float X = 0, Y = 0, Width = 0, Height = 0;
  TextureRef Texture;
  bool Hovered = false;
};

// Background records: only the square (and a planet's picture) is used.
struct StarRecord {
  LitVertex Quad[4];
};
struct PlanetRecord {
  LitVertex Quad[4];
  TextureRef Texture;
};

class Form1 : public NotificationSink {
 public:
  explicit Form1(Platform& platform);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // ---- Public operations, in the game's order ----
  void buildDisp();                                // selection/
  void Do_Mouse();                                 // selection/
  void DesignSTUFF();                              // catalogue/
  void AI();                                       // sim/
  void BUILDSTUFF();                               // battle/
  void Physics();                                  // sim/
  void Buildit();                                  // battle/
  void Renderme();                                 // render/
  void Intialize();                                // platform/
  static Vec2f Vec2(float X, float Y);             // platform/
  void Drawall(int16_t i);                         // render/
  void STopCraft(int16_t Which);                   // sim/
  void CheckWhichCraft();                          // catalogue/
  void NextTarget(int16_t person, float Accrate);  // sim/
  void NextFrolic(int16_t person);                 // sim/
  void SelecterRender();                           // selection/

  // ---- Events ----
  void Form_Load();                                         // core/
  void DirectXEvent8_DXCallback(int32_t eventid) override;  // platform/
  void Form_Unload(int16_t cancel) override;                // core/

  // ---- Private operations (public here so tests can reach them) ----
  void AddDesign(const std::string& name, const std::string& textureFile, float z, float width,
                 float height, float turn, float acceleration, float speed, float armour,
                 int16_t race, int16_t range, int16_t power, const std::string& role,
                 int16_t energy, int16_t shotCost, bool turret);      // catalogue/
  void SpawnCraft(const std::string& name, float x, float y);         // battle/
  uint32_t MouseOver(ScreenButton& button);                           // selection/
  void LoadDesignTexture(const Craft& design, ScreenButton& button);  // platform/
  static int32_t FloatBits(float value);                              // platform/
  int16_t FreeShotSlot(int16_t craft);                                // sim/

  // One pass's closing step, identical in both loops: the Escape test, then
  // one yield to the window system.
  void EndOfPass();  // core/

  // Start-up up to the selection loop: platform, catalogue, the default
  // design's description, the window and the grid.
  void StartUp();  // core/

  // Battle set-up after the selection loop: spawn, build the scene, start
  // the battle tune.
  void BattleSetUp();  // core/

  // What a click on Start does: spawns the selected design as the player's
  // craft and switches from the selection loop to the battle.
  void StartBattle();  // selection/

  // Demo recording or playback; null in normal play.
  BattleHooks* Hooks = nullptr;

  // ---- Platform ----
  Platform& P;
  Device* Dev = nullptr;  // set by Intialize
  DisplayMode Mode;
  PresentParameters PresentParams;
  int32_t KeyboardEvent = 0;
  int32_t MusicEvent = 0;

  // ---- Flags of the program flow ----
  bool SelectionActive = false;
  bool BattleActive = false;
  bool DeathMusicStarted = false;

  // ---- Screen layout ----
  Viewport ScreenViewport, RadarViewport, TargetViewport;
  Rect StatusRect, TitleRect, InfoRect, ControlsRect, TargetTextRect;
  Rect SideRect1, SideRect2, SideRect3, SideRect4;
  ScreenButton StartButton, LeftButton, RightButton, SelectionBox;
  Table<ScreenButton, 0, 40> DesignIcons;

  // ---- Shared textures and fonts ----
  TextureRef BarTexture, FrameTexture, TarBackTexture, TargeterTexture, HudTexture;
  TextureRef CursorTexture, TurretTexture, SprayTexture, StarTexture, BulletTexture;
  TextureRef PointTexture;
  FontRef TechnicalFont, ArielFont;

  // ---- Sound and music ----
  SoundRef FlySound, ShieldHitSound, HpHitSound, FireSound;
  SegmentRef BattleMusic, DeathMusic;

  // ---- Transforms and cameras ----
  Matrix ProjectionMatrix, ViewMatrix, WorldMatrix, StepMatrix;
  Vec3f CameraEye, CameraAt, CameraUp;

  // ---- Input ----
  Table<bool, 0, 255> KeyDown;
  float MouseX = 0, MouseY = 0;
  float ClickCooldown = 0;
  int16_t KeyRepeatDelay = 0;

  // ---- Catalogue and selection ----
  Table<Craft, 0, 40> Designs;
  int32_t DesignCount = 0;
  int16_t SelectedDesign = 0;
  std::string SelectedDesignName;
  std::string DesignInfoText;

  // ---- Battle ----
  int16_t CraftCount = 0;
  Table<StarRecord, 0, 20000> Stars;
  Table<PlanetRecord, 0, 200> Planets;
  RandomSource Random;
  // A fixed seed (tests, benchmarks, --seed, demos); otherwise the battle
  // is seeded from the clock.
  std::optional<uint64_t> FixedSeed;
  // The seed the battle was set up with.
  uint64_t BattleSeed = 0;
  float TargetDistance = 0;
  float TargetBearing = 0;

  // ---- Frame and fleet counters ----
  int32_t FrameCount = 0;
  int32_t LastFpsTick = 0;
  int16_t Fps = 0;
  Table<int16_t, 1, 5> RaceCount;
};

}  // namespace sb
