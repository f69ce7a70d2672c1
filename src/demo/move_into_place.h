// Moving a finished file over the one it replaces in a single step, so a
// reader finds the old file or the new one, never half of either.
#pragma once

#include <string>

namespace sb::demo {

// Renames `from` to `to`, replacing `to` where it exists. Returns "" or the
// system's reason.
std::string MoveIntoPlace(const std::string& from, const std::string& to);

}  // namespace sb::demo
