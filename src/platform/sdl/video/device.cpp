#include "platform/sdl/video/device.h"

#include <cstring>
#include <string>

#include "core/runtime_error.h"
#include "platform/d3dx_math.h"
#include "platform/sdl/pictures/texture_loader.h"
#include "platform/sdl/system/float_status.h"
#include "platform/sdl/time/pace_clock.h"
#include "platform/sdl/video/projection.h"

namespace sb::sdl {

namespace {

// Blend factors of the device's blend states.
SDL_BlendFactor Factor(uint32_t blend) {
  switch (blend) {
    case kBlendZero:
      return SDL_BLENDFACTOR_ZERO;
    case kBlendOne:
      return SDL_BLENDFACTOR_ONE;
    case kBlendSrcColor:
      return SDL_BLENDFACTOR_SRC_COLOR;
    case kBlendInvSrcColor:
      return SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR;
    case kBlendSrcAlpha:
      return SDL_BLENDFACTOR_SRC_ALPHA;
    case kBlendInvSrcAlpha:
      return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    case kBlendDestAlpha:
      return SDL_BLENDFACTOR_DST_ALPHA;
    case kBlendInvDestAlpha:
      return SDL_BLENDFACTOR_ONE_MINUS_DST_ALPHA;
    case kBlendDestColor:
      return SDL_BLENDFACTOR_DST_COLOR;
    case kBlendInvDestColor:
      return SDL_BLENDFACTOR_ONE_MINUS_DST_COLOR;
  }
  Fail(ErrorKind::PlatformCall, "unsupported blend factor " + std::to_string(blend));
}

SDL_Color ColourOf(uint32_t argb, bool withAlpha) {
  return SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8),
                   static_cast<Uint8>(argb),
                   withAlpha ? static_cast<Uint8>(argb >> 24) : Uint8{255}};
}

float FloatOfBits(uint32_t bits) {
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

}  // namespace

SdlDevice::SdlDevice(Video& video, bool pacePresents)
    : video_(video),
      pace_(pacePresents),
      pacer_(kPaceClockTicksPerSecond, 60),
      world_(MatrixIdentity()),
      view_(MatrixIdentity()),
      projection_(MatrixIdentity()) {}

void SdlDevice::RequireScreen() const {
  if (!video_.canvas().attached()) {
    Fail(ErrorKind::PlatformCall, "the graphics device has been released");
  }
}

void SdlDevice::SetRenderState(uint32_t state, uint32_t value) {
  switch (state) {
    case kRsAlphaBlendEnable:
      alphaBlend_ = value != 0;
      break;
    case kRsSrcBlend:
      Factor(value);  // rejects what cannot be drawn
      srcBlend_ = value;
      break;
    case kRsDestBlend:
      Factor(value);
      destBlend_ = value;
      break;
    case kRsPointSize:
      pointSize_ = FloatOfBits(value);
      break;
    case kRsPointScaleEnable:
      pointScale_ = value != 0;
      break;
    case kRsPointSpriteEnable:
      pointSprite_ = value != 0;
      break;
    default:
      // Depth writes and lighting have nothing to act on here: there is no
      // depth buffer and vertices carry their own colours.
      break;
  }
}

void SdlDevice::SetTextureStageState(uint32_t stage, uint32_t state, uint32_t value) {
  if (stage != 0) return;
  if (state == kTssMagFilter) magFilter_ = value;
  if (state == kTssMinFilter) minFilter_ = value;
}

