// The window and the rest of the window system: showing the window, the
// one-shot yield that delivers notifications, notification events, and the
// end of the program.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace sb {

// What the window system calls back into, only ever from inside Yield().
class NotificationSink {
 public:
  virtual ~NotificationSink() = default;
  // A keyboard or music notification: the event handle that fired.
  virtual void DirectXEvent8_DXCallback(int32_t eventid) = 0;
  // The window was closed.
  virtual void Form_Unload(int16_t cancel) = 0;
};

// Thrown by Window::EndProgram: unwinds to the program's entry point, which
// returns `status` from the process.
struct ProgramExit {
  int status;
};

class Window {
 public:
  virtual ~Window() = default;
  // The folder of the executable, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
  virtual DisplayMode GetDisplayMode() = 0;
  // A new notification-event handle.
  virtual int32_t CreateEvent() = 0;
  virtual void Show() = 0;
  // Handles pending window messages once; keyboard and music notifications
  // and a window close reach `sink` from here, on the caller's thread.
  virtual void Yield(NotificationSink& sink) = 0;
  // Releases the graphics device (shut-down releases nothing else).
  virtual void ReleaseDevice() = 0;
  // Ends the program at once: throws ProgramExit{status}.
  [[noreturn]] virtual void EndProgram(int status) = 0;
  // Shows a fatal error's line to the player where a display exists.
  virtual void ShowFatalMessage(const std::string& line) = 0;
};

}  // namespace sb
