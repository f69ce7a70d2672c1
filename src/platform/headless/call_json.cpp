#include "platform/headless/call_json.h"

#include <cstring>
#include <functional>

#include "platform/device.h"
#include "platform/headless/json_writer.h"

namespace sb::headless {

namespace {

// Builds one call's JSON object field by field: integers as integers,
// floats in the shortest form that reads back as the same 32-bit float.
class JsonObject {
 public:
  explicit JsonObject(const std::string& op) : out_({"NaN", "Infinity", "-Infinity"}) {
    out_.Open('{');
    Text("op", op);
  }

  JsonObject& Int(const char* key, double v) {
    out_.Key(key);
    IntValue(v);
    return *this;
  }
  JsonObject& Float(const char* key, double v) {
    out_.Key(key);
    FloatValue(v);
    return *this;
  }
  JsonObject& Bool(const char* key, bool v) {
    out_.Key(key);
    out_.Bool(v);
    return *this;
  }
  JsonObject& Text(const char* key, const std::string& v) {
    out_.Key(key);
    out_.String(v);
    return *this;
  }
  // A texture by file name; null when there is none.
  JsonObject& Texture(const char* key, const std::string& name) {
    out_.Key(key);
    if (name.empty()) {
      out_.Null();
    } else {
      out_.String(name);
    }
    return *this;
  }
  JsonObject& FloatPair(const char* key, double x, double y) {
    out_.Key(key);
    out_.Open('[');
    FloatValue(x);
    FloatValue(y);
    out_.Close(']');
    return *this;
  }
  // A list of values written by `each(i)` for i in [first, last).
  JsonObject& List(const char* key, size_t first, size_t last,
                   const std::function<void(JsonObject&, size_t)>& each) {
    out_.Key(key);
    out_.Open('[');
    for (size_t i = first; i < last; ++i) each(*this, i);
    out_.Close(']');
    return *this;
  }
  // A nested object: `fill` adds its fields with the same setters.
  void Nested(const std::function<void(JsonObject&)>& fill) {
    out_.Open('{');
    fill(*this);
    out_.Close('}');
  }

  void IntValue(double v) { out_.Number(static_cast<long long>(v)); }
  void FloatValue(double v) { out_.Number(static_cast<float>(v)); }
  std::string Finish() {
    out_.Close('}');
    return out_.text();
  }

 private:
  JsonWriter out_;
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