void SdlDevice::SetViewport(const Viewport& v) {
  RequireScreen();
  Canvas& canvas = video_.canvas();
  const uint64_t right = uint64_t{v.X} + v.Width;
  const uint64_t bottom = uint64_t{v.Y} + v.Height;
  if (v.Width == 0 || v.Height == 0 || right > static_cast<uint64_t>(canvas.width()) ||
      bottom > static_cast<uint64_t>(canvas.height())) {
    Fail(ErrorKind::PlatformCall, "viewport " + std::to_string(v.X) + "," + std::to_string(v.Y) +
                                      " " + std::to_string(v.Width) + "x" +
                                      std::to_string(v.Height) + " lies outside the screen");
  }
  FloatStatusKeeper keep;
  viewport_ = v;
  canvas.SetViewport(SDL_Rect{static_cast<int>(v.X), static_cast<int>(v.Y),
                              static_cast<int>(v.Width), static_cast<int>(v.Height)});
}

void SdlDevice::Clear(uint32_t colour) {
  RequireScreen();
  FloatStatusKeeper keep;
  video_.canvas().Clear(static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                        static_cast<uint8_t>(colour));
}

void SdlDevice::BeginScene() {
  RequireScreen();
  if (inScene_) Fail(ErrorKind::PlatformCall, "BeginScene inside a scene");
  inScene_ = true;
}

void SdlDevice::EndScene() {
  if (!inScene_) Fail(ErrorKind::PlatformCall, "EndScene without BeginScene");
  inScene_ = false;
}

void SdlDevice::Present() {
  RequireScreen();
  FloatStatusKeeper keep;
  Canvas& canvas = video_.canvas();
  // A frame that repeats the one on screen (an idle selection screen) is
  // neither drawn nor presented again; it still waits for its deadline.
  const bool repeated = canvas.RepeatsShownFrame();
  if (!repeated) {
    canvas.Flush();
    // Draw everything queued and put it in the window's back buffer before
    // waiting, so that only the swap is left for the deadline.
    if (SDL_RenderFlush(video_.renderer()) != 0) {
      Fail(ErrorKind::PlatformCall, std::string("drawing failed: ") + SDL_GetError());
    }
    video_.PreparePicture();
  }
  if (pace_) WaitForDeadline();
  if (!repeated) video_.ShowPicture();
  canvas.EndFrame(repeated);
  holds_ = 0;
}

bool SdlDevice::PresentAgain() {
  RequireScreen();
  FloatStatusKeeper keep;
  if (inScene_) Fail(ErrorKind::PlatformCall, "PresentAgain inside a scene");
  Canvas& canvas = video_.canvas();
  // A window event or a lost render target: the game draws the frame anew.
  if (!canvas.showsLastFrame()) return false;
  // Paced even where frames are not (a timed demo): a held picture sleeps,
  // all the way, since nothing new has to meet the deadline.
  SleepUntil(pacer_.NextDeadline(PaceClockNow()));
  // The window is given the picture again now and then, in case it lost it
  // without a word.
  if (++holds_ >= Canvas::kMaxRepeats) {
    holds_ = 0;
    video_.PreparePicture();
    video_.ShowPicture();
  }
  return true;
}

void SdlDevice::WaitForDeadline() {
  const uint64_t deadline = pacer_.NextDeadline(PaceClockNow());
  WaitUntil(pacer_.WakeTime(deadline), deadline);
}

void SdlDevice::SetTransform(TransformType type, const Matrix& matrix) {
  switch (type) {
    case TransformType::World:
      world_ = matrix;
      break;
    case TransformType::View:
      view_ = matrix;
      break;
    case TransformType::Projection:
      projection_ = matrix;
      break;
    default:
      Fail(ErrorKind::PlatformCall,
           "unknown transform " + std::to_string(static_cast<uint32_t>(type)));
  }
  transformDirty_ = true;
}

const Matrix& SdlDevice::WorldViewProjection() {
  if (transformDirty_) {
    worldViewProjection_ = MatrixMultiply(MatrixMultiply(world_, view_), projection_);
    transformDirty_ = false;
  }
  return worldViewProjection_;
}

void SdlDevice::SetVertexShader(uint32_t format) {
  if (format != kFvfLitVertex && format != kFvfPointVertex) {
    Fail(ErrorKind::PlatformCall, "unsupported vertex format " + std::to_string(format));
  }
  vertexFormat_ = format;
}

