#include "platform/headless/headless_platform.h"

#include "core/runtime_error.h"

namespace sb::headless {

namespace {

class NamedTexture : public Texture {
 public:
  explicit NamedTexture(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const override { return path_; }

 private:
  std::string path_;
};

class NamedFont : public Font {
 public:
  explicit NamedFont(std::string face) : face_(std::move(face)) {}
  const std::string& Face() const override { return face_; }

 private:
  std::string face_;
};

class NamedSegment : public Segment {
 public:
  explicit NamedSegment(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const override { return path_; }

 private:
  std::string path_;
};

std::string NameOf(const TextureRef& t) {
  return t ? FileNameOf(t->Path()) : "";
}

class HWindow : public Window {
 public:
  explicit HWindow(HeadlessPlatform& p) : p_(p) {}
  std::string ProgramFolder() override { return p_.programFolder; }
  DisplayMode GetDisplayMode() override { return p_.displayMode; }
  int32_t CreateEvent() override {
    p_.Record({.op = "CreateEvent", .event = next_});
    return next_++;
  }
  void Show() override { p_.Record({"Window.Show"}); }
  void Yield(NotificationSink& sink) override { p_.DeliverYield(sink); }
  void ReleaseDevice() override {
    p_.deviceReleased = true;
    p_.Record({"ReleaseDevice"});
  }
  [[noreturn]] void EndProgram(int status) override {
    p_.Record({.op = "EndProgram", .status = status});
    throw ProgramExit{status};
  }
  void ShowFatalMessage(const std::string& line) override {
    p_.fatalMessage = line;
    p_.Record({.op = "ShowFatalMessage", .s = line});
  }

 private:
  HeadlessPlatform& p_;
  int32_t next_ = 1;
};

class HDevice : public Device {
 public:
  explicit HDevice(HeadlessPlatform& p) : p_(p) {}
  void SetRenderState(uint32_t state, uint32_t value) override {
    p_.Record({.op = "SetRenderState", .state = state, .value = value});
  }
  void SetTextureStageState(uint32_t stage, uint32_t state, uint32_t value) override {
    p_.Record({.op = "SetTextureStageState", .state = state, .value = value, .stage = stage});
  }
  void SetViewport(const Viewport& v) override { p_.Record({.op = "SetViewport", .viewport = v}); }
  void Clear(uint32_t colour) override { p_.Record({.op = "Clear", .colour = colour}); }
  void BeginScene() override { p_.Record({"BeginScene"}); }
  void EndScene() override { p_.Record({"EndScene"}); }
  void Present() override { p_.Record({"Present"}); }
  bool PresentAgain() override {
    p_.Record({"PresentAgain"});
    return !p_.frameLost;
  }
  void SetTransform(TransformType type, const Matrix& m) override {
    if (!p_.recording) return;
    p_.Record({.op = "SetTransform", .type = type, .matrix = m});
  }
  void SetVertexShader(uint32_t format) override {
    p_.Record({.op = "SetVertexShader", .format = format});
  }
  void SetTexture(const TextureRef& texture) override {
    if (!p_.recording) return;
    p_.Record({.op = "SetTexture", .s = NameOf(texture)});
  }
  void DrawQuad(const LitVertex* corners) override {
    if (!p_.recording) return;
    p_.Record({.op = "DrawQuad", .quad = std::vector<LitVertex>(corners, corners + 4)});
  }
  void DrawPoints(const Particle* first, int count) override {
    if (!p_.recording) return;
    p_.Record({.op = "DrawPoints",
               .count = count,
               .points = std::vector<Particle>(first, first + count)});
  }

 private:
  HeadlessPlatform& p_;
};

class HSprite : public SpriteDrawer {
 public:
  explicit HSprite(HeadlessPlatform& p) : p_(p) {}
  void Draw(const TextureRef& texture, Vec2f scaling, Vec2f centre, float rotation,
            Vec2f translation, uint32_t colour) override {
    if (!p_.recording) return;
    p_.Record({.op = "Sprite.Draw",
               .s = NameOf(texture),
               .colour = colour,
               .scaling = scaling,
               .centre = centre,
               .rotation = rotation,
               .translation = translation});
  }

