// Drawing the selection screen: which buttons and icons are lit, and the
// cursor.
#include <gtest/gtest.h>

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

// Every button and icon is dim except those named in `lit`.
void ExpectLitAlone(const std::vector<Call>& frame, const std::set<std::string>& lit) {
  int buttons = 0;
  for (const Call& c : frame) {
    if (c.op != "Sprite.Draw" || c.s == "box.bmp" || c.s == "cursor.bmp") continue;
    EXPECT_EQ(c.colour, lit.count(c.s) ? kOpaque : kDim) << c.s;
    ++buttons;
  }
  EXPECT_EQ(buttons, 3 + 30);  // Start, two arrows, every design's icon
}

TEST(SelectionScreen, OneFrameLightsStartAndPlacesTheCursor) {
  test::Game g;
  const auto frame = FirstFrameWithCursorAt(g, 50, 380);  // over Start
  ExpectLitAlone(frame, {"start.bmp"});
  // The cursor, drawn last over everything, has its corner as the hot spot.
  const Call* cursor = nullptr;
  for (const Call& c : frame) {
    if (c.op == "Sprite.Draw") cursor = &c;
  }
  ASSERT_TRUE(cursor && cursor->s == "cursor.bmp");
  EXPECT_TRUE(cursor->translation.x == 50 && cursor->translation.y == 380);
  EXPECT_TRUE(cursor->scaling.x == 1 && cursor->rotation == 0 && cursor->colour == kOpaque);
  EXPECT_EQ(frame.back().op, "Present");
}

TEST(SelectionScreen, HoveringAnIconLightsThatIconAlone) {
  test::Game g;
  ExpectLitAlone(FirstFrameWithCursorAt(g, 310, 70), {"saga.bmp"});  // design 20's cell
}

}  // namespace
}  // namespace sb
