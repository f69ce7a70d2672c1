// Text layout: lines broken at carriage returns, placed by the format flags,
// cut to the rectangle; the cache of rendered lines.
#include "platform/sdl/text_layout.h"

#include <gtest/gtest.h>

#include "platform/sdl/sdl_text.h"

namespace sb::sdl {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLayout, CarriageReturnsAndLineFeedsBreakLines) {
  EXPECT_EQ(SplitTextLines("Friendly\rViper\rDistance: 12.5"),
            (Lines{"Friendly", "Viper", "Distance: 12.5"}));
  EXPECT_EQ(SplitTextLines("a\r\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(SplitTextLines("a\r"), (Lines{"a", ""}));
  EXPECT_EQ(SplitTextLines(""), (Lines{""}));
  // Trailing spaces belong to their line.
  EXPECT_EQ(SplitTextLines("Controls: \rW: Go "), (Lines{"Controls: ", "W: Go "}));
}

TEST(TextLayout, LinesAlignByFormat) {
  const Rect status{0, 0, 800, 200};
  EXPECT_EQ(LineLeft(status, 120, 0), 0);
  EXPECT_EQ(LineLeft(status, 120, kFormatRight), 680);
  EXPECT_EQ(LineLeft(status, 120, kFormatCenter), 340);
  // Wider than the rectangle: right-aligned text starts left of it.
  EXPECT_EQ(LineLeft(Rect{922, 200, 1022, 250}, 130, kFormatRight), 892);

  EXPECT_EQ(TextTop(status, 3, 19, 0), 0);
  EXPECT_EQ(TextTop(status, 3, 19, kFormatBottom), 143);
  EXPECT_EQ(TextTop(status, 2, 19, kFormatVCenter), 81);
}

TEST(TextLayout, ImagesAreCutToTheRectangle) {
  const Rect rect{100, 100, 200, 150};
  ClippedImage part;
  ASSERT_TRUE(ClipImage(80, 140, 40, 20, rect, part));
  EXPECT_FLOAT_EQ(part.x0, 100);
  EXPECT_FLOAT_EQ(part.x1, 120);
  EXPECT_FLOAT_EQ(part.y1, 150);
  EXPECT_FLOAT_EQ(part.u0, 0.5f);
  EXPECT_FLOAT_EQ(part.u1, 1.0f);
  EXPECT_FLOAT_EQ(part.v1, 0.5f);

  EXPECT_FALSE(ClipImage(200, 100, 40, 20, rect, part));  // right edge is exclusive
  EXPECT_FALSE(ClipImage(120, 150, 40, 20, rect, part));
  EXPECT_FALSE(ClipImage(120, 120, 0, 20, rect, part));
  EXPECT_FALSE(ClipImage(120, 120, 10, 10, Rect{300, 0, 200, 50}, part));  // inverted rectangle
}

TEST(TextLineCache, KeepsTheMostRecentlyUsedLines) {
  TextLineCache cache(2);
  auto life = std::make_shared<RendererLife>();  // no renderer: nothing to destroy
  auto image = [&] { return std::make_shared<GpuImage>(nullptr, 1, 1, life); };
  const GpuImageRef a = image(), b = image(), c = image();
  cache.Put("a", a);
  cache.Put("b", b);
  EXPECT_EQ(cache.Find("a"), a);  // a becomes the most recent
  cache.Put("c", c);              // b is the oldest and goes
  EXPECT_EQ(cache.Find("b"), nullptr);
  EXPECT_EQ(cache.Find("a"), a);
  EXPECT_EQ(cache.Find("c"), c);
  EXPECT_EQ(cache.size(), 2u);
  cache.Put("a", b);  // replacing keeps one entry
  EXPECT_EQ(cache.Find("a"), b);
  EXPECT_EQ(cache.size(), 2u);
}

}  // namespace
}  // namespace sb::sdl
