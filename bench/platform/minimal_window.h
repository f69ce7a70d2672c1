// The least an SDL program does to show the game's window: the reference the
// game's start-up is measured against.
#pragma once

namespace sb::sdl {

// Starts SDL's video, opens a desktop-full-screen window of the game's picture size with
// a software renderer and the same logical screen as the game, clears and
// presents one frame, calls `shown`, and closes everything again. Returns false (with the
// reason on stderr) when any step fails.
bool ShowMinimalWindow(void (*shown)());

}  // namespace sb::sdl
