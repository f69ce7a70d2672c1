// Platform start-up: the states, layout, resources and their order.
#include <gtest/gtest.h>

#include "platform/d3dx_math.h"
#include "support/test_support.h"

namespace sb {
namespace {

class Intialize : public ::testing::Test {
 protected:
  void SetUp() override { game.form->Intialize(); }
  std::vector<std::string> Names(const std::string& op) {
    std::vector<std::string> names;
    for (const auto* c : game.platform.CallsNamed(op)) names.push_back(c->s);
    return names;
  }
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
}

TEST_F(Intialize, RenderStatesInOrder) {
  std::vector<std::vector<double>> states;
  for (const auto& c : game.platform.calls) {
    if (c.op == "SetRenderState") states.push_back(c.n);
    if (c.op == "SetTextureStageState") states.push_back({-1, c.n[1], c.n[2]});
  }
  const std::vector<std::vector<double>> expected = {
      {19, 5},  {20, 6},     {27, 4294967295.0}, {157, 1}, {154, double(0x3CF5C28F)},
      {156, 1}, {-1, 16, 2}, {-1, 17, 2},        {14, 0},  {137, 0}};
  EXPECT_EQ(states, expected);
}

TEST_F(Intialize, ViewportsAndTextRectangles) {
  const Form1& f = *game.form;
  auto same = [](const Viewport& v, uint32_t x, uint32_t y, uint32_t w, uint32_t h) {
    return v.X == x && v.Y == y && v.Width == w && v.Height == h && v.MinZ == -1.0f &&
           v.MaxZ == 100.0f;
  };
  EXPECT_TRUE(same(f.RadarViewport, 872, 0, 128, 128));
  EXPECT_TRUE(same(f.TargetViewport, 747, 500, 256, 256));
  EXPECT_TRUE(same(f.ScreenViewport, 0, 0, 1024, 768));
  auto rect = [](const Rect& r) { return std::vector<int>{r.Left, r.Top, r.Right, r.Bottom}; };
  EXPECT_EQ(rect(f.StatusRect), (std::vector<int>{0, 0, 800, 200}));
  EXPECT_EQ(rect(f.TitleRect), (std::vector<int>{500, 180, 700, 200}));
  EXPECT_EQ(rect(f.InfoRect), (std::vector<int>{300, 414, 500, 700}));
  EXPECT_EQ(rect(f.ControlsRect), (std::vector<int>{600, 414, 800, 800}));
  EXPECT_EQ(rect(f.TargetTextRect), (std::vector<int>{767, 520, 1000, 700}));
  EXPECT_EQ(rect(f.SideRect1), (std::vector<int>{932, 150, 1022, 200}));
  EXPECT_EQ(rect(f.SideRect2), (std::vector<int>{922, 200, 1022, 250}));
  EXPECT_EQ(rect(f.SideRect3), (std::vector<int>{922, 250, 1022, 300}));
  EXPECT_EQ(rect(f.SideRect4), (std::vector<int>{922, 300, 1022, 350}));
  EXPECT_EQ(f.LeftButton.X, 300.0f);
  EXPECT_EQ(f.RightButton.X, 420.0f);
  EXPECT_EQ(f.StartButton.Y, 350.0f);
  EXPECT_EQ(f.StartButton.Width, 128.0f);
  EXPECT_EQ(f.StartButton.Height, 64.0f);
}

TEST_F(Intialize, SharedTexturesFontsAndTunesLoadInOrder) {
  EXPECT_EQ(Names("LoadTexture"),
            (std::vector<std::string>{"bar.bmp", "frame.bmp", "tarback.bmp", "targeter.bmp",
                                      "Hud.bmp", "cursor.bmp", "box.bmp", "turret.bmp", "start.bmp",
                                      "goleft.bmp", "goright.bmp", "spray.bmp", "star.bmp",
                                      "bullet.bmp", "point.bmp"}));
  const auto fonts = game.platform.CallsNamed("CreateFont");
  ASSERT_EQ(fonts.size(), 2u);
  EXPECT_EQ(fonts[0]->s, "technical");
  EXPECT_EQ(fonts[0]->n, (std::vector<double>{12, 1}));
  EXPECT_EQ(fonts[1]->s, "ariel");
  EXPECT_EQ(fonts[1]->n, (std::vector<double>{8, 1}));
  EXPECT_EQ(Names("Music.LoadSegment"),
            (std::vector<std::string>{"Einswei.mid", "Frozenbuffalo.mid"}));
  EXPECT_TRUE(game.platform.CallsNamed("Music.PlaySegmentEx").empty());
}

TEST_F(Intialize, SoundEffectsPlayAtTenThousandSamplesPerSecond) {
  std::vector<std::string> settings;
  for (const auto& c : game.platform.calls) {
    if (c.op.rfind("Sound.Set", 0) == 0 && c.op != "Sound.SetCooperativeLevel") {
      settings.push_back(c.s + " " + c.op.substr(9) + " " + std::to_string(int(c.n[0])));
    }
  }
  EXPECT_EQ(settings,
            (std::vector<std::string>{
                "fly.wav Volume -1000", "fly.wav Frequency 10000", "fly.wav Pan 0",
                "shieldhit.wav Volume -10", "shieldhit.wav Frequency 10000", "shieldhit.wav Pan 0",
                "hphit.wav Volume 0", "hphit.wav Frequency 10000", "hphit.wav Pan 0",
                "fire.wav Volume -10", "fire.wav Frequency 10000", "fire.wav Pan 0"}));
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
