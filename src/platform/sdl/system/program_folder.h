// Where the executable and the game's files live.
#pragma once

#include <string>

namespace sb::sdl {

// The folder of the executable, without a trailing separator; empty if the
// system cannot tell.
std::string ExecutableFolder();

// The folder of the game's pictures, sounds, music and fonts for a program
// in `programFolder`: the installed data folder (share/games/spacebattle
// beside the program's games folder) when there is one, otherwise the
// program's own folder, as in the build tree.
std::string DataFolderFor(const std::string& programFolder);

}  // namespace sb::sdl
