#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

#include "core/utf8_path.h"
#include "platform/sdl/system/file_faults.h"

namespace sb::sdl {

namespace {

constexpr uint64_t kRiffHeaderBytes = 12;  // "RIFF", chunk size, form type

// Opens `path` for reading; not open, with `fault` set, when it cannot be
// read as a file.
std::ifstream OpenForReading(const std::string& path, std::string& fault, uint64_t& size) {
  const std::filesystem::path file = Utf8Path(path);
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) {
    fault = std::strerror(EISDIR);
    return {};
  }
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    fault = std::strerror(errno != 0 ? errno : ENOENT);
    return {};
  }
  size = std::filesystem::file_size(file, error);
  if (error) {
    fault = error.message();
    return {};
  }
  return in;
}

}  // namespace

std::string OpenFault(const std::string& path) {
  std::string fault;
  uint64_t size = 0;
  OpenForReading(path, fault, size);
  return fault;
}

std::string SoundFontFault(const std::string& path) {
  std::string fault;
  uint64_t size = 0;
  std::ifstream in = OpenForReading(path, fault, size);
  if (!fault.empty()) return fault;
  char head[kRiffHeaderBytes] = {};
  in.read(head, sizeof head);
  const auto got = in.gcount();
  if (size == 0) return "empty file";
  if (got != static_cast<std::streamsize>(sizeof head) || std::memcmp(head, "RIFF", 4) != 0 ||
      std::memcmp(head + 8, "sfbk", 4) != 0) {
    return "not a sound font";
  }
  const auto byte = [&](int i) { return uint64_t{static_cast<unsigned char>(head[i])}; };
  const uint64_t claimed = 8 + (byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24);
  if (claimed > size) {
    return "truncated sound font (" + std::to_string(size) + " of " + std::to_string(claimed) +
           " bytes)";
  }
  return {};
}

}  // namespace sb::sdl
