#include "demo/move_into_place.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace sb::demo {

std::string MoveIntoPlace(const std::string& from, const std::string& to) {
  // POSIX rename replaces the target atomically.
  if (std::rename(from.c_str(), to.c_str()) != 0) return std::strerror(errno);
  return "";
}

}  // namespace sb::demo
