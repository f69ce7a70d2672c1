#include "platform/sdl/system/graphics_device.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace sb::sdl {

bool HasGraphicsDevice() {
  // A device node under /dev/dri that this user may open.
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
    if (access(entry.path().c_str(), R_OK | W_OK) == 0) return true;
  }
  return false;
}

}  // namespace sb::sdl
