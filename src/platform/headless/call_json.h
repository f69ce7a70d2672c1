// Recorded platform calls as JSON Lines: one object a line, {"op": ...} with
// the call's arguments by name. Floats are written in the shortest form that
// reads back to the same 32-bit float; texture names are file names.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace sb {
class Form1;
}

namespace sb::headless {

// One call as a JSON object on one line, without a line break.
std::string CallJson(const Call& call);

// Each call on its own line, every line ending in '\n'.
std::string CallsJsonLines(const std::vector<Call>& calls);

// Runs one battle frame (Renderme) of a game set up on `platform` and
// returns that frame's calls. Recording is on for the frame.
std::string BattleFrameTrace(Form1& game, HeadlessPlatform& platform);

// The same for one frame of the selection screen (SelecterRender).
std::string SelectionFrameTrace(Form1& game, HeadlessPlatform& platform);

// The first selection-screen frame as start-up leaves the game, on a fresh
// headless platform: design 1 shown, cursor at (0, 0).
std::string DefaultSelectionFrameTrace();

}  // namespace sb::headless
