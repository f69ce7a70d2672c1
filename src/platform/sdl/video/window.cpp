#include "platform/sdl/video/window.h"

#include <cstring>
#include <string>

#include "core/runtime_error.h"
#include "platform/sdl/system/graphics_device.h"
#include "platform/sdl/video/letterbox.h"
#include "platform/sdl/video/window_fit.h"

namespace sb::sdl {

namespace {

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
  width_ = params.BackBufferWidth > 0 ? static_cast<int>(params.BackBufferWidth) : kScreenWidth;
  height_ = params.BackBufferHeight > 0 ? static_cast<int>(params.BackBufferHeight) : kScreenHeight;
  // A window can be resized and maximised, also once Alt+Enter has taken it
  // out of full screen; the picture is letterboxed into it. It starts no
  // larger than the usable desktop area.
  const Uint32 flags = static_cast<Uint32>(SDL_WINDOW_RESIZABLE) |
                       (params.Windowed ? 0u : static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP));
  SDL_Point size{width_, height_};
  SDL_Rect usable{};
  if (params.Windowed && askedW_ > 0 && askedH_ > 0) {
    size = SDL_Point{askedW_, askedH_};
  } else if (params.Windowed && SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    size = WindowedSize(width_, height_, usable);
  }
  auto openWindow = [&] {
    SDL_Window* w = SDL_CreateWindow(kGameTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     size.x, size.y, flags);
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
  FailWhile("opening the game window", what + ": " + error);
}

void Video::OpenSoftwarePicture() {
  // The picture has the window surface's own format, so that showing it is
  // a plain copy or stretch with no conversion.
  SDL_Surface* out = SDL_GetWindowSurface(window_);
  if (out == nullptr) FailAndRelease("cannot draw in it");
  picture_ = SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 32, out->format->format);
  if (picture_ == nullptr) FailAndRelease("cannot make the picture");
  SDL_SetSurfaceBlendMode(picture_, SDL_BLENDMODE_NONE);
  ownPixels_ = picture_->pixels;
  direct_ = false;
  canvas_.SetBeforeDrawing([this] { ChooseWhereToDraw(); });
  renderer_ = SDL_CreateSoftwareRenderer(picture_);
  if (renderer_ == nullptr) FailAndRelease("cannot draw in it");
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
    picture_->pixels = ownPixels_;  // it frees what it made
    SDL_FreeSurface(picture_);
    picture_ = nullptr;
    direct_ = false;
  }
  if (window_ != nullptr) {
    SDL_SetWindowGrab(window_, SDL_FALSE);
    SDL_ShowCursor(SDL_ENABLE);
    SDL_DestroyWindow(window_);
    window_ = nullptr;
  }
}

bool Video::Fits(const SDL_Surface* out) const {
  return out->w == width_ && out->h == height_ && out->pitch == picture_->pitch &&
         out->format->format == picture_->format->format;
}

void Video::UseOwnPixels(bool keepDrawing) {
  if (!direct_) return;
  if (keepDrawing) {
    std::memcpy(ownPixels_, picture_->pixels, static_cast<size_t>(picture_->pitch) * height_);
  }
  picture_->pixels = ownPixels_;
  direct_ = false;
}

void Video::StepOffAChangedWindow() {
  // After a window event SDL may make the window's surface anew, freeing the
  // old one's pixels when it is next asked for: before that, the picture
  // moves back to its own pixels, keeping what is drawn. Not every driver
  // tells of a resize before the next frame, so a window whose size moved
  // counts as changed too.
  if (!direct_) return;
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  if (windowMayChange_ || w != directW_ || h != directH_) UseOwnPixels(true);
}

void Video::ChooseWhereToDraw() {
  if (window_ == nullptr || picture_ == nullptr) return;
  StepOffAChangedWindow();
  windowMayChange_ = false;
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  SDL_Surface* out = SDL_GetWindowSurface(window_);
  if (out == nullptr) return;  // reported when the picture is shown
  if (direct_ && out->pixels != picture_->pixels) {
    // Made anew without a word: what was drawn there is gone.
    picture_->pixels = ownPixels_;
    direct_ = false;
    canvas_.ForgetShownFrame();
  }
  if (!direct_ && Fits(out)) {
    // A window of the picture's own size: drawn straight into it, which
    // saves copying the whole picture every frame.
    std::memcpy(out->pixels, ownPixels_, static_cast<size_t>(picture_->pitch) * height_);
    picture_->pixels = out->pixels;
    direct_ = true;
    directW_ = w;
    directH_ = h;
  }
}

