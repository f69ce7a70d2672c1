#include "platform/headless/call_json.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>

#include "core/form1.h"
#include "platform/device.h"

namespace sb::headless {

namespace {

// Builds one JSON object field by field.
class JsonObject {
 public:
  explicit JsonObject(const std::string& op) {
    out_ = "{\"op\":";
    String(op);
  }

  JsonObject& Int(const char* key, double v) {
    Key(key);
    IntValue(v);
    return *this;
  }
  JsonObject& Float(const char* key, double v) {
    Key(key);
    FloatValue(v);
    return *this;
  }
  JsonObject& Text(const char* key, const std::string& v) {
    Key(key);
    String(v);
    return *this;
  }
  // A texture by file name; null when there is none.
  JsonObject& Texture(const char* key, const std::string& name) {
    Key(key);
    if (name.empty()) {
      out_ += "null";
    } else {
      String(name);
    }
    return *this;
  }
  JsonObject& FloatPair(const char* key, double x, double y) {
    Key(key);
    out_ += '[';
    FloatValue(x);
    out_ += ',';
    FloatValue(y);
    out_ += ']';
    return *this;
  }
  // A list of values written by `each(i)` for i in [first, last).
  JsonObject& List(const char* key, size_t first, size_t last,
                   const std::function<void(JsonObject&, size_t)>& each) {
    Key(key);
    out_ += '[';
    for (size_t i = first; i < last; ++i) {
      if (i != first) out_ += ',';
      each(*this, i);
    }
    out_ += ']';
    return *this;
  }
  // A nested object: `fill` adds its fields with the same setters.
  void Nested(const std::function<void(JsonObject&)>& fill) {
    out_ += '{';
    fill(*this);
    out_ += '}';
  }

  void IntValue(double v) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(v));
    out_.append(buffer, r.ptr);
  }
  // The shortest decimal that reads back as the same 32-bit float.
  void FloatValue(double v) {
    const float f = static_cast<float>(v);
    if (std::isnan(f)) {
      String("NaN");
    } else if (std::isinf(f)) {
      String(f < 0 ? "-Infinity" : "Infinity");
    } else {
      char buffer[48];
      const auto r = std::to_chars(buffer, buffer + sizeof buffer, f);
      out_.append(buffer, r.ptr);
    }
  }
  // Any other number, in the shortest form of a 64-bit float.
  void DoubleValue(double v) {
    if (!std::isfinite(v)) {
      String(std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity"));
      return;
    }
    char buffer[48];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    out_.append(buffer, r.ptr);
  }

  std::string Finish() { return out_ + '}'; }

 private:
  void Key(const char* key) {
    if (out_.back() != '{') out_ += ',';
    String(key);
    out_ += ':';
  }

  void String(const std::string& s) {
    out_ += '"';
    for (const char ch : s) {
      const auto c = static_cast<unsigned char>(ch);
      switch (c) {
        case '"':
          out_ += "\\\"";
          break;
        case '\\':
          out_ += "\\\\";
          break;
        case '\n':
          out_ += "\\n";
          break;
        case '\r':
          out_ += "\\r";
          break;
        case '\t':
          out_ += "\\t";
          break;
        default:
          if (c < 0x20) {
            static const char* const kHex = "0123456789abcdef";
            out_ += "\\u00";
            out_ += kHex[c >> 4];
            out_ += kHex[c & 15];
          } else {
            out_ += ch;
          }
      }
    }
    out_ += '"';
  }

  std::string out_;
};

const char* TransformName(double type) {
  switch (static_cast<uint32_t>(type)) {
    case static_cast<uint32_t>(TransformType::View):
      return "view";
    case static_cast<uint32_t>(TransformType::Projection):
      return "projection";
    case static_cast<uint32_t>(TransformType::World):
      return "world";
    default:
      return "unknown";
  }
}

float FloatOfBits(double bits) {
  const auto b = static_cast<uint32_t>(bits);
  float f;
  std::memcpy(&f, &b, sizeof f);
  return f;
}

// The numeric arguments of a call, or 0 past their end (a short record).
double Arg(const Call& call, size_t i) {
  return i < call.n.size() ? call.n[i] : 0.0;
}

}  // namespace

