// Drawing the selection screen, and a whole run from the selection screen
// into the battle on the headless platform.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace sb {
namespace {

using headless::Call;

constexpr uint32_t kOpaque = 0xFFFFFFFF, kDim = 0x9FFFFFFF;

std::vector<Call> FirstFrameWithCursorAt(test::Game& g, int x, int y) {
  Form1& f = *g.form;
  f.Intialize();
  f.DesignSTUFF();
  f.SelectedDesign = 1;
  f.CheckWhichCraft();
  f.buildDisp();
  g.platform.MoveMouse(x, y);
  f.Do_Mouse();
  const size_t from = g.platform.calls.size();
  f.SelecterRender();
  return g.platform.CallsSince(from);
}

TEST(SelectionScreen, OneFrameLightsStartMirrorsTheStationAndPlacesBoxAndCursor) {
  test::Game g;
  const auto frame = FirstFrameWithCursorAt(g, 50, 380);  // over Start
  ASSERT_EQ(frame.size(), 44u);
  // Start lit, the arrows and icons dim.
  for (int k = 3; k < 36; ++k) EXPECT_EQ(frame[k].n[7], k == 3 ? kOpaque : kDim) << k;
  // Icons shrink by size; the station's negative scale mirrors it.
  EXPECT_FLOAT_EQ(frame[6 + 28].n[1], 0.2f);
  EXPECT_EQ(frame[6 + 29].s, "space-station.bmp");
  EXPECT_FLOAT_EQ(frame[6 + 29].n[0], -0.6f);
  EXPECT_FLOAT_EQ(frame[6 + 29].n[1], -0.6f);
  // The box lies over design 1's icon; the cursor's corner is its hot spot.
  EXPECT_EQ(frame[39].n[5], 60);
  EXPECT_EQ(frame[40].n, (std::vector<double>{1, 1, 1, 1, 0, 50, 380, kOpaque}));
  EXPECT_EQ(frame[43].op, "Present");
}

TEST(SelectionScreen, HoveringAnIconLightsThatIconAlone) {
  test::Game g;
  const auto frame = FirstFrameWithCursorAt(g, 310, 70);  // icon 20's cell
  for (int k = 3; k < 36; ++k) EXPECT_EQ(frame[k].n[7], k == 6 + 20 ? kOpaque : kDim) << k;
}

TEST(SelectionScreen, ClickingStartLeadsIntoTheBattleUntilEscape) {
  test::Game g;
  size_t battleStart = 0;
  g.platform.onYield = [&](int yield, headless::HeadlessPlatform& p) {
    if (yield == 1) p.MoveMouse(50, 380);
    if (yield == 2) {  // press and release: one player craft all the same
      p.MouseButton(true);
      p.MouseButton(false);
    }
    if (yield == 3) battleStart = p.calls.size();
    if (yield == 4) p.PressKey(1);
  };
  const test::RunEnd end = test::RunFormLoad(g);
  ASSERT_EQ(end.kind, test::RunEnd::Exited) << end.line;
  EXPECT_EQ(g.platform.yields, 4);
  EXPECT_EQ(g.form->CraftCount, 51);
  EXPECT_EQ(Crafts[0].Name, "Strike");
  EXPECT_EQ(Crafts[1].Name, "SpaceStation");

  const auto battle = g.platform.CallsSince(battleStart);
  std::vector<std::string> frames;
  for (const Call& c : battle) {
    if (c.op == "SetViewport") frames.push_back(std::to_string(int(c.n[0])));
    if (c.op == "Present") frames.push_back("Present");
  }
  // Two battle frames: Escape is seen one pass late.
  EXPECT_EQ(frames,
            (std::vector<std::string>{"0", "872", "747", "Present", "0", "872", "747", "Present"}));
  EXPECT_EQ(battle.back().op, "EndProgram");
}

}  // namespace
}  // namespace sb
