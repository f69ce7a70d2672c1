// Where the executable lives.
#pragma once

#include <string>

namespace sb::sdl {

// The folder of the executable, without a trailing separator; empty if the
// system cannot tell.
std::string ExecutableFolder();

}  // namespace sb::sdl