void Video::PreparePicture() {
  if (window_ == nullptr || renderer_ == nullptr) return;
  if (picture_ != nullptr) {
    StepOffAChangedWindow();  // a held frame is shown again without being drawn
    SDL_Surface* out = SDL_GetWindowSurface(window_);
    if (out == nullptr) VideoFailed("showing the picture", "cannot draw into the game window");
    if (direct_ && out->pixels == picture_->pixels) {
      shownRect_ = SDL_Rect{0, 0, width_, height_};
      changedRects_.assign(1, shownRect_);
      scaler_.Forget();
      return;  // already there
    }
    UseOwnPixels(false);
    const SDL_Rect rect = LetterboxRect(out->w, out->h, width_, height_);
    if (!SDL_RectEquals(&rect, &shownRect_)) barsDrawn_ = false;
    shownRect_ = rect;
    changedRects_.clear();
    if (!barsDrawn_) {
      scaler_.Forget();
      if (SDL_FillRect(out, nullptr, SDL_MapRGB(out->format, 0, 0, 0)) != 0) {
        VideoFailed("showing the picture", "cannot draw into the game window");
      }
    }
    if (rect.w <= 0 || rect.h <= 0) return;
    // Signed here, just before the scaler compares: the two frames whose
    // tiles it compares are the two it was last given.
    if (scaler_.ScaleChanges(picture_, out, rect, changedRects_, &canvas_.SignFrame())) return;
    // Another pixel format: SDL converts it, and the whole picture is shown.
    SDL_Rect place = rect;
    const int rc = rect.w == width_ && rect.h == height_
                       ? SDL_BlitSurface(picture_, nullptr, out, &place)
                       : SDL_BlitScaled(picture_, nullptr, out, &place);
    if (rc != 0) VideoFailed("showing the picture");
    changedRects_.assign(1, rect);
    return;
  }
  int w = 0, h = 0;
  // The whole window, whatever viewport SDL kept for it.
  if (SDL_SetRenderTarget(renderer_, nullptr) != 0 || SDL_RenderSetViewport(renderer_, nullptr) ||
      SDL_GetRendererOutputSize(renderer_, &w, &h) != 0 ||
      SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255) != 0 || SDL_RenderClear(renderer_) != 0) {
    VideoFailed("showing the picture");
  }
  shownRect_ = LetterboxRect(w, h, width_, height_);
  if (shownRect_.w > 0 && shownRect_.h > 0 &&
      SDL_RenderCopy(renderer_, target_, nullptr, &shownRect_) != 0) {
    VideoFailed("showing the picture");
  }
}

void Video::ShowPicture() {
  if (window_ == nullptr || renderer_ == nullptr) return;
  if (picture_ != nullptr) {
    // Only what changed since the last frame, once the bars are shown.
    int rc = 0;
    if (!barsDrawn_) {
      rc = SDL_UpdateWindowSurface(window_);
    } else if (!changedRects_.empty()) {
      rc = SDL_UpdateWindowSurfaceRects(window_, changedRects_.data(),
                                        static_cast<int>(changedRects_.size()));
    }
    if (rc != 0) VideoFailed("showing the picture");
    barsDrawn_ = true;
    return;
  }
  SDL_RenderPresent(renderer_);
  if (SDL_SetRenderTarget(renderer_, target_) != 0) VideoFailed("showing the picture");
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
  // Where the pointer is over the picture, as a fraction of it, to put it
  // back there in the new window.
  const SDL_Rect before = PictureInWindow();
  int px = 0, py = 0;
  SDL_GetMouseState(&px, &py);
  const double fx = before.w > 0 ? static_cast<double>(px - before.x) / before.w : 0;
  const double fy = before.h > 0 ? static_cast<double>(py - before.y) / before.h : 0;
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
  if (captureWanted_) {
    const SDL_Rect after = PictureInWindow();
    SDL_WarpMouseInWindow(window_, after.x + static_cast<int>(fx * after.w),
                          after.y + static_cast<int>(fy * after.h));
  }
}

void Video::SetMouseCaptured(bool captured) {
  captureWanted_ = captured;
  if (window_ == nullptr) return;
  // The system's pointer is hidden and kept over the picture; the game moves
  // its own cursor by the distance the pointer moved. That works alike for
  // devices that report movement (a mouse) and those that report positions
  // (a tablet, a touch screen, a virtual machine's or remote desktop's
  // pointer), which relative mouse mode would not hear.
  SDL_ShowCursor(captured ? SDL_DISABLE : SDL_ENABLE);
  // Kept in the window, not in the picture: pointer barriers would also stop
  // the positions that tablets and remote desktops report.
  SDL_SetWindowGrab(window_, captured ? SDL_TRUE : SDL_FALSE);
  if (captured && !pointerPlaced_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0) {
    // The game's cursor starts at the picture's top-left corner: so does the
    // pointer (once the window is there to take it). The cursor then never
    // runs ahead of the pointer towards an edge, so the window's edge never
    // stops it short of the picture's.
    const SDL_Rect picture = PictureInWindow();
    SDL_WarpMouseInWindow(window_, picture.x, picture.y);
    pointerPlaced_ = true;
  }
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
  SDL_SetWindowGrab(window_, SDL_FALSE);
  SDL_ShowCursor(SDL_ENABLE);
  SDL_SetWindowFullscreen(window_, 0);
  SDL_HideWindow(window_);
}

}  // namespace sb::sdl
