// A small window of the game's own that shows a message until the player
// dismisses it. The game's error box on X11 and Wayland displays: unlike
// SDL's X11 box it wraps the message to the screen's width, and SIGTERM or
// SIGINT (which SDL turns into a quit event) close it. On Windows the
// system's own message box serves (message_window_windows.cpp).
#pragma once

#include <string>

namespace sb::sdl {

// Blocks until Return, Enter, Escape or Space is pressed, the OK button is
// clicked, the window is closed or the program is asked to quit. False if no
// window could be made.
bool ShowMessageWindow(const std::string& title, const std::string& text,
                       const std::string& fontPath);

}  // namespace sb::sdl
