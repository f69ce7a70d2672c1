// Drawing on the real renderer, read back from the screen. Tolerances allow
// for linear filtering and for the renderers' own rounding at edges.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/angles.h"
#include "core/form1.h"
#include "platform/d3dx_math.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

class RenderTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    device_->SetRenderState(kRsSrcBlend, kBlendSrcAlpha);
    device_->SetRenderState(kRsDestBlend, kBlendInvSrcAlpha);
    device_->SetRenderState(kRsAlphaBlendEnable, static_cast<uint32_t>(-1));
    device_->SetRenderState(kRsPointScaleEnable, 1);
    device_->SetRenderState(kRsPointSize, static_cast<uint32_t>(Form1::FloatBits(0.03f)));
    device_->SetRenderState(kRsPointSpriteEnable, 1);
    device_->SetTextureStageState(0, kTssMagFilter, kTexFilterLinear);
    device_->SetTextureStageState(0, kTssMinFilter, kTexFilterLinear);
    device_->SetVertexShader(kFvfLitVertex);
  }

  // The camera `height` units above (0, 0) looking down, as the battle view sets it.
  void SetTopDownCamera(float height) {
    device_->SetTransform(
        TransformType::Projection,
        MatrixPerspectiveFovLH(static_cast<float>(kPi) / 2.0f, 1.0f, 0.001f, 10000.0f));
    device_->SetTransform(TransformType::View,
                          MatrixLookAtLH(Vec3f{0, 0, height}, Vec3f{0, 0, 0}, Vec3f{0, 1, 0}));
    device_->SetTransform(TransformType::World, MatrixIdentity());
  }

  TextureRef Solid(const std::string& name, int w, int h, uint32_t rgb) {
    WriteBmp(folder_.File(name), w, h, {rgb});
    return Load(name);
  }

  // Draws a square of half-size `half` around (x, y) in the plane z = 0.
  void DrawSquare(float x, float y, float half, uint32_t colour) {
    LitVertex q[4];
    const float u[4] = {0, 1, 1, 0}, v[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
      q[i] =
          LitVertex{x + (2 * u[i] - 1) * half, y + (2 * v[i] - 1) * half, 0, colour, 0, u[i], v[i]};
    }
    device_->DrawQuad(q);
  }
};

// The battle view: 150 units each side of the centre, +X left and +Y up.
TEST_F(RenderTest, MainViewMapsTintsAndSizesAsTheBattleExpects) {
  SetTopDownCamera(150);
  device_->SetTexture(Solid("white.bmp", 16, 16, 0xFFFFFF));
  DrawSquare(0, 0, 30, 0x00FFFF00);  // yellow, alpha 0 as craft corners are
  DrawSquare(140, 0, 3, 0xFFFF0000);
  DrawSquare(0, 140, 3, 0xFF00FF00);
  DrawSquare(-140, -140, 3, 0xFF0000FF);
  device_->SetVertexShader(kFvfPointVertex);
  Particle point{};
  point.Y = -100;
  point.Colour = 0x80FF00FF;  // half-transparent magenta, as trails fade
  device_->DrawPoints(&point, 1);
  const Screenshot shot(*platform_);
  // The corner colour tints the white texture; its alpha 0 is ignored. 30
  // units of the 150 each side: 102.4 pixels across, 76.8 down.
  const uint32_t centre = shot.At(512, 384);
  EXPECT_GE(std::min(Red(centre), Green(centre)), 240);
  EXPECT_LE(Blue(centre), 15);
  const auto yellow = shot.Find([](uint32_t p) { return Red(p) > 128 && Green(p) > 128; });
  EXPECT_NEAR(yellow.width(), 204.8, 3);
  EXPECT_NEAR(yellow.height(), 153.6, 3);
  // (1 - 140/150) x 512 = 34.1 from the left; (1 - 140/150) x 384 = 25.6 from the top.
  const auto expectCentre = [&](auto colour, double x, double y) {
    const Screenshot::Box box = shot.Find(colour);
    EXPECT_NEAR((box.x0 + box.x1 + 1) / 2.0, x, 2);
    EXPECT_NEAR((box.y0 + box.y1 + 1) / 2.0, y, 2);
    return box;
  };
  expectCentre([](uint32_t p) { return Red(p) > 128 && Green(p) < 64 && Blue(p) < 64; }, 34.1, 384);
  expectCentre([](uint32_t p) { return Green(p) > 128 && Red(p) < 64; }, 512, 25.6);
  expectCentre([](uint32_t p) { return Blue(p) > 128 && Red(p) < 64; }, 1024 - 34.1, 768 - 25.6);
  // The point sprite: 0.03 of the 768-pixel height, 100 units below the
  // centre, in its colour at half strength.
  const auto magenta = [](uint32_t p) { return Red(p) > 64 && Blue(p) > 64 && Green(p) < 5; };
  const Screenshot::Box sprite = expectCentre(magenta, 512, 384 + 256);
  EXPECT_NEAR(sprite.width(), 23, 2);
  EXPECT_NEAR(sprite.height(), 23, 2);
  EXPECT_NEAR(Red(shot.At(512, 640)), 128, 12);
}

