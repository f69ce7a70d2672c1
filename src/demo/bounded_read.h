// Reading a whole file of expected size through a system's read call,
// never holding more than a limit: shared by every system's file calls.
#pragma once

#include <cstddef>
#include <functional>

#include "demo/file_system.h"

namespace sb::demo::files {

// Reads into `file.bytes` with `read` (bytes read, 0 at the end, below 0 on
// an error, whose reason `read` sets in `file.problem`), starting with room
// for `expected` bytes. A file that grows past `limit` is `tooLarge`; after
// that or an error, no bytes are kept.
void ReadBounded(FileBytes& file, size_t expected, size_t limit,
                 const std::function<long long(uint8_t* into, size_t room)>& read);

}  // namespace sb::demo::files
