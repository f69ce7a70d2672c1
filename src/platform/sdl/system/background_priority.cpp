#include "platform/sdl/system/background_priority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace sb::sdl {

void LowerThisThreadsPriority() {
  // On Linux a thread's nice value is its own, set through its thread id.
  const auto thread = static_cast<id_t>(syscall(SYS_gettid));
  (void)setpriority(PRIO_PROCESS, thread, 10);
}

}  // namespace sb::sdl
