#include "platform/sdl/system/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace sb::sdl {

bool OpenClosedStandardDescriptors() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // open() returns the lowest free descriptor: the closed one, as the
    // lower ones are open by now.
    const int opened = open("/dev/null", O_RDWR);
    if (opened < 0) return false;
    if (opened != fd) {
      dup2(opened, fd);
      close(opened);
    }
  }
  return true;
}

}  // namespace sb::sdl
