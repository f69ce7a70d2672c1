// Drawing on the real renderer, read back from the screen. Tolerances allow
// for linear filtering and for the renderers' own rounding at edges.
#include <gtest/gtest.h>

#include <cmath>

#include "core/form1.h"
#include "platform/d3dx_math.h"
#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_ = MakePlatform(folder_.path().string());
    device_ = &OpenScreen(*platform_);
    SDL_RendererInfo info;
    ASSERT_EQ(SDL_GetRendererInfo(platform_->video().renderer(), &info), 0);
    RecordProperty("renderer", info.name);
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

  TextureRef Solid(const std::string& name, int w, int h, uint32_t rgb) {
    WriteSolidBmp(folder_.File(name), w, h, rgb);
    return platform_->textures().LoadTexture(folder_.path().string() + "\\" + name);
  }

  // A square of half-size `half` around (x, y) in the plane z = 0.
  static void Square(LitVertex (&q)[4], float x, float y, float half, uint32_t colour) {
    const float cx[4] = {-half, half, half, -half};
    const float cy[4] = {-half, -half, half, half};
    const float u[4] = {0, 1, 1, 0};
    const float v[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) q[i] = LitVertex{x + cx[i], y + cy[i], 0, colour, 0, u[i], v[i]};
  }

  ScratchFolder folder_;
  std::unique_ptr<sdl::SdlPlatform> platform_;
  Device* device_ = nullptr;
};

TEST_F(RenderTest, OpaqueBlackIsTransparentAndNoOtherColourIsKeyed) {
  // Left half black, right half the darkest grey; drawn 16 times larger over
  // a white square.
  std::vector<uint32_t> pixels(8 * 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) pixels[y * 8 + x] = x < 4 ? 0x000000 : 0x010101;
  }
  WriteBmp(folder_.File("key.bmp"), 8, 8, pixels);
  const TextureRef keyed = platform_->textures().LoadTexture(folder_.File("key.bmp"));
  const TextureRef white = Solid("white.bmp", 8, 8, 0xFFFFFF);
  platform_->sprite().Draw(white, {16, 16}, {0, 0}, 0, {100, 100}, kWhite);
  platform_->sprite().Draw(keyed, {16, 16}, {0, 0}, 0, {100, 100}, kWhite);
  const Screenshot shot(*platform_);
  EXPECT_EQ(shot.At(120, 150) & 0xFFFFFF, 0xFFFFFFu) << "black was not see-through";
  EXPECT_LE(Red(shot.At(200, 150)), 2) << "dark grey was keyed";
}

TEST_F(RenderTest, CornerColourTintsTheTextureAndCornerAlphaIsIgnored) {
  SetTopDownCamera(*device_, 150);
  device_->SetTexture(Solid("white.bmp", 8, 8, 0xFFFFFF));
  LitVertex quad[4];
  Square(quad, 0, 0, 30, 0x00FFFF00);  // yellow, alpha 0 as craft corners are
  device_->DrawQuad(quad);
  const Screenshot shot(*platform_);
  const uint32_t centre = shot.At(512, 384);
  EXPECT_GE(Red(centre), 240);
  EXPECT_GE(Green(centre), 240);
  EXPECT_LE(Blue(centre), 15);
  // 30 units of the 150 each side: 102.4 pixels across, 76.8 down.
  const Screenshot::Box box = shot.Lit();
  EXPECT_NEAR(box.width(), 204.8, 3);
  EXPECT_NEAR(box.height(), 153.6, 3);
}

