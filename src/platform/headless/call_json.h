// Recorded platform calls as JSON Lines: one object a line, {"op": ...} with
// the call's arguments by name. Floats are written in the shortest form that
// reads back to the same 32-bit float; texture names are file names.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace sb::headless {

// One call as a JSON object on one line, without a line break.
std::string CallJson(const Call& call);

// Each call on its own line, every line ending in '\n'.
std::string CallsJsonLines(const std::vector<Call>& calls);

}  // namespace sb::headless
