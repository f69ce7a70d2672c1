#include "platform/sdl/system/graphics_device.h"

namespace sb::sdl {

bool HasGraphicsDevice() {
  // Windows always has Direct3D, in hardware or in its own software device;
  // the renderer SDL makes on it says which (see Video::CreateScreen).
  return true;
}

}  // namespace sb::sdl