TEST_F(RenderTest, TheMainCameraPutsPlusXLeftAndPlusYUp) {
  SetTopDownCamera(*device_, 150);
  device_->SetTexture(Solid("white.bmp", 8, 8, 0xFFFFFF));
  LitVertex red[4], green[4], blue[4];
  Square(red, 140, 0, 3, 0xFFFF0000);
  Square(green, 0, 140, 3, 0xFF00FF00);
  Square(blue, -140, -140, 3, 0xFF0000FF);
  device_->DrawQuad(red);
  device_->DrawQuad(green);
  device_->DrawQuad(blue);
  const Screenshot shot(*platform_);
  const auto redBox = shot.Find([](uint32_t p) { return Red(p) > 128 && Green(p) < 64; });
  const auto greenBox = shot.Find([](uint32_t p) { return Green(p) > 128 && Red(p) < 64; });
  const auto blueBox = shot.Find([](uint32_t p) { return Blue(p) > 128 && Red(p) < 64; });
  ASSERT_FALSE(redBox.empty());
  ASSERT_FALSE(greenBox.empty());
  ASSERT_FALSE(blueBox.empty());
  // (1 - 140/150) x 512 = 34.1 from the left; (1 - 140/150) x 384 = 25.6 from the top.
  EXPECT_NEAR((redBox.x0 + redBox.x1 + 1) / 2.0, 34.1, 2);
  EXPECT_NEAR((redBox.y0 + redBox.y1 + 1) / 2.0, 384, 2);
  EXPECT_NEAR((greenBox.x0 + greenBox.x1 + 1) / 2.0, 512, 2);
  EXPECT_NEAR((greenBox.y0 + greenBox.y1 + 1) / 2.0, 25.6, 2);
  EXPECT_NEAR((blueBox.x0 + blueBox.x1 + 1) / 2.0, 1024 - 34.1, 2);
  EXPECT_NEAR((blueBox.y0 + blueBox.y1 + 1) / 2.0, 768 - 25.6, 2);
}

TEST_F(RenderTest, AQuadInTheRadarViewportIsMappedAndClippedThere) {
  device_->SetViewport(Viewport{872, 0, 128, 128, -1.0f, 100.0f});
  SetTopDownCamera(*device_, 400);
  device_->SetTexture(Solid("white.bmp", 8, 8, 0xFFFFFF));
  LitVertex centre[4], edge[4];
  Square(centre, 0, 0, 40, kWhite);  // 12.8 pixels each side of the centre
  Square(edge, 380, 0, 60, kWhite);  // runs off the radar's left edge
  device_->DrawQuad(centre);
  device_->DrawQuad(edge);
  const Screenshot shot(*platform_);
  const Screenshot::Box lit = shot.Lit();
  EXPECT_GE(lit.x0, 872);
  EXPECT_LE(lit.x1, 999);
  EXPECT_GE(lit.y0, 0);
  EXPECT_LE(lit.y1, 127);
  // The off-edge square is cut at the viewport's left side.
  EXPECT_EQ(lit.x0, 872);
  EXPECT_GE(Red(shot.At(872, 64)), 200);
  EXPECT_LE(Red(shot.At(871, 64)), 10);
  // The centred one sits at the radar's centre (936, 64).
  EXPECT_GE(Red(shot.At(936, 64)), 200);
  EXPECT_LE(Red(shot.At(936 + 16, 64)), 10);
}

TEST_F(RenderTest, PointSpritesAreViewportHeightTimesPointSize) {
  SetTopDownCamera(*device_, 150);
  device_->SetVertexShader(kFvfPointVertex);
  device_->SetTexture(Solid("white.bmp", 16, 16, 0xFFFFFF));
  Particle shot{};
  shot.Colour = kWhite;
  device_->DrawPoints(&shot, 1);
  const Screenshot main(*platform_);
  const Screenshot::Box box = main.Lit(128);
  EXPECT_NEAR(box.width(), 23, 2);
  EXPECT_NEAR(box.height(), 23, 2);
  EXPECT_NEAR((box.x0 + box.x1 + 1) / 2.0, 512, 1.5);
  EXPECT_NEAR((box.y0 + box.y1 + 1) / 2.0, 384, 1.5);

  // The target view: 0.09 of 256 pixels, centred in its viewport.
  device_->Clear(0);
  device_->SetViewport(Viewport{747, 500, 256, 256, -1.0f, 100.0f});
  device_->SetRenderState(kRsPointSize, static_cast<uint32_t>(Form1::FloatBits(0.09f)));
  SetTopDownCamera(*device_, 40);
  device_->DrawPoints(&shot, 1);
  const Screenshot target(*platform_);
  const Screenshot::Box small = target.Lit(128);
  EXPECT_NEAR(small.width(), 23, 2);
  EXPECT_NEAR((small.x0 + small.x1 + 1) / 2.0, 747 + 128, 1.5);
  EXPECT_NEAR((small.y0 + small.y1 + 1) / 2.0, 500 + 128, 1.5);
}

