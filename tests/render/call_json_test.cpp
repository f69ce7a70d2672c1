// Recorded calls as JSON Lines, and the frame traces built on them.
#include "platform/headless/call_json.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/battle_scene.h"

namespace sb {
namespace {

using headless::Call;
using headless::CallJson;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CallJson, FrameCallsCarryTheirArgumentsByName) {
  EXPECT_EQ(CallJson({"SetViewport", {872, 0, 128, 128, -1, 100}}),
            R"({"op":"SetViewport","x":872,"y":0,"width":128,"height":128,"minZ":-1,"maxZ":100})");
  EXPECT_EQ(CallJson({"Clear", {0}}), R"({"op":"Clear","colour":0})");
  EXPECT_EQ(CallJson({"Present"}), R"({"op":"Present"})");
  EXPECT_EQ(CallJson({"SetVertexShader", {0x142}}), R"({"op":"SetVertexShader","format":322})");
  // Point sizes also as the float their bits stand for.
  EXPECT_EQ(CallJson({"SetRenderState", {154, double(Form1::FloatBits(0.09f))}}),
            R"({"op":"SetRenderState","state":154,"value":1035489772,"pointSize":0.09})");
  EXPECT_EQ(CallJson({"SetRenderState", {27, 4294967295.0}}),
            R"({"op":"SetRenderState","state":27,"value":4294967295})");
  EXPECT_EQ(CallJson({"SetTexture", {}, "star.bmp"}),
            R"({"op":"SetTexture","texture":"star.bmp"})");
  EXPECT_EQ(CallJson({"SetTexture"}), R"({"op":"SetTexture","texture":null})");
}

TEST(CallJson, MatricesAreSixteenShortestFloatsRowByRow) {
  const float values[16] = {1,     0.1f, -2.5f, 1e-7f,      0.3f, 1.0f / 3, 16777216, -0.0f,
                            1e30f, 7,    8,     1.5707964f, 0,    0,        150,      1};
  Call c{"SetTransform", {256}};
  for (float v : values) c.n.push_back(v);
  EXPECT_EQ(CallJson(c), R"({"op":"SetTransform","type":"world","matrix":[)"
                         R"(1,0.1,-2.5,1e-07,0.3,0.33333334,16777216,-0,)"
                         R"(1e+30,7,8,1.5707964,0,0,150,1]})");
  c.n[0] = 2;
  EXPECT_EQ(CallJson(c).rfind(R"({"op":"SetTransform","type":"view","matrix":[1,)", 0), 0u);
}

TEST(CallJson, DrawsSpritesAndTextsKeepEveryValue) {
  Call quad{"DrawQuad"};
  quad.quad = {LitVertex{-8, -8, 0, 0xFF9F9FFF, 0, 0, 0}, LitVertex{8, -8, 0, 1, 2, 1, 0},
               LitVertex{8, 8.5f, 0, 0, 0, 1, 1}, LitVertex{-8, 8, 0.25f, 0, 0, 0, 1}};
  EXPECT_EQ(CallJson(quad),
            R"({"op":"DrawQuad","corners":[)"
            R"({"x":-8,"y":-8,"z":0,"diffuse":4288651263,"specular":0,"u":0,"v":0},)"
            R"({"x":8,"y":-8,"z":0,"diffuse":1,"specular":2,"u":1,"v":0},)"
            R"({"x":8,"y":8.5,"z":0,"diffuse":0,"specular":0,"u":1,"v":1},)"
            R"({"x":-8,"y":8,"z":0.25,"diffuse":0,"specular":0,"u":0,"v":1}]})");
  Call points{"DrawPoints", {2}};
  points.points = {Particle{1.5f, -2, 0, 0x8FFFFFFF, 0, 0, 0, 9}, Particle{3, 4, 0, 7}};
  EXPECT_EQ(CallJson(points), R"({"op":"DrawPoints","count":2,"points":[)"
                              R"({"x":1.5,"y":-2,"z":0,"colour":2415919103,"u":0,"v":0},)"
                              R"({"x":3,"y":4,"z":0,"colour":7,"u":0,"v":0}]})");
  EXPECT_EQ(
      CallJson({"Sprite.Draw", {-0.6f, 0.8f, 32, 32, 0.3f, 500, 100, 0x9FFFFFFF}, "point.bmp"}),
      R"({"op":"Sprite.Draw","texture":"point.bmp","scaling":[-0.6,0.8],)"
      R"("centre":[32,32],"rotation":0.3,"translation":[500,100],"colour":2684354559})");
  Call text{"DrawText", {0xFF1FFF1F, 300, 414, 500, 700, 2}, "Race:\"Q\"\\\r\x01"};
  text.font = "technical";
  EXPECT_EQ(CallJson(text),
            R"({"op":"DrawText","font":"technical","colour":4280287007,)"
            R"("text":"Race:\"Q\"\\\r\u0001","rect":[300,414,500,700],"format":2})");
  EXPECT_EQ(CallJson({"Yield", {3, 0.5}, "x"}), R"({"op":"Yield","n":[3,0.5],"s":"x"})");
}

TEST(CallJson, BattleFrameTraceIsOneLinePerCallOfTheFrame) {
  test::BattleScene s;
  s.p.recording = false;
  const size_t from = s.p.calls.size();
  const std::string trace = headless::BattleFrameTrace(s.f, s.p);
  EXPECT_FALSE(s.p.recording);  // left as it was
  const auto lines = Lines(trace);
  const auto frame = s.p.CallsSince(from);
  ASSERT_EQ(lines.size(), frame.size());
  EXPECT_EQ(trace.back(), '\n');
  EXPECT_EQ(lines.front(),
            R"({"op":"SetRenderState","state":154,"value":1022739087,"pointSize":0.03})");
  EXPECT_EQ(lines[1], R"({"op":"SetViewport","x":0,"y":0,"width":1024,"height":768,)"
                      R"("minZ":-1,"maxZ":100})");
  EXPECT_EQ(lines.back(), R"({"op":"Present"})");
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], CallJson(frame[i]));
}

TEST(CallJson, DefaultSelectionFrameShowsDesignOneWithTheBoxOnItsCell) {
  const auto lines = Lines(headless::DefaultSelectionFrameTrace());
  ASSERT_EQ(lines.size(), 3u + 3 + 30 + 3 + 2 + 1 + 2);
  EXPECT_EQ(lines[0], R"({"op":"SetViewport","x":0,"y":0,"width":1024,"height":768,)"
                      R"("minZ":-1,"maxZ":100})");
  EXPECT_EQ(lines[3], R"({"op":"Sprite.Draw","texture":"start.bmp","scaling":[1,1],)"
                      R"("centre":[1,1],"rotation":0,"translation":[0,350],"colour":2684354559})");
  EXPECT_EQ(lines[36], R"({"op":"DrawText","font":"technical","colour":4294967295,)"
                       R"("text":"Strike","rect":[500,180,700,200],"format":0})");
  EXPECT_EQ(lines[39], R"({"op":"Sprite.Draw","texture":"box.bmp","scaling":[1,1],)"
                       R"("centre":[1,1],"rotation":0,"translation":[60,0],"colour":4294967295})");
  EXPECT_EQ(lines.back(), R"({"op":"Present"})");
}

}  // namespace
}  // namespace sb
