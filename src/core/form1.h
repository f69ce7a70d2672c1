// The game object: owns every table and platform object of the game except
// the battle table `Crafts`. Each subsystem defines its operations in its
// own folder (core, platform, catalogue, selection, battle, sim, render).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "core/battle_hooks.h"
#include "core/craft.h"
#include "core/player_keys.h"
#include "core/random.h"
#include "core/star_table.h"
#include "core/table.h"
#include "platform/platform.h"

namespace sb {

// A screen button or grid icon: top-left corner and size in pixels.
struct ScreenButton {
  float X = 0, Y = 0, Width = 0, Height = 0;
  TextureRef Texture;
  bool Hovered = false;
};

// A planet: only the square and its picture are used.
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

  // ---- Public operations, in the game's order; the folder holds each one ----
  // Places the design icons in the selection grid and loads their pictures.
  void buildDisp();  // selection/
  // Reads the mouse: moves the cursor, acts on clicks, places the box.
  void Do_Mouse();  // selection/
  // Fills the design catalogue with every design's figures.
  void DesignSTUFF();  // catalogue/
  // One decision step of the computer pilots; Physics carries it out.
  void AI();  // sim/
  // Seeds the battle and spawns the station and the random fleet.
  void BUILDSTUFF();  // battle/
  // One simulation step: the player's keys, motion, shots, damage, recharge.
  void Physics();  // sim/
  // Builds the scene: craft squares and colours, stars, planets, first targets.
  void Buildit();  // battle/
  // Draws one battle frame: main view, overlay, radar and target view.
  void Renderme();  // render/
  // Platform start-up: device, input, layout, pictures, fonts, music, sounds.
  void Intialize();  // platform/
  // A 2D vector from its two parts.
  static Vec2f Vec2(float X, float Y);  // platform/
  // Draws craft i in the main view, tinted by recent hits.
  void Drawall(int16_t i);  // render/
  // Throws a craft back at ten times its speed, at most once per step.
  void STopCraft(int16_t Which);  // sim/
  // Writes the shown design's name and description.
  void CheckWhichCraft();  // catalogue/
  // Steps a craft's target on, or scans for a near enemy when Accrate is 0.
  void NextTarget(int16_t person, float Accrate);  // sim/
  // The frolic pilot's target: keeps a friend, else picks one at random.
  void NextFrolic(int16_t person);  // sim/
  // Draws one frame of the selection screen.
  void SelecterRender();  // selection/

  // ---- Events ----
  // The game's whole run: start-up, selection loop, battle set-up, battle loop.
  void Form_Load();  // core/
  // The keyboard's notification: copies the key state into KeyDown.
  void DirectXEvent8_DXCallback(int32_t eventid) override;  // platform/
  // Ends the battle loop, releases the device and ends the program.
  void Form_Unload(int16_t cancel) override;  // core/

  // ---- Private operations (public here so tests can reach them) ----
  // Adds one design to the catalogue.
  void AddDesign(const std::string& name, const std::string& textureFile, float z, float width,
                 float height, float turn, float acceleration, float speed, float armour,
                 int16_t race, int16_t range, int16_t power, const std::string& role,
                 int16_t energy, int16_t shotCost, bool turret);  // catalogue/
  // Copies the named design into the next battle entry at (x, y).
  void SpawnCraft(const std::string& name, float x, float y);  // battle/
  // Tests the cursor against a button; returns the button's tint.
  uint32_t MouseOver(ScreenButton& button);  // selection/
  // Loads a design's picture for its grid icon.
  void LoadDesignTexture(const Craft& design, ScreenButton& button);  // platform/
  // The bits of a float, for render states that take one.
  static int32_t FloatBits(float value);  // platform/
  // The shot slot a craft fires from next.
  int16_t FreeShotSlot(int16_t craft);  // sim/

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
  // Where warnings go (a damaged settings file); null for standard error.
  std::ostream* Warnings = nullptr;

  // Pause, the controls screen, the sound volume and a new battle.
  PlayerState Player;

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
  StarTable Stars;
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
