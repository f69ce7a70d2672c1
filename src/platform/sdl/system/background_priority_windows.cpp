#include <windows.h>

#include "platform/sdl/system/background_priority.h"

namespace sb::sdl {

void LowerThisThreadsPriority() {
  // Two steps below the game's thread, as nice 10 is on Linux.
  (void)SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
}

}  // namespace sb::sdl
