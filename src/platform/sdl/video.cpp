#include "platform/sdl/video.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "core/runtime_error.h"
#include "platform/sdl/window_fit.h"

namespace sb::sdl {

namespace {

constexpr const char* kTitle = "Space Battle";

// D3DFMT values for the desktop's colour format.
constexpr uint32_t kFormatX8R8G8B8 = 22;
constexpr uint32_t kFormatR5G6B5 = 23;
constexpr uint32_t kFormatX1R5G5B5 = 24;

// SDL's reason, after `what` when given.
[[noreturn]] void VideoFailed(const std::string& doing, const std::string& what = "") {
  FailWhile(doing, what.empty() ? std::string(SDL_GetError()) : what + ": " + SDL_GetError());
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

// Whether any graphics device node is there to accelerate drawing at all.
bool HasGraphicsDevice() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
    if (access(entry.path().c_str(), R_OK | W_OK) == 0) return true;
  }
  return false;
}

}  // namespace

Video::Video() = default;

Video::~Video() {
  Release();
  if (initialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void Video::Init() {
  if (initialised_) return;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) VideoFailed("starting the video");
  // SDL falls back on its invisible drivers when there is no display; the
  // game only uses them when asked to by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  if (driver != nullptr && (asked == nullptr || *asked == '\0') &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    FailWhile("starting the video", "no display");
  }
  initialised_ = true;
  // Draw calls are gathered by SDL and sent in bulk at present time.
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  // Relative mouse movement in logical screen pixels.
  SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_SCALING, "1");
  // Going to another window must not minimise the game.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

DisplayMode Video::DesktopMode() {
  Init();
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
    VideoFailed("starting the video", "cannot read the display mode");
  }
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
  const Uint32 flags = params.Windowed ? 0u : static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP);
  auto openWindow = [&] {
    SDL_Window* w = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width_,
                                     height_, flags);
    if (w == nullptr) VideoFailed("opening the game window");
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
    if (renderer_ == nullptr || IsSoftware(renderer_) ||
        (asked == nullptr && IsEmulatedOpenGl(renderer_))) {
      if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
      renderer_ = nullptr;
      SDL_DestroyWindow(window_);
      window_ = nullptr;
      SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
      window_ = openWindow();
    }
  }
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_ == nullptr) {
    const std::string error = SDL_GetError();
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    FailWhile("opening the game window", "cannot draw in it: " + error);
  }
  if (SDL_RenderSetLogicalSize(renderer_, width_, height_) != 0) {
    const std::string error = SDL_GetError();
    Release();
    FailWhile("opening the game window", "cannot set the logical screen size: " + error);
  }
  FitWindowToDrawnSize(window_);
  life_ = std::make_shared<RendererLife>();
  life_->renderer = renderer_;
  canvas_.Attach(renderer_, width_, height_);
  SDL_StopTextInput();
  if (captureWanted_) SetMouseCaptured(true);
}

void Video::Release() {
  canvas_.Detach();
  if (renderer_ != nullptr) {
    life_->renderer = nullptr;
    SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
  }
  if (window_ != nullptr) {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_DestroyWindow(window_);
    window_ = nullptr;
  }
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
  canvas_.ReapplyViewport();
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
