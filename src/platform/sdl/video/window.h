// The SDL video side: the video subsystem and the game's window. The game's
// picture is always drawn at its own size (kScreenWidth x kScreenHeight) by the canvas, then
// shown in the window scaled and letterboxed in one step: on the software
// renderer a picture surface of ours stretched into the window's surface, on
// a hardware renderer a target texture copied to the window.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/game_screen.h"
#include "platform/sdl/canvas/canvas.h"
#include "platform/sdl/video/picture_scaler.h"
#include "platform/types.h"

namespace sb::sdl {

class Video {
 public:
  Video();
  ~Video();
  Video(const Video&) = delete;
  Video& operator=(const Video&) = delete;

  // Starts SDL's video subsystem once; a failure is a failed platform call.
  void Init();
  bool initialised() const { return initialised_; }
  DisplayMode DesktopMode();

  // Opens the window (desktop full screen unless windowed) and the renderer
  // that draws a picture of the back buffer's size.
  void CreateScreen(const PresentParameters& params);
  // A window of this size, when windowed (0: the picture's, fitted to the
  // desktop).
  void SetWindowSize(int width, int height) {
    askedW_ = width;
    askedH_ = height;
  }
  // Destroys renderer and window; textures made on the renderer die with it.
  void Release();
  bool hasScreen() const { return window_ != nullptr; }

  SDL_Window* window() const { return window_; }
  // The renderer that draws the picture (not the window's, on software).
  SDL_Renderer* renderer() const { return canvas_.renderer(); }
  Canvas& canvas() { return canvas_; }
  // The surface the software renderer draws the picture into; null on a
  // hardware renderer.
  SDL_Surface* picture() const { return picture_; }

  // Puts the finished picture into the window's back buffer, scaled to fit;
  // ShowPicture then shows it. Split so that only the swap waits for the
  // frame's deadline.
  void PreparePicture();
  void ShowPicture();
  // The window changed (size, exposure): its bars are drawn again, and its
  // surface may be made anew.
  void WindowChanged() {
    barsDrawn_ = false;
    windowMayChange_ = true;
  }
  // Window pixels per picture pixel, and the picture's place in the window
  // in window coordinates (for the mouse).
  double pictureScale();
  SDL_Rect PictureInWindow();

  void ToggleFullscreen();
  // Keeps the mouse captured while the game's window has the focus.
  void SetMouseCaptured(bool captured);
  bool mouseCaptureWanted() const { return captureWanted_; }

  // False where no one could see a message box (offscreen or dummy video, or
  // no display at all).
  bool CanShowMessages();
  // Takes the window out of the way before a message box.
  void StepAside();

 private:
  void OpenSoftwarePicture();
  // Software renderer: before a frame is drawn, points the picture at the
  // window surface's own pixels when that surface is exactly the picture's
  // size and format, else at the picture's own.
  void ChooseWhereToDraw();
  bool Fits(const SDL_Surface* out) const;
  void StepOffAChangedWindow();
  void UseOwnPixels(bool keepDrawing);
  void OpenTargetPicture();
  [[noreturn]] void FailAndRelease(const std::string& what);

  bool initialised_ = false;
  SDL_Window* window_ = nullptr;
  // Software: a renderer on a surface of ours. Hardware: the window's
  // renderer, drawing into `target_` until the picture is shown.
  SDL_Renderer* renderer_ = nullptr;
  SDL_Surface* picture_ = nullptr;
  void* ownPixels_ = nullptr;  // the picture's own pixels, when it is not drawn in the window's
  bool direct_ = false;        // the picture's pixels are the window surface's
  bool windowMayChange_ = true;
  int directW_ = 0, directH_ = 0;  // the window's size when drawing went into it
  SDL_Texture* target_ = nullptr;
  SDL_Rect shownRect_{0, 0, 0, 0};      // where the picture went in the window
  std::vector<SDL_Rect> changedRects_;  // what of the window the next frame changes
  bool barsDrawn_ = false;
  PictureScaler scaler_;
  Canvas canvas_;
  int width_ = kScreenWidth, height_ = kScreenHeight;
  bool captureWanted_ = false;
  bool pointerPlaced_ = false;
  int askedW_ = 0, askedH_ = 0;
};

}  // namespace sb::sdl