 private:
  HeadlessPlatform& p_;
};

class HText : public TextDrawer {
 public:
  explicit HText(HeadlessPlatform& p) : p_(p) {}
  FontRef CreateFont(const std::string& face, int points, bool bold) override {
    p_.Record({.op = "CreateFont", .font = face, .size = points, .bold = bold});
    return std::make_shared<NamedFont>(face);
  }
  void DrawText(const FontRef& font, uint32_t colour, const std::string& text, const Rect& r,
                uint32_t format) override {
    if (!p_.recording) return;
    p_.Record({.op = "DrawText",
               .s = text,
               .font = font ? font->Face() : "",
               .colour = colour,
               .format = format,
               .rect = r});
  }

 private:
  HeadlessPlatform& p_;
};

class HTextures : public TextureLoader {
 public:
  explicit HTextures(HeadlessPlatform& p) : p_(p) {}
  TextureRef LoadTexture(const std::string& path) override {
    p_.LoadCheck("picture", path);
    p_.Record({.op = "LoadTexture", .s = FileNameOf(path)});
    return std::make_shared<NamedTexture>(path);
  }

 private:
  HeadlessPlatform& p_;
};

class HKeyboard : public Keyboard {
 public:
  explicit HKeyboard(HeadlessPlatform& p) : p_(p) {}
  void SetBufferSize(uint32_t records) override {
    p_.Record({.op = "Keyboard.SetBufferSize", .records = records});
  }
  void SetEventNotification(int32_t event) override {
    p_.keyboardEvent = event;
    p_.Record({.op = "Keyboard.SetEventNotification", .event = event});
  }
  void Acquire() override { p_.Record({"Keyboard.Acquire"}); }
  void GetDeviceState(uint8_t (&state)[256]) override {
    for (int k = 0; k < 256; ++k) state[k] = p_.keyState_[k];
  }
  int GetDeviceData(InputRecord* records, int capacity) override {
    int n = 0;
    while (n < capacity && !p_.keyRecords_.empty()) {
      records[n++] = p_.keyRecords_.front();
      p_.keyRecords_.pop_front();
    }
    return n;
  }

 private:
  HeadlessPlatform& p_;
};

class HMouse : public Mouse {
 public:
  explicit HMouse(HeadlessPlatform& p) : p_(p) {}
  void SetBufferSize(uint32_t records) override {
    p_.Record({.op = "Mouse.SetBufferSize", .records = records});
  }
  void Acquire() override { p_.Record({"Mouse.Acquire"}); }
  int GetDeviceData(InputRecord* records, int capacity) override {
    int n = 0;
    while (n < capacity && !p_.mouseRecords_.empty()) {
      records[n++] = p_.mouseRecords_.front();
      p_.mouseRecords_.pop_front();
    }
    return n;
  }

 private:
  HeadlessPlatform& p_;
};

class HSoundBuffer : public SoundBuffer {
 public:
  HSoundBuffer(HeadlessPlatform& p, std::string name) : p_(p), name_(std::move(name)) {}
  void Play(uint32_t flags) override {
    p_.Record({.op = "Sound.Play", .s = name_, .flags = flags});
  }
  void Stop() override { p_.Record({.op = "Sound.Stop", .s = name_}); }
  void SetVolume(int32_t v) override {
    p_.Record({.op = "Sound.SetVolume", .s = name_, .volume = v});
  }
  void SetPan(int32_t pan) override { p_.Record({.op = "Sound.SetPan", .s = name_, .pan = pan}); }
  void SetFrequency(int32_t f) override {
    p_.Record({.op = "Sound.SetFrequency", .s = name_, .frequency = f});
  }

 private:
  HeadlessPlatform& p_;
  std::string name_;
};

class HSound : public SoundOutput {
 public:
  explicit HSound(HeadlessPlatform& p) : p_(p) {}
  void SetCooperativeLevel(int32_t level) override {
    p_.Record({.op = "Sound.SetCooperativeLevel", .level = level});
  }
  SoundRef CreateSoundBufferFromFile(const std::string& path) override {
    p_.LoadCheck("sound", path);
    p_.Record({.op = "Sound.Load", .s = FileNameOf(path)});
    return std::make_shared<HSoundBuffer>(p_, FileNameOf(path));
  }

