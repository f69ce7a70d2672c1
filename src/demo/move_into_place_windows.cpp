#include <windows.h>

#include <filesystem>
#include <system_error>

#include "core/utf8_path.h"
#include "demo/move_into_place.h"

namespace sb::demo {

std::string MoveIntoPlace(const std::string& from, const std::string& to) {
  // The C library's rename refuses an existing target on Windows; the
  // system's own move replaces it, and returns once it is on the disk.
  if (MoveFileExW(Utf8Path(from).c_str(), Utf8Path(to).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return "";
  }
  return std::system_category().message(static_cast<int>(GetLastError()));
}

}  // namespace sb::demo
