// Recorded calls as JSON Lines.
#include "platform/headless/call_json.h"

#include <gtest/gtest.h>

namespace sb {
namespace {

using headless::Call;
using headless::CallJson;

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

}  // namespace
}  // namespace sb
