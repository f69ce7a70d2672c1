#include "core/player_keys.h"

#include <algorithm>
#include <iostream>

#include "core/form1.h"
#include "core/key_codes.h"

namespace sb {

namespace {

constexpr int kMouseChunk = 512;

// Keys held now and not when last looked at; the look is then updated.
struct Presses {
  Table<bool, 0, 255> keys;
  bool any = false;
  bool operator[](int code) const { return keys[code]; }
};

Presses TakePresses(Form1& g) {
  Presses p;
  for (int k = 0; k <= 255; ++k) {
    p.keys[k] = g.KeyDown[k] && !g.Player.LastKeys[k];
    p.any = p.any || p.keys[k];
    g.Player.LastKeys[k] = g.KeyDown[k];
  }
  return p;
}

void Warn(Form1& g, const std::string& line) {
  std::ostream& out = g.Warnings != nullptr ? *g.Warnings : std::cerr;
  out << "spacebattle: warning: " << line << std::endl;
}

// Reads and drops every mouse record waiting: what the mouse did where it
// acts on nothing (in battle) clicks nothing later.
void DropMouseRecords(Form1& g) {
  InputRecord records[kMouseChunk];
  while (g.P.mouse().GetDeviceData(records, kMouseChunk) == kMouseChunk) {
  }
  g.Player.MouseReleaseOwed = false;
}

void OpenControls(Form1& g) {
  DropMouseRecords(g);
  g.Player.ControlsShown = true;
}

void SaveSettings(Form1& g) {
  PlayerState& s = g.Player;
  const std::string problem = g.P.settings().WriteSettings(FormatSoundSettings(s.Sound));
  if (problem.empty() || s.SaveWarned) return;
  s.SaveWarned = true;
  const std::string path = g.P.settings().SettingsPath();
  Warn(g, "cannot keep the sound settings" + (path.empty() ? "" : " in " + path) + ": " + problem);
}

void VolumeKeys(Form1& g, const Presses& p) {
  PlayerState& s = g.Player;
  const bool quieter = p[keys::kMinus] || p[keys::kNumpadMinus];
  const bool louder = p[keys::kEquals] || p[keys::kNumpadPlus];
  if (!p[keys::kM] && !quieter && !louder) return;
  SoundSettings next = s.Sound;
  if (p[keys::kM]) next.Muted = !next.Muted;
  // A step sets the level heard, so it also ends a mute.
  if (quieter) next = {std::max(0, next.Volume - 1), false};
  if (louder) next = {std::min(SoundSettings::kSteps, next.Volume + 1), false};
  s.VolumeShown = true;
  s.VolumeShownAt = g.P.clock().GetTickCount();
  if (next == s.Sound) return;  // already at the end of the scale
  s.Sound = next;
  g.P.soundControl().SetMasterGain(next.Gain());
  SaveSettings(g);
}

// The sound is held while no battle pass runs.
void HoldSound(Form1& g, bool held) {
  if (held == g.Player.SoundHeld) return;
  g.Player.SoundHeld = held;
  g.P.soundControl().PauseAll(held);
}

// What a held frame shows, to know when it must be drawn again.
uint32_t OverlayState(Form1& g) {
  const PlayerState& s = g.Player;
  const bool volume = VolumeOnScreen(g);
  return (s.Paused ? 1u : 0u) | (s.ControlsShown ? 2u : 0u) | (volume ? 4u : 0u) |
         (s.Sound.Muted ? 8u : 0u) | static_cast<uint32_t>(s.Sound.Volume) << 4;
}

}  // namespace

void LoadPlayerSettings(Form1& g) {
  SettingsStore& store = g.P.settings();
  const SettingsRead read = store.ReadSettings();
  if (read.result == SettingsRead::Result::Missing) return;
  const std::string defaults = "; the sound keeps its default settings";
  if (read.result == SettingsRead::Result::Unreadable) {
    Warn(g, "cannot read " + store.SettingsPath() + " (" + read.problem + ")" + defaults);
    return;
  }
  const ParsedSoundSettings parsed = ParseSoundSettings(read.text);
  if (!parsed.problem.empty()) {
    Warn(g, store.SettingsPath() + " is damaged (" + parsed.problem + ")" + defaults);
    return;
  }
  g.Player.Sound = parsed.settings;
  if (parsed.settings != SoundSettings{}) {
    g.P.soundControl().SetMasterGain(parsed.settings.Gain());
  }
}

bool VolumeOnScreen(Form1& g) {
  PlayerState& s = g.Player;
  if (!s.VolumeShown) return false;
  const uint32_t shownFor =
      static_cast<uint32_t>(g.P.clock().GetTickCount()) - static_cast<uint32_t>(s.VolumeShownAt);
  if (shownFor < kVolumeShownMs) return true;
  s.VolumeShown = false;
  return false;
}

void SelectionPlayerKeys(Form1& g) {
  PlayerState& s = g.Player;
  const Presses p = TakePresses(g);
  if (s.ControlsShown) {
    if (p.any) s.ControlsShown = false;
    return;
  }
  if (p[keys::kF1] || p[keys::kControllerBack]) OpenControls(g);
  VolumeKeys(g, p);
}

bool MouseCovered(const Form1& g) {
  return g.Player.ControlsShown || g.Player.MouseReleaseOwed;
}

void ReadMouseUnderControls(Form1& g) {
  PlayerState& s = g.Player;
  InputRecord records[kMouseChunk];
  int n = 0;
  do {
    n = g.P.mouse().GetDeviceData(records, kMouseChunk);
    for (int i = 0; i < n; ++i) {
      if (records[i].Offset != kMouseOffsetButton0) continue;
      if (records[i].Data != 0) {
        s.MouseReleaseOwed = true;
      } else {
        s.MouseReleaseOwed = false;
        s.ControlsShown = false;
      }
    }
  } while (n == kMouseChunk);
}

void BattlePlayerKeys(Form1& g) {
  PlayerState& s = g.Player;
  if (s.ControlsShown) ReadMouseUnderControls(g);
  const Presses p = TakePresses(g);
  if (s.ControlsShown) {
    if (p.any) s.ControlsShown = false;
  } else {
    if (p[keys::kF1]) OpenControls(g);
    if (p[keys::kP] || p[keys::kPause]) s.Paused = !s.Paused;
    const bool destroyed = Crafts[0].Armour < 1;
    if (!s.ShowingDemo && (p[keys::kF2] || (p[keys::kControllerBack] && destroyed))) {
      s.NewBattleWanted = true;
    }
    VolumeKeys(g, p);
  }
  HoldSound(g, s.Paused || s.ControlsShown);
}

bool BattleHeld(const Form1& g) {
  return g.Player.Paused || g.Player.ControlsShown;
}

void HeldBattlePass(Form1& g) {
  PlayerState& s = g.Player;
  const uint32_t overlay = OverlayState(g);
  bool shown = false;
  if (s.HeldFrameShown && overlay == s.HeldOverlay) {
    ScopedOperation op("Renderme", "drawing the battle");
    shown = g.Dev != nullptr && g.Dev->PresentAgain();
  }
  if (!shown) {
    g.Renderme();
    s.HeldFrameShown = true;
    s.HeldOverlay = overlay;
  }
  g.EndOfPass();
}

void LeaveBattle(Form1& g) {
  if (g.Hooks) g.Hooks->BattleLeft(g);
  PlayerState& s = g.Player;
  s.NewBattleWanted = false;
  s.Paused = false;
  s.ControlsShown = false;
  s.HeldFrameShown = false;
  HoldSound(g, false);
  DropMouseRecords(g);

  // Everything the battle changed, back to how start-up left it.
  ResetCrafts();
  Crafts[0].Target = 1;
  g.CraftCount = 0;
  g.DeathMusicStarted = false;
  g.KeyRepeatDelay = 0;
  g.TargetDistance = 0;
  g.TargetBearing = 0;
  g.CameraEye = g.CameraAt = g.CameraUp = Vec3f{};
  g.ViewMatrix = g.WorldMatrix = g.StepMatrix = Matrix{};
  for (int r = 1; r <= 5; ++r) g.RaceCount[r] = 0;
  g.ClickCooldown = 0;

  g.BattleActive = false;
  g.SelectionActive = true;
}

}  // namespace sb
