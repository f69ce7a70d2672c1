#include "platform/headless/call_json.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>

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
  JsonObject& Bool(const char* key, bool v) {
    Key(key);
    out_ += v ? "true" : "false";
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

const char* TransformName(TransformType type) {
  switch (type) {
    case TransformType::View:
      return "view";
    case TransformType::Projection:
      return "projection";
    case TransformType::World:
      return "world";
  }
  return "unknown";
}

float FloatOfBits(uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

void DeviceCallJson(const Call& call, JsonObject& j) {
  const std::string& op = call.op;
  if (op == "SetViewport") {
    const Viewport& v = call.viewport;
    j.Int("x", v.X).Int("y", v.Y).Int("width", v.Width).Int("height", v.Height);
    j.Float("minZ", v.MinZ).Float("maxZ", v.MaxZ);
  } else if (op == "Clear") {
    j.Int("colour", call.colour);
  } else if (op == "SetTransform") {
    j.Text("type", TransformName(call.type));
    j.List("matrix", 0, 16,
           [&](JsonObject& o, size_t i) { o.FloatValue(call.matrix.m[i / 4][i % 4]); });
  } else if (op == "SetVertexShader") {
    j.Int("format", call.format);
  } else if (op == "SetTexture") {
    j.Texture("texture", call.s);
  } else if (op == "SetRenderState") {
    j.Int("state", call.state).Int("value", call.value);
    if (call.state == kRsPointSize) j.Float("pointSize", FloatOfBits(call.value));
  } else if (op == "SetTextureStageState") {
    j.Int("stage", call.stage).Int("state", call.state).Int("value", call.value);
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
    j.Int("count", call.count);
    j.List("points", 0, call.points.size(), [&](JsonObject& o, size_t i) {
      const Particle& p = call.points[i];
      o.Nested([&](JsonObject& c) {
        c.Float("x", p.X).Float("y", p.Y).Float("z", p.Z);
        c.Int("colour", p.Colour);
        c.Float("u", p.U).Float("v", p.V);
      });
    });
  }
}

void DrawingCallJson(const Call& call, JsonObject& j) {
  if (call.op == "Sprite.Draw") {
    j.Texture("texture", call.s);
    j.FloatPair("scaling", call.scaling.x, call.scaling.y);
    j.FloatPair("centre", call.centre.x, call.centre.y);
    j.Float("rotation", call.rotation);
    j.FloatPair("translation", call.translation.x, call.translation.y);
    j.Int("colour", call.colour);
  } else if (call.op == "DrawText") {
    const Rect& r = call.rect;
    j.Text("font", call.font).Int("colour", call.colour).Text("text", call.s);
    const int32_t rect[] = {r.Left, r.Top, r.Right, r.Bottom};
    j.List("rect", 0, 4, [&](JsonObject& o, size_t i) { o.IntValue(rect[i]); });
    j.Int("format", call.format);
  } else {
    DeviceCallJson(call, j);
  }
}

// Calls outside a frame: the arguments their op sets, by name.
void OtherCallJson(const Call& call, JsonObject& j) {
  const std::string& op = call.op;
  if (!call.s.empty()) j.Text("s", call.s);
  if (op == "CreateDevice") {
    j.Int("width", call.width).Int("height", call.height).Bool("windowed", call.windowed);
  } else if (op == "CreateFont") {
    j.Text("font", call.font).Int("size", call.size).Bool("bold", call.bold);
  } else if (op == "CreateEvent" || op == "Keyboard.SetEventNotification" ||
             op == "Music.SetNotificationHandle") {
    j.Int("event", call.event);
  } else if (op == "Keyboard.SetBufferSize" || op == "Mouse.SetBufferSize") {
    j.Int("records", call.records);
  } else if (op == "EndProgram") {
    j.Int("status", call.status);
  } else if (op == "Yield") {
    j.Int("yield", call.yield);
  } else if (op == "Sound.Play") {
    j.Int("flags", call.flags);
  } else if (op == "Sound.SetVolume" || op == "Music.SetMasterVolume") {
    j.Int("volume", call.volume);
  } else if (op == "Sound.SetPan") {
    j.Int("pan", call.pan);
  } else if (op == "Sound.SetFrequency") {
    j.Int("frequency", call.frequency);
  } else if (op == "Sound.SetCooperativeLevel") {
    j.Int("level", call.level);
  } else if (op == "Music.InitAudio") {
    j.Int("flags", call.flags).Int("pathType", call.pathType).Int("channels", call.channels);
  } else if (op == "Music.SetMasterTempo") {
    j.Float("tempo", call.tempo);
  } else if (op == "Music.SetMasterAutoDownload") {
    j.Bool("on", call.on);
  } else if (op == "Music.AddNotificationType") {
    j.Int("notification", call.notification);
  } else if (op == "Music.PlaySegmentEx" || op == "Music.StopEx") {
    j.Int("flags", call.flags).Int("time", static_cast<double>(call.time));
  } else if (op == "Sound.PauseAll") {
    j.Bool("paused", call.paused);
  } else if (op == "Sound.SetMasterGain") {
    j.Float("gain", call.gain);
  }
}

const char* const kFrameOps[] = {
    "SetViewport",          "Clear",        "BeginScene",      "EndScene",    "Present",
    "PresentAgain",         "SetTransform", "SetVertexShader", "SetTexture",  "SetRenderState",
    "SetTextureStageState", "DrawQuad",     "DrawPoints",      "Sprite.Draw", "DrawText"};

}  // namespace

std::string CallJson(const Call& call) {
  JsonObject j(call.op);
  bool frameOp = false;
  for (const char* op : kFrameOps) frameOp = frameOp || call.op == op;
  if (frameOp) {
    DrawingCallJson(call, j);
  } else {
    OtherCallJson(call, j);
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

}  // namespace sb::headless
