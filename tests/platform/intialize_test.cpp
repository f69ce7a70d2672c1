// Platform start-up: the states, layout, resources and their order.
#include <gtest/gtest.h>

#include <array>

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
  EXPECT_EQ(created[0]->width, 1024u);
  EXPECT_EQ(created[0]->height, 768u);
  EXPECT_FALSE(created[0]->windowed);
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
  EXPECT_EQ(transforms[0]->type, TransformType::Projection);
  const Matrix& m = game.form->ProjectionMatrix;
  // Where points in front of the camera land (row vectors, then the divide
  // by w): a quarter turn means 45 degrees off the axis is the screen's edge,
  // left-handed means +z is ahead, and depth runs 0 at 0.001 to 1 at 10000.
  auto project = [&](float x, float y, float z) {
    float out[4];
    for (int c = 0; c < 4; ++c) out[c] = x * m.m[0][c] + y * m.m[1][c] + z * m.m[2][c] + m.m[3][c];
    return std::array<float, 3>{out[0] / out[3], out[1] / out[3], out[2] / out[3]};
  };
  const auto edge = project(50, -50, 50);
  EXPECT_NEAR(edge[0], 1.0f, 1e-6);
  EXPECT_NEAR(edge[1], -1.0f, 1e-6);
  const auto centre = project(0, 0, 150);
  EXPECT_EQ(centre[0], 0.0f);
  EXPECT_GT(centre[2], 0.0f);
  EXPECT_LT(centre[2], 1.0f);
  EXPECT_NEAR(project(0, 0, 0.001f)[2], 0.0f, 1e-6);
  EXPECT_NEAR(project(0, 0, 10000)[2], 1.0f, 1e-6);
  EXPECT_NEAR(project(10, 0, 20)[0], 0.5f, 1e-6);  // half-way to the edge
  // The vertex format was set just before.
  const auto formats = game.platform.CallsNamed("SetVertexShader");
  ASSERT_EQ(formats.size(), 1u);
  EXPECT_EQ(formats[0]->format, 0x1C2u);
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
