// Physical keys as the game knows them: PC keyboard scan codes (the
// DirectInput key codes), with 0x80 added for the extended keys.
#pragma once

#include <SDL_scancode.h>

#include <cstdint>

namespace sb::sdl {

// The game's key code of an SDL scan code; 0 for keys the game's keyboard
// has no code for, and for numbers outside the scan codes. It takes an int:
// an SDL_Scancode variable holding such a number would already be undefined.
uint8_t KeyCodeOf(int scancode);

}  // namespace sb::sdl
