// Where a screen-space image lands for the scalings, centres and rotations
// the selection screen and the HUD use.
#include "platform/sdl/sprite_geometry.h"

#include <gtest/gtest.h>

namespace sb::sdl {
namespace {

void ExpectAt(const Vec2f& p, float x, float y) {
  EXPECT_NEAR(p.x, x, 1e-3);
  EXPECT_NEAR(p.y, y, 1e-3);
}

TEST(SpriteGeometry, UnitScaleIsPlacedByItsTopLeftCorner) {
  // Scaling (1, 1) with centre (1, 1) and no rotation, as the buttons draw.
  const SpriteCorners at = PlaceSprite(128, 64, {1, 1}, {1, 1}, 0, {300, 350});
  ExpectAt(at.p[0], 300, 350);
  ExpectAt(at.p[1], 428, 350);
  ExpectAt(at.p[2], 428, 414);
  ExpectAt(at.p[3], 300, 414);
}

TEST(SpriteGeometry, PositiveRotationTurnsClockwiseAboutTheCentre) {
  // The target pointer: 64 x 64 turned a quarter about (32, 32).
  const SpriteCorners at = PlaceSprite(64, 64, {1, 1}, {32, 32}, 1.5707964f, {500, 100});
  ExpectAt(at.p[0], 564, 100);  // top-left went to the top-right
  ExpectAt(at.p[1], 564, 164);  // top-right went to the bottom-right
  ExpectAt(at.p[3], 500, 100);  // bottom-left went to the top-left
}

TEST(SpriteGeometry, NegativeScaleMirrorsUpAndLeftOfTheCorner) {
  // A 64-pixel design icon: scale 1 - 64/40 = -0.6, centre (1, 1).
  const SpriteCorners at = PlaceSprite(64, 64, {-0.6f, -0.6f}, {1, 1}, 0, {200, 100});
  ExpectAt(at.p[0], 200, 100);
  ExpectAt(at.p[2], 200 - 38.4f, 100 - 38.4f);
  // Mirrored: the image's right edge is on the screen's left.
  EXPECT_LT(at.p[1].x, at.p[0].x);
  EXPECT_LT(at.p[3].y, at.p[0].y);
}

}  // namespace
}  // namespace sb::sdl
