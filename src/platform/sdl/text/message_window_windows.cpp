#include <SDL.h>

#include "platform/sdl/text/message_window.h"

namespace sb::sdl {

// Windows' own message box wraps long lines, answers to the keyboard and
// closes with the program: it is the error box there.
bool ShowMessageWindow(const std::string& title, const std::string& text,
                       const std::string& /*fontPath*/) {
  return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr) == 0;
}

}  // namespace sb::sdl
