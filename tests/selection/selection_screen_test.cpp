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

TEST(SelectionScreen, OneFrameDrawsButtonsIconsTextsBoxCursorAndStatusInOrder) {
  test::Game g;
  const auto frame = FirstFrameWithCursorAt(g, 50, 380);  // over Start
  ASSERT_EQ(frame.size(), 44u);
  EXPECT_EQ(frame[0].op, "SetViewport");
  EXPECT_EQ(frame[0].n, (std::vector<double>{0, 0, 1024, 768, -1, 100}));
  EXPECT_EQ(frame[1].op, "Clear");
  EXPECT_EQ(frame[1].n[0], 0);
  EXPECT_EQ(frame[2].op, "BeginScene");

  const struct {
    const char* texture;
    double x, y, tint;
  } buttons[] = {{"start.bmp", 0, 350, kOpaque},
                 {"goleft.bmp", 300, 350, kDim},
                 {"goright.bmp", 420, 350, kDim}};
  for (int k = 0; k < 3; ++k) {
    const Call& c = frame[3 + k];
    EXPECT_EQ(c.s, buttons[k].texture);
    EXPECT_EQ(c.n,
              (std::vector<double>{1, 1, 1, 1, 0, buttons[k].x, buttons[k].y, buttons[k].tint}));
  }

  // Icons shrink by size; the station's negative scale mirrors it.
  const struct {
    int design;
    float scale;
  } icons[] = {{0, 0.8f}, {21, 0.6f}, {28, 0.2f}, {29, -0.6f}};
  for (const auto& icon : icons) {
    const Call& c = frame[6 + icon.design];
    EXPECT_FLOAT_EQ(c.n[0], icon.scale) << icon.design;
    EXPECT_FLOAT_EQ(c.n[1], icon.scale);
    EXPECT_EQ(c.n[7], kDim);
  }
  EXPECT_EQ(frame[6 + 29].s, "space-station.bmp");
  EXPECT_EQ(frame[6 + 29].n[5], 840);
  EXPECT_EQ(frame[6 + 29].n[6], 60);

  const struct {
    const char* text;
    double colour, left, top, right, bottom;
  } texts[] = {
      {"Strike", kOpaque, 500, 180, 700, 200},
      {"Race:Human\rRole:Fighter\rAcceleration Rate:0.25\rMax Speed:2.5\rTurn Rate:2.5\r"
       "Armour:10\rWeapon Power:1\rWeapon Range:20\rClass: Light",
       0xFF1FFF1F, 300, 414, 500, 700},
      {"Controls: \rW: Go \rA: Left \rD: Right \rShift: Boost \rN: Next Target \r"
       "<: Prev Target \r>: Next Target \rC: Target the person thats attacking me! ",
       0xFF01F05F, 600, 414, 800, 800},
  };
  for (int k = 0; k < 3; ++k) {
    const Call& c = frame[36 + k];
    EXPECT_EQ(c.s, texts[k].text);
    EXPECT_EQ(c.font, "technical");
    EXPECT_EQ(c.n, (std::vector<double>{texts[k].colour, texts[k].left, texts[k].top,
                                        texts[k].right, texts[k].bottom, 0}));
  }
  // The box lies over design 1's icon; the cursor's corner is its hot spot.
  EXPECT_EQ(frame[39].s, "box.bmp");
  EXPECT_EQ(frame[39].n, (std::vector<double>{1, 1, 1, 1, 0, 60, 0, kOpaque}));
  EXPECT_EQ(frame[40].s, "cursor.bmp");
  EXPECT_EQ(frame[40].n, (std::vector<double>{1, 1, 1, 1, 0, 50, 380, kOpaque}));
  EXPECT_EQ(frame[41].s, "FPS: 0  Human: 0  Sect: 0  Drone: 0  Dragaar: 0  Litu: 0");
  EXPECT_EQ(frame[41].n, (std::vector<double>{kOpaque, 0, 0, 800, 200, 0}));
  EXPECT_EQ(frame[42].op, "EndScene");
  EXPECT_EQ(frame[43].op, "Present");
}

TEST(SelectionScreen, HoveringAnIconLightsThatIconAlone) {
  test::Game g;
  const auto frame = FirstFrameWithCursorAt(g, 310, 70);  // icon 20's cell
  for (int k = 3; k < 36; ++k) EXPECT_EQ(frame[k].n[7], k == 6 + 20 ? kOpaque : kDim) << k;
  EXPECT_TRUE(g.form->DesignIcons[20].Hovered);
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
  EXPECT_EQ(Crafts[0].Y, 100);
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
  bool playerDrawn = false;
  for (const Call& c : battle) playerDrawn |= c.op == "SetTexture" && c.s == "player.bmp";
  EXPECT_TRUE(playerDrawn);
  EXPECT_EQ(battle.back().op, "EndProgram");
}

}  // namespace
}  // namespace sb
