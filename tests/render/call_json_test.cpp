// Recorded calls as JSON Lines, and the frame traces built on them.
#include "platform/headless/call_json.h"

#include <gtest/gtest.h>

#include <sstream>

#include "battle/frame_trace.h"
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
  Call c{.op = "SetTransform", .type = TransformType::World};
  const float values[] = {1, 0.1f, 1.0f / 3, -0.0f, 1e30f, 1.5707964f, 0,   0,
                          0, 0,    0,        0,     0,     0,          150, 1};
  for (int i = 0; i < 16; ++i) c.matrix.m[i / 4][i % 4] = values[i];
  EXPECT_EQ(CallJson(c), R"({"op":"SetTransform","type":"world","matrix":[)"
                         R"(1,0.1,0.33333334,-0,1e+30,1.5707964,0,0,0,0,0,0,0,0,150,1]})");
  EXPECT_EQ(CallJson({.op = "DrawText",
                      .s = "\"Q\"\r\x01",
                      .colour = 1,
                      .format = 2,
                      .rect = Rect{300, 414, 500, 700}}),
            R"({"op":"DrawText","font":"","colour":1,)"
            R"("text":"\"Q\"\r\u0001","rect":[300,414,500,700],"format":2})");
}

TEST(CallJson, FrameTracesAreOneLinePerCallOfTheFrame) {
  test::BattleScene s;
  const size_t from = s.p.calls.size();
  const auto lines = Lines(bench::BattleFrameTrace(s.f, s.p));
  const auto frame = s.p.CallsSince(from);
  ASSERT_EQ(lines.size(), frame.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], CallJson(frame[i]));
  EXPECT_EQ(lines.back(), R"({"op":"Present"})");
}

}  // namespace
}  // namespace sb
