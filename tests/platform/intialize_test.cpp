// Platform start-up: the states, layout, resources and their order.
#include <gtest/gtest.h>

#include "platform/d3dx_math.h"
#include "support/test_support.h"

namespace sb {
namespace {

class Intialize : public ::testing::Test {
 protected:
  void SetUp() override { game.form->Intialize(); }
  test::Game game;
};

TEST_F(Intialize, FullScreenAt1024By768WithoutDepthBuffer) {
  const auto created = game.platform.CallsNamed("CreateDevice");
  ASSERT_EQ(created.size(), 1u);
  EXPECT_EQ(created[0]->n, (std::vector<double>{1024, 768, 0}));
  const Form1& f = *game.form;
  EXPECT_EQ(f.PresentParams.BackBufferCount, 1u);
  EXPECT_EQ(f.PresentParams.BackBufferFormat, game.platform.displayMode.Format);
  EXPECT_FALSE(f.PresentParams.EnableAutoDepthStencil);
  // The desktop is 1920 x 1080 here; the screen viewport is still 1024 x 768.
  EXPECT_EQ(f.ScreenViewport.Width, 1024u);
  EXPECT_EQ(f.ScreenViewport.Height, 768u);
  // The text areas start right under the buttons.
  EXPECT_EQ(f.InfoRect.Top, 414);
  EXPECT_EQ(f.ControlsRect.Top, 414);
}

TEST_F(Intialize, ProjectionIsLeftHandedQuarterTurnFieldOfView) {
  const auto transforms = game.platform.CallsNamed("SetTransform");
  ASSERT_EQ(transforms.size(), 1u);
  EXPECT_EQ(transforms[0]->n[0], 3);  // projection
  const Matrix& m = game.form->ProjectionMatrix;
  EXPECT_FLOAT_EQ(m.m[0][0], 1.0f);
  EXPECT_FLOAT_EQ(m.m[1][1], 1.0f);
  EXPECT_FLOAT_EQ(m.m[2][2], 10000.0f / (10000.0f - 0.001f));
  EXPECT_EQ(m.m[2][3], 1.0f);
  EXPECT_FLOAT_EQ(m.m[3][2], -0.001f * 10000.0f / (10000.0f - 0.001f));
  EXPECT_EQ(m.m[3][3], 0.0f);
  // The vertex format was set just before.
  const auto formats = game.platform.CallsNamed("SetVertexShader");
  ASSERT_EQ(formats.size(), 1u);
  EXPECT_EQ(formats[0]->n[0], 0x1C2);
}

TEST_F(Intialize, DesignPicturesComeFromTheTexturesFolder) {
  Form1& f = *game.form;
  f.DesignSTUFF();
  ScreenButton icon;
  f.LoadDesignTexture(f.Designs[29], icon);
  ASSERT_TRUE(icon.Texture);
  EXPECT_EQ(icon.Texture->Path(), "/headless\\Textures\\space-station.bmp");
  game.platform.failingFiles.insert("player.bmp");
  const test::RunEnd end = test::RunCatching([&] { f.LoadDesignTexture(f.Designs[1], icon); });
  EXPECT_EQ(end.kind, test::RunEnd::Error);
  EXPECT_NE(end.line.find("/headless/Textures/player.bmp"), std::string::npos) << end.line;
}

}  // namespace
}  // namespace sb
