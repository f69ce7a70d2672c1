// A small window of the game's own that shows a message until the player
// dismisses it, for displays where the system's message box cannot be shown
// (an X server without its core fonts, no dialog helper installed).
#pragma once

#include <string>

namespace sb::sdl {

// Blocks until Return, Enter, Escape or Space is pressed, the OK button is
// clicked or the window is closed. False if no window could be made.
bool ShowMessageWindow(const std::string& title, const std::string& text,
                       const std::string& fontPath);

}  // namespace sb::sdl
