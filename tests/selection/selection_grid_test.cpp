// The selection grid and the mouse: cursor, arrows with their cooldown, the
// Start button and the box.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace sb {
namespace {

// The selection screen as start-up leaves it.
struct Selection : test::Game {
  Selection() : f(*form), p(platform) { f.StartUp(); }
  // One selection-loop pass without its yield.
  void Pass() {
    f.Do_Mouse();
    f.SelecterRender();
  }
  void Click() {
    p.MouseButton(true);
    p.MouseButton(false);
  }
  Form1& f;
  headless::HeadlessPlatform& p;
};

// Every move of a pass is added before the cursor is held on the screen.
TEST(SelectionGrid, CursorIsClampedOnceAfterThePass) {
  Selection s;
  s.p.MoveMouse(-50, 0);
  s.p.MoveMouse(70, 5000);
  s.f.Do_Mouse();
  EXPECT_TRUE(s.f.MouseX == 20 && s.f.MouseY == 600);
  s.p.MoveMouse(5000, -5000);
  s.f.Do_Mouse();
  EXPECT_TRUE(s.f.MouseX == 800 && s.f.MouseY == 0);
}

TEST(SelectionGrid, ArrowsIgnoreTheFirstPassThenStepRightOnceEvery11Passes) {
  Selection s;
  s.p.MoveMouse(425, 380);  // where the arrows overlap: right wins
  s.f.RightButton.Hovered = s.f.LeftButton.Hovered = true;
  s.Click();  // in the very first pass: cooldown 0 is not below 0
  s.Pass();
  EXPECT_EQ(s.f.SelectedDesign, 1);
  ASSERT_TRUE(s.f.RightButton.Hovered && s.f.LeftButton.Hovered);
  s.Click();  // press and release in one pass: one step
  s.Pass();
  EXPECT_EQ(s.f.SelectedDesign, 2);
  EXPECT_EQ(s.f.SelectedDesignName, "Pod");
  for (int pass = 0; pass < 9; ++pass) s.Pass();
  s.p.MouseButton(false);  // 10 passes after the step: cooldown is 0
  s.Pass();
  EXPECT_EQ(s.f.SelectedDesign, 2);
  s.p.MouseButton(false);  // 11 passes after
  s.Pass();
  EXPECT_EQ(s.f.SelectedDesign, 3);
  EXPECT_EQ(s.f.SelectionBox.X, 180);  // the box follows the selection
}

TEST(SelectionGrid, PressAndReleaseOverStartInOnePassSpawnsThePlayerOnce) {
  Selection s;
  s.f.SelectedDesign = 3;  // Drone "Aqua"
  s.f.StartButton.Hovered = true;
  s.Click();
  s.p.MoveMouse(33, 0);
  s.f.Do_Mouse();
  EXPECT_EQ(s.f.CraftCount, 1);
  EXPECT_EQ(Crafts[0].Name, "Aqua");
  EXPECT_EQ(Crafts[0].X, 10000);
  EXPECT_TRUE(s.f.BattleActive && !s.f.SelectionActive);
  EXPECT_EQ(s.f.MouseX, 33);  // the rest of the pass still runs
}

}  // namespace
}  // namespace sb