TEST_F(RenderTest, AQuadInTheRadarViewportIsMappedAndClippedThere) {
  device_->SetViewport(Viewport{872, 0, 128, 128, -1.0f, 100.0f});
  SetTopDownCamera(400);
  device_->SetTexture(Solid("white.bmp", 8, 8, 0xFFFFFF));
  DrawSquare(0, 0, 40, kWhite);    // 12.8 pixels each side of the centre
  DrawSquare(380, 0, 60, kWhite);  // runs off the radar's left edge
  const Screenshot shot(*platform_);
  const Screenshot::Box lit = shot.Find([](uint32_t p) { return Red(p) > 40; });
  EXPECT_LE(lit.x1, 999);
  EXPECT_LE(lit.y1, 127);
  // The off-edge square is cut at the viewport's left side.
  EXPECT_EQ(lit.x0, 872);
  EXPECT_GE(Red(shot.At(872, 64)), 200);
  EXPECT_LE(Red(shot.At(871, 64)), 10);
  // The centred one sits at the radar's centre (936, 64).
  EXPECT_GE(Red(shot.At(936, 64)), 200);
  EXPECT_LE(Red(shot.At(936 + 16, 64)), 10);
}

int TextWidth(const FontRef& font, const char* text) {
  int width = 0, height = 0;
  TTF_SizeUTF8(dynamic_cast<sdl::SdlFont&>(*font).ttf(), text, &width, &height);
  return width;
}

bool Ink(uint32_t p) {
  return Red(p) > 128;
}

TEST_F(RenderTest, TextBreaksLinesAtCarriageReturnsAlignsEachLineAndIsCutToItsRectangle) {
  const FontRef font = platform_->text().CreateFont("technical", 12, true);
  const int skip = dynamic_cast<sdl::SdlFont&>(*font).lineSkip();
  platform_->text().DrawText(font, kWhite, "HHHH\r\rHH", Rect{100, 100, 400, 300}, 0);
  platform_->text().DrawText(font, 0xFFFF1F1F, "WIN HH\rH", Rect{0, 400, 800, 600}, 2);
  const FontRef small = platform_->text().CreateFont("ariel", 8, true);
  platform_->text().DrawText(small, kWhite, "Distance: 123456789\rEnemy", Rect{200, 700, 250, 708},
                             0);
  const Screenshot shot(*platform_);
  const auto band = [&](int y0, int y1) { return shot.Find(Ink, y0, y1); };
  const Screenshot::Box first = band(100, 100 + skip), third = band(100 + 2 * skip, 100 + 3 * skip);
  EXPECT_TRUE(band(100 + skip, 100 + 2 * skip).empty()) << "the empty line still takes its height";
  EXPECT_EQ(third.y0 - first.y0, 2 * skip);
  EXPECT_NEAR(first.x0, 100, 3);
  EXPECT_NEAR(first.x1, 100 + TextWidth(font, "HHHH"), 3);
  EXPECT_NEAR(third.x1, 100 + TextWidth(font, "HH"), 3);
  // Right-aligned, each line on its own, in the text's colour.
  const Screenshot::Box right1 = band(400, 418), right2 = band(418, 436);
  EXPECT_NEAR(right1.x1, 799, 3);
  EXPECT_NEAR(right2.x1, 799, 3);
  EXPECT_NEAR(right1.x0, 800 - TextWidth(font, "WIN HH"), 3);
  EXPECT_NEAR(right2.x0, 800 - TextWidth(font, "H"), 3);
  const uint32_t red = shot.At(right1.x1 - 1, right1.y0 + 4);
  EXPECT_LE(Green(red), Red(red) / 2);
  // Cut to its rectangle.
  const Screenshot::Box cut = shot.Find([](uint32_t p) { return Red(p) > 10; }, 600, 768);
  ASSERT_FALSE(cut.empty());
  EXPECT_GE(cut.x0, 200);
  EXPECT_LE(cut.x1, 249);
  EXPECT_GE(cut.y0, 700);
  EXPECT_LE(cut.y1, 707);
}

}  // namespace
}  // namespace sb::sdltest
