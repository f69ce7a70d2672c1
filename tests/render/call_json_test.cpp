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

TEST(CallJson, CallsCarryTheirArgumentsByNameAndFloatsInShortestForm) {
  EXPECT_EQ(CallJson({"SetRenderState", {154, double(Form1::FloatBits(0.09f))}}),
            R"({"op":"SetRenderState","state":154,"value":1035489772,"pointSize":0.09})");
  EXPECT_EQ(CallJson({"SetTexture"}), R"({"op":"SetTexture","texture":null})");
  Call c{"SetTransform", {256}};
  for (float v : {1.0f, 0.1f, 1.0f / 3, -0.0f, 1e30f, 1.5707964f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f,
                  0.0f, 0.0f, 0.0f, 150.0f, 1.0f}) {
    c.n.push_back(v);
  }
  EXPECT_EQ(CallJson(c), R"({"op":"SetTransform","type":"world","matrix":[)"
                         R"(1,0.1,0.33333334,-0,1e+30,1.5707964,0,0,0,0,0,0,0,0,150,1]})");
  EXPECT_EQ(CallJson({"DrawText", {1, 300, 414, 500, 700, 2}, "\"Q\"\r\x01"}),
            R"({"op":"DrawText","font":"","colour":1,)"
            R"("text":"\"Q\"\r\u0001","rect":[300,414,500,700],"format":2})");
}

TEST(CallJson, FrameTracesAreOneLinePerCallOfTheFrame) {
  test::BattleScene s;
  const size_t from = s.p.calls.size();
  const auto lines = Lines(headless::BattleFrameTrace(s.f, s.p));
  const auto frame = s.p.CallsSince(from);
  ASSERT_EQ(lines.size(), frame.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], CallJson(frame[i]));
  EXPECT_EQ(lines.back(), R"({"op":"Present"})");
}

}  // namespace
}  // namespace sb
