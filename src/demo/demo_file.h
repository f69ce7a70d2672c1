// Reading and writing demo files.
#pragma once

#include <string>

#include "demo/demo_format.h"

namespace sb::demo {

// Files larger than this are not demos (a ten-minute battle is a few KB).
inline constexpr size_t kMaxFileBytes = 64u << 20;

// The demo in `path`; on failure `error` is one line naming the file and
// what is wrong with it.
DecodeResult ReadDemoFile(const std::string& path);

// Writes `demo` to a temporary file beside `path`, then renames it into
// place, so a crash never leaves half a demo. Returns "" or an error line.
std::string WriteDemoFile(const std::string& path, const Demo& demo);

// Whether a demo can be written at `path` (its temporary file can be made),
// so a battle is not played for nothing. Returns "" or an error line.
std::string CheckWritable(const std::string& path);

// "spacebattle: demo FILE: WHAT".
std::string DemoProblem(const std::string& path, const std::string& what);

}  // namespace sb::demo
