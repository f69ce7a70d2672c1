// File paths: the game joins names with backslashes; the file system wants '/'.
#pragma once

#include <string>

namespace sb::sdl {

std::string ToSlashes(std::string path);

// The folder of the executable, without a trailing separator; empty if the
// system cannot tell.
std::string ExecutableFolder();

bool FileExists(const std::string& path);

}  // namespace sb::sdl
