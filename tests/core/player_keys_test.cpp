// The player's additions through the real loops with scripted keys and
// mouse: pause, a new battle, the volume and its settings file, the controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>

#include "core/battle_hash.h"
#include "core/controls_text.h"
#include "core/key_codes.h"
#include "platform/headless/call_json.h"
#include "support/test_support.h"

namespace sb {
namespace {

using headless::Call;
using headless::HeadlessPlatform;
using test::Game;

// A click on Start read by the pass ending at kBattleStarts, the last before
// the battle: battle pass k ends at yield kBattleStarts + k.
constexpr int kBattleStarts = 3;
void ClickStartAt(HeadlessPlatform& p, int yield, int at) {
  if (yield == at - 2) p.MoveMouse(50, 380);
  if (yield == at - 1) p.MouseButton(true);
  if (yield == at) p.MouseButton(false);
}

// A key pressed at yield `at` and released at the next.
void TapAt(HeadlessPlatform& p, int yield, int at, int code) {
  if (yield == at) p.PressKey(code);
  if (yield == at + 1) p.ReleaseKey(code);
}

bool DrewText(const std::vector<Call>& calls, const std::string& text) {
  return std::any_of(calls.begin(), calls.end(),
                     [&](const Call& c) { return c.op == "DrawText" && c.s == text; });
}

// The calls of the pass ending at `yield`.
std::vector<Call> CallsOfPassEndingAt(const HeadlessPlatform& p, int yield) {
  std::vector<Call> calls;
  int seen = 0;
  for (const Call& c : p.calls) {
    if (c.op == "Yield") {
      if (++seen == yield) break;
      calls.clear();
      continue;
    }
    calls.push_back(c);
  }
  return calls;
}

struct Fixture : ::testing::Test {
  Fixture() {
    game.form->FixedSeed = 99;
    game.form->Warnings = &warnings;
  }
  Game game;
  HeadlessPlatform& p = game.platform;
  std::ostringstream warnings;
  // The battle's check value at the end of each yield's pass.
  std::vector<uint64_t> checks = std::vector<uint64_t>(400, 0);
  void Note(int yield) {
    if (game.form->BattleActive && yield < 400) checks[yield] = BattleCheckValue(*game.form);
  }
};

using Pause = Fixture;

// P and Pause (a pad's Start) pause the battle, not the selection screen; a
// frame lost while paused is drawn again; F1's controls hold the battle
// alike; Escape still quits. The volume is never touched: no settings file
// and the sound's level left alone.
TEST_F(Pause, HoldsTheBattleAndItsSoundAndShowsTheLastFrameUntilPressedAgain) {
  p.onYield = [&](int yield, HeadlessPlatform& q) {
    Note(yield);
    TapAt(q, yield, 1, keys::kPause);
    ClickStartAt(q, yield, kBattleStarts);
    if (yield == 10) q.PressKey(keys::kW);
    TapAt(q, yield, 20, keys::kP);
    if (yield == 25) q.ReleaseKey(keys::kW);  // changes nothing while paused
    if (yield == 30) q.frameLost = true;
    if (yield == 31) q.frameLost = false;
    TapAt(q, yield, 40, keys::kPause);
    TapAt(q, yield, 44, keys::kF1);     // the controls hold the battle too
    TapAt(q, yield, 47, keys::kSpace);  // and any key closes them
    TapAt(q, yield, 50, keys::kP);
    if (yield == 56) q.PressKey(keys::kEscape);
  };
  const test::RunEnd end = test::RunFormLoad(game);
  EXPECT_EQ(end.kind, test::RunEnd::Exited);
  EXPECT_EQ(p.yields, 56);

  // Passes 21 to 40 held; the first and the lost one draw "PAUSED" again.
  EXPECT_NE(checks[19], checks[20]);
  EXPECT_NE(checks[41], checks[40]);
  for (int y = 21; y <= 40; ++y) {
    EXPECT_EQ(checks[y], checks[20]) << y;
    const auto drawn = CallsOfPassEndingAt(p, y);
    if (y == 21 || y == 31) {
      EXPECT_TRUE(DrewText(drawn, "PAUSED")) << y;
      EXPECT_EQ(std::count_if(drawn.begin(), drawn.end(),
                              [](const Call& c) { return c.op == "Present"; }),
                1);
    } else {
      EXPECT_TRUE(drawn.size() == 1 && drawn[0].op == "PresentAgain") << y;
    }
  }
  EXPECT_FALSE(DrewText(CallsOfPassEndingAt(p, 42), "PAUSED"));
  for (int y = 45; y <= 47; ++y) EXPECT_EQ(checks[y], checks[44]) << y;
  EXPECT_NE(checks[49], checks[48]);
  EXPECT_TRUE(DrewText(CallsOfPassEndingAt(p, 45), "CONTROLS"));

  // The sound held with the battle, not by the selection screen's Pause.
  std::vector<bool> paused;
  for (const Call* c : p.CallsNamed("Sound.PauseAll")) paused.push_back(c->paused);
  EXPECT_EQ(paused, (std::vector<bool>{true, false, true, false, true}));

  EXPECT_EQ(p.CallsNamed("Settings.Read").size(), 1u);
  EXPECT_TRUE(p.CallsNamed("Settings.Write").empty() &&
              p.CallsNamed("Sound.SetMasterGain").empty());
  EXPECT_FALSE(p.settingsFile.has_value());
  EXPECT_EQ(warnings.str(), "");
}

using NewBattle = Fixture;

// The calls of the passes ending at yields `first` to `last`, as JSON; the
// frame rate's line left out (it counts time, not the battle).
std::string FramesOf(const HeadlessPlatform& p, int first, int last) {
  std::string out;
  for (int y = first; y <= last; ++y) {
    for (const Call& c : CallsOfPassEndingAt(p, y)) {
      if (c.op == "DrawText" && c.s.rfind("FPS: ", 0) == 0) continue;
      out += headless::CallJson(c) + "\n";
    }
  }
  return out;
}

// Two clicks on the right arrow (design 3), then Start pressed at yield 32.
void PickDesign3AndStart(HeadlessPlatform& q, int yield) {
  if (yield == 1) q.MoveMouse(485, 385);
  if (yield == 2 || yield == 20) q.MouseButton(true);
  if (yield == 3 || yield == 21) q.MouseButton(false);
  if (yield == 30) q.MoveMouse(-430, 0);
  if (yield == 32) q.MouseButton(true);
}

TEST_F(NewBattle, F2GoesBackToTheSelectionAndStartSetsUpABattleExactlyAsTheFirst) {
  // A fresh game: design 3, seed 777, ten passes with W held.
  std::string freshFrames, againFrames;
  uint64_t freshCheck = 0, againCheck = 0;
  {
    Game other;
    other.form->FixedSeed = 777;
    other.platform.onYield = [&](int yield, HeadlessPlatform& q) {
      PickDesign3AndStart(q, yield);
      // A key starts the tune on the selection screen, as after a battle.
      TapAt(q, yield, 5, keys::kA);
      if (yield == 33) q.PressKey(keys::kW);
      if (yield == 43) {
        freshCheck = BattleCheckValue(*other.form);
        q.PressKey(keys::kEscape);
      }
    };
    test::RunFormLoad(other);
    freshFrames = FramesOf(other.platform, 34, 43);
  }

  // Here: a first battle with another seed, fought (firing, turning, then
  // destroyed), then F2 and Start.
  game.form->FixedSeed = 5;
  p.onYield = [&](int yield, HeadlessPlatform& q) {
    PickDesign3AndStart(q, yield);
    if (yield == 35) q.PressKey(keys::kSpace);
    if (yield == 36) q.PressKey(keys::kD);
    if (yield == 150) Crafts[0].Armour = 0;  // destroyed: the death tune plays
    if (yield == 200) {
      q.ReleaseKey(keys::kSpace);
      q.ReleaseKey(keys::kD);
    }
    TapAt(q, yield, 200, keys::kP);  // paused when leaving: the sound must go on again
    TapAt(q, yield, 202, keys::kF2);
    if (yield == 210) {
      EXPECT_TRUE(game.form->SelectionActive && !game.form->BattleActive);
      EXPECT_EQ(game.form->SelectedDesign, 3);
      EXPECT_EQ(game.form->CraftCount, 0);
      game.form->FixedSeed = 777;
    }
    if (yield == 212) q.MouseButton(true);  // the cursor is still over Start
    if (yield == 213) q.PressKey(keys::kW);
    if (yield == 223) {
      againCheck = BattleCheckValue(*game.form);
      q.PressKey(keys::kEscape);
    }
  };
  EXPECT_EQ(test::RunFormLoad(game).kind, test::RunEnd::Exited);
  EXPECT_FALSE(p.soundPaused);
  againFrames = FramesOf(p, 214, 223);
  EXPECT_EQ(againCheck, freshCheck);
  EXPECT_TRUE(againFrames == freshFrames) << "the new battle's first frames differ";
}

// A pad's Back starts a new battle only once the player is destroyed; clicks
// made in the battle wait in the mouse's buffer and must not reach Start.
TEST_F(NewBattle, APadsBackStartsOneOnlyOnceThePlayerIsDestroyedAndBattleClicksAreDropped) {
  p.onYield = [&](int yield, HeadlessPlatform& q) {
    ClickStartAt(q, yield, kBattleStarts);
    if (yield == 10) {
      q.MouseButton(true);
      q.MouseButton(false);
    }
    TapAt(q, yield, 10, keys::kControllerBack);  // alive: nothing
    if (yield == 12) {
      EXPECT_TRUE(game.form->BattleActive);
      Crafts[0].Armour = 0;
    }
    TapAt(q, yield, 14, keys::kControllerBack);
    if (yield == 20) {
      EXPECT_TRUE(game.form->SelectionActive && !game.form->BattleActive);
      q.PressKey(keys::kEscape);
    }
  };
  EXPECT_EQ(test::RunFormLoad(game).kind, test::RunEnd::Exited);
}

using Volume = Fixture;

TEST_F(Volume, KeysStepTheLevelMuteItAndKeepItOnlyWhenItChanges) {
  std::vector<float> gains;
  p.onYield = [&](int yield, HeadlessPlatform& q) {
    TapAt(q, yield, 2, keys::kEquals);  // already at the top: shown, not kept
    TapAt(q, yield, 4, keys::kMinus);
    TapAt(q, yield, 6, keys::kNumpadMinus);
    TapAt(q, yield, 8, keys::kM);
    TapAt(q, yield, 10, keys::kM);
    TapAt(q, yield, 12, keys::kNumpadPlus);
    TapAt(q, yield, 14, keys::kEquals);
    if (yield == 16) q.PressKey(keys::kEscape);
  };
  test::RunFormLoad(game);
  for (const Call* c : p.CallsNamed("Sound.SetMasterGain")) gains.push_back(c->gain);
  EXPECT_EQ(gains, (std::vector<float>{49.0f / 64, 36.0f / 64, 0, 36.0f / 64, 49.0f / 64, 1}));
  EXPECT_EQ(p.CallsNamed("Settings.Write").size(), 6u);
  ASSERT_TRUE(p.settingsFile.has_value());
  // What is written reads back.
  const ParsedSoundSettings kept = ParseSoundSettings(*p.settingsFile);
  EXPECT_EQ(kept.problem, "");
  EXPECT_EQ(kept.settings, (SoundSettings{8, false}));
  // The level shows after each press, even the one that changed nothing.
  EXPECT_TRUE(DrewText(CallsOfPassEndingAt(p, 3), "VOLUME 8 / 8"));
  EXPECT_TRUE(DrewText(CallsOfPassEndingAt(p, 9), "SOUND OFF"));
}

TEST_F(Volume, AnUnwritableFileIsOneWarningAndTheGameGoesOn) {
  p.settingsWriteProblem = "Read-only file system";
  p.onYield = [&](int yield, HeadlessPlatform& q) {
    TapAt(q, yield, 2, keys::kMinus);
    TapAt(q, yield, 4, keys::kMinus);
    if (yield == 30) q.PressKey(keys::kEscape);
  };
  EXPECT_EQ(test::RunFormLoad(game).kind, test::RunEnd::Exited);
  EXPECT_EQ(p.CallsNamed("Sound.SetMasterGain").size(), 2u);
  EXPECT_EQ(warnings.str(),
            "spacebattle: warning: cannot keep the sound settings in "
            "/headless/config/spacebattle/settings.ini: Read-only file system\n");
}

// At start-up: a kept level is set; a damaged or unreadable file is one
// warning and the defaults.
TEST(VolumeAtStartUp, AKeptLevelIsSetAndABadFileIsOneWarning) {
  const std::string file = "/headless/config/spacebattle/settings.ini";
  const struct {
    std::optional<std::string> text;
    std::string readProblem, warning;
  } cases[] = {{"[sound]\nvolume = 2\nmuted = false\n", "", ""},
               {"[sound]\nvolume = loud\n", "",
                file + " is damaged (line 2: volume must be a whole number from 0 to 8)"},
               {std::nullopt, "Permission denied", "cannot read " + file + " (Permission denied)"}};
  for (const auto& c : cases) {
    Game g;
    std::ostringstream warnings;
    g.form->Warnings = &warnings;
    g.platform.settingsFile = c.text;
    g.platform.settingsReadProblem = c.readProblem;
    g.platform.onYield = [](int, HeadlessPlatform& q) { q.PressKey(keys::kEscape); };
    EXPECT_EQ(test::RunFormLoad(g).kind, test::RunEnd::Exited);
    const bool kept = c.warning.empty();
    EXPECT_EQ(g.form->Player.Sound, (kept ? SoundSettings{2, false} : SoundSettings{}));
    const auto gains = g.platform.CallsNamed("Sound.SetMasterGain");
    EXPECT_TRUE(kept ? gains.size() == 1 && gains[0]->gain == 4.0f / 64 : gains.empty());
    EXPECT_TRUE(g.platform.CallsNamed("Settings.Write").empty());
    EXPECT_EQ(warnings.str(), kept ? ""
                                   : "spacebattle: warning: " + c.warning +
                                         "; the sound keeps its default settings\n");
  }
}

using ControlsScreen = Fixture;

// F1 or a pad's Back shows every control until any key, or a click that
// clicks nothing under it.
TEST_F(ControlsScreen, ShowsEveryControlUntilAnyKeyOrAClick) {
  p.onYield = [&](int yield, HeadlessPlatform& q) {
    if (yield == 1) q.MoveMouse(50, 380);  // over Start
    TapAt(q, yield, 2, keys::kF1);
    TapAt(q, yield, 6, 16);  // Q
    TapAt(q, yield, 10, keys::kControllerBack);
    if (yield == 13) q.MouseButton(true);
    if (yield == 15) q.MouseButton(false);
    if (yield == 20) q.PressKey(keys::kEscape);
  };
  test::RunFormLoad(game);
  const auto shown = CallsOfPassEndingAt(p, 4);
  EXPECT_TRUE(DrewText(shown, "CONTROLS"));
  for (const ControlGroup& g : ControlGroups()) {
    EXPECT_TRUE(DrewText(shown, std::string(g.title))) << g.title;
    for (const ControlLine& l : g.lines) {
      EXPECT_TRUE(DrewText(shown, std::string(l.keys))) << l.keys;
      EXPECT_TRUE(DrewText(shown, std::string(l.action))) << l.action;
    }
  }
  EXPECT_FALSE(DrewText(CallsOfPassEndingAt(p, 8), "CONTROLS"));
  EXPECT_TRUE(DrewText(CallsOfPassEndingAt(p, 15), "CONTROLS"));
  EXPECT_FALSE(DrewText(CallsOfPassEndingAt(p, 17), "CONTROLS"));
  EXPECT_TRUE(game.form->SelectionActive);  // Start was not clicked
  EXPECT_EQ(game.form->CraftCount, 0);
}

}  // namespace
}  // namespace sb
