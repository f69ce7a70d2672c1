// Whether the machine has a graphics device that could accelerate drawing.
#pragma once

namespace sb::sdl {

bool HasGraphicsDevice();

}  // namespace sb::sdl
