// Drawing the selection screen, and a whole run from the selection screen
// into the battle on the headless platform.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace sb {
namespace {

using headless::Call;

constexpr uint32_t kOpaque = 0xFFFFFFFF, kDim = 0x9FFFFFFF;

std::vector<Call> FirstFrameWithCursorAt(test::Game& g, int x, int y) {
  Form1& f = *g.form;
  f.StartUp();
  g.platform.MoveMouse(x, y);
  f.Do_Mouse();
  const size_t from = g.platform.calls.size();
  f.SelecterRender();
  return g.platform.CallsSince(from);
}

// The tint of every sprite drawn in `frame`, by picture, in drawing order.
std::map<std::string, std::vector<uint32_t>> TintsByPicture(const std::vector<Call>& frame) {
  std::map<std::string, std::vector<uint32_t>> tints;
  for (const Call& c : frame) {
    if (c.op == "Sprite.Draw") tints[c.s].push_back(c.colour);
  }
  return tints;
}

// Every button and icon is dim except those named in `lit`.
void ExpectLitAlone(const std::vector<Call>& frame, const std::set<std::string>& lit) {
  int buttons = 0;
  for (const auto& [picture, tints] : TintsByPicture(frame)) {
    if (picture == "box.bmp" || picture == "cursor.bmp") continue;
    for (uint32_t tint : tints) {
      EXPECT_EQ(tint, lit.count(picture) ? kOpaque : kDim) << picture;
      ++buttons;
    }
  }
  EXPECT_EQ(buttons, 3 + 30);  // Start, two arrows, every design's icon
}

const Call* SpriteOf(const std::vector<Call>& frame, const std::string& picture) {
  for (const Call& c : frame) {
    if (c.op == "Sprite.Draw" && c.s == picture) return &c;
  }
  return nullptr;
}

TEST(SelectionScreen, OneFrameLightsStartMirrorsTheStationAndPlacesBoxAndCursor) {
  test::Game g;
  const auto frame = FirstFrameWithCursorAt(g, 50, 380);  // over Start
  ExpectLitAlone(frame, {"start.bmp"});
  // Icons shrink by size; the station's negative scale mirrors it.
  const Call* cruiser = SpriteOf(frame, "darkcruise.bmp");
  const Call* station = SpriteOf(frame, "space-station.bmp");
  ASSERT_TRUE(cruiser && station);
  EXPECT_FLOAT_EQ(cruiser->scaling.y, 0.2f);
  EXPECT_FLOAT_EQ(station->scaling.x, -0.6f);
  EXPECT_FLOAT_EQ(station->scaling.y, -0.6f);
  // The box lies over design 1's icon; the cursor, drawn last over
  // everything, has its corner as the hot spot.
  const Call* box = SpriteOf(frame, "box.bmp");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->translation.x, 60);
  EXPECT_EQ(box->translation.y, 0);
  const Call* cursor = nullptr;
  for (const Call& c : frame) {
    if (c.op == "Sprite.Draw") cursor = &c;
  }
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->s, "cursor.bmp");
  EXPECT_EQ(cursor->translation.x, 50);
  EXPECT_EQ(cursor->translation.y, 380);
  EXPECT_EQ(cursor->scaling.x, 1);
  EXPECT_EQ(cursor->rotation, 0);
  EXPECT_EQ(cursor->colour, kOpaque);
  EXPECT_EQ(frame.back().op, "Present");
}

TEST(SelectionScreen, HoveringAnIconLightsThatIconAlone) {
  test::Game g;
  ExpectLitAlone(FirstFrameWithCursorAt(g, 310, 70), {"saga.bmp"});  // design 20's cell
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
    if (c.op == "SetViewport") frames.push_back(std::to_string(c.viewport.X));
    if (c.op == "Present") frames.push_back("Present");
  }
  // Two battle frames: Escape is seen one pass late.
  EXPECT_EQ(frames,
            (std::vector<std::string>{"0", "872", "747", "Present", "0", "872", "747", "Present"}));
  EXPECT_EQ(battle.back().op, "EndProgram");
}

}  // namespace
}  // namespace sb
