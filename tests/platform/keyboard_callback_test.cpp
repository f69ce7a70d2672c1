// Keyboard notifications: the key table follows the held keys.
#include <gtest/gtest.h>

#include "core/key_codes.h"
#include "support/test_support.h"

namespace sb {
namespace {

using keys::kA;
using keys::kD;
using keys::kW;

class KeyboardCallback : public ::testing::Test {
 protected:
  void SetUp() override { game.form->Intialize(); }
  // Delivers what the script queued, as one yield would.
  void Yield() { game.platform.window().Yield(*game.form); }
  bool Held(int k) { return game.form->KeyDown[k]; }
  test::Game game;
};

TEST_F(KeyboardCallback, PressAndReleaseAreSeenAtTheNextYield) {
  game.platform.PressKey(kW);
  EXPECT_FALSE(Held(kW));
  Yield();
  EXPECT_TRUE(Held(kW));
  game.platform.PressKey(kD);
  Yield();
  EXPECT_TRUE(Held(kW));
  EXPECT_TRUE(Held(kD));
  game.platform.ReleaseKey(kD);
  Yield();
  EXPECT_TRUE(Held(kW));
  EXPECT_FALSE(Held(kD));
}

TEST_F(KeyboardCallback, APressInThePassOfAnotherKeysReleaseIsNotLost) {
  game.platform.PressKey(kA);
  Yield();
  game.platform.ReleaseKey(kA);
  game.platform.PressKey(kD);
  Yield();
  EXPECT_FALSE(Held(kA));
  EXPECT_TRUE(Held(kD));
}

TEST_F(KeyboardCallback, AMusicNotificationLeavesKeysAlone) {
  game.platform.PressKey(kW);
  Yield();
  game.platform.playingMusic = "Einswei.mid";
  game.platform.FinishMusic();
  Yield();
  EXPECT_TRUE(Held(kW));
  // ... and restarts the battle tune.
  EXPECT_EQ(game.platform.playingMusic, "Einswei.mid");
}

}  // namespace
}  // namespace sb