void SdlDevice::SetTexture(const TextureRef& texture) {
  if (!texture) {
    image_.reset();
    return;
  }
  auto* own = dynamic_cast<SdlTexture*>(texture.get());
  if (own == nullptr) Fail(ErrorKind::PlatformCall, "texture " + texture->Path() + " is foreign");
  image_ = own->Image(video_.canvas());
}

SDL_BlendMode SdlDevice::BlendMode() const {
  if (!alphaBlend_) return SDL_BLENDMODE_NONE;
  if (srcBlend_ == kBlendSrcAlpha && destBlend_ == kBlendInvSrcAlpha) return SDL_BLENDMODE_BLEND;
  if (srcBlend_ == kBlendOne && destBlend_ == kBlendZero) return SDL_BLENDMODE_NONE;
  if (srcBlend_ == kBlendSrcAlpha && destBlend_ == kBlendOne) return SDL_BLENDMODE_ADD;
  const SDL_BlendFactor src = Factor(srcBlend_);
  const SDL_BlendFactor dst = Factor(destBlend_);
  return SDL_ComposeCustomBlendMode(src, dst, SDL_BLENDOPERATION_ADD, src, dst,
                                    SDL_BLENDOPERATION_ADD);
}

SDL_ScaleMode SdlDevice::ScaleMode() const {
  return (magFilter_ == kTexFilterLinear || minFilter_ == kTexFilterLinear) ? SDL_ScaleModeLinear
                                                                            : SDL_ScaleModeNearest;
}

void SdlDevice::DrawQuad(const LitVertex* corners) {
  RequireScreen();
  FloatStatusKeeper keep;
  ScreenPoint screen[4];
  const float w = static_cast<float>(viewport_.Width);
  const float h = static_cast<float>(viewport_.Height);
  if (!ProjectQuad(corners, WorldViewProjection(), w, h, screen)) return;
  // Colour: texture x corner colour; alpha comes from the texture alone.
  SDL_Vertex v[4];
  for (int i = 0; i < 4; ++i) {
    v[i].position = SDL_FPoint{screen[i].x, screen[i].y};
    v[i].color = ColourOf(corners[i].Diffuse, false);
    v[i].tex_coord = SDL_FPoint{corners[i].U, corners[i].V};
  }
  video_.canvas().AddQuad(image_, v, BlendMode(), ScaleMode());
}

void SdlDevice::DrawPoints(const Particle* first, int count) {
  RequireScreen();
  if (count < 0) Fail(ErrorKind::PlatformCall, "negative point count");
  FloatStatusKeeper keep;
  const float w = static_cast<float>(viewport_.Width);
  const float h = static_cast<float>(viewport_.Height);
  const float half = PointSidePixels(pointSize_, pointScale_, h) * 0.5f;
  if (!(half > 0.0f)) return;
  const Matrix& m = WorldViewProjection();
  const SDL_BlendMode blend = BlendMode();
  const SDL_ScaleMode scale = ScaleMode();
  for (int i = 0; i < count; ++i) {
    const Particle& p = first[i];
    ScreenPoint c;
    if (!ProjectToViewport(Vec3f{p.X, p.Y, p.Z}, m, w, h, c)) continue;
    // A point sprite spans the whole texture; a plain point takes the
    // vertex's own texture coordinate everywhere.
    const SDL_FPoint uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const float dx[4] = {-half, half, half, -half};
    const float dy[4] = {-half, -half, half, half};
    SDL_Vertex v[4];
    for (int k = 0; k < 4; ++k) {
      v[k].position = SDL_FPoint{c.x + dx[k], c.y + dy[k]};
      v[k].color = ColourOf(p.Colour, true);
      v[k].tex_coord = pointSprite_ ? uv[k] : SDL_FPoint{p.U, p.V};
    }
    video_.canvas().AddQuad(image_, v, blend, scale);
  }
}

}  // namespace sb::sdl
