#include "platform/sdl/video/window.h"

#include <cstring>
#include <string>

#include "core/runtime_error.h"
#include "platform/sdl/system/graphics_device.h"
#include "platform/sdl/video/letterbox.h"
#include "platform/sdl/video/window_fit.h"

namespace sb::sdl {

namespace {

constexpr const char* kTitle = "Space Battle";

// D3DFMT values for the desktop's colour format.
constexpr uint32_t kFormatX8R8G8B8 = 22;
constexpr uint32_t kFormatR5G6B5 = 23;
constexpr uint32_t kFormatX1R5G5B5 = 24;

[[noreturn]] void VideoFailed(const std::string& what) {
  Fail(ErrorKind::PlatformCall, what + ": " + SDL_GetError());
}

bool IsSoftware(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0) return false;
  return (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

// An OpenGL renderer that runs on the processor (Mesa's llvmpipe or
// softpipe, as under Xvfb or on a machine without a graphics driver) only
// costs: SDL's own software renderer draws this game as fast, starts in half
// the time and needs less than half the memory.
bool IsEmulatedOpenGl(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr ||
      std::strncmp(info.name, "opengl", 6) != 0) {
    return false;
  }
  using GetString = const unsigned char* (*)(unsigned int);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (getString == nullptr) return false;
  const auto* name = reinterpret_cast<const char*>(getString(0x1F01));  // GL_RENDERER
  return name != nullptr &&
         (std::strstr(name, "llvmpipe") != nullptr || std::strstr(name, "softpipe") != nullptr ||
          std::strstr(name, "Software Rasterizer") != nullptr);
}

}  // namespace

Video::Video() = default;

Video::~Video() {
  Release();
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void Video::Init() {
  if (initialised_) return;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) VideoFailed("cannot start the video system");
  // SDL falls back on its invisible drivers when there is no display; the
  // game only uses them when asked to by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  if (driver != nullptr && (asked == nullptr || *asked == '\0') &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    Fail(ErrorKind::PlatformCall, "cannot start the video system: no display");
  }
  initialised_ = true;
  // Draw calls are gathered by SDL and sent in bulk at present time.
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  // Going to another window must not minimise the game.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

DisplayMode Video::DesktopMode() {
  Init();
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) VideoFailed("cannot read the display mode");
  DisplayMode out;
  out.Width = static_cast<uint32_t>(mode.w);
  out.Height = static_cast<uint32_t>(mode.h);
  out.RefreshRate = static_cast<uint32_t>(mode.refresh_rate);
  switch (SDL_BITSPERPIXEL(mode.format)) {
    case 16:
      out.Format = kFormatR5G6B5;
      break;
    case 15:
      out.Format = kFormatX1R5G5B5;
      break;
    default:
      out.Format = kFormatX8R8G8B8;
  }
  return out;
}

void Video::CreateScreen(const PresentParameters& params) {
  Init();
  if (window_ != nullptr) Fail(ErrorKind::PlatformCall, "the graphics device exists already");
  width_ = params.BackBufferWidth > 0 ? static_cast<int>(params.BackBufferWidth) : 1024;
  height_ = params.BackBufferHeight > 0 ? static_cast<int>(params.BackBufferHeight) : 768;
  // A window can be resized and maximised; the picture is letterboxed into
  // it. It starts no larger than the usable desktop area.
  const Uint32 flags = params.Windowed ? static_cast<Uint32>(SDL_WINDOW_RESIZABLE)
                                       : static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_Point size{width_, height_};
  SDL_Rect usable{};
  if (params.Windowed && SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    size = WindowedSize(width_, height_, usable);
  }
  auto openWindow = [&] {
    SDL_Window* w = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, size.x,
                                     size.y, flags);
    if (w == nullptr) VideoFailed("cannot open the game window");
    return w;
  };

  // Prefer a hardware renderer, except on the invisible offscreen driver,
  // which has no screen to accelerate. With the software renderer the window
  // must be made without the hidden GL surface it would otherwise present
  // through; SDL decides that once, when the first window surface is made.
  const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  const char* video = SDL_GetCurrentVideoDriver();
  bool software = asked != nullptr ? SDL_strcasecmp(asked, "software") == 0
                                   : (video != nullptr && std::strcmp(video, "offscreen") == 0) ||
                                         !HasGraphicsDevice();
  if (software) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  window_ = openWindow();
  if (!software) {
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (renderer_ == nullptr || IsSoftware(renderer_) || !SDL_RenderTargetSupported(renderer_) ||
        (asked == nullptr && IsEmulatedOpenGl(renderer_))) {
      if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
      renderer_ = nullptr;
      SDL_DestroyWindow(window_);
      window_ = nullptr;
      SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
      window_ = openWindow();
    }
  }
  if (renderer_ == nullptr) {
    OpenSoftwarePicture();
  } else {
    OpenTargetPicture();
  }
  FitWindowToDrawnSize(window_);
  barsDrawn_ = false;
  SDL_StopTextInput();
  if (captureWanted_) SetMouseCaptured(true);
}

void Video::FailAndRelease(const std::string& what) {
  const std::string error = SDL_GetError();
  Release();
  Fail(ErrorKind::PlatformCall, what + ": " + error);
}

