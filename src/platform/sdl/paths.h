// Where the executable lives, and whether a file is there.
#pragma once

#include <string>

namespace sb::sdl {

// The folder of the executable, without a trailing separator; empty if the
// system cannot tell.
std::string ExecutableFolder();

bool FileExists(const std::string& path);

}  // namespace sb::sdl