std::string CallJson(const Call& call) {
  JsonObject j(call.op);
  const std::string& op = call.op;
  auto a = [&](size_t i) { return Arg(call, i); };

  if (op == "SetViewport") {
    j.Int("x", a(0)).Int("y", a(1)).Int("width", a(2)).Int("height", a(3));
    j.Float("minZ", a(4)).Float("maxZ", a(5));
  } else if (op == "Clear") {
    j.Int("colour", a(0));
  } else if (op == "BeginScene" || op == "EndScene" || op == "Present") {
    // no arguments
  } else if (op == "SetTransform") {
    j.Text("type", TransformName(a(0)));
    j.List("matrix", 1, 17, [&](JsonObject& o, size_t i) { o.FloatValue(a(i)); });
  } else if (op == "SetVertexShader") {
    j.Int("format", a(0));
  } else if (op == "SetTexture") {
    j.Texture("texture", call.s);
  } else if (op == "SetRenderState") {
    j.Int("state", a(0)).Int("value", a(1));
    if (static_cast<uint32_t>(a(0)) == kRsPointSize) j.Float("pointSize", FloatOfBits(a(1)));
  } else if (op == "DrawQuad") {
    j.List("corners", 0, call.quad.size(), [&](JsonObject& o, size_t i) {
      const LitVertex& v = call.quad[i];
      o.Nested([&](JsonObject& c) {
        c.Float("x", v.X).Float("y", v.Y).Float("z", v.Z);
        c.Int("diffuse", v.Diffuse).Int("specular", v.Specular);
        c.Float("u", v.U).Float("v", v.V);
      });
    });
  } else if (op == "DrawPoints") {
    j.Int("count", a(0));
    j.List("points", 0, call.points.size(), [&](JsonObject& o, size_t i) {
      const Particle& p = call.points[i];
      o.Nested([&](JsonObject& c) {
        c.Float("x", p.X).Float("y", p.Y).Float("z", p.Z);
        c.Int("colour", p.Colour);
        c.Float("u", p.U).Float("v", p.V);
      });
    });
  } else if (op == "Sprite.Draw") {
    j.Texture("texture", call.s);
    j.FloatPair("scaling", a(0), a(1)).FloatPair("centre", a(2), a(3));
    j.Float("rotation", a(4)).FloatPair("translation", a(5), a(6));
    j.Int("colour", a(7));
  } else if (op == "DrawText") {
    j.Text("font", call.font).Int("colour", a(0)).Text("text", call.s);
    j.List("rect", 1, 5, [&](JsonObject& o, size_t i) { o.IntValue(a(i)); });
    j.Int("format", a(5));
  } else {
    // Calls outside a frame keep their raw arguments.
    if (!call.n.empty()) {
      j.List("n", 0, call.n.size(), [&](JsonObject& o, size_t i) { o.DoubleValue(call.n[i]); });
    }
    if (!call.s.empty()) j.Text("s", call.s);
    if (!call.font.empty()) j.Text("font", call.font);
  }
  return j.Finish();
}

std::string CallsJsonLines(const std::vector<Call>& calls) {
  std::string out;
  for (const Call& c : calls) {
    out += CallJson(c);
    out += '\n';
  }
  return out;
}

namespace {

std::string TraceOf(HeadlessPlatform& platform, const std::function<void()>& frame) {
  const bool wasRecording = platform.recording;
  platform.recording = true;
  const size_t from = platform.calls.size();
  try {
    frame();
  } catch (...) {
    platform.recording = wasRecording;
    throw;
  }
  platform.recording = wasRecording;
  return CallsJsonLines(platform.CallsSince(from));
}

}  // namespace

std::string BattleFrameTrace(Form1& game, HeadlessPlatform& platform) {
  return TraceOf(platform, [&] { game.Renderme(); });
}

std::string SelectionFrameTrace(Form1& game, HeadlessPlatform& platform) {
  return TraceOf(platform, [&] { game.SelecterRender(); });
}

std::string DefaultSelectionFrameTrace() {
  HeadlessPlatform platform;
  Form1 game(platform);
  // Start-up as far as the selection screen needs it.
  game.Intialize();
  game.DesignSTUFF();
  game.SelectionActive = true;
  game.SelectedDesign = 1;
  game.CheckWhichCraft();
  game.buildDisp();
  game.Do_Mouse();  // places the box; no mouse records are waiting
  return SelectionFrameTrace(game, platform);
}

}  // namespace sb::headless