TEST_F(RenderTest, PointColourIncludingAlphaModulatesTheTexture) {
  SetTopDownCamera(*device_, 150);
  device_->SetVertexShader(kFvfPointVertex);
  device_->SetTexture(Solid("white.bmp", 16, 16, 0xFFFFFF));
  Particle trail[2]{};
  trail[0].X = 50;               // screen-left of the centre
  trail[0].Colour = 0x80FF0000;  // half-transparent red
  trail[1].X = -50;
  trail[1].Colour = 0xFF00FF00;
  device_->DrawPoints(trail, 2);
  const Screenshot shot(*platform_);
  const uint32_t left = shot.At(512 - 171, 384);
  EXPECT_NEAR(Red(left), 128, 12);
  EXPECT_LE(Green(left), 5);
  const uint32_t right = shot.At(512 + 171, 384);
  EXPECT_GE(Green(right), 240);
  EXPECT_LE(Red(right), 5);
}

TEST_F(RenderTest, SpritesTranslateRotateAndMirror) {
  // 64 x 32: left half red, right half green.
  std::vector<uint32_t> pixels(64 * 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) pixels[y * 64 + x] = x < 32 ? 0xFF0000 : 0x00FF00;
  }
  WriteBmp(folder_.File("halves.bmp"), 64, 32, pixels);
  const TextureRef halves = platform_->textures().LoadTexture(folder_.File("halves.bmp"));
  auto red = [](uint32_t p) { return Red(p) > 128 && Green(p) < 100; };
  auto green = [](uint32_t p) { return Green(p) > 128 && Red(p) < 100; };

  // Plain placement: top-left corner at the translation.
  platform_->sprite().Draw(halves, {1, 1}, {1, 1}, 0, {100, 100}, kWhite);
  Screenshot plain(*platform_);
  auto r = plain.Find(red), g = plain.Find(green);
  EXPECT_NEAR(r.x0, 100, 1);
  EXPECT_NEAR(r.y0, 100, 1);
  EXPECT_NEAR(g.x1, 163, 1);
  EXPECT_NEAR(g.y1, 131, 1);
  EXPECT_LT(r.x1, g.x0 + 2);

  // A quarter turn clockwise about the top-left corner: the image now runs
  // down the screen from the translation, its top edge on the right.
  device_->Clear(0);
  platform_->sprite().Draw(halves, {1, 1}, {0, 0}, 1.5707964f, {400, 100}, kWhite);
  Screenshot turned(*platform_);
  r = turned.Find(red);
  g = turned.Find(green);
  EXPECT_NEAR(r.y0, 100, 1);
  EXPECT_NEAR(g.y1, 163, 1);
  EXPECT_LT(r.y1, g.y0 + 2);
  EXPECT_NEAR(r.x1, 399, 1);
  EXPECT_NEAR(r.x0, 368, 1);

  // Scale -0.6: mirrored in both axes, up and to the left of the corner.
  device_->Clear(0);
  platform_->sprite().Draw(halves, {-0.6f, -0.6f}, {1, 1}, 0, {700, 300}, kWhite);
  Screenshot mirrored(*platform_);
  r = mirrored.Find(red);
  g = mirrored.Find(green);
  const Screenshot::Box all = mirrored.Lit();
  EXPECT_NEAR(all.x1, 699, 1);
  EXPECT_NEAR(all.y1, 299, 1);
  EXPECT_NEAR(all.width(), 38.4, 2);
  EXPECT_NEAR(all.height(), 19.2, 2);
  EXPECT_GT(r.x0, g.x1 - 2) << "red should be on the right once mirrored";
}

TEST_F(RenderTest, ScreenSpaceDrawingIsClippedToTheViewport) {
  const TextureRef white = Solid("white.bmp", 8, 8, 0xFFFFFF);
  device_->SetViewport(Viewport{747, 500, 256, 256, -1.0f, 100.0f});
  // Screen coordinates stay screen coordinates; what lies outside is cut.
  platform_->sprite().Draw(white, {40, 40}, {0, 0}, 0, {700, 450}, kWhite);
  const Screenshot shot(*platform_);
  const Screenshot::Box lit = shot.Lit();
  EXPECT_EQ(lit.x0, 747);
  EXPECT_EQ(lit.y0, 500);
  EXPECT_EQ(lit.x1, 747 + 255);
  EXPECT_EQ(lit.y1, 500 + 255);
}

