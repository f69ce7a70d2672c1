// The game's loops on the headless platform: start-up order, the end-of-pass
// step, shut-down and the battle tune.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/key_codes.h"
#include "support/test_support.h"

namespace sb {
namespace {

using test::Game;
using test::RunEnd;

// Index of the first call named `op` at or after `from`, or -1.
long FindCall(const headless::HeadlessPlatform& p, const std::string& op, size_t from = 0) {
  for (size_t i = from; i < p.calls.size(); ++i) {
    if (p.calls[i].op == op) return static_cast<long>(i);
  }
  return -1;
}

TEST(ProgramFlow, StartUpRunsInOrderAndEscapeEndsTheSelectionOnePassLate) {
  Game game;
  int yieldsSeenByScript = 0;
  game.platform.onYield = [&](int yield, headless::HeadlessPlatform& p) {
    yieldsSeenByScript = yield;
    if (yield == 2) p.PressKey(keys::kEscape);
  };
  const RunEnd end = test::RunFormLoad(game);
  EXPECT_EQ(end.kind, RunEnd::Exited);
  EXPECT_EQ(end.status, 0);
  // Pressed at yield 2, handled there; pass 3 runs in full and its
  // end-of-pass step ends the program before a third yield.
  EXPECT_EQ(yieldsSeenByScript, 2);
  EXPECT_TRUE(game.platform.deviceReleased);
  // No battle was built.
  EXPECT_TRUE(!game.form->BattleActive && game.form->CraftCount == 0 && Crafts[0].Target == 1);

  // The device comes before input, the window is shown after start-up.
  const auto& p = game.platform;
  EXPECT_LT(FindCall(p, "CreateDevice"), FindCall(p, "Keyboard.Acquire"));
  EXPECT_LT(FindCall(p, "Sound.Load"), FindCall(p, "Window.Show"));
  EXPECT_LT(FindCall(p, "Window.Show"), FindCall(p, "Yield"));
  EXPECT_EQ(p.calls.back().op, "EndProgram");
}

TEST(ProgramFlow, BattleSetUpStartsTheTuneAndAWindowCloseEndsTheBattle) {
  Game game;
  game.platform.onYield = [](int yield, headless::HeadlessPlatform& p) {
    if (yield == 1) p.MoveMouse(50, 380);  // over Start
    if (yield == 2) p.MouseButton(true);
    if (yield == 5) p.RequestClose();
  };
  const RunEnd end = test::RunFormLoad(game);
  EXPECT_EQ(end.kind, RunEnd::Exited);
  EXPECT_EQ(end.status, 0);
  EXPECT_EQ(game.platform.yields, 5);
  EXPECT_EQ(game.form->CraftCount, 51);
  EXPECT_FALSE(game.form->BattleActive);
  // The tune starts once set-up has loaded every picture (the planets last),
  // before the first battle frame.
  const auto& p = game.platform;
  const long play = FindCall(p, "Music.PlaySegmentEx");
  ASSERT_GE(play, 0);
  EXPECT_EQ(p.calls[play].s, "Einswei.mid");
  EXPECT_EQ(FindCall(p, "LoadTexture", static_cast<size_t>(play)), -1);
  EXPECT_LT(play, FindCall(p, "SetViewport", static_cast<size_t>(play)));
}

TEST(ProgramFlow, BattleTuneStartsOnlyThroughNotificationsOnTheSelectionScreen) {
  Game game;
  bool heldThroughTheTunesEnd = false;
  game.platform.onYield = [&](int yield, headless::HeadlessPlatform& p) {
    if (yield == 3) p.PressKey(keys::kA);  // any key starts the tune
    if (yield == 4) p.FinishMusic();       // the tune ends ...
    if (yield == 5) heldThroughTheTunesEnd = game.form->KeyDown[keys::kA];
    if (yield == 6) {  // after the death tune, neither an end nor a key starts it
      game.form->DeathMusicStarted = true;
      p.FinishMusic();
      p.PressKey(keys::kD);
    }
    if (yield == 7) p.PressKey(keys::kEscape);
  };
  test::RunFormLoad(game);
  EXPECT_TRUE(heldThroughTheTunesEnd) << "the music notification changed the keys";
  const auto plays = game.platform.CallsNamed("Music.PlaySegmentEx");
  // ... and the music notification restarts it at once.
  ASSERT_EQ(plays.size(), 2u);
  for (const auto* c : plays) {
    EXPECT_EQ(c->s, "Einswei.mid");
    EXPECT_EQ(c->flags, kSegfDefault);
  }
}

}  // namespace
}  // namespace sb
