#include "platform/sdl/sdl_platform.h"

#include "core/runtime_error.h"
#include "platform/game_screen.h"
#include "platform/sdl/sdl_platform_impl.h"
#include "platform/sdl/system/float_status.h"
#include "platform/sdl/system/program_folder.h"
#include "platform/sdl/text/message_window.h"

namespace sb {

std::unique_ptr<Platform> CreateSdlPlatform(const SdlPlatformOptions& options) {
  return std::make_unique<sdl::SdlPlatform>(options);
}

namespace sdl {

namespace {

std::string WithoutTrailingSlash(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

std::string ProgramFolderOf(const SdlPlatformOptions& options) {
  if (!options.programFolder.empty()) return WithoutTrailingSlash(options.programFolder);
  return DataFolderFor(ExecutableFolder());
}

std::string DataFolderOf(const SdlPlatformOptions& options) {
  if (!options.dataFolder.empty()) return WithoutTrailingSlash(options.dataFolder);
  return ProgramFolderOf(options);
}

}  // namespace

SdlPlatform::SdlPlatform(const SdlPlatformOptions& options)
    : programFolder_(ProgramFolderOf(options)),
      dataFolder_(DataFolderOf(options)),
      windowed_(options.windowed),
      windowWidth_(options.windowWidth),
      windowHeight_(options.windowHeight),
      audio_(dataFolder_ + "/soundfont/TimGM6mb.sf2", options.sound),
      window_(*this),
      device_(video_, options.pacePresents),
      sprite_(video_),
      text_(video_.canvas(), dataFolder_ + "/fonts"),
      textures_(video_.canvas()),
      mouse_(video_),
      pads_(keyboard_, mouse_),
      events_(video_, keyboard_, mouse_, pads_),
      sound_(audio_),
      music_(audio_),
      soundControl_(audio_),
      settings_(options.settingsFile ? *options.settingsFile : SettingsPathFromEnvironment()) {}

SdlPlatform::~SdlPlatform() {
  text_.ReleaseTextures();
  video_.Release();
}

Device& SdlPlatform::CreateDevice(const PresentParameters& params) {
  FloatStatusKeeper keep;
  PresentParameters asked = params;
  if (windowed_) asked.Windowed = true;
  video_.SetWindowSize(windowWidth_, windowHeight_);
  video_.CreateScreen(asked);
  return device_;
}

std::string SdlWindow::ProgramFolder() {
  if (p_.programFolder_.empty()) {
    Fail(ErrorKind::PlatformCall, "cannot find the program's folder");
  }
  return p_.programFolder_;
}

DisplayMode SdlWindow::GetDisplayMode() {
  FloatStatusKeeper keep;
  return p_.video_.DesktopMode();
}

void SdlWindow::Show() {
  FloatStatusKeeper keep;
  SDL_Window* window = p_.video_.window();
  if (window == nullptr) return;
  SDL_ShowWindow(window);
  SDL_RaiseWindow(window);
}

void SdlWindow::Yield(NotificationSink& sink) {
  bool close = false;
  {
    FloatStatusKeeper keep;
    p_.video_.canvas().Flush();
    close = p_.events_.Pump();
  }
  // Work that waited for the first frame to be shown runs from here on.
  p_.sound_.OpenBackground();
  if (close) sink.Form_Unload(1);
  if (const int32_t keyboardEvent = p_.keyboard_.TakeNotification()) {
    sink.DirectXEvent8_DXCallback(keyboardEvent);
  }
  if (const int32_t musicEvent = p_.music_.Update()) sink.DirectXEvent8_DXCallback(musicEvent);
}

void SdlWindow::ReleaseDevice() {
  FloatStatusKeeper keep;
  p_.text_.ReleaseTextures();
  p_.video_.Release();
}

void SdlWindow::EndProgram(int status) {
  // Give the mouse back and silence the sound before the program unwinds.
  FloatStatusKeeper keep;
  p_.video_.SetMouseCaptured(false);
  if (p_.audio_.isOpen()) {
    p_.music_.Silence();
    Mix_HaltChannel(-1);
  }
  throw ProgramExit{status};
}

void SdlWindow::ShowFatalMessage(const std::string& line) {
  FloatStatusKeeper keep;
  if (!p_.video_.CanShowMessages()) return;
  if (p_.audio_.isOpen()) {
    p_.music_.Silence();
    Mix_HaltChannel(-1);
  }
  p_.video_.StepAside();
  // The game's own box first: the system's may not wrap the line or answer
  // to signals.
  if (!ShowMessageWindow(kGameTitle, line, p_.dataFolder_ + "/fonts/DejaVuSans-Bold.ttf")) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, kGameTitle, line.c_str(), nullptr);
  }
}

}  // namespace sdl
}  // namespace sb
