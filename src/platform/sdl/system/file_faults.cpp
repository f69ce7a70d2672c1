#include "platform/sdl/system/file_faults.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace sb::sdl {

namespace {

constexpr uint64_t kRiffHeaderBytes = 12;  // "RIFF", chunk size, form type

// Opens `path` for reading; -1 with `fault` set when it cannot be read as a
// file.
int OpenForReading(const std::string& path, std::string& fault, uint64_t& size) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    fault = std::strerror(errno);
    return -1;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    fault = std::strerror(errno);
  } else if (S_ISDIR(info.st_mode)) {
    fault = std::strerror(EISDIR);
  } else {
    size = static_cast<uint64_t>(info.st_size);
    return fd;
  }
  close(fd);
  return -1;
}

}  // namespace

std::string OpenFault(const std::string& path) {
  std::string fault;
  uint64_t size = 0;
  const int fd = OpenForReading(path, fault, size);
  if (fd >= 0) close(fd);
  return fault;
}

std::string SoundFontFault(const std::string& path) {
  std::string fault;
  uint64_t size = 0;
  const int fd = OpenForReading(path, fault, size);
  if (fd < 0) return fault;
  unsigned char head[kRiffHeaderBytes] = {};
  const ssize_t got = read(fd, head, sizeof head);
  close(fd);
  if (size == 0) return "empty file";
  if (got != static_cast<ssize_t>(sizeof head) || std::memcmp(head, "RIFF", 4) != 0 ||
      std::memcmp(head + 8, "sfbk", 4) != 0) {
    return "not a sound font";
  }
  const uint64_t claimed = 8 + (uint64_t{head[4]} | uint64_t{head[5]} << 8 |
                                uint64_t{head[6]} << 16 | uint64_t{head[7]} << 24);
  if (claimed > size) {
    return "truncated sound font (" + std::to_string(size) + " of " + std::to_string(claimed) +
           " bytes)";
  }
  return {};
}

}  // namespace sb::sdl