 private:
  HeadlessPlatform& p_;
};

class HMusic : public Music {
 public:
  explicit HMusic(HeadlessPlatform& p) : p_(p) {}
  void InitAudio(uint32_t flags, uint32_t pathType, uint32_t channels) override {
    p_.Record(
        {.op = "Music.InitAudio", .flags = flags, .pathType = pathType, .channels = channels});
  }
  void SetMasterVolume(int32_t v) override {
    p_.Record({.op = "Music.SetMasterVolume", .volume = v});
  }
  void SetMasterTempo(float f) override { p_.Record({.op = "Music.SetMasterTempo", .tempo = f}); }
  void SetMasterAutoDownload(bool on) override {
    p_.Record({.op = "Music.SetMasterAutoDownload", .on = on});
  }
  void AddNotificationType(uint32_t type) override {
    p_.Record({.op = "Music.AddNotificationType", .notification = type});
  }
  void SetNotificationHandle(int32_t event) override {
    p_.musicEvent = event;
    p_.Record({.op = "Music.SetNotificationHandle", .event = event});
  }
  SegmentRef LoadSegment(const std::string& path) override {
    p_.LoadCheck("tune", path);
    p_.Record({.op = "Music.LoadSegment", .s = FileNameOf(path)});
    return std::make_shared<NamedSegment>(path);
  }
  void PlaySegmentEx(const SegmentRef& segment, uint32_t flags, int64_t startTime) override {
    // A new primary segment replaces the one playing.
    p_.playingMusic = FileNameOf(segment->Path());
    p_.Record(
        {.op = "Music.PlaySegmentEx", .s = p_.playingMusic, .flags = flags, .time = startTime});
  }
  void StopEx(const SegmentRef& segment, int64_t stopTime, uint32_t flags) override {
    const std::string name = FileNameOf(segment->Path());
    if (p_.playingMusic == name) p_.playingMusic.clear();
    p_.Record({.op = "Music.StopEx", .s = name, .flags = flags, .time = stopTime});
  }
  bool IsPlaying(const SegmentRef& segment) override {
    return p_.playingMusic == FileNameOf(segment->Path());
  }

 private:
  HeadlessPlatform& p_;
};

class HClock : public Clock {
 public:
  explicit HClock(HeadlessPlatform& p) : p_(p) {}
  int32_t GetTickCount() override { return p_.tick; }
  uint64_t SeedFromClock() override { return p_.clockSeed; }

 private:
  HeadlessPlatform& p_;
};

class HSoundControl : public SoundControl {
 public:
  explicit HSoundControl(HeadlessPlatform& p) : p_(p) {}
  void PauseAll(bool paused) override {
    p_.soundPaused = paused;
    p_.Record({.op = "Sound.PauseAll", .paused = paused});
  }
  void SetMasterGain(float gain) override {
    if (!(gain >= 0 && gain <= 1)) {
      Fail(ErrorKind::PlatformCall, "master gain " + std::to_string(gain) + " is outside 0..1");
    }
    p_.masterGain = gain;
    p_.Record({.op = "Sound.SetMasterGain", .gain = gain});
  }

 private:
  HeadlessPlatform& p_;
};

class HSettings : public SettingsStore {
 public:
  explicit HSettings(HeadlessPlatform& p) : p_(p) {}
  std::string SettingsPath() override { return p_.settingsPath; }
  SettingsRead ReadSettings() override {
    p_.Record({"Settings.Read"});
    if (!p_.settingsReadProblem.empty()) {
      return {SettingsRead::Result::Unreadable, "", p_.settingsReadProblem};
    }
    if (!p_.settingsFile) return {};
    return {SettingsRead::Result::Read, *p_.settingsFile, ""};
  }
  std::string WriteSettings(const std::string& text) override {
    p_.Record({.op = "Settings.Write", .s = text});
    if (!p_.settingsWriteProblem.empty()) return p_.settingsWriteProblem;
    p_.settingsFile = text;
    return "";
  }

