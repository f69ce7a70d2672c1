// The selection grid and the mouse: layout, hover test, cursor, arrows with
// their cooldown, the Start button and the box.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace sb {
namespace {

// The selection screen as start-up leaves it.
struct Selection : test::Game {
  Selection() : f(*form), p(platform) {
    f.Intialize();
    f.DesignSTUFF();
    f.SelectionActive = true;
    f.SelectedDesign = 1;
    f.CheckWhichCraft();
    f.buildDisp();
  }
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

TEST(SelectionGrid, IconsFillRowsOfFifteenAtA60PixelPitch) {
  Selection s;
  const struct {
    int i;
    float x, y;
    const char* file;
  } cells[] = {{0, 0, 0, "player.bmp"},
               {14, 840, 0, "rustark.bmp"},
               {15, 0, 60, "Frork.bmp"},
               {20, 300, 60, "saga.bmp"},
               {29, 840, 60, "space-station.bmp"}};
  for (const auto& c : cells) {
    const ScreenButton& icon = s.f.DesignIcons[c.i];
    EXPECT_EQ(icon.X, c.x) << c.i;
    EXPECT_EQ(icon.Y, c.y) << c.i;
    EXPECT_EQ(icon.Width, 32);
    EXPECT_EQ(icon.Height, 32);
    EXPECT_EQ(FileNameOf(icon.Texture->Path()), c.file);
  }
  EXPECT_EQ(s.f.DesignIcons[30].Texture, nullptr);  // no design there

  for (int16_t shown : {20, 15, 29}) {
    s.f.SelectedDesign = shown;
    s.f.Do_Mouse();
    EXPECT_EQ(s.f.SelectionBox.X, s.f.DesignIcons[shown].X);
    EXPECT_EQ(s.f.SelectionBox.Y, s.f.DesignIcons[shown].Y);
  }
}

TEST(SelectionGrid, MouseOverIsStrictOnEveryEdge) {
  Selection s;
  ScreenButton& left = s.f.LeftButton;  // 300..428 x 350..414
  const struct {
    float x, y;
    bool over;
  } cursors[] = {{300, 380, false},      {301, 351, true},  {428, 380, false},
                 {427.9f, 413.9f, true}, {350, 414, false}, {350, 350, false}};
  for (const auto& c : cursors) {
    s.f.MouseX = c.x;
    s.f.MouseY = c.y;
    left.Hovered = !c.over;
    EXPECT_EQ(s.f.MouseOver(left), c.over ? 0xFFFFFFFFu : 0x9FFFFFFFu) << c.x << "," << c.y;
    EXPECT_EQ(left.Hovered, c.over);
  }
}

TEST(SelectionGrid, CursorAddsEveryMoveAndIsClampedOnceAfterThePass) {
  Selection s;
  s.f.MouseX = 20;
  s.p.MoveMouse(-50, 0);  // would clamp to 0 on its own
  s.p.MoveMouse(100, 7);
  s.f.Do_Mouse();
  EXPECT_EQ(s.f.MouseX, 70);
  EXPECT_EQ(s.f.MouseY, 7);
  s.p.MoveMouse(-5000, 5000);
  s.f.Do_Mouse();
  EXPECT_EQ(s.f.MouseX, 0);
  EXPECT_EQ(s.f.MouseY, 600);
  s.p.MoveMouse(5000, -5000);
  s.f.Do_Mouse();
  EXPECT_EQ(s.f.MouseX, 800);
  EXPECT_EQ(s.f.MouseY, 0);
}

TEST(SelectionGrid, ArrowsIgnoreTheFirstPassAndThenStepOnceEvery11Passes) {
  Selection s;
  s.p.MoveMouse(480, 380);  // right arrow only
  s.Pass();
  ASSERT_TRUE(s.f.RightButton.Hovered);
  ASSERT_FALSE(s.f.LeftButton.Hovered);
  EXPECT_EQ(s.f.ClickCooldown, -1);

  Selection fresh;  // a click in the very first pass: cooldown 0 is not below 0
  fresh.f.RightButton.Hovered = true;
  fresh.Click();
  fresh.Pass();
  EXPECT_EQ(fresh.f.SelectedDesign, 1);

  s.Click();  // press and release in one pass: one step
  s.Pass();
  EXPECT_EQ(s.f.SelectedDesign, 2);
  EXPECT_EQ(s.f.SelectedDesignName, "Pod");
  EXPECT_EQ(s.f.ClickCooldown, 9);

  // Held: the release counts again only once the cooldown is below 0.
  for (int pass = 0; pass < 9; ++pass) s.Pass();
  s.p.MouseButton(false);  // 10 passes after the step: cooldown is 0
  s.Pass();
  EXPECT_EQ(s.f.SelectedDesign, 2);
  s.p.MouseButton(false);  // 11 passes after
  s.Pass();
  EXPECT_EQ(s.f.SelectedDesign, 3);
}

TEST(SelectionGrid, WhereTheArrowsOverlapAClickStepsRightOnly) {
  Selection s;
  s.p.MoveMouse(425, 380);
  s.Pass();
  ASSERT_TRUE(s.f.RightButton.Hovered && s.f.LeftButton.Hovered);
  s.Click();
  s.Pass();
  EXPECT_EQ(s.f.SelectedDesign, 2);
}

TEST(SelectionGrid, ArrowsStopAtTheEndsButStillRebuildTheInfo) {
  Selection s;
  s.f.ClickCooldown = -1;
  s.f.SelectedDesign = 29;
  s.f.DesignInfoText.clear();
  s.f.RightButton.Hovered = true;
  s.Click();
  s.f.Do_Mouse();
  EXPECT_EQ(s.f.SelectedDesign, 29);
  EXPECT_EQ(s.f.SelectedDesignName, "SpaceStation");
  EXPECT_EQ(s.f.DesignInfoText.rfind("Race:Human\rRole:Base\r", 0), 0u);
  EXPECT_EQ(s.f.ClickCooldown, 9);

  s.f.ClickCooldown = -1;
  s.f.SelectedDesign = 1;
  s.f.RightButton.Hovered = false;
  s.f.LeftButton.Hovered = true;
  s.Click();
  s.f.Do_Mouse();
  EXPECT_EQ(s.f.SelectedDesign, 1);  // design 0 cannot be reached
}

TEST(SelectionGrid, StartSpawnsThePlayerOnceAndTheRestOfThePassStillRuns) {
  for (const int16_t design : {1, 3}) {  // Human "Strike", Drone "Aqua"
    Selection s;
    s.f.SelectedDesign = design;
    s.f.StartButton.Hovered = true;
    s.Click();  // press and release over Start in one pass
    s.p.MoveMouse(33, 0);
    s.f.Do_Mouse();
    EXPECT_EQ(s.f.CraftCount, 1);
    EXPECT_EQ(Crafts[0].Name, design == 1 ? "Strike" : "Aqua");
    EXPECT_EQ(Crafts[0].X, design == 1 ? 0 : 10000);
    EXPECT_EQ(Crafts[0].Y, design == 1 ? 100 : 10000);
    EXPECT_EQ(Crafts[1].Name, "");  // the station's entry stays free
    EXPECT_TRUE(s.f.BattleActive);
    EXPECT_FALSE(s.f.SelectionActive);
    EXPECT_EQ(s.f.MouseX, 33);
  }
}

}  // namespace
}  // namespace sb