void Video::OpenSoftwarePicture() {
  // The picture has the window surface's own format, so that showing it is
  // a plain copy or stretch with no conversion.
  SDL_Surface* out = SDL_GetWindowSurface(window_);
  if (out == nullptr) FailAndRelease("cannot draw into the game window");
  picture_ = SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 32, out->format->format);
  if (picture_ == nullptr) FailAndRelease("cannot make the picture");
  SDL_SetSurfaceBlendMode(picture_, SDL_BLENDMODE_NONE);
  renderer_ = SDL_CreateSoftwareRenderer(picture_);
  if (renderer_ == nullptr) FailAndRelease("cannot create a renderer for the game window");
  canvas_.Attach(renderer_, picture_, width_, height_);
}

void Video::OpenTargetPicture() {
  target_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width_,
                              height_);
  if (target_ == nullptr) FailAndRelease("cannot make the picture");
  // Every renderer scales the picture the same way: nearest pixel.
  SDL_SetTextureScaleMode(target_, SDL_ScaleModeNearest);
  SDL_SetTextureBlendMode(target_, SDL_BLENDMODE_NONE);
  if (SDL_SetRenderTarget(renderer_, target_) != 0) FailAndRelease("cannot draw the picture");
  canvas_.Attach(renderer_, nullptr, width_, height_);
}

void Video::Release() {
  canvas_.Detach();
  if (renderer_ != nullptr) {
    SDL_DestroyRenderer(renderer_);  // the target texture goes with it
    renderer_ = nullptr;
    target_ = nullptr;
  }
  if (picture_ != nullptr) {
    SDL_FreeSurface(picture_);
    picture_ = nullptr;
  }
  if (window_ != nullptr) {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_DestroyWindow(window_);
    window_ = nullptr;
  }
}

void Video::PreparePicture() {
  if (window_ == nullptr || renderer_ == nullptr) return;
  if (picture_ != nullptr) {
    SDL_Surface* out = SDL_GetWindowSurface(window_);
    if (out == nullptr) VideoFailed("cannot draw into the game window");
    const SDL_Rect rect = LetterboxRect(out->w, out->h, width_, height_);
    if (!SDL_RectEquals(&rect, &shownRect_)) barsDrawn_ = false;
    shownRect_ = rect;
    if (!barsDrawn_ && SDL_FillRect(out, nullptr, SDL_MapRGB(out->format, 0, 0, 0)) != 0) {
      VideoFailed("cannot draw into the game window");
    }
    if (rect.w <= 0 || rect.h <= 0) return;
    SDL_Rect place = rect;
    int rc;
    if (rect.w == width_ && rect.h == height_) {
      rc = SDL_BlitSurface(picture_, nullptr, out, &place);
    } else if (out->format->format == picture_->format->format) {
      rc = SDL_SoftStretch(picture_, nullptr, out, &place);
    } else {
      rc = SDL_BlitScaled(picture_, nullptr, out, &place);
    }
    if (rc != 0) VideoFailed("cannot show the picture");
    return;
  }
  int w = 0, h = 0;
  // The whole window, whatever viewport SDL kept for it.
  if (SDL_SetRenderTarget(renderer_, nullptr) != 0 || SDL_RenderSetViewport(renderer_, nullptr) ||
      SDL_GetRendererOutputSize(renderer_, &w, &h) != 0 ||
      SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255) != 0 || SDL_RenderClear(renderer_) != 0) {
    VideoFailed("cannot show the picture");
  }
  shownRect_ = LetterboxRect(w, h, width_, height_);
  if (shownRect_.w > 0 && shownRect_.h > 0 &&
      SDL_RenderCopy(renderer_, target_, nullptr, &shownRect_) != 0) {
    VideoFailed("cannot show the picture");
  }
}

void Video::ShowPicture() {
  if (window_ == nullptr || renderer_ == nullptr) return;
  if (picture_ != nullptr) {
    const int rc = barsDrawn_ ? SDL_UpdateWindowSurfaceRects(window_, &shownRect_, 1)
                              : SDL_UpdateWindowSurface(window_);
    if (rc != 0) VideoFailed("cannot show the picture");
    barsDrawn_ = true;
    return;
  }
  SDL_RenderPresent(renderer_);
  if (SDL_SetRenderTarget(renderer_, target_) != 0) VideoFailed("cannot draw the picture");
  // Switching targets resets the renderer's viewport.
  canvas_.ReapplyViewport();
}

SDL_Rect Video::PictureInWindow() {
  if (window_ == nullptr) return SDL_Rect{0, 0, width_, height_};
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  return LetterboxRect(w, h, width_, height_);
}

double Video::pictureScale() {
  const SDL_Rect rect = PictureInWindow();
  return rect.w > 0 ? static_cast<double>(rect.w) / width_ : 1.0;
}

void Video::ToggleFullscreen() {
  if (window_ == nullptr) return;
  canvas_.Flush();
  const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
  if (full) {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_Rect usable{};
    SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_), &usable);
    const SDL_Point size = WindowedSize(width_, height_, usable);
    SDL_SetWindowSize(window_, size.x, size.y);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  } else {
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  FitWindowToDrawnSize(window_);
  WindowChanged();
  canvas_.ForgetShownFrame();
}

void Video::SetMouseCaptured(bool captured) {
  captureWanted_ = captured;
  if (window_ == nullptr) return;
  // Not every video driver has relative mode; movement is still reported.
  SDL_SetRelativeMouseMode(captured ? SDL_TRUE : SDL_FALSE);
}

bool Video::CanShowMessages() {
  if (!initialised_) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    initialised_ = true;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) return false;
  return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

void Video::StepAside() {
  if (window_ == nullptr) return;
  SDL_SetRelativeMouseMode(SDL_FALSE);
  SDL_SetWindowFullscreen(window_, 0);
  SDL_HideWindow(window_);
}

}  // namespace sb::sdl
