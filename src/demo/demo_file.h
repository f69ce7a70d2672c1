// Reading and writing demo files.
#pragma once

#include <string>

#include "demo/demo_format.h"

namespace sb::demo {

// Files larger than this are not demos (a ten-minute battle is a few KB;
// the longest battle the format allows about 13 MiB).
inline constexpr size_t kMaxFileBytes = 64u << 20;

// The demo in `path`, which must be a regular file (or a link to one); on
// failure `error` is one line naming the file and what is wrong with it.
// Memory grows with the file's size, not with what the file claims.
DecodeResult ReadDemoFile(const std::string& path);

// Writes `demo` to a new file of its own beside `path`, then renames it into
// place, so a crash never leaves half a demo. Only a regular file at `path`
// is replaced; a symbolic link, a folder or a device is left alone (and the
// new file kept, with its name in the error). No other file is touched.
// Returns "" or an error line.
std::string WriteDemoFile(const std::string& path, const Demo& demo);

// Whether a demo can be written at `path` (nothing but a regular file
// there, and a file can be made beside it), so a battle is not played for
// nothing. Returns "" or an error line.
std::string CheckWritable(const std::string& path);

// "spacebattle: demo 'FILE': WHAT", the file name quoted as a command-line
// argument is.
std::string DemoProblem(const std::string& path, const std::string& what);

}  // namespace sb::demo
