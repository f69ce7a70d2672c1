// The game's own screens drawn by the SDL platform with the game's own
// pictures (offscreen driver, software renderer), read back as pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "core/angles.h"
#include "core/form1.h"
#include "render/player_overlays.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

class GameScreens : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    form_->StartUp();
  }

  void StartBattle() {
    sdltest::StartBattle(*form_, 7);
    form_->CameraUp.y = 1;  // as the first physics step leaves it
  }
};

TEST_F(GameScreens, TheSelectionScreenShowsTheGridTheSelectionBoxAndTheButtons) {
  form_->Do_Mouse();
  form_->SelecterRender();
  const Screenshot idle(*platform_);
  // Design 1's cell is (60, 0); its 26-pixel icon ends at x 86, so the
  // selection box's right edge (x 88 to 91) is drawn by the box alone; the
  // same strip of design 5's cell holds nothing.
  EXPECT_GT(idle.Lit(88, 0, 92, 32), 40);
  EXPECT_EQ(idle.Lit(328, 0, 332, 32), 0);
  EXPECT_GT(idle.Lit(0, 0, 900, 110), 3000);
  EXPECT_GT(idle.Lit(0, 350, 548, 414), 20000);
}

// The pointer turns about (532, 132): its tip is its pixel farthest from
// there. Returns the tip's direction in screen degrees (x right, y down).
double PointerTipDegrees(const Screenshot& shot) {
  double far = 0, angle = 0;
  for (int y = 92; y < 172; ++y) {
    for (int x = 492; x < 572; ++x) {
      const uint32_t p = shot.At(x, y);
      if (std::max({Red(p), Green(p), Blue(p)}) <= 40) continue;
      const double dx = x + 0.5 - 532, dy = y + 0.5 - 132;
      if (std::hypot(dx, dy) > far) far = std::hypot(dx, dy), angle = std::atan2(dy, dx);
    }
  }
  return angle * 180 / kPi;
}

double AngleBetween(double a, double b) {
  const double d = std::fmod(std::abs(a - b), 360.0);
  return std::min(d, 360 - d);
}

TEST_F(GameScreens, TheBattleFrameShowsThePlayerTheRadarAndThePointerTurnedToTheTarget) {
  StartBattle();
  // Only the player in sight; no stars or planets behind the pointer.
  for (int s = 0; s <= 20000; ++s) form_->Stars.Edit(s).Quad[0].X = 1e6f;
  form_->Stars.Rebuild();
  for (int p = 0; p <= 200; ++p) form_->Planets[p].Quad[0].X = 1e6f;
  for (int i = 1; i <= 50; ++i) {
    Crafts[i].X = 5000;
    Crafts[i].Y = -5000;
  }
  Crafts[0].Target = 5;
  form_->Renderme();
  const Screenshot empty(*platform_);
  // The player at the centre of the main view: 16 units of 300 across.
  EXPECT_GT(empty.Lit(492, 364, 532, 404), 150);
  // The cockpit panel from (872, 0), below the radar.
  EXPECT_GT(empty.Lit(872, 140, 1024, 360), 0.3 * 152 * 220);
  for (int k = 0; k < 8; ++k) {
    // 300 units away: off the main view, on the radar (centre (936, 64), 400
    // units each side over 64 pixels, +X left and +Y up).
    const double degrees = 22.5 + 45 * k, a = degrees * kPi / 180;
    Crafts[5].X = Crafts[0].X + static_cast<float>(300 * std::cos(a));
    Crafts[5].Y = Crafts[0].Y + static_cast<float>(300 * std::sin(a));
    form_->Renderme();
    const Screenshot shot(*platform_);
    // The blip: the radar's pixels that changed.
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < 128; ++y) {
      for (int x = 872; x < 1000; ++x) {
        if (shot.At(x, y) == empty.At(x, y)) continue;
        sx += x + 0.5, sy += y + 0.5, ++n;
      }
    }
    ASSERT_GT(n, 4) << "no blip on the radar at " << degrees << " degrees";
    const double radar = std::atan2(sy / n - 64, sx / n - 936) * 180 / kPi;
    EXPECT_NEAR(std::hypot(sy / n - 64, sx / n - 936), 48, 3) << degrees;
    EXPECT_LT(AngleBetween(radar, degrees + 180), 5) << degrees << " on the radar at " << radar;
    EXPECT_LT(AngleBetween(PointerTipDegrees(shot), radar), 10)
        << "target at " << degrees << " degrees in the world, " << radar
        << " on the radar; pointer at " << PointerTipDegrees(shot);
  }
  // A target level with the player, or the player itself: the pointer keeps
  // pointing straight down.
  Crafts[5].Y = Crafts[0].Y;
  form_->Renderme();
  EXPECT_LT(AngleBetween(PointerTipDegrees(Screenshot(*platform_)), 90), 10);
  Crafts[0].Target = 0;
  form_->Renderme();
  EXPECT_LT(AngleBetween(PointerTipDegrees(Screenshot(*platform_)), 90), 10);
}

TEST_F(GameScreens, TheControlsScreenDarkensThePictureAndFillsBothColumns) {
  Form1& f = *form_;
  f.Do_Mouse();
  f.SelecterRender();
  const Screenshot plain(*platform_);
  f.Player.ControlsShown = true;
  f.SelecterRender();
  const Screenshot shown(*platform_);
  // The Start button under it is darker.
  const uint32_t before = plain.At(64, 382), after = shown.At(64, 382);
  EXPECT_LT(Green(after) + Red(after) + Blue(after),
            (Green(before) + Red(before) + Blue(before)) / 3);
  // Text in every line of both columns, keys and actions.
  for (const overlay::Column& c : {overlay::kKeyboardColumn, overlay::kControllerColumn}) {
    const int y = overlay::kColumnsTop + overlay::kLineHeight;  // the first group's first line
    EXPECT_GT(shown.Lit(c.left, y, c.left + c.keysWidth, y + overlay::kLineHeight), 10);
    EXPECT_GT(shown.Lit(c.left + c.keysWidth, y, c.left + c.keysWidth + c.actionsWidth,
                        y + overlay::kLineHeight),
              30);
  }
}

}  // namespace
}  // namespace sb::sdltest
