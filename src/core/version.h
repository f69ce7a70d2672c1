// The game's version, from the build (CMake's project version).
#pragma once

namespace sb {

const char* GameVersion();

}  // namespace sb
