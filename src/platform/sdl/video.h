// The SDL video side: the video subsystem, the game's window and its
// renderer with a fixed logical screen, scaled and letterboxed to the
// display.
#pragma once

#include <SDL.h>

#include <memory>

#include "platform/sdl/canvas.h"
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

  // Opens the window (desktop full screen unless windowed) and its renderer
  // with a logical screen of the back buffer's size.
  void CreateScreen(const PresentParameters& params);
  // Destroys renderer and window; textures made on the renderer die with it.
  void Release();
  bool hasScreen() const { return window_ != nullptr; }

  SDL_Window* window() const { return window_; }
  SDL_Renderer* renderer() const { return renderer_; }
  Canvas& canvas() { return canvas_; }
  const std::shared_ptr<RendererLife>& life() const { return life_; }

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
  bool initialised_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  std::shared_ptr<RendererLife> life_ = std::make_shared<RendererLife>();
  Canvas canvas_;
  int width_ = 1024, height_ = 768;
  bool captureWanted_ = false;
};

}  // namespace sb::sdl
