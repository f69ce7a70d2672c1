// Checks of game files that the libraries reading them would otherwise take
// silently or report without the reason: each returns the fault in a few
// words, or an empty string when the file looks usable.
#pragma once

#include <string>

namespace sb::sdl {

// The system's reason when `path` cannot be opened for reading as a file
// (a directory in its place counts as a fault).
std::string OpenFault(const std::string& path);

// A sound font must be a whole RIFF "sfbk" file (SoundFont 2, or 3 with
// compressed samples); the synthesizer plays silence from anything else.
std::string SoundFontFault(const std::string& path);

}  // namespace sb::sdl
