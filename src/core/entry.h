// The program's life on a given platform: runs the game object from start-up
// to its end and turns the end into a process exit status.
#pragma once

#include <iosfwd>

#include "platform/platform.h"

namespace sb {

// Returns 0 after a normal shut-down. A run-time error is reported as one
// line on `err` and in the platform's message box, the graphics device is
// released, and the result is 1.
int RunGame(Platform& platform, std::ostream& err);

}  // namespace sb