int TextWidth(const FontRef& font, const char* text) {
  int width = 0, height = 0;
  TTF_SizeUTF8(dynamic_cast<sdl::SdlFont&>(*font).ttf(), text, &width, &height);
  return width;
}

bool Ink(uint32_t p) {
  return Red(p) > 128;
}

TEST_F(RenderTest, TextBreaksLinesAtCarriageReturns) {
  const FontRef font = platform_->text().CreateFont("technical", 12, true);
  const int skip = dynamic_cast<sdl::SdlFont&>(*font).lineSkip();
  EXPECT_EQ(skip, 18);  // DejaVu Sans Mono Bold at 15 pixels
  // The longest figure line of a design's description fits its area.
  EXPECT_LE(TextWidth(font, "Acceleration Rate:0.25"), 200);
  platform_->text().DrawText(font, kWhite, "HHHH\r\rHH", Rect{100, 100, 400, 300}, 0);
  const Screenshot shot(*platform_);
  const Screenshot::Box first = shot.Find(Ink, 100, 100 + skip);
  const Screenshot::Box empty = shot.Find(Ink, 100 + skip, 100 + 2 * skip);
  const Screenshot::Box third = shot.Find(Ink, 100 + 2 * skip, 100 + 3 * skip);
  EXPECT_TRUE(shot.Find(Ink, 0, 100).empty());
  EXPECT_TRUE(empty.empty()) << "the empty line still takes its height";
  EXPECT_EQ(third.y0 - first.y0, 2 * skip);
  EXPECT_NEAR(first.x0, 100, 3);
  EXPECT_NEAR(first.x1, 100 + TextWidth(font, "HHHH"), 3);
  EXPECT_NEAR(third.x1, 100 + TextWidth(font, "HH"), 3);
}

TEST_F(RenderTest, RightAlignedTextEndsAtTheRectanglesRightEdge) {
  const FontRef font = platform_->text().CreateFont("technical", 12, true);
  platform_->text().DrawText(font, 0xFFFF1F1F, "WIN HH\rH", Rect{0, 0, 800, 200}, 2);
  const Screenshot shot(*platform_);
  const Screenshot::Box first = shot.Find(Ink, 0, 18);
  const Screenshot::Box second = shot.Find(Ink, 18, 36);
  EXPECT_NEAR(first.x1, 799, 3);
  EXPECT_NEAR(second.x1, 799, 3);
  // Each line is aligned on its own.
  EXPECT_NEAR(first.x0, 800 - TextWidth(font, "WIN HH"), 3);
  EXPECT_NEAR(second.x0, 800 - TextWidth(font, "H"), 3);
  const uint32_t red = shot.At(first.x1 - 1, first.y0 + 4);
  EXPECT_LE(Green(red), Red(red) / 2) << "drawn in the text's colour";
}

TEST_F(RenderTest, TextIsCutToItsRectangle) {
  const FontRef font = platform_->text().CreateFont("ariel", 8, true);
  platform_->text().DrawText(font, kWhite, "Distance: 123456789\rEnemy", Rect{200, 300, 250, 308},
                             0);
  const Screenshot shot(*platform_);
  const Screenshot::Box lit = shot.Lit(10);
  ASSERT_FALSE(lit.empty());
  EXPECT_GE(lit.x0, 200);
  EXPECT_LE(lit.x1, 249);
  EXPECT_GE(lit.y0, 300);
  EXPECT_LE(lit.y1, 307);
}

TEST_F(RenderTest, RepeatedTextIsRenderedOnce) {
  const FontRef font = platform_->text().CreateFont("technical", 12, true);
  for (int frame = 0; frame < 5; ++frame) {
    platform_->text().DrawText(font, kWhite, "FPS: 60  Human: 0\rW: Go ", Rect{0, 0, 800, 200}, 0);
  }
  EXPECT_EQ(platform_->sdlText().cache().size(), 2u);
}

}  // namespace
}  // namespace sb::sdltest