 private:
  HeadlessPlatform& p_;
};

}  // namespace

struct HeadlessPlatform::Impl {
  explicit Impl(HeadlessPlatform& p)
      : window(p),
        device(p),
        sprite(p),
        text(p),
        textures(p),
        keyboard(p),
        mouse(p),
        sound(p),
        music(p),
        clock(p),
        soundControl(p),
        settings(p) {}
  HWindow window;
  HDevice device;
  HSprite sprite;
  HText text;
  HTextures textures;
  HKeyboard keyboard;
  HMouse mouse;
  HSound sound;
  HMusic music;
  HClock clock;
  HSoundControl soundControl;
  HSettings settings;
};

HeadlessPlatform::HeadlessPlatform() : impl_(std::make_unique<Impl>(*this)) {}
HeadlessPlatform::~HeadlessPlatform() = default;

Window& HeadlessPlatform::window() {
  return impl_->window;
}
Device& HeadlessPlatform::CreateDevice(const PresentParameters& params) {
  Record({.op = "CreateDevice",
          .width = params.BackBufferWidth,
          .height = params.BackBufferHeight,
          .windowed = params.Windowed});
  return impl_->device;
}
SpriteDrawer& HeadlessPlatform::sprite() {
  return impl_->sprite;
}
TextDrawer& HeadlessPlatform::text() {
  return impl_->text;
}
TextureLoader& HeadlessPlatform::textures() {
  return impl_->textures;
}
Keyboard& HeadlessPlatform::keyboard() {
  return impl_->keyboard;
}
Mouse& HeadlessPlatform::mouse() {
  return impl_->mouse;
}
SoundOutput& HeadlessPlatform::sound() {
  return impl_->sound;
}
Music& HeadlessPlatform::music() {
  return impl_->music;
}
Clock& HeadlessPlatform::clock() {
  return impl_->clock;
}
SoundControl& HeadlessPlatform::soundControl() {
  return impl_->soundControl;
}
SettingsStore& HeadlessPlatform::settings() {
  return impl_->settings;
}

void HeadlessPlatform::Record(Call call) {
  if (recording) calls.push_back(std::move(call));
}

std::vector<const Call*> HeadlessPlatform::CallsNamed(const std::string& op) const {
  std::vector<const Call*> found;
  for (const Call& c : calls) {
    if (c.op == op) found.push_back(&c);
  }
  return found;
}

std::vector<Call> HeadlessPlatform::CallsSince(size_t from) const {
  if (from >= calls.size()) return {};
  return std::vector<Call>(calls.begin() + static_cast<long>(from), calls.end());
}

void HeadlessPlatform::LoadCheck(const std::string& what, const std::string& path) {
  const std::string name = FileNameOf(path);
  const std::string file = ToSlashes(path);
  if (failingFiles.count(name) != 0)
    FailWhile("loading the " + what + " " + file, "cannot read it");
}

void HeadlessPlatform::PressKey(int code) {
  keyState_[code & 255] = 0x80;
  keyRecords_.push_back(InputRecord{static_cast<uint32_t>(code & 255), 0x80, 0, 0, 0});
  keyNotificationPending_ = true;
}

void HeadlessPlatform::ReleaseKey(int code) {
  keyState_[code & 255] = 0;
  keyRecords_.push_back(InputRecord{static_cast<uint32_t>(code & 255), 0, 0, 0, 0});
  keyNotificationPending_ = true;
}

void HeadlessPlatform::MoveMouse(int dx, int dy) {
  if (dx != 0) mouseRecords_.push_back({kMouseOffsetX, static_cast<uint32_t>(dx), 0, 0, 0});
  if (dy != 0) mouseRecords_.push_back({kMouseOffsetY, static_cast<uint32_t>(dy), 0, 0, 0});
}

void HeadlessPlatform::MouseButton(bool down) {
  mouseRecords_.push_back({kMouseOffsetButton0, down ? 0x80u : 0u, 0, 0, 0});
}

void HeadlessPlatform::FinishMusic() {
  if (playingMusic.empty()) return;
  playingMusic.clear();
  musicNotificationPending_ = true;
}

void HeadlessPlatform::DeliverYield(NotificationSink& sink) {
  ++yields;
  Record({.op = "Yield", .yield = yields});
  if (onYield) onYield(yields, *this);
  if (yields >= maxYields) closeRequested_ = true;
  tick =
      static_cast<int32_t>(static_cast<uint32_t>(tick) + static_cast<uint32_t>(tickStepPerYield));
  if (closeRequested_) {
    closeRequested_ = false;
    sink.Form_Unload(1);
  }
  if (keyNotificationPending_ && keyboardEvent != 0) {
    keyNotificationPending_ = false;
    sink.DirectXEvent8_DXCallback(keyboardEvent);
  }
  if (musicNotificationPending_ && musicEvent != 0) {
    musicNotificationPending_ = false;
    sink.DirectXEvent8_DXCallback(musicEvent);
  }
}

}  // namespace sb::headless
